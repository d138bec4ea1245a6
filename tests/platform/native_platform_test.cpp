// What both platforms promise alike, on real temporary folders, run on both
// systems (Windows under Wine): the Windows file-system behaviour the windows
// rely on (names found without regard to case, '\' as separator, folder
// tests, listing order, exclusive copies, atomic replacement) and starting
// programs. What only one system does is in posix_platform_test.cpp and
// tests/windows/windows_platform_test.cpp.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/native_platform_fixture.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace trv {
namespace {

namespace fs = std::filesystem;
using testing::onWindows;
using testing::TempFolder;
using testing::u8;
using testing::u8path;
using testing::winPath;

class PlatformContract : public testing::NativePlatformFixture {};

// Makes a file look as a writer killed two minutes ago left it (Windows
// counts the creation time too); false when the file system cannot date a
// creation back.
bool leaveBehind(const fs::path& file) {
#ifdef _WIN32
    const HANDLE h = ::CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const auto ticks = [](const FILETIME& f) { return (ULONGLONG{f.dwHighDateTime} << 32) | f.dwLowDateTime; };
    constexpr ULONGLONG minute = 60ull * 10000000ull;  // in 100 ns steps
    FILETIME now{}, created{};
    ::GetSystemTimeAsFileTime(&now);
    const ULONGLONG before = ticks(now) - 2 * minute;
    const FILETIME t{static_cast<DWORD>(before), static_cast<DWORD>(before >> 32)};
    const bool dated = ::SetFileTime(h, &t, nullptr, &t) && ::GetFileTime(h, &created, nullptr, nullptr) &&
                       ticks(created) + minute < ticks(now);
    ::CloseHandle(h);
    return dated;
#else
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    return true;
#endif
}

TEST_F(PlatformContract, PresenceTestComparesTheStoredNameExactly) {
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
        {"a wildcard matching the file", winPath(dir, "lower\\PROJECTS\\*.txt"), false},
        {"a one-letter wildcard", winPath(dir, "lower\\PROJECTS\\curproject.tx?"), false},
        {"a trailing dot Windows drops", winPath(dir, "lower\\PROJECTS\\curproject.txt."), false},
        {"empty path", "", false},
    };
    for (const auto& c : cases) {
        bool present = !c.present;
        EXPECT_NO_THROW(present = platform.isPresent(c.path)) << c.name;
        EXPECT_EQ(present, c.present) << c.name << ": " << c.path;
        // Reading a file only when it is present gives the same answer, in one call where it can.
        std::optional<std::string> content;
        EXPECT_NO_THROW(content = platform.readPresentFile(c.path)) << c.name;
        EXPECT_EQ(content, c.present ? std::optional<std::string>("\"X\"\r\n") : std::nullopt) << c.name;
    }
}

