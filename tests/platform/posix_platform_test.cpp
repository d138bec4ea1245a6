// The POSIX platform on real temporary folders. It must reproduce the Windows
// file-system behaviour the windows rely on: names found without regard to
// case, '\' as separator, folder tests, exclusive copies, atomic replacement.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/native_platform.h"
#include "platform/temp_folder_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace trv {
namespace {

using testing::TempFolder;
using testing::winPath;

// The file-system side only; the front-end parts are never called here.
class FileSystemOnly : public NativePlatform {
public:
    void message(const std::string&) override { ADD_FAILURE() << "no message expected"; }
    void chooseProgramFor(const std::string&) override { ADD_FAILURE() << "no chooser expected"; }
    void runModal(const std::string&) override { ADD_FAILURE() << "no modal window expected"; }
};

class PosixPlatform : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "these tests check the POSIX reproduction of Windows file-system behaviour";
#endif
    }

    static bool runningAsRoot() {
#ifndef _WIN32
        return ::geteuid() == 0;
#else
        return false;
#endif
    }

    TempFolder dir;
    FileSystemOnly platform;
};

TEST_F(PosixPlatform, PresenceTestComparesTheStoredNameExactly) {
    dir.write("lower/PROJECTS/curproject.txt", "\"X\"\r\n");
    dir.write("upper/PROJECTS/CURPROJECT.TXT", "\"X\"\r\n");
    dir.mkdir("folder/PROJECTS/curproject.txt");  // a folder with the file's name
    dir.write("file/PROJECTS", "not a folder");
    struct Case {
        const char* name;
        std::string path;
        bool present;
    };
    const Case cases[] = {
        {"stored as asked", winPath(dir, "lower\\PROJECTS\\curproject.txt"), true},
        {"asked in upper case", winPath(dir, "lower\\PROJECTS\\CURPROJECT.TXT"), false},
        {"stored in upper case", winPath(dir, "upper\\PROJECTS\\curproject.txt"), false},
        {"stored in upper case, asked so", winPath(dir, "upper\\PROJECTS\\CURPROJECT.TXT"), true},
        {"folders in other case", winPath(dir, "LOWER\\projects\\curproject.txt"), true},
        {"doubled separator", dir.str() + "\\lower\\\\PROJECTS\\curproject.txt", true},
        {"forward slashes", dir.str() + "/lower/PROJECTS/curproject.txt", true},
        {"a folder of that name", winPath(dir, "folder\\PROJECTS\\curproject.txt"), false},
        {"missing folder", winPath(dir, "nobody\\PROJECTS\\curproject.txt"), false},
        {"a file in place of the folder", winPath(dir, "file\\PROJECTS\\curproject.txt"), false},
        {"missing file", winPath(dir, "lower\\PROJECTS\\facilnumber.txt"), false},
        {"path ends in a separator", winPath(dir, "lower\\PROJECTS\\"), false},
        {"empty path", "", false},
    };
    for (const auto& c : cases) {
        bool present = !c.present;
        EXPECT_NO_THROW(present = platform.isPresent(c.path)) << c.name;
        EXPECT_EQ(present, c.present) << c.name;
    }
}

TEST_F(PosixPlatform, PresenceTestNeverFailsOnAFolderWithoutAccess) {
    if (runningAsRoot()) GTEST_SKIP() << "root ignores folder permissions, so no access can be taken away";
    dir.write("locked/curproject.txt", "x");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::none);
    bool present = true;
    EXPECT_NO_THROW(present = platform.isPresent(winPath(dir, "locked\\curproject.txt")));
    EXPECT_FALSE(present);
}

