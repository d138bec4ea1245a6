#include "platform/long_paths.h"

#include <gtest/gtest.h>

#include <string>

namespace trv {
namespace {

TEST(ExtendedLengthPath, TakesTheFormWindowsAcceptsAtAnyLength) {
    struct Case {
        const char* path;
        const char* current;  // the current folder
        const char* extended;
    };
    const Case cases[] = {
        // drive paths; a doubled backslash names the same folder, the trailing one stays
        {"P:\\PROJECTS\\KLV-13000-C000\\DESIGN", "", "\\\\?\\P:\\PROJECTS\\KLV-13000-C000\\DESIGN"},
        {"P:\\office\\\\PROJECTS\\curproject.txt", "", "\\\\?\\P:\\office\\PROJECTS\\curproject.txt"},
        {"P:\\office\\\\\\PROJECTS\\", "", "\\\\?\\P:\\office\\PROJECTS\\"},
        {"C:/resources/Standard_documents\\x.doc", "", "\\\\?\\C:\\resources\\Standard_documents\\x.doc"},
        {"P:\\", "", "\\\\?\\P:\\"},
        {"P:\\\\", "", "\\\\?\\P:\\"},
        // server paths: the share is the root
        {"\\\\fileserver\\cad\\office\\\\PROJECTS", "", "\\\\?\\UNC\\fileserver\\cad\\office\\PROJECTS"},
        {"\\\\fileserver\\cad\\", "", "\\\\?\\UNC\\fileserver\\cad\\"},
        {"\\\\fileserver\\cad", "", "\\\\?\\UNC\\fileserver\\cad"},
        {"//fileserver/cad/a b/x.dwg", "", "\\\\?\\UNC\\fileserver\\cad\\a b\\x.dwg"},
        {"\\\\fileserver\\\\cad\\\\x", "", "\\\\?\\UNC\\fileserver\\cad\\x"},
        // "." and "..", which Windows resolves only outside the extended form
        {"P:\\office\\.\\PROJECTS\\..\\resources\\a.txt", "", "\\\\?\\P:\\office\\resources\\a.txt"},
        {"P:\\..\\..\\x", "", "\\\\?\\P:\\x"},
        {"\\\\fileserver\\cad\\..\\..\\x", "", "\\\\?\\UNC\\fileserver\\cad\\x"},
        {"P:\\office\\..", "", "\\\\?\\P:\\"},
        {"P:\\a\\...\\b", "", "\\\\?\\P:\\a\\...\\b"},
        // the final periods and blanks Windows trims
        {"P:\\office\\KLV-13000-C000 \\curproject.txt. ", "", "\\\\?\\P:\\office\\KLV-13000-C000 \\curproject.txt"},
        {"P:\\office.\\x", "", "\\\\?\\P:\\office\\x"},
        {"P:\\office\\name \\", "", "\\\\?\\P:\\office\\name \\"},
        {"P:\\office\\ . ", "", "\\\\?\\P:\\office\\"},
        // already extended: the same treatment below the prefix
        {"\\\\?\\C:\\office\\\\PROJECTS", "", "\\\\?\\C:\\office\\PROJECTS"},
        {"\\\\?\\unc\\fileserver\\cad\\\\x", "", "\\\\?\\UNC\\fileserver\\cad\\x"},
        {"\\\\.\\C:\\office\\x", "", "\\\\?\\C:\\office\\x"},
        // relative paths, from the current folder
        {"relative\\name.txt", "C:\\work\\", "\\\\?\\C:\\work\\relative\\name.txt"},
        {"..\\name.txt", "\\\\fileserver\\cad\\work", "\\\\?\\UNC\\fileserver\\cad\\name.txt"},
        {"\\rooted\\x", "\\\\fileserver\\cad\\work", "\\\\?\\UNC\\fileserver\\cad\\rooted\\x"},
        {"\\rooted\\x", "C:\\work", "\\\\?\\C:\\rooted\\x"},
        {"c:x", "C:\\work", "\\\\?\\C:\\work\\x"},
        {"D:x", "C:\\work", "\\\\?\\D:\\x"},
        {"C:", "C:\\work", "\\\\?\\C:\\work\\"},
        {".", "\\\\?\\C:\\work", "\\\\?\\C:\\work"},
        {"relative/x", "", "relative\\x"},
        {"", "C:\\work", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extendedLengthPath(c.path, c.current), c.extended) << c.path;
        // What is already in the form stays as it is.
        if (!isRelativePath(c.extended)) {
            EXPECT_EQ(extendedLengthPath(c.extended, ""), c.extended) << c.path;
        }
    }
}

TEST(ExtendedLengthPath, KeepsTheLongestPathWhole) {
    std::string deep = "\\\\fileserver\\cad";
    for (int i = 0; i < 40; ++i) deep += "\\folder with a long name " + std::to_string(i);
    const std::string extended = extendedLengthPath(deep + "\\\\x.dwg", "");
    EXPECT_GT(extended.size(), 1000u);
    EXPECT_EQ(extended, "\\\\?\\UNC" + deep.substr(1) + "\\x.dwg");
}

TEST(ExtendedLengthPath, TellsRelativePaths) {
    for (const char* p : {"x", "..\\x", "\\x", "P:x", "P:", ""}) EXPECT_TRUE(isRelativePath(p)) << p;
    for (const char* p : {"P:\\x", "P:/x", "\\\\server\\share", "\\\\?\\P:\\x", "//server/share"})
        EXPECT_FALSE(isRelativePath(p)) << p;
}

}  // namespace
}  // namespace trv
