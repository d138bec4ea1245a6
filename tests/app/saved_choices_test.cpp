#include "app/saved_choices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "mainwindow/form1.h"
#include "platform/text.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace trv {
namespace {

using testing::RecordingPlatform;
using testing::TempFolder;
using Strings = std::vector<std::string>;

// A small office: trv.ini, the user table naming the user's folder "tester",
// and that user's state folder.
class SavedChoicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.setSettingsFile(dir / "trv.ini");
        dir.write("trv.ini", "[Paths]\r\nResourcePath=" + (dir / "resources") + "\r\nProjectPath=" +
                                 (dir / "projects") + "\r\nIndividualTemplatePath=" + (dir / "templates") +
                                 "\r\nSheetTemplatePath=" + (dir / "sheets") + "\r\nResourceCopyDestPath=" +
                                 (dir / "delivery") + "\r\nOpenInAutoCAD=" + (dir / "acad") + "\r\n");
        dir.write("resources/usernames.txt", "\"tester\",\"tester\"\r\n");
        dir.mkdir("projects/tester/PROJECTS");
        p.loadSettings();
    }

    // Where the state files of the user "tester" lie.
    static std::string state(const std::string& name) { return "projects/tester/PROJECTS/" + name; }
    std::string saved(const std::string& file) { return dir.exists(state(file)) ? dir.read(state(file)) : "(none)"; }

    // The real file system, where reading a file can be made to fail.
    struct ReadFailingPlatform : RecordingPlatform {
        bool readsFail = false;
        std::string readFile(const std::string& path) override {
            if (readsFail) throw RuntimeFailure("cannot open " + path + ": Permission denied");
            return RecordingPlatform::readFile(path);
        }
        std::optional<std::string> readPresentFile(const std::string& path) override {
            if (readsFail && isPresent(path)) throw RuntimeFailure("cannot open " + path + ": Permission denied");
            return RecordingPlatform::readPresentFile(path);
        }
    };

    TempFolder dir;
    ReadFailingPlatform platform;
    Program p{platform, platform};
};

// Each reader as "status|fields".
struct Reader {
    const char* file;
    std::function<std::string(Platform&, const OfficePaths&)> read;
};

std::string statusOf(ReadStatus s) {
    return s == ReadStatus::Read ? "read" : s == ReadStatus::Missing ? "missing" : "unreadable";
}

const Reader readers[] = {
    {"curproject.txt",
     [](Platform& pl, const OfficePaths& paths) {
         const auto r = readCurrentProject(pl, paths);
         return statusOf(r.status) + "|" + r.value.code + "," + r.value.name + "," + r.value.internalCode;
     }},
    {"curdiscipline.txt",
     [](Platform& pl, const OfficePaths& paths) {
         const auto r = readDiscipline(pl, paths);
         return statusOf(r.status) + "|" + r.value;
     }},
    {"curdrawingtype.txt",
     [](Platform& pl, const OfficePaths& paths) {
         const auto r = readDrawingType(pl, paths);
         return statusOf(r.status) + "|" + r.value;
     }},
    {"facilnumber.txt",
     [](Platform& pl, const OfficePaths& paths) {
         const auto r = readFacilityNumber(pl, paths);
         return statusOf(r.status) + "|" + r.value;
     }},
};

// Only a file stored under its exact name counts; a file that lacks the
// fields of its record tells no choice and counts as missing; only a file
// that cannot be read at all is unreadable. The current project needs all
// three fields. Text that is not UTF-8 is read in the ANSI code page.
TEST_F(SavedChoicesTest, ReadersTellMissingFromUnreadable) {
    struct Case {
        const char* name;
        bool capitals;        // stored under its name in capitals
        const char* content;  // nullptr: no file
        bool noAccess;
        const char* project;  // what the current project's reader gives
        const char* choice;   // what the others give
    };
    const char* whole = "\"A\",\"B\",\"C\"\r\n";
    const Case cases[] = {
        {"present", false, whole, false, "read|A,B,C", "read|A"},
        {"in capitals", true, whole, false, "missing|,,", "missing|"},
        {"absent", false, nullptr, false, "missing|,,", "missing|"},
        {"cut short", false, "\"A\",\"B\"", false, "missing|,,", "read|A"},
        {"empty", false, "", false, "missing|,,", "missing|"},
        {"blank lines", false, "  \r\n\r\n", false, "missing|,,", "missing|"},
        {"Windows-1252", false, "\"\xC9\",\"B\",\"C\"\r\n", false, "read|\xC3\x89,B,C", "read|\xC3\x89"},
        {"no access", false, whole, true, "unreadable|,,", "unreadable|"},
    };
    for (const Reader& r : readers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(r.file) + ": " + c.name);
            std::filesystem::remove_all(dir.path() / state(""));
            dir.mkdir(state(""));
            const std::string stored = state(c.capitals ? toUpper(r.file) : r.file);
            if (c.content) dir.write(stored, c.content);
            platform.readsFail = c.noAccess;  // as a file without read permission, also for root
            const bool project = std::string(r.file) == "curproject.txt";
            EXPECT_EQ(r.read(platform, p.paths), project ? c.project : c.choice);
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SavedChoicesTest, AnUnlistedUserKeepsTheStateFilesInTheProjectFolder) {
    // UserFolder is empty: one spelling has "\PROJECTS", the other "\\PROJECTS";
    // both name the same folder.
    dir.write("resources/usernames.txt", "\"somebody\",\"else\"\r\n");
    dir.write("projects/PROJECTS/curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\",\"13000C0\"\r\n");
    dir.write("projects/PROJECTS/curdrawingtype.txt", "\"DESIGN\"\r\n");
    Program q{platform, platform};
    q.loadSettings();
    EXPECT_EQ(q.settings.UserDir, q.settings.ProjectPath);
    EXPECT_EQ(readCurrentProject(platform, q.paths).value.code, "KLV-13000-C000");
    EXPECT_EQ(readDrawingType(platform, q.paths).value, "DESIGN");
}

