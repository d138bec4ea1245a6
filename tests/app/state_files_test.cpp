#include "app/state_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"
#include "platform/text.h"

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
class StateFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.iniPath = dir / "trv.ini";
        dir.write("trv.ini", "[Paths]\r\nResourcePath=" + (dir / "resources") + "\r\nProjectPath=" +
                                 (dir / "projects") + "\r\nIndividualTemplatePath=" + (dir / "templates") +
                                 "\r\nSheetTemplatePath=" + (dir / "sheets") + "\r\nResourceCopyDestPath=" +
                                 (dir / "delivery") + "\r\nOpenInAutoCAD=" + (dir / "acad") + "\r\n");
        dir.write("resources/usernames.txt", "\"tester\",\"tester\"\r\n");
        dir.mkdir("projects/tester/PROJECTS");
    }

    // Where the state files of the user "tester" lie.
    static std::string state(const std::string& name) { return "projects/tester/PROJECTS/" + name; }

    TempFolder dir;
    RecordingPlatform platform;
    Program p{platform, platform};
};

// The four start-up readers, and what each shows afterwards.
struct Reader {
    const char* file;
    void (*read)(Program&);
    std::string (*shown)(Program&);
    std::string missing;  // what is shown when the file counts as missing
};

const Reader readers[] = {
    {curProjectFile, ReadCurrentProject,
     [](Program& p) {
         return p.form1.curProjectCode + "|" + p.form1.projectName + "|" + p.form1.internalCode;
     },
     "||0"},
    {curDisciplineFile, ReadCurrentDiscipline, [](Program& p) { return p.form1.cmbdisciplines.text(); },
     "design text"},
    {curDrawingTypeFile, ReadDrawingType, [](Program& p) { return p.form1.txtcurDrawingtype.text(); }, ""},
    {facilityNumberFile, ReadFacilityNumber, [](Program& p) { return p.form1.txtfacilitynb.text(); }, ""},
};

// Only a file stored under its exact name counts; the current project also
// needs all three fields. A saved choice that cannot be read disables the
// program; a current project that cannot be read counts as missing. Nothing
// is said.
TEST_F(StateFilesTest, StartUpReadersShowWhatTheFileHolds) {
    struct Case {
        const char* name;
        bool capitals;        // stored under its name in capitals
        const char* content;  // nullptr: no file
        bool noAccess;
        const char* project;  // shown by the current project's reader
        const char* choice;   // shown by the others; nullptr: missing; "disabled": InitOK false
    };
    const char* whole = "\"A\",\"B\",\"C\"\r\n";
    const Case cases[] = {
        {"present", false, whole, false, "A|B|C", "A"},
        {"in capitals", true, whole, false, "||0", nullptr},
        {"absent", false, nullptr, false, "||0", nullptr},
        {"cut short", false, "\"A\",\"B\"", false, "||0", "A"},
        {"empty", false, "", false, "||0", "disabled"},
        {"blank lines", false, "  \r\n\r\n", false, "||0", "disabled"},
        {"no access", false, whole, true, "||0", "disabled"},
    };
    for (const Reader& r : readers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(r.file) + ": " + c.name);
#ifdef _WIN32
            // Removing the permissions only sets the read-only attribute there: the file stays readable.
            if (c.noAccess) continue;
#else
            if (c.noAccess && ::geteuid() == 0) continue;  // root reads any file whatever its permissions
#endif
            std::filesystem::remove_all(dir.path() / state(""));
            dir.mkdir(state(""));
            const std::string stored = state(c.capitals ? toUpper(r.file) : r.file);
            if (c.content) dir.write(stored, c.content);
            if (c.noAccess) std::filesystem::permissions(dir.path() / stored, std::filesystem::perms::none);
            Program program(platform, platform);
            for (Control* box : {&program.form1.cmbdisciplines, &program.form1.txtcurDrawingtype,
                                 &program.form1.txtfacilitynb})
                box->loadText("design text");
            r.read(program);
            const bool project = r.read == ReadCurrentProject;
            const std::string expected = project ? c.project : c.choice ? c.choice : r.missing;
            EXPECT_EQ(program.settings.InitOK, expected != "disabled");
            EXPECT_TRUE(expected == "disabled" || r.shown(program) == expected) << r.shown(program);
            EXPECT_TRUE(platform.messages.empty());
        }
    }
}

TEST_F(StateFilesTest, AnUnlistedUserKeepsTheStateFilesInTheProjectFolder) {
    // UserFolder is empty: one spelling has "\PROJECTS", the other "\\PROJECTS";
    // both name the same folder.
    dir.write("resources/usernames.txt", "\"somebody\",\"else\"\r\n");
    dir.write("projects/PROJECTS/curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\",\"13000C0\"\r\n");
    dir.write("projects/PROJECTS/curdrawingtype.txt", "\"DESIGN\"\r\n");
    ReadCurrentProject(p);
    ReadDrawingType(p);
    EXPECT_EQ(p.settings.UserDir, p.settings.ProjectPath);
    EXPECT_EQ(p.form1.curProjectCode, "KLV-13000-C000");
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "DESIGN");
}

TEST_F(StateFilesTest, TheDisciplineReaderDefaultsAndDerivesTheCode) {
    int derived = 0;
    std::string seen;
    p.procs.disciplinecode1 = [&] {
        ++derived;
        seen = p.form1.cmbdisciplines.text();
    };
    ReadCurrentDiscipline(p);
    EXPECT_EQ(p.form1.curDiscipline, " No Discipline Selected yet");
    EXPECT_EQ(derived, 0);

    dir.write(state("curdiscipline.txt"), "\"Architectural\"\r\n");
    ReadCurrentDiscipline(p);
    EXPECT_EQ(p.form1.curDiscipline, "Architectural");
    EXPECT_EQ(derived, 1);
    EXPECT_EQ(seen, "Architectural") << "the code is derived from the list's new text";
}