TEST_F(PlatformContract, FilesAreFoundAndReadWithoutRegardToCaseOrSeparators) {
    std::string bytes = "\"KLV\",\"X\"\r\nline\n\r";
    bytes += std::string(1, '\0') + "\x1a tail";  // NUL and Ctrl-Z end nothing
    dir.write("Resources/Standard_documents/Units.txt", bytes);
    struct Case {
        const char* name;
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {"as stored", winPath(dir, "Resources\\Standard_documents\\Units.txt"), true},
        {"other case everywhere", winPath(dir, "RESOURCES\\standard_documents\\units.TXT"), true},
        {"doubled backslashes", dir.str() + "\\\\Resources\\\\Standard_documents\\Units.txt", true},
        {"mixed separators", dir.str() + "/resources\\standard_documents/UNITS.txt", true},
        {"mixed and doubled separators", dir.str() + "/resources\\\\standard_documents/UNITS.txt", true},
        {"a folder", winPath(dir, "Resources\\Standard_documents"), false},
        {"wrong folder", winPath(dir, "Resources\\Units.txt"), false},
        {"missing folder", winPath(dir, "nowhere\\Units.txt"), false},
        {"path ends in a separator", winPath(dir, "Resources\\Standard_documents\\"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform.fileExists(c.path), c.exists) << c.name;
        if (c.exists) {
            EXPECT_EQ(platform.readFile(c.path), bytes) << c.name;
        } else {
            EXPECT_THROW(platform.readFile(c.path), RuntimeFailure) << c.name;
        }
    }
}

TEST_F(PlatformContract, FolderTestTellsNotFoundFromOtherFailuresAndLeavesTheCurrentDirectory) {
    dir.mkdir("Projects/tester");
    dir.write("a_file", "x");
    struct Case {
        const char* name;
        std::string path;
        FolderTest outcome;
    };
    const Case cases[] = {
        {"there", winPath(dir, "Projects\\tester"), FolderTest::Exists},
        {"there in other case", winPath(dir, "PROJECTS\\TESTER"), FolderTest::Exists},
        {"there in other case, with a final separator", winPath(dir, "PROJECTS\\TESTER\\"), FolderTest::Exists},
        {"doubled separator", dir.str() + "\\Projects\\\\tester", FolderTest::Exists},
        {"doubled separators in other case", dir.str() + "\\\\projects\\\\TESTER\\", FolderTest::Exists},
        {"missing", winPath(dir, "Projects\\nobody"), FolderTest::NotFound},
        {"missing parent", winPath(dir, "nowhere\\tester"), FolderTest::NotFound},
        {"below a file", winPath(dir, "a_file\\tester"), FolderTest::NotFound},
        // A file exists, yet cannot be entered.
        {"a file", winPath(dir, "a_file"), FolderTest::OtherFailure},
        // A POSIX name may hold '|', so there it is merely missing.
        {"a name Windows cannot hold", winPath(dir, "Projects\\a|b"),
         onWindows ? FolderTest::OtherFailure : FolderTest::NotFound},
    };
    const fs::path before = fs::current_path();
    for (const auto& c : cases) {
        EXPECT_EQ(platform.testFolder(c.path), c.outcome) << c.name;
        EXPECT_EQ(fs::current_path(), before) << "the current directory after: " << c.name;
    }
}

TEST_F(PlatformContract, CreateFolderMakesOneLevelInsideTheStoredFolder) {
    dir.mkdir("Projects");
    dir.write("taken", "x");
    EXPECT_TRUE(platform.createFolder(winPath(dir, "PROJECTS\\tester")));
    struct Case {
        const char* name;
        std::string path;
    };
    const Case refused[] = {
        {"missing parent", winPath(dir, "missing\\child")},
        {"already there", winPath(dir, "Projects\\tester")},
        {"already there in other case", winPath(dir, "Projects\\TESTER")},
        {"a file holds the name", winPath(dir, "taken")},
    };
    for (const auto& c : refused) EXPECT_FALSE(platform.createFolder(c.path)) << c.name;
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"Projects", "taken"})) << "no twin folder, no missing parent";
    EXPECT_EQ(dir.entries("Projects"), (std::set<std::string>{"tester"}));
}

TEST_F(PlatformContract, NewNamesAreCreatedAsSpelled) {
    EXPECT_TRUE(platform.createFolder(winPath(dir, "AS-BUILT")));
    EXPECT_TRUE(platform.createNewFile(winPath(dir, "AS-BUILT\\KLV-13000-A.dwg"), "d"));
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"AS-BUILT"}));
    EXPECT_EQ(dir.entries("AS-BUILT"), (std::set<std::string>{"KLV-13000-A.dwg"}));
}

// Upper-case order, which neither NTFS (for ß, é) nor a network share or a
// POSIX folder would give on their own; files only.
TEST_F(PlatformContract, ListingsAreSortedByUpperCaseNameAndHoldFilesOnly) {
    for (const char* name : {"b.txt", "_notes.txt", "\xc3\xa9t\xc3\xa9.txt", "A.txt", "c", "Zeta.DWG", "Eta.txt",
                             "a2.txt", "_x.txt", "z.txt", "a1.txt"})
        testing::writeU8(dir, name, "x");
    dir.mkdir("aa_folder");
    dir.mkdir("MODEL_FILES");
    const std::vector<std::string> expected = {"A.txt",    "a1.txt",     "a2.txt", "b.txt", "c", "Eta.txt", "z.txt",
                                               "Zeta.DWG", "_notes.txt", "_x.txt", "\xc3\xa9t\xc3\xa9.txt"};
    EXPECT_EQ(platform.listFiles(dir.str()), expected);
    EXPECT_EQ(platform.listFiles(dir.str() + "\\"), expected);
    EXPECT_EQ(platform.listFiles(dir.str() + "/"), expected);
    EXPECT_TRUE(platform.listFiles(winPath(dir, "missing")).empty());
    EXPECT_TRUE(platform.listFiles(winPath(dir, "MODEL_FILES")).empty());
}

