// What only the Windows platform does, on real temporary folders (run under
// Wine on the developers' machines and in CI): short 8.3 names, the Win32
// form of paths, the shell's numbers, the logon name, the program's folder
// and the chooser. What both platforms share is in
// tests/platform/native_platform_test.cpp.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/native_platform_fixture.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/windows_shell.h"
#endif

namespace trv {
namespace {

namespace fs = std::filesystem;
using testing::u8;
using testing::u8path;
using testing::waitForFile;
using testing::winPath;

#ifdef _WIN32
// The short 8.3 form of an existing path; empty when the file system keeps
// no other form of it.
fs::path shortPathOf(const fs::path& file) {
    wchar_t shortName[MAX_PATH];
    const DWORD n = ::GetShortPathNameW(file.c_str(), shortName, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    fs::path shortPath(std::wstring(shortName, n));
    return shortPath == file ? fs::path() : shortPath;
}
#endif

class WindowsPlatform : public testing::NativePlatformFixture {
protected:
    void SetUp() override {
#ifndef _WIN32
        GTEST_SKIP() << "these tests check the Windows platform (they run under Wine); "
                        "the POSIX one is checked in tests/platform";
#endif
    }
};

// The short 8.3 name finds the file too, but is not its stored name.
TEST_F(WindowsPlatform, PresenceTestRefusesTheShortName) {
#ifdef _WIN32
    dir.write("PROJECTS/klvprojects-register.txt", "x");
    const fs::path shortPath = shortPathOf(dir.path() / "PROJECTS" / "klvprojects-register.txt");
    if (shortPath.empty()) GTEST_SKIP() << "this file system gives no short names";
    ASSERT_TRUE(platform.fileExists(u8(shortPath))) << u8(shortPath) << " names the file";
    EXPECT_FALSE(platform.isPresent(u8(shortPath))) << u8(shortPath);
    EXPECT_TRUE(platform.isPresent(winPath(dir, "PROJECTS\\klvprojects-register.txt")));
#endif
}

// A pattern "prefix*.*" would also match the short 8.3 names.
TEST_F(WindowsPlatform, ListingByPrefixIgnoresShortNames) {
#ifdef _WIN32
    dir.write("sheets/KLV-13000-C001-A.dwg", "x");
    const std::string shortFile = u8(shortPathOf(dir.path() / "sheets" / "KLV-13000-C001-A.dwg").filename());
    const auto tilde = shortFile.find('~');
    if (tilde == std::string::npos) GTEST_SKIP() << "this file system gives no short names";
    ASSERT_EQ(platform.listFilesStartingWith(winPath(dir, "sheets"), "klv-13000"),
              (std::vector<std::string>{"KLV-13000-C001-A.dwg"}));
    EXPECT_TRUE(platform.listFilesStartingWith(winPath(dir, "sheets"), shortFile.substr(0, tilde + 1)).empty())
        << shortFile;
#endif
}

TEST_F(WindowsPlatform, NativePathsTakeTheWindowsForm) {
    struct Case {
        const char* in;
        const char* native;  // what the system calls get
    };
    const Case cases[] = {
        {"C:\\projects\\\\PROJECTS\\curproject.txt", "C:\\projects\\PROJECTS\\curproject.txt"},
        {"C:/resources/Standard_documents\\x.doc", "C:\\resources\\Standard_documents\\x.doc"},
        {"\\\\server\\share\\\\projects\\", "\\\\server\\share\\projects\\"},
        {"//server/share/a b", "\\\\server\\share\\a b"},
        {"relative\\name.txt", "relative\\name.txt"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.nativePath(c.in), c.native) << c.in;
}

// Every path reaches the file functions absolute, in the extended form; a
// relative one is taken from the current folder, as Windows takes it.
TEST_F(WindowsPlatform, RelativePathsAreTakenFromTheCurrentFolder) {
#ifdef _WIN32
    dir.write("sub/a.txt", "x");
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    EXPECT_TRUE(platform.fileExists("sub\\a.txt"));
    EXPECT_EQ(platform.readFile("sub/../sub\\\\a.txt"), "x");
    EXPECT_EQ(platform.testFolder("sub"), FolderTest::Exists);
    EXPECT_EQ(platform.testFolder(".\\missing"), FolderTest::NotFound);
    EXPECT_TRUE(platform.isPresent(u8(dir.path() / "sub" / "a.txt")));
    EXPECT_FALSE(platform.isPresent(u8(dir.path() / "sub" / "a.txt.")));
    fs::current_path(before);
#endif
}

TEST_F(WindowsPlatform, LogonNameIsTheUsersNameWithoutItsTerminator) {
    const char* user = std::getenv("USERNAME");
    if (!user || !*user) GTEST_SKIP() << "USERNAME is not set here";
    EXPECT_EQ(platform.logonName(), user);
}

TEST_F(WindowsPlatform, ProgramFolderIsTheFolderOfTheExecutable) {
    const std::string folder = platform.programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(platform.fileExists(folder + "\\trv_tests.exe")) << folder;
    EXPECT_EQ(platform.settingsFile(), folder + "\\trv.ini");
}

// (A missing document gives shellFileNotFound on both systems.)
TEST_F(WindowsPlatform, OpeningADocumentGivesTheShellsNumber) {
    dir.write("drawing.trv-no-program", "x");
    EXPECT_EQ(platform.openDocument(winPath(dir, "drawing.trv-no-program")), shellNoAssociation);

#ifdef _WIN32
    // A program opened like a document runs: the result is above 32.
    const fs::path helper = u8path(platform.programFolder()) / "trv_argv_echo.exe";
    fs::copy_file(helper, dir.path() / "viewer.exe");
    EXPECT_GT(platform.openDocument(winPath(dir, "viewer.exe")), 32);
    EXPECT_TRUE(waitForFile(dir.path() / "opened.txt")) << "the shell did not start it";
#endif
}

TEST_F(WindowsPlatform, ChooserForAFileThatIsNotThereFails) {
#ifdef _WIN32
    EXPECT_THROW(showOpenWithChooser(winPath(dir, "missing.dwg")), RuntimeFailure);
#endif
}

}  // namespace
}  // namespace trv