TEST_F(StateFilesTest, TheFacilityNumberBoxReaderRaisesTheChange) {
    Strings changes;
    p.form1.txtfacilitynb.onChange = [&] { changes.push_back(p.form1.txtfacilitynb.text()); };
    dir.write(state("facilnumber.txt"), "\"07\"\r\n");
    ReadFacilityNumber(p);
    EXPECT_EQ(changes, Strings{"07"});
}

// The main window's two writers, with a current project shown and the
// project list's handler counted.
class Writers : public StateFilesTest {
protected:
    void SetUp() override {
        StateFilesTest::SetUp();
        p.loadSettings();
        p.form1.cmbdesignasbuilt.loadItems({"Design Drawings", "As-Built Drawings"});
        p.form1.cmbdesignasbuilt.onClick = [this] { cmbdesignasbuilt_Click(p); };
        p.form1.txtfacilitynb.onChange = [this] { txtfacilitynb_Change(p); };
        p.form1.cmbProjectCode.onClick = [this] { ++reaccepted; };
        p.form1.txtcurrentproj.setText("KLV-13000-C000");
    }
    std::string saved(const std::string& file) {
        return dir.exists(state(file)) ? dir.read(state(file)) : "(none)";
    }
    int reaccepted = 0;
};

TEST_F(Writers, TheDrawingTypeListWritesTheWordAndShowsIt) {
    for (const auto& [index, word] : {std::pair{1, "AS-BUILT"}, std::pair{0, "DESIGN"}}) {
        p.form1.cmbdesignasbuilt.setListIndex(index);
        EXPECT_EQ(saved("curdrawingtype.txt"), "\"" + std::string(word) + "\"\r\n");
        EXPECT_EQ(p.form1.txtcurDrawingtype.text(), word);
        EXPECT_EQ(p.form1.selectedDrawingType, word);
        EXPECT_EQ(dir.entries("projects/tester/PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    }
    // Typed text that is no entry keeps the previous word.
    p.form1.cmbdesignasbuilt.setText("Something else");
    cmbdesignasbuilt_Click(p);
    EXPECT_EQ(p.form1.selectedDrawingType, "DESIGN");
    EXPECT_EQ(p.form1.drawingTypeChoice, "Something else");
    EXPECT_EQ(saved("curdrawingtype.txt"), "\"DESIGN\"\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Writers, TheDrawingTypeListRefusesWithoutACurrentProject) {
    p.form1.txtcurrentproj.setText("");
    p.form1.cmbdesignasbuilt.setListIndex(1);
    EXPECT_EQ(platform.messages, Strings{"Please, select project code first."});
    EXPECT_EQ(p.form1.cmbdesignasbuilt.text(), "");
    EXPECT_EQ(p.form1.cmbdesignasbuilt.listIndex(), -1);
    EXPECT_EQ(saved("curdrawingtype.txt"), "(none)");
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "");
}

TEST_F(Writers, TheFacilityNumberIsSavedAtExactlyTwoCharacters) {
    struct Step {
        const char* text;
        int reaccepted;  // in total so far
        const char* saved;
    };
    const Step steps[] = {
        {"0", 0, "(none)"},
        {"01", 1, "\"01\"\r\n"},
        {"012", 2, "\"01\"\r\n"},
        {"01", 3, "\"01\"\r\n"},
        {"", 3, "\"01\"\r\n"},
        {"7", 3, "\"01\"\r\n"},
        {"ab", 4, "\"ab\"\r\n"},                              // not validated
        {"\xC3\xA9\xC3\xA9", 5, "\"\xC3\xA9\xC3\xA9\"\r\n"},  // two characters, four bytes
        {"\xC3\xA9", 5, "\"\xC3\xA9\xC3\xA9\"\r\n"},          // one character, two bytes
    };
    for (const auto& s : steps) {
        p.form1.txtfacilitynb.setText(s.text);
        EXPECT_EQ(reaccepted, s.reaccepted) << "after '" << s.text << "'";
        EXPECT_EQ(saved("facilnumber.txt"), s.saved) << "after '" << s.text << "'";
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Writers, AMissingStateFolderStaysMissingAndNothingIsSaid) {
    std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
    p.form1.cmbProjectCode.onClick = [this] {
        ++reaccepted;
        throw RuntimeFailure("the project selection failed");
    };
    EXPECT_NO_THROW(p.form1.cmbdesignasbuilt.setListIndex(1));
    EXPECT_NO_THROW(p.form1.txtfacilitynb.setText("01"));
    EXPECT_EQ(reaccepted, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(dir.exists("projects/tester/PROJECTS"));
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "") << "nothing shown that was not saved";
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

TEST_F(Writers, AFailedWriteKeepsTheOldFileWhole) {
    struct Case {
        const char* file;
        std::function<void()> write;
    };
    const Case cases[] = {
        {"curdrawingtype.txt", [this] { p.form1.cmbdesignasbuilt.setListIndex(1); }},
        {"facilnumber.txt", [this] { p.form1.txtfacilitynb.setText("02"); }},
    };
    p.form1.txtcurDrawingtype.setText("OLD");
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
        dir.write(state(c.file), "\"OLD\"\r\n");
        withFileSizeLimit(4, c.write);
        EXPECT_EQ(saved(c.file), "\"OLD\"\r\n");
        EXPECT_EQ(dir.entries("projects/tester/PROJECTS"), (std::set<std::string>{c.file}));
    }
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "OLD");
    EXPECT_TRUE(platform.messages.empty());
}
#endif

}  // namespace
}  // namespace trv