TEST_F(PlatformContract, ListingByPrefixIgnoresCaseAndTakesNamesWithoutExtension) {
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

TEST_F(PlatformContract, ReplaceFileSwapsTheWholeContentAndLeavesNoTemporaryFile) {
    dir.write("PROJECTS/curdrawingtype.txt", "\"DESIGN\"\r\nold tail that must go\r\n");
    platform.replaceFile(winPath(dir, "PROJECTS\\curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));

    // Spelled in other case, the stored file is replaced and keeps its name: no twin.
    platform.replaceFile(winPath(dir, "projects\\CURDRAWINGTYPE.TXT"), "\"DESIGN\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    EXPECT_EQ(dir.read("PROJECTS/curdrawingtype.txt"), "\"DESIGN\"\r\n");

    platform.replaceFile(winPath(dir, "PROJECTS\\facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.read("PROJECTS/facilnumber.txt"), "\"01\"\r\n");
    EXPECT_EQ(dir.entries("PROJECTS"), (std::set<std::string>{"curdrawingtype.txt", "facilnumber.txt"}));
}

TEST_F(PlatformContract, ReplaceFileThatCannotBeDoneThrowsAndLeavesEverythingAsItWas) {
    dir.mkdir("PROJECTS/curproject.txt");             // an empty folder of that name
    dir.mkdir("PROJECTS/curdrawingtype.txt/inside");  // and one with something in it
    const auto top = dir.entries();
    const auto projects = dir.entries("PROJECTS");
    for (const char* path :
         {"missing\\curdrawingtype.txt", "PROJECTS\\curproject.txt", "PROJECTS\\curdrawingtype.txt"}) {
        EXPECT_THROW(platform.replaceFile(winPath(dir, path), "x"), RuntimeFailure) << path;
        EXPECT_EQ(dir.entries(), top) << path << ": no folder made";
        EXPECT_EQ(dir.entries("PROJECTS"), projects) << path << ": no temporary file left";
    }
    EXPECT_TRUE(fs::is_directory(dir.path() / "PROJECTS" / "curproject.txt"));
    EXPECT_TRUE(dir.exists("PROJECTS/curdrawingtype.txt/inside"));
}

TEST_F(PlatformContract, CreateNewFileNeverReplaces) {
    EXPECT_TRUE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "first"));
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "klvprojects.txt"), "second"));
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "KLVPROJECTS.TXT"), "third")) << "same file in other case";
    dir.mkdir("taken");
    EXPECT_FALSE(platform.createNewFile(winPath(dir, "taken"), "x")) << "a folder holds the name";
    EXPECT_EQ(dir.read("klvprojects.txt"), "first");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"klvprojects.txt", "taken"}));
    EXPECT_THROW(platform.createNewFile(winPath(dir, "missing\\x.txt"), "x"), RuntimeFailure);
}

TEST_F(PlatformContract, CopyToNewFileCopiesBytesExactlyAndNeverReplaces) {
    std::string drawing;
    for (int i = 0; i < 200000; ++i) drawing += static_cast<char>(i * 7 % 256);  // NULs, CR, LF, high bytes
    dir.write("templates/Template.dwg", drawing);
    dir.mkdir("templates/Folder.dwg");
    dir.write("MODEL_FILES/existing.dwg", "somebody's work");

    EXPECT_EQ(platform.copyToNewFile(winPath(dir, "TEMPLATES\\template.DWG"), winPath(dir, "model_files\\new.dwg")),
              CopyOutcome::Copied);
    EXPECT_EQ(dir.read("MODEL_FILES/new.dwg"), drawing);

    // None of these leaves a file behind, nor removes one it did not make.
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
        {"source missing, target there", winPath(dir, "templates\\none.dwg"),
         winPath(dir, "MODEL_FILES\\existing.dwg"), CopyOutcome::Failed},
        {"source is a folder", winPath(dir, "templates\\Folder.dwg"), winPath(dir, "MODEL_FILES\\folder.dwg"),
         CopyOutcome::Failed},
        {"target folder missing", winPath(dir, "templates\\Template.dwg"), winPath(dir, "nowhere\\x.dwg"),
         CopyOutcome::Failed},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.copyToNewFile(c.from, c.to), c.outcome) << c.name;
    EXPECT_EQ(dir.read("MODEL_FILES/existing.dwg"), "somebody's work");
    EXPECT_EQ(dir.entries("MODEL_FILES"), (std::set<std::string>{"existing.dwg", "new.dwg"}));
    EXPECT_FALSE(dir.exists("nowhere"));
}