TEST_F(PosixPlatform, ExistingNamesAreFoundWithoutRegardToCaseOrSeparators) {
    dir.write("Resources/Standard_documents/Units.txt", "units");
    dir.mkdir("Resources/projectscodes");
    struct Case {
        const char* name;
        std::string path;
    };
    const Case files[] = {
        {"as stored", winPath(dir, "Resources\\Standard_documents\\Units.txt")},
        {"other case everywhere", winPath(dir, "RESOURCES\\standard_documents\\units.TXT")},
        {"doubled backslashes", dir.str() + "\\\\Resources\\\\Standard_documents\\Units.txt"},
        {"mixed separators", dir.str() + "/resources\\standard_documents/UNITS.txt"},
    };
    for (const auto& c : files) {
        EXPECT_TRUE(platform.fileExists(c.path)) << c.name;
        EXPECT_EQ(platform.readFile(c.path), "units") << c.name;
    }
    EXPECT_EQ(platform.testFolder(winPath(dir, "RESOURCES\\PROJECTSCODES")), FolderTest::Exists);
    EXPECT_EQ(platform.testFolder(dir.str() + "\\\\resources\\\\projectscodes\\"), FolderTest::Exists);

    EXPECT_FALSE(platform.fileExists(winPath(dir, "resources\\projectscodes"))) << "a folder is no file";
    EXPECT_FALSE(platform.fileExists(winPath(dir, "resources\\Units.txt"))) << "wrong folder";
    EXPECT_FALSE(platform.fileExists(winPath(dir, "nowhere\\Units.txt")));
    EXPECT_THROW(platform.readFile(winPath(dir, "nowhere\\Units.txt")), RuntimeFailure);
    EXPECT_THROW(platform.readFile(winPath(dir, "resources\\projectscodes")), RuntimeFailure);
}

TEST_F(PosixPlatform, FolderTestTellsNotFoundFromOtherFailures) {
    dir.write("a_file", "x");
    dir.mkdir("present");
    EXPECT_EQ(platform.testFolder(winPath(dir, "present")), FolderTest::Exists);
    EXPECT_EQ(platform.testFolder(winPath(dir, "missing")), FolderTest::NotFound);
    EXPECT_EQ(platform.testFolder(winPath(dir, "missing\\below")), FolderTest::NotFound);
    // A file in place of the folder: it exists, yet cannot be entered.
    EXPECT_EQ(platform.testFolder(winPath(dir, "a_file")), FolderTest::OtherFailure);
}

TEST_F(PosixPlatform, FolderTestOfAFolderWithoutPermissionIsAnotherFailure) {
    if (runningAsRoot()) GTEST_SKIP() << "root ignores folder permissions, so no access can be taken away";
    dir.mkdir("locked");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_read);
    EXPECT_EQ(platform.testFolder(winPath(dir, "locked")), FolderTest::OtherFailure);
}

TEST_F(PosixPlatform, CreateFolderMakesOneLevelOnly) {
    dir.mkdir("Projects");
    EXPECT_TRUE(platform.createFolder(winPath(dir, "PROJECTS\\tester")));
    EXPECT_EQ(dir.entries("Projects"), (std::set<std::string>{"tester"})) << "made inside the stored folder";
    EXPECT_FALSE(dir.exists("PROJECTS"));

    EXPECT_FALSE(platform.createFolder(winPath(dir, "missing\\child")));
    EXPECT_FALSE(dir.exists("missing"));

    EXPECT_FALSE(platform.createFolder(winPath(dir, "Projects\\tester"))) << "already there";
    dir.write("taken", "x");
    EXPECT_FALSE(platform.createFolder(winPath(dir, "taken")));
}

TEST_F(PosixPlatform, NewNamesAreCreatedAsSpelled) {
    EXPECT_TRUE(platform.createFolder(winPath(dir, "AS-BUILT")));
    EXPECT_TRUE(platform.createNewFile(winPath(dir, "AS-BUILT\\KLV-13000-A.dwg"), "d"));
    EXPECT_EQ(dir.entries("AS-BUILT"), (std::set<std::string>{"KLV-13000-A.dwg"}));
}

