// The Windows platform on real temporary folders (run under Wine on the
// developers' machines and in CI), and the few promises that both platforms
// must keep alike, run on both.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/native_platform.h"
#include "platform/temp_folder_fixture.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/windows_shell.h"
#else
#include <sys/stat.h>
#endif

namespace trv {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::winPath;

class FileSystemOnly : public NativePlatform {
public:
    void message(const std::string&) override { ADD_FAILURE() << "no message expected"; }
    void chooseProgramFor(const std::string&) override { ADD_FAILURE() << "no chooser expected"; }
    void runModal(const std::string&) override { ADD_FAILURE() << "no modal window expected"; }
};

// UTF-8 text to a path and back, whatever the system's code page.
fs::path u8path(const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); }
std::string u8(const fs::path& p) {
    const auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

void writeU8(const TempFolder& dir, const std::string& relative, const std::string& content) {
    std::ofstream(dir.path() / u8path(relative), std::ios::binary) << content;
}

// Waits for a file that another process writes.
bool waitForFile(const fs::path& file, std::chrono::seconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        std::error_code ec;
        if (fs::exists(file, ec)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// ---- promises both platforms keep ----

class PlatformContract : public ::testing::Test {
protected:
    TempFolder dir;
    FileSystemOnly platform;
};

TEST_F(PlatformContract, FailedCopyNeverRemovesAFileItDidNotMake) {
    dir.write("MODEL_FILES/KLV-13000-C000-A-FP01.dwg", "somebody's work");
    dir.mkdir("templates/Folder.dwg");
    struct Case {
        const char* name;
        std::string from, to;
        CopyOutcome outcome;
        bool targetRemains;
    };
    const Case cases[] = {
        {"template missing, drawing there", winPath(dir, "templates\\missing.dwg"),
         winPath(dir, "MODEL_FILES\\KLV-13000-C000-A-FP01.dwg"), CopyOutcome::Failed, true},
        {"template missing, no drawing", winPath(dir, "templates\\missing.dwg"),
         winPath(dir, "MODEL_FILES\\KLV-13000-C000-A-FP02.dwg"), CopyOutcome::Failed, false},
        {"template is a folder", winPath(dir, "templates\\Folder.dwg"),
         winPath(dir, "MODEL_FILES\\KLV-13000-C000-A-FP03.dwg"), CopyOutcome::Failed, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform.copyToNewFile(c.from, c.to), c.outcome) << c.name;
        EXPECT_EQ(platform.fileExists(c.to), c.targetRemains) << c.name;
    }
    EXPECT_EQ(dir.read("MODEL_FILES/KLV-13000-C000-A-FP01.dwg"), "somebody's work");
    EXPECT_EQ(dir.entries("MODEL_FILES"), (std::set<std::string>{"KLV-13000-C000-A-FP01.dwg"}));
}

TEST_F(PlatformContract, ACopyOfAReadOnlyTemplateCanBeSaved) {
    dir.write("templates/Floor Plan.dwg", "template");
    dir.mkdir("MODEL_FILES");
    const fs::path tpl = dir.path() / "templates" / "Floor Plan.dwg";
    fs::permissions(tpl, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_EQ(fs::status(tpl).permissions() & fs::perms::owner_write, fs::perms::none) << "template read-only";

    ASSERT_EQ(platform.copyToNewFile(winPath(dir, "templates\\Floor Plan.dwg"), winPath(dir, "MODEL_FILES\\A-FP.dwg")),
              CopyOutcome::Copied);
    const fs::path copy = dir.path() / "MODEL_FILES" / "A-FP.dwg";
    EXPECT_NE(fs::status(copy).permissions() & fs::perms::owner_write, fs::perms::none) << "the drawing is writable";
    EXPECT_EQ(TempFolder::slurp(copy), "template");
    fs::permissions(tpl, fs::perms::owner_write, fs::perm_options::add);  // so the folder can go
}

TEST_F(PlatformContract, FolderTestLeavesTheCurrentDirectoryAlone) {
    dir.mkdir("projects/tester");
    dir.write("projects/a_file", "x");
    const fs::path before = fs::current_path();
    EXPECT_EQ(platform.testFolder(winPath(dir, "projects\\tester")), FolderTest::Exists);
    EXPECT_EQ(fs::current_path(), before) << "after a folder that exists";
    EXPECT_EQ(platform.testFolder(winPath(dir, "projects\\nobody")), FolderTest::NotFound);
    EXPECT_EQ(fs::current_path(), before) << "after a missing folder";
    EXPECT_EQ(platform.testFolder(winPath(dir, "projects\\a_file")), FolderTest::OtherFailure);
    EXPECT_EQ(fs::current_path(), before) << "after a file";
}

TEST_F(PlatformContract, NamesOutsideAsciiKeepTheirCharacters) {
    const std::string name = "Zeichnung-\xc3\xa4\xc3\x9f-\xd0\xb6.txt";  // ä ß ж
    ASSERT_TRUE(platform.createNewFile(winPath(dir, name), "inhalt"));
    std::set<std::string> stored;
    for (const auto& e : fs::directory_iterator(dir.path())) stored.insert(u8(e.path().filename()));
    EXPECT_EQ(stored, (std::set<std::string>{name})) << "stored under its UTF-8 name";
    EXPECT_TRUE(platform.isPresent(winPath(dir, name)));
    EXPECT_EQ(platform.readFile(winPath(dir, name)), "inhalt");
    EXPECT_EQ(platform.listFiles(dir.str()), (std::vector<std::string>{name}));
    EXPECT_EQ(platform.listFilesStartingWith(dir.str(), "zeichnung-\xc3\x84"), (std::vector<std::string>{name}))
        << "ä matched by Ä";
}

TEST_F(PlatformContract, ListingsComeInOneOrderOnEveryFileSystem) {
    // Upper-case order, which neither NTFS (for ß, é) nor a network share
    // or a POSIX folder would give on their own.
    for (const char* name : {"\xc3\xa9t\xc3\xa9.txt", "Eta.txt", "b.txt", "_x.txt", "A.txt", "z.txt", "a1.txt"})
        writeU8(dir, name, "x");
    const std::vector<std::string> expected = {"A.txt", "a1.txt", "b.txt", "Eta.txt", "z.txt", "_x.txt",
                                               "\xc3\xa9t\xc3\xa9.txt"};
    EXPECT_EQ(platform.listFiles(dir.str()), expected);
}

TEST_F(PlatformContract, AStartedProgramGetsEachPathWithBlanksAsOneArgument) {
    dir.mkdir("CAD tools");
    dir.mkdir("drawings folder");
#ifdef _WIN32
    const fs::path helper = u8path(platform.programFolder()) / "trv_argv_echo.exe";
    ASSERT_TRUE(fs::exists(helper)) << "the helper program is built beside the tests";
    const std::string program = winPath(dir, "CAD tools\\fake cad.exe");
    fs::copy_file(helper, u8path(program));
#else
    const std::string program = winPath(dir, "CAD tools\\fake cad");
    dir.write("CAD tools/fake cad",
              "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > \"$1.args.part\" && "
              "mv \"$1.args.part\" \"$1.args\"\n");
    ::chmod((dir.path() / "CAD tools" / "fake cad").c_str(), 0755);
#endif
    const std::string drawing = winPath(dir, "drawings folder\\KLV-13000 C000-A-FP01 \xc3\xa4.dwg");
    writeU8(dir, "drawings folder/KLV-13000 C000-A-FP01 \xc3\xa4.dwg", "dwg");

    platform.startProgram(program, drawing);

    const fs::path record = u8path(platform.nativePath(drawing) + ".args");
    ASSERT_TRUE(waitForFile(record)) << "the program did not run";
    EXPECT_EQ(TempFolder::slurp(record), "1\n" + platform.nativePath(drawing) + "\n");
}

TEST_F(PlatformContract, StartingAProgramThatIsNotThereFails) {
    dir.write("drawing.dwg", "x");
    EXPECT_THROW(platform.startProgram(winPath(dir, "bin\\acad.exe"), winPath(dir, "drawing.dwg")), RuntimeFailure);
    EXPECT_THROW(platform.startProgram(winPath(dir, "no folder\\acad.exe"), winPath(dir, "drawing.dwg")),
                 RuntimeFailure);
}

// ---- the Windows implementation ----

class WindowsPlatform : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef _WIN32
        GTEST_SKIP() << "these tests check the Windows implementation (they run under Wine); "
                        "the POSIX one is checked in tests/platform";
#endif
    }

    TempFolder dir;
    FileSystemOnly platform;
};

TEST_F(WindowsPlatform, PresenceTestComparesTheStoredNameExactly) {
    dir.write("lower/PROJECTS/curproject.txt", "\"X\"\r\n");
    dir.write("upper/PROJECTS/CURPROJECT.TXT", "\"X\"\r\n");
    dir.write("long/PROJECTS/klvprojects-register.txt", "x");
    dir.mkdir("folder/PROJECTS/curproject.txt");
    dir.write("file/PROJECTS", "not a folder");
    struct Case {
        const char* name;
        std::string path;
        bool present;
    };
    std::vector<Case> cases = {
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
        {"a wildcard matching the file", winPath(dir, "lower\\PROJECTS\\*.txt"), false},
        {"a one-letter wildcard", winPath(dir, "lower\\PROJECTS\\curproject.tx?"), false},
        {"a trailing dot Windows drops", winPath(dir, "lower\\PROJECTS\\curproject.txt."), false},
        {"empty path", "", false},
    };
#ifdef _WIN32
    // The short 8.3 name finds the file too, but is not its stored name.
    const std::wstring longName = u8path(winPath(dir, "long\\PROJECTS\\klvprojects-register.txt")).wstring();
    wchar_t shortName[MAX_PATH];
    const DWORD n = ::GetShortPathNameW(longName.c_str(), shortName, MAX_PATH);
    if (n > 0 && n < MAX_PATH && std::wstring(shortName, n) != longName)
        cases.push_back({"the short 8.3 name", u8(fs::path(std::wstring(shortName, n))), false});
#endif
    for (const auto& c : cases) {
        bool present = !c.present;
        EXPECT_NO_THROW(present = platform.isPresent(c.path)) << c.name;
        EXPECT_EQ(present, c.present) << c.name << ": " << c.path;
    }
}

TEST_F(WindowsPlatform, FileExistsIgnoresCaseAndCountsFilesOnly) {
    dir.write("Resources/Standard_documents/Units.txt", "units");
    struct Case {
        const char* name;
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {"as stored", winPath(dir, "Resources\\Standard_documents\\Units.txt"), true},
        {"other case everywhere", winPath(dir, "RESOURCES\\standard_documents\\units.TXT"), true},
        {"mixed separators", dir.str() + "/resources\\\\standard_documents/UNITS.txt", true},
        {"a folder", winPath(dir, "Resources\\Standard_documents"), false},
        {"wrong folder", winPath(dir, "Resources\\Units.txt"), false},
        {"path ends in a separator", winPath(dir, "Resources\\Standard_documents\\"), false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.fileExists(c.path), c.exists) << c.name;
}

TEST_F(WindowsPlatform, FolderTestTellsNotFoundFromOtherFailures) {
    dir.mkdir("Projects/tester");
    dir.write("a_file", "x");
    struct Case {
        const char* name;
        std::string path;
        FolderTest outcome;
    };
    const Case cases[] = {
        {"there", winPath(dir, "Projects\\tester"), FolderTest::Exists},
        {"there in other case, with a final separator", winPath(dir, "PROJECTS\\TESTER\\"), FolderTest::Exists},
        {"doubled separator", dir.str() + "\\Projects\\\\tester", FolderTest::Exists},
        {"missing", winPath(dir, "Projects\\nobody"), FolderTest::NotFound},
        {"missing parent", winPath(dir, "nowhere\\tester"), FolderTest::NotFound},
        {"below a file", winPath(dir, "a_file\\tester"), FolderTest::NotFound},
        {"a file", winPath(dir, "a_file"), FolderTest::OtherFailure},
        {"a name Windows cannot hold", winPath(dir, "Projects\\a|b"), FolderTest::OtherFailure},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.testFolder(c.path), c.outcome) << c.name;
}

TEST_F(WindowsPlatform, CreateFolderMakesOneLevelOnly) {
    dir.mkdir("Projects");
    EXPECT_TRUE(platform.createFolder(winPath(dir, "PROJECTS\\tester")));
    EXPECT_EQ(dir.entries("Projects"), (std::set<std::string>{"tester"}));
    EXPECT_FALSE(platform.createFolder(winPath(dir, "missing\\child")));
    EXPECT_FALSE(dir.exists("missing"));
    EXPECT_FALSE(platform.createFolder(winPath(dir, "Projects\\TESTER"))) << "already there";
}

TEST_F(WindowsPlatform, ListingsAreSortedByUpperCaseNameAndHoldFilesOnly) {
    for (const char* name : {"b.txt", "_notes.txt", "A.txt", "c", "Zeta.DWG", "a2.txt"}) dir.write(name, "x");
    dir.mkdir("aa_folder");
    dir.mkdir("MODEL_FILES");
    const std::vector<std::string> expected = {"A.txt", "a2.txt", "b.txt", "c", "Zeta.DWG", "_notes.txt"};
    EXPECT_EQ(platform.listFiles(dir.str()), expected);
    EXPECT_EQ(platform.listFiles(dir.str() + "\\"), expected);
    EXPECT_EQ(platform.listFiles(dir.str() + "/"), expected);
    EXPECT_TRUE(platform.listFiles(winPath(dir, "missing")).empty());
    EXPECT_TRUE(platform.listFiles(winPath(dir, "MODEL_FILES")).empty());
}

TEST_F(WindowsPlatform, ListingByPrefixIgnoresCaseAndTakesNamesWithoutExtension) {
    for (const char* name : {"KLV-13000-C000-A-FP01.dwg", "klv-13000-c000-a-fp02.DWG", "KLV-13000-C000-A",
                             "KLV-13000-C001-A.dwg", "xKLV-13000-C000-A.dwg"})
        dir.write("sheets/" + std::string(name), "x");
    dir.mkdir("sheets/KLV-13000-C000-A-folder");
    const std::vector<std::string> expected = {"KLV-13000-C000-A", "KLV-13000-C000-A-FP01.dwg",
                                               "klv-13000-c000-a-fp02.DWG"};
    EXPECT_EQ(platform.listFilesStartingWith(winPath(dir, "SHEETS"), "kLv-13000-c000-a"), expected);
    EXPECT_TRUE(platform.listFilesStartingWith(winPath(dir, "sheets"), "none").empty());
#ifdef _WIN32
    // A pattern "prefix*.*" would also match the short 8.3 names.
    const std::wstring longName = (dir.path() / "sheets" / "KLV-13000-C001-A.dwg").wstring();
    wchar_t shortName[MAX_PATH];
    const DWORD n = ::GetShortPathNameW(longName.c_str(), shortName, MAX_PATH);
    const std::string shortFile = n > 0 && n < MAX_PATH ? u8(fs::path(std::wstring(shortName, n)).filename()) : "";
    if (const auto tilde = shortFile.find('~'); tilde != std::string::npos)
        EXPECT_TRUE(platform.listFilesStartingWith(winPath(dir, "sheets"), shortFile.substr(0, tilde + 1)).empty())
            << shortFile;
#endif
}

TEST_F(WindowsPlatform, ReadFileGivesTheBytesUnchanged) {
    std::string bytes = "\"KLV\",\"X\"\r\nline\n\r";
    bytes += std::string(1, '\0') + "\x1a tail";  // NUL and Ctrl-Z end nothing
    dir.write("record.txt", bytes);
    EXPECT_EQ(platform.readFile(winPath(dir, "RECORD.TXT")), bytes);
    EXPECT_THROW(platform.readFile(winPath(dir, "missing.txt")), RuntimeFailure);
    dir.mkdir("folder.txt");
    EXPECT_THROW(platform.readFile(winPath(dir, "folder.txt")), RuntimeFailure);
}

TEST_F(WindowsPlatform, ReplaceFileSwapsTheWholeContentAndLeavesNoTemporaryFile) {
    dir.write("PROJECTS/curdrawingtype.txt", "\"DESIGN\"\r\nold tail that must go\r\n");
    platform.replaceFile(winPath(dir, "PROJECTS\\curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));

    // Spelled in other case, the stored file is replaced and keeps its name.
    platform.replaceFile(winPath(dir, "projects\\CURDRAWINGTYPE.TXT"), "\"DESIGN\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"DESIGN\"\r\n");

    platform.replaceFile(winPath(dir, "PROJECTS\\facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt", "facilnumber.txt"}));

    EXPECT_THROW(platform.replaceFile(winPath(dir, "missing\\curdrawingtype.txt"), "x"), RuntimeFailure);
    EXPECT_FALSE(dir.exists("missing"));
    dir.mkdir("PROJECTS/curproject.txt");
    EXPECT_THROW(platform.replaceFile(winPath(dir, "PROJECTS\\curproject.txt"), "x"), RuntimeFailure);
    EXPECT_EQ(dir.entries("PROJECTS"),
              (std::set<std::string>{"curdrawingtype.txt", "curproject.txt", "facilnumber.txt"}))
        << "no temporary file left after a failure";
}

TEST_F(WindowsPlatform, CreateNewFileNeverReplaces) {
    EXPECT_TRUE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "first"));
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "second"));
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "KLVPROJECTS.TXT"), "third")) << "same file in other case";
    dir.mkdir("taken");
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "taken"), "x")) << "a folder holds the name";
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_THROW(platform.createNewFile(winPath(dir, "missing\\x.txt"), "x"), RuntimeFailure);
}