TEST_F(PlatformContract, AppendToFileAddsAtTheEndOfTheFileFoundInAnyCase) {
    platform.appendToFile(winPath(dir, "klvprojects.txt"), "\"A\"\r\n");
    platform.appendToFile(winPath(dir, "KLVPROJECTS.TXT"), "\"B\"\r\n");
    EXPECT_EQ(dir.read("klvprojects.txt"), "\"A\"\r\n\"B\"\r\n");
    // A last line without its end gets one first: the new line is never glued on.
    dir.write("torn.txt", "\"A\"\r\n\"B");
    platform.appendToFile(winPath(dir, "torn.txt"), "\"C\"\r\n");
    EXPECT_EQ(dir.read("torn.txt"), "\"A\"\r\n\"B\r\n\"C\"\r\n");
    dir.mkdir("folder.txt");
    EXPECT_THROW(platform.appendToFile(winPath(dir, "folder.txt"), "x"), RuntimeFailure);
    EXPECT_THROW(platform.appendToFile(winPath(dir, "missing\\x.txt"), "x"), RuntimeFailure);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"klvprojects.txt", "torn.txt", "folder.txt"}));
}

TEST_F(PlatformContract, ReplaceWithCopyReplacesWholeOrNotAtAll) {
    std::string drawing;
    for (int i = 0; i < 100000; ++i) drawing += static_cast<char>(i * 13 % 256);
    dir.write("sheet_templates/KLV_TEMPLATE.dwg", drawing);
    dir.write("style_sheets/KLV-13000-C000.dwg", "old sheet");
    dir.mkdir("style_sheets/KLV-13001-C000.dwg");

    // An existing drawing named in other case is replaced and keeps its name.
    const std::string tpl = winPath(dir, "SHEET_TEMPLATES\\klv_template.DWG");
    platform.replaceWithCopy(tpl, winPath(dir, "style_sheets\\klv-13000-c000.dwg"));
    platform.replaceWithCopy(tpl, winPath(dir, "style_sheets\\KLV-13002-C000.dwg"));
    EXPECT_EQ(dir.read("style_sheets/KLV-13000-C000.dwg"), drawing);
    EXPECT_EQ(dir.read("style_sheets/KLV-13002-C000.dwg"), drawing);

    dir.write("style_sheets/KLV-13003-C000.dwg", "kept");
    const std::pair<std::string, std::string> failing[] = {
        {winPath(dir, "sheet_templates\\none.dwg"), winPath(dir, "style_sheets\\KLV-13003-C000.dwg")},
        {tpl, winPath(dir, "style_sheets\\KLV-13001-C000.dwg")},  // a folder holds the name
        {tpl, winPath(dir, "nowhere\\KLV-13000-C000.dwg")},
    };
    for (const auto& [from, to] : failing) EXPECT_THROW(platform.replaceWithCopy(from, to), RuntimeFailure) << to;
    EXPECT_EQ(dir.read("style_sheets/KLV-13003-C000.dwg"), "kept");
    EXPECT_EQ(dir.entries("style_sheets"), (std::set<std::string>{"KLV-13000-C000.dwg", "KLV-13001-C000.dwg",
                                                                  "KLV-13002-C000.dwg", "KLV-13003-C000.dwg"}))
        << "no temporary file is left";
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

// A writer killed part-way leaves its temporary file. The next writer in that
// folder removes it once it is over a minute old, and nothing else: not a
// fresh one (another user's write in progress), not a name TRV never gives.
// No listing shows TRV's temporary files.
TEST_F(PlatformContract, WritersRemoveOnlyStaleTemporaryFilesOfTheirOwnNaming) {
    dir.write("template.dwg", "template");
    const std::set<std::string> stale = {".trv-Ab12Z9", ".trv-4711-123456789-3.tmp"};
    const std::set<std::string> foreign = {".trv-notes.txt", ".trv-Ab12Z",  ".trv-Ab12Z9x",  "trv-Ab12Z9",
                                           ".trv-12-34.tmp", ".trv-a-1-2.tmp", "KLV-13000-C000-01-A-2000.dwg"};
    const std::string fresh = ".trv-Fresh1", folder = ".trv-Zz9Zz9";
    const std::string tpl = winPath(dir, "template.dwg");
    const std::pair<std::string, std::function<void(const std::string&)>> writers[] = {
        {"curproject.txt", [&](const std::string& to) { platform.replaceFile(to, "x"); }},
        {"new.dwg", [&](const std::string& to) { EXPECT_EQ(platform.copyToNewFile(tpl, to), CopyOutcome::Copied); }},
        {"KLV-13000-C000.dwg", [&](const std::string& to) { platform.replaceWithCopy(tpl, to); }},
        {"delivered.txt", [&](const std::string& to) { EXPECT_TRUE(platform.copyFileReplacing(tpl, to)); }},
    };
    for (const auto& [written, write] : writers) {
        for (const auto& name : stale) dir.write(written + "/" + name, "left");
        for (const auto& name : foreign) dir.write(written + "/" + name, "kept");
        dir.mkdir(written + "/" + folder);
        for (const auto& name : dir.entries(written))
            if (!leaveBehind(dir.path() / written / name))
                GTEST_SKIP() << "the file system here cannot date a file's creation back";
        dir.write(written + "/" + fresh, "being written");

        write(winPath(dir, written + "\\" + written));
        std::set<std::string> expected = foreign;
        expected.insert(written);
        std::set<std::string> listed;
        for (const auto& name : platform.listFiles(winPath(dir, written))) listed.insert(name);
        EXPECT_EQ(listed, expected) << written;
        expected.insert({fresh, folder});
        EXPECT_EQ(dir.entries(written), expected) << written;
    }
}

// Both show the system's separator; POSIX shows a run of separators as one,
// Windows keeps the path as the program built it.
TEST_F(PlatformContract, DisplayPathTakesTheSystemsSeparators) {
    struct Case {
        const char* in;
        const char* posix;
        const char* windows;
    };
    const Case cases[] = {
        {"/srv/projects\\\\PROJECTS\\curproject.txt", "/srv/projects/PROJECTS/curproject.txt",
         "\\srv\\projects\\\\PROJECTS\\curproject.txt"},
        {"/srv//resources/\\Standard_documents\\klv-cadd-std-06.doc",
         "/srv/resources/Standard_documents/klv-cadd-std-06.doc",
         "\\srv\\\\resources\\\\Standard_documents\\klv-cadd-std-06.doc"},
        {"C:\\projects\\\\PROJECTS\\curproject.txt", "C:/projects/PROJECTS/curproject.txt",
         "C:\\projects\\\\PROJECTS\\curproject.txt"},
        {"C:/resources/Standard_documents\\x.doc", "C:/resources/Standard_documents/x.doc",
         "C:\\resources\\Standard_documents\\x.doc"},
        {"\\\\server\\share\\\\projects\\", "/server/share/projects/", "\\\\server\\share\\\\projects\\"},
        {"//server/share/a b", "/server/share/a b", "\\\\server\\share\\a b"},
        {"/srv/a b/c", "/srv/a b/c", "\\srv\\a b\\c"},
        {"relative\\name.txt", "relative/name.txt", "relative\\name.txt"},
        {"", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform.displayPath(c.in), onWindows ? c.windows : c.posix) << c.in;
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
    testing::writeU8(dir, "drawings folder/KLV-13000 C000-A-FP01 \xc3\xa4.dwg", "dwg");

    platform.startProgram(program, drawing);

    const fs::path record = u8path(platform.nativePath(drawing) + ".args");
    ASSERT_TRUE(testing::waitForFile(record)) << "the program did not run";
    EXPECT_EQ(TempFolder::slurp(record), "1\n" + platform.nativePath(drawing) + "\n");
}

TEST_F(PlatformContract, StartingAProgramThatIsNotThereFails) {
    dir.write("drawing.dwg", "x");
    dir.mkdir("bin");
    for (const char* program : {"bin\\acad.exe", "no folder\\acad.exe", "bin"})
        EXPECT_THROW(platform.startProgram(winPath(dir, program), winPath(dir, "drawing.dwg")), RuntimeFailure)
            << program;
}

TEST_F(PlatformContract, OpeningAMissingDocumentReportsFileNotFound) {
    EXPECT_EQ(platform.openDocument(winPath(dir, "Standard_documents\\klv-cadd-std-06.doc")), shellFileNotFound)
        << "missing folder";
    EXPECT_EQ(platform.openDocument(winPath(dir, "missing.doc")), shellFileNotFound);
}

// The naming check deletes its old report before it writes a new one; a
// report spelled in other case is that report.
TEST_F(PlatformContract, RemoveFileDeletesOneFileAndRefusesWhatItCannotDelete) {
    dir.write("KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt", "old");
    dir.write("KLV-13000-C000/KLV-13000-C000_AS-BUILT_qa.txt", "kept");
    platform.removeFile(winPath(dir, "klv-13000-c000\\klv-13000-c000_design_QA.TXT"));
    EXPECT_EQ(dir.entries("KLV-13000-C000"), (std::set<std::string>{"KLV-13000-C000_AS-BUILT_qa.txt"}));

    dir.mkdir("KLV-13000-C000/DESIGN");
    for (const char* path : {"KLV-13000-C000\\KLV-13000-C000_DESIGN_qa.txt", "KLV-13000-C000\\DESIGN",
                             "missing\\KLV-13000-C000_DESIGN_qa.txt"})
        EXPECT_THROW(platform.removeFile(winPath(dir, path)), RuntimeFailure) << path;
    EXPECT_EQ(dir.entries("KLV-13000-C000"), (std::set<std::string>{"DESIGN", "KLV-13000-C000_AS-BUILT_qa.txt"}));
}

// The configuration check's questions: a folder that is there can be listed
// and written to, and the probe leaves nothing behind; one that is not there
// can be neither.
TEST_F(PlatformContract, FolderAccessIsProbedWithoutATrace) {
    dir.mkdir("resources");
    EXPECT_TRUE(platform.canListFolder(dir / "resources"));
    EXPECT_TRUE(platform.canCreateFileIn(dir / "resources"));
    EXPECT_TRUE(dir.entries("resources").empty());
    EXPECT_FALSE(platform.canListFolder(dir / "nowhere"));
    EXPECT_FALSE(platform.canCreateFileIn(dir / "nowhere"));
}

// TRV writes UTF-8; the records and lists of earlier tools are in the ANSI
// code page: Windows-1252 on POSIX and on a western Windows system.
TEST_F(PlatformContract, TextFilesAreReadAsUnicodeOrInTheAnsiCodePage) {
    const std::pair<std::string, std::string> unicode[] = {
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xEF\xBB\xBF\"caf\xC3\xA9\"", "\"caf\xC3\xA9\""},                       // the mark dropped
        {"\xEF\xBB\xBF" "a\xE9", "a\xEF\xBF\xBD"},                               // marked UTF-8 that is not
        {std::string("\xFF\xFEh\0\xE9\0", 6), "h\xC3\xA9"},                        // UTF-16
        {std::string("\xFE\xFF\0h\xD8\x3D\xDC\x50", 8), "h\xF0\x9F\x91\x90"},
    };
    const std::pair<std::string, std::string> windows1252[] = {
        {"BUREAU D'\xC9TUDES", "BUREAU D'\xC3\x89TUDES"},
        {"\x80\x8A\x9F\x81", "\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC2\x81"},  // 81 is undefined there: a control
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                              // no overlong "/"
    };
    auto readsAs = [this](const std::string& bytes, const std::string& text) {
        dir.write("text.txt", bytes);
        EXPECT_EQ(platform.readTextFile(winPath(dir, "text.txt")), text) << bytes;
    };
    for (const auto& [bytes, text] : unicode) readsAs(bytes, text);
    if (platform.ansiToUtf8("\x80") == "\xE2\x82\xAC")  // the system's code page is Windows-1252
        for (const auto& [bytes, text] : windows1252) readsAs(bytes, text);
    EXPECT_THROW(platform.readTextFile(winPath(dir, "missing.txt")), RuntimeFailure);
}

}  // namespace
}  // namespace trv