TEST_F(PosixPlatform, ListingsAreSortedByUpperCaseNameAndHoldFilesOnly) {
    for (const char* name : {"b.txt", "_notes.txt", "A.txt", "c", "Zeta.DWG", "a2.txt"}) dir.write(name, "x");
    dir.mkdir("aa_folder");
    dir.mkdir("MODEL_FILES");
    const std::vector<std::string> expected = {"A.txt", "a2.txt", "b.txt", "c", "Zeta.DWG", "_notes.txt"};
    EXPECT_EQ(platform.listFiles(dir.str()), expected);
    EXPECT_EQ(platform.listFiles(dir.str() + "\\"), expected);
    EXPECT_TRUE(platform.listFiles(winPath(dir, "missing")).empty());
    EXPECT_TRUE(platform.listFiles(winPath(dir, "MODEL_FILES")).empty());
}

TEST_F(PosixPlatform, ListingByPrefixIgnoresCaseAndTakesNamesWithoutExtension) {
    for (const char* name : {"KLV-13000-C000-A-FP01.dwg", "klv-13000-c000-a-fp02.DWG", "KLV-13000-C000-A",
                             "KLV-13000-C001-A.dwg", "xKLV-13000-C000-A.dwg", "KLV-13000-C000-B.bak"})
        dir.write("sheets/" + std::string(name), "x");
    dir.mkdir("sheets/KLV-13000-C000-A-folder");
    const std::vector<std::string> expected = {"KLV-13000-C000-A", "KLV-13000-C000-A-FP01.dwg",
                                               "klv-13000-c000-a-fp02.DWG"};
    EXPECT_EQ(platform.listFilesStartingWith(winPath(dir, "SHEETS"), "kLv-13000-c000-a"), expected);
    EXPECT_TRUE(platform.listFilesStartingWith(winPath(dir, "sheets"), "none").empty());
    EXPECT_TRUE(platform.listFilesStartingWith(winPath(dir, "absent"), "KLV").empty());
}

TEST_F(PosixPlatform, ReplaceFileSwapsTheWholeContentAndLeavesNoTemporaryFile) {
    dir.write("PROJECTS/curdrawingtype.txt", "\"DESIGN\"\r\nold tail that must go\r\n");
    platform.replaceFile(winPath(dir, "PROJECTS\\curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));

    // Spelled in other case, the stored file is replaced, not joined by a twin.
    platform.replaceFile(winPath(dir, "projects\\CURDRAWINGTYPE.TXT"), "\"DESIGN\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"DESIGN\"\r\n");

    platform.replaceFile(winPath(dir, "PROJECTS\\facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt", "facilnumber.txt"}));
}

TEST_F(PosixPlatform, ReplaceFileGivesReadableFiles) {
#ifndef _WIN32
    platform.replaceFile(winPath(dir, "facilnumber.txt"), "\"01\"\r\n");
    struct stat st{};
    ASSERT_EQ(::stat((dir.path() / "facilnumber.txt").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IRUSR);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
#endif
}

TEST_F(PosixPlatform, ReplaceFileInAMissingFolderThrowsAndLeavesNothing) {
    const auto before = dir.entries();
    EXPECT_THROW(platform.replaceFile(winPath(dir, "missing\\curdrawingtype.txt"), "x"), RuntimeFailure);
    EXPECT_EQ(dir.entries(), before);
}

TEST_F(PosixPlatform, ReplaceFileOverAFolderThrowsAndKeepsTheFolder) {
    dir.mkdir("PROJECTS/curdrawingtype.txt/inside");
    EXPECT_THROW(platform.replaceFile(winPath(dir, "PROJECTS\\curdrawingtype.txt"), "x"), RuntimeFailure);
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"})) << "no temporary left";
    EXPECT_TRUE(dir.exists("PROJECTS/curdrawingtype.txt/inside"));
}

TEST_F(PosixPlatform, CreateNewFileNeverReplaces) {
    EXPECT_TRUE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "first"));
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "second"));
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "KLVPROJECTS.TXT"), "third")) << "same file in other case";
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"klvprojects.txt"}));
    EXPECT_THROW(platform.createNewFile(winPath(dir, "missing\\x.txt"), "x"), RuntimeFailure);
}