TEST_F(WindowsPlatform, CopyToNewFileCopiesBytesExactlyAndNeverReplaces) {
    std::string drawing;
    for (int i = 0; i < 200000; ++i) drawing += static_cast<char>(i * 7 % 256);
    dir.write("templates/Template.dwg", drawing);
    dir.write("MODEL_FILES/existing.dwg", "somebody's work");

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
        {"target folder missing", winPath(dir, "templates\\Template.dwg"), winPath(dir, "nowhere\\x.dwg"),
         CopyOutcome::Failed},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.copyToNewFile(c.from, c.to), c.outcome) << c.name;
    EXPECT_EQ(dir.read("MODEL_FILES/existing.dwg"), "somebody's work");
    EXPECT_EQ(dir.entries("MODEL_FILES"), (std::set<std::string>{"existing.dwg", "new.dwg"}));
}

TEST_F(WindowsPlatform, PathsTakeTheWindowsForm) {
    struct Case {
        const char* in;
        const char* display;  // as built, '/' turned into '\'
        const char* native;   // what the system calls get
    };
    const Case cases[] = {
        {"C:\\projects\\\\PROJECTS\\curproject.txt", "C:\\projects\\\\PROJECTS\\curproject.txt",
         "C:\\projects\\PROJECTS\\curproject.txt"},
        {"C:/resources/Standard_documents\\x.doc", "C:\\resources\\Standard_documents\\x.doc",
         "C:\\resources\\Standard_documents\\x.doc"},
        {"\\\\server\\share\\\\projects\\", "\\\\server\\share\\\\projects\\", "\\\\server\\share\\projects\\"},
        {"//server/share/a b", "\\\\server\\share\\a b", "\\\\server\\share\\a b"},
        {"relative\\name.txt", "relative\\name.txt", "relative\\name.txt"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform.displayPath(c.in), c.display) << c.in;
        EXPECT_EQ(platform.nativePath(c.in), c.native) << c.in;
    }
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

TEST_F(WindowsPlatform, OpeningADocumentTellsTheThreeOutcomesApart) {
    dir.write("drawing.trv-no-program", "x");
    EXPECT_EQ(platform.openDocument(winPath(dir, "Standard_documents\\klv-cadd-std-06.doc")), shellFileNotFound)
        << "missing folder";
    EXPECT_EQ(platform.openDocument(winPath(dir, "missing.doc")), shellFileNotFound);
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