TEST_F(SavedChoicesTest, WritersWriteOneRecordLineAndNothingWithoutAConfiguration) {
    writeCurrentProject(platform, p.settings, p.paths, {"KLV-1", "A \xC3\x89TUDE", "KLV-1"});
    writeDiscipline(platform, p.settings, p.paths, "Fire_Protection");
    EXPECT_EQ(saved("curproject.txt"), "\"KLV-1\",\"A \xC3\x89TUDE\",\"KLV-1\"\r\n");
    EXPECT_EQ(saved("curdiscipline.txt"), "\"Fire_Protection\"\r\n");
    EXPECT_EQ(dir.entries(state("")), (std::set<std::string>{"curproject.txt", "curdiscipline.txt"}));

    AppSettings unloaded;
    const OfficePaths nowhere(unloaded);
    EXPECT_THROW(writeFacilityNumber(platform, unloaded, nowhere, "01"), RuntimeFailure);
}

// Saving the choice a file already holds leaves the file untouched (its time
// stays); anything else, even the same field without its line end, replaces it.
TEST_F(SavedChoicesTest, AWriteThatChangesNothingLeavesTheFileAlone) {
    using Write = std::function<void(const std::string&)>;
    const std::pair<const char*, Write> writers[] = {
        {"curproject.txt",
         [this](const std::string& v) {
             writeCurrentProject(platform, p.settings, p.paths, {v, "N", v});
         }},
        {"curdrawingtype.txt",
         [this](const std::string& v) { writeDrawingType(platform, p.settings, p.paths, v); }},
        {"curdiscipline.txt",
         [this](const std::string& v) { writeDiscipline(platform, p.settings, p.paths, v); }},
        {"facilnumber.txt",
         [this](const std::string& v) { writeFacilityNumber(platform, p.settings, p.paths, v); }},
    };
    // Whole seconds: Windows keeps file times in steps of 100 ns only.
    const std::filesystem::file_time_type lastYear =
        std::chrono::floor<std::chrono::seconds>(std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(24 * 365));
    for (const auto& [file, write] : writers) {
        const bool project = std::string(file) == "curproject.txt";
        auto record = [project](const std::string& v) {
            return project ? "\"" + v + "\",\"N\",\"" + v + "\"\r\n" : "\"" + v + "\"\r\n";
        };
        struct Case {
            std::string stored, written;
            bool untouched;
        };
        const Case cases[] = {
            {record("01"), "01", true},
            {record("01"), "02", false},
            {record("01").substr(0, record("01").size() - 2), "01", false},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(file) + " holding " + c.stored + ", writing " + c.written);
            dir.write(state(file), c.stored);
            const auto where = dir.path() / state(file);
            std::filesystem::last_write_time(where, lastYear);
            write(c.written);
            EXPECT_EQ(saved(file), c.untouched ? c.stored : record(c.written));
            EXPECT_EQ(std::filesystem::last_write_time(where) == lastYear, c.untouched);
        }
    }
}

TEST_F(SavedChoicesTest, TheDrawingTypeListSavesTheWordAndTypedTextTheLastOne) {
    p.form1.cmbdesignasbuilt.loadItems({"Design Drawings", "As-Built Drawings"});
    p.form1.cmbdesignasbuilt.onClick = [this] { cmbdesignasbuilt_Click(p); };
    p.form1.txtcurrentproj.setText("KLV-13000-C000");
    for (const auto& [index, word] : {std::pair{1, "AS-BUILT"}, std::pair{0, "DESIGN"}}) {
        p.form1.cmbdesignasbuilt.setListIndex(index);
        EXPECT_EQ(saved("curdrawingtype.txt"), "\"" + std::string(word) + "\"\r\n");
        EXPECT_EQ(p.form1.txtcurDrawingtype.text(), word);
    }
    p.form1.cmbdesignasbuilt.setText("Something else");
    cmbdesignasbuilt_Click(p);
    EXPECT_EQ(saved("curdrawingtype.txt"), "\"DESIGN\"\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

#ifndef _WIN32
// Runs `write` with the size of any file the process writes limited to
// `bytes`, so that writing a longer file really fails, even for root.
template <class F>
void withFileSizeLimit(rlim_t bytes, F write) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    write();  // nothing else may write files meanwhile: no test output here
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
}

TEST_F(SavedChoicesTest, AFailedWriteKeepsTheOldFileWhole) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"curdrawingtype.txt", [this] { writeDrawingType(platform, p.settings, p.paths, "AS-BUILT"); }},
        {"facilnumber.txt", [this] { writeFacilityNumber(platform, p.settings, p.paths, "02"); }},
    };
    for (const auto& [file, write] : cases) {
        std::filesystem::remove_all(dir.path() / state(""));
        dir.write(state(file), "\"OLD\"\r\n");
        bool failed = false;
        withFileSizeLimit(4, [&] {
            try {
                write();
            } catch (const RuntimeFailure&) {
                failed = true;
            }
        });
        EXPECT_TRUE(failed) << file;
        EXPECT_EQ(saved(file), "\"OLD\"\r\n");
        EXPECT_EQ(dir.entries(state("")), (std::set<std::string>{file}));
    }
}
#endif

}  // namespace
}  // namespace trv