TEST_F(PosixPlatform, CopyToNewFileCopiesBytesExactlyAndNeverReplaces) {
    std::string drawing;
    for (int i = 0; i < 200000; ++i) drawing += static_cast<char>(i * 7 % 256);  // NULs, CR, LF, high bytes
    dir.write("templates/Template.dwg", drawing);
    dir.write("MODEL_FILES/existing.dwg", "somebody's work");
    dir.mkdir("MODEL_FILES");

    EXPECT_EQ(platform.copyToNewFile(winPath(dir, "TEMPLATES\\template.DWG"), winPath(dir, "model_files\\new.dwg")),
              CopyOutcome::Copied);
    EXPECT_EQ(dir.read("MODEL_FILES/new.dwg"), drawing);

    struct Case {
        const char* name;
        std::string from, to;
        CopyOutcome outcome;
    };
    const Case cases[] = {
        {"target exists", winPath(dir, "templates\\Template.dwg"), winPath(dir, "MODEL_FILES\\existing.dwg"),
         CopyOutcome::TargetExists},
        {"target exists in other case", winPath(dir, "templates\\Template.dwg"),
         winPath(dir, "MODEL_FILES\\EXISTING.DWG"), CopyOutcome::TargetExists},
        {"source missing", winPath(dir, "templates\\none.dwg"), winPath(dir, "MODEL_FILES\\other.dwg"),
         CopyOutcome::Failed},
        {"target folder missing", winPath(dir, "templates\\Template.dwg"), winPath(dir, "nowhere\\x.dwg"),
         CopyOutcome::Failed},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.copyToNewFile(c.from, c.to), c.outcome) << c.name;
    EXPECT_EQ(dir.read("MODEL_FILES/existing.dwg"), "somebody's work");
    EXPECT_EQ(dir.entries("MODEL_FILES"), (std::set<std::string>{"existing.dwg", "new.dwg"}));
    EXPECT_FALSE(dir.exists("nowhere"));
}

TEST_F(PosixPlatform, DisplayPathUsesNativeSeparatorsOnce) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"/srv/projects\\\\PROJECTS\\curproject.txt", "/srv/projects/PROJECTS/curproject.txt"},
        {"/srv//resources/\\Standard_documents\\klv-cadd-std-06.doc",
         "/srv/resources/Standard_documents/klv-cadd-std-06.doc"},
        {"relative\\name.txt", "relative/name.txt"},
        {"/srv/a b/c", "/srv/a b/c"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.displayPath(c.in), c.out) << c.in;
}

TEST_F(PosixPlatform, StartingAMissingProgramFails) {
    dir.write("drawing.dwg", "x");
    dir.write("bin/not-executable", "#!/bin/sh\n");
    EXPECT_THROW(platform.startProgram(winPath(dir, "bin\\acad"), winPath(dir, "drawing.dwg")), RuntimeFailure);
    EXPECT_THROW(platform.startProgram(winPath(dir, "bin\\not-executable"), winPath(dir, "drawing.dwg")),
                 RuntimeFailure);
    EXPECT_THROW(platform.startProgram(winPath(dir, "bin"), winPath(dir, "drawing.dwg")), RuntimeFailure);
}

TEST_F(PosixPlatform, OpeningAMissingDocumentReportsFileNotFound) {
    EXPECT_EQ(platform.openDocument(winPath(dir, "Standard_documents\\klv-cadd-std-06.doc")), shellFileNotFound);
    dir.mkdir("a_folder.doc");
    EXPECT_EQ(platform.openDocument(winPath(dir, "a_folder.doc")), shellFileNotFound);
}

}  // namespace
}  // namespace trv
