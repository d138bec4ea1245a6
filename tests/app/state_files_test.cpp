#include "app/state_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/recording_platform_fixture.h"
#include "platform/text.h"
#include "platform/temp_folder_fixture.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
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
    Program p{platform};
};

TEST_F(StateFilesTest, CurrentProjectIsReadFromItsThreeFields) {
    struct Case {
        const char* name;
        const char* storedAs;  // nullptr: no file
        std::string content;
        Strings fields;  // code, name, internal code
    };
    const Case cases[] = {
        {"present", "curproject.txt", "\"KLV-13000-C000\",\"HARBOUR TERMINAL EXTENSION\",\"13000C0\"\r\n",
         {"KLV-13000-C000", "HARBOUR TERMINAL EXTENSION", "13000C0"}},
        {"one field a line", "curproject.txt", "\"KLV-13000-C000\"\r\n\"HARBOUR\"\r\n\"13000C0\"\r\n",
         {"KLV-13000-C000", "HARBOUR", "13000C0"}},
        {"missing", nullptr, "", {"", "", "0"}},
        {"stored in upper case", "CURPROJECT.TXT", "\"KLV-13000-C000\",\"HARBOUR\",\"13000C0\"\r\n", {"", "", "0"}},
        {"stored with a capital", "Curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\",\"13000C0\"\r\n", {"", "", "0"}},
        {"cut short: two fields", "curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\"\r\n", {"", "", "0"}},
        {"empty file", "curproject.txt", "", {"", "", "0"}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
        dir.mkdir("projects/tester/PROJECTS");
        if (c.storedAs) dir.write(state(c.storedAs), c.content);
        Program program(platform);
        ReadCurrentProject(program);
        EXPECT_EQ((Strings{program.form1.curProjectCode, program.form1.projectName, program.form1.internalCode}),
                  c.fields)
            << c.name;
        EXPECT_TRUE(program.settings.InitOK) << c.name << ": the program goes on";
        EXPECT_TRUE(platform.messages.empty()) << c.name;
    }
}

TEST_F(StateFilesTest, CurrentProjectIsNotReadWithoutAConfiguration) {
    std::filesystem::remove(dir.path() / "trv.ini");
    dir.write(state("curproject.txt"), "\"KLV-13000-C000\",\"HARBOUR\",\"13000C0\"\r\n");
    p.form1.curProjectCode = "kept";
    p.form1.internalCode = "kept";
    ReadCurrentProject(p);
    EXPECT_EQ(platform.messages, Strings{"INI file is missing. Initialization stoped !!!"});
    EXPECT_EQ(p.form1.curProjectCode, "kept");
    EXPECT_EQ(p.form1.internalCode, "kept");
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
    EXPECT_EQ(p.form1.drawingType, "DESIGN");
}

// The three readers of one-field files: present, missing, misnamed, unreadable.
struct OneFieldReader {
    const char* file;
    void (*read)(Program&);
    std::string (*shown)(Program&);  // what the window shows afterwards
};

const OneFieldReader oneFieldReaders[] = {
    {"curdiscipline.txt", ReadCurrentDiscipline, [](Program& p) { return p.form1.cmbdisciplines.text(); }},
    {"curdrawingtype.txt", ReadDrawingType, [](Program& p) { return p.form1.txtcurDrawingtype.text(); }},
    {"facilnumber.txt", ReadFacilityNumber, [](Program& p) { return p.form1.txtfacilitynb.text(); }},
};

TEST_F(StateFilesTest, OneFieldReadersShowAPresentFile) {
    for (const auto& r : oneFieldReaders) {
        Program program(platform);
        dir.write(state(r.file), "\"Value 01\"\r\n");
        r.read(program);
        EXPECT_EQ(r.shown(program), "Value 01") << r.file;
        EXPECT_TRUE(program.settings.InitOK) << r.file;
        std::filesystem::remove(dir.path() / state(r.file));
    }
}

TEST_F(StateFilesTest, OneFieldReadersTreatAMisnamedFileAsMissing) {
    for (const auto& r : oneFieldReaders) {
        for (const std::string& storedAs : {std::string(), toUpper(r.file), std::string("old_") + r.file}) {
            std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
            dir.mkdir("projects/tester/PROJECTS");
            if (!storedAs.empty()) dir.write(state(storedAs), "\"Value 01\"\r\n");
            Program program(platform);
            program.form1.cmbdisciplines.loadText("design text");
            program.form1.txtcurDrawingtype.loadText("design text");
            program.form1.txtfacilitynb.loadText("design text");
            r.read(program);
            const std::string expected = std::string(r.file) == "curdiscipline.txt" ? "design text" : "";
            EXPECT_EQ(r.shown(program), expected) << r.file << " stored as '" << storedAs << "'";
            EXPECT_TRUE(program.settings.InitOK) << r.file;
        }
    }
}

TEST_F(StateFilesTest, OneFieldReadersDisableTheProgramOnAnUnreadableFile) {
    for (const auto& r : oneFieldReaders) {
        for (const char* content : {"", "\r\n", "  \r\n\r\n"}) {
            std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
            dir.write(state(r.file), content);
            Program program(platform);
            r.read(program);
            EXPECT_FALSE(program.settings.InitOK) << r.file << " holding '" << content << "'";
            EXPECT_TRUE(platform.messages.empty()) << r.file;
        }
    }
}

TEST_F(StateFilesTest, OneFieldReadersDisableTheProgramWhenTheFileCannotBeOpened) {
#ifndef _WIN32
    if (::geteuid() == 0) GTEST_SKIP() << "root reads any file whatever its permissions";
#endif
    for (const auto& r : oneFieldReaders) {
        dir.write(state(r.file), "\"Value\"\r\n");
        std::filesystem::permissions(dir.path() / state(r.file), std::filesystem::perms::none);
        Program program(platform);
        r.read(program);
        EXPECT_FALSE(program.settings.InitOK) << r.file;
        std::filesystem::remove(dir.path() / state(r.file));
    }
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

TEST_F(StateFilesTest, TheDrawingTypeReaderKeepsTheFieldWhenTheFileIsMissing) {
    p.form1.drawingType = "DESIGN";
    p.form1.txtcurDrawingtype.setText("DESIGN");
    ReadDrawingType(p);
    EXPECT_EQ(p.form1.drawingType, "DESIGN");
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "");

    dir.write(state("curdrawingtype.txt"), "\"AS-BUILT\"\r\n");
    ReadDrawingType(p);
    EXPECT_EQ(p.form1.drawingType, "AS-BUILT");
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "AS-BUILT");
}

TEST_F(StateFilesTest, TheFacilityNumberBoxReaderRaisesTheChange) {
    Strings changes;
    p.form1.txtfacilitynb.onChange = [&] { changes.push_back(p.form1.txtfacilitynb.text()); };
    dir.write(state("facilnumber.txt"), "\"07\"\r\n");
    ReadFacilityNumber(p);
    EXPECT_EQ(changes, Strings{"07"});
}

// The drawing type choice with a current project shown.
class DrawingTypeList : public StateFilesTest {
protected:
    void SetUp() override {
        StateFilesTest::SetUp();
        p.loadSettings();
        p.form1.cmbdesignasbuilt.loadItems({"Design Drawings", "As-Built Drawings"});
        p.form1.cmbdesignasbuilt.onClick = [this] { cmbdesignasbuilt_Click(p); };
        p.form1.txtcurrentproj.setText("KLV-13000-C000");
    }
};

TEST_F(DrawingTypeList, WritesTheWordAndShowsIt) {
    struct Case {
        int index;
        const char* word;
        std::string bytes;
    };
    const Case cases[] = {
        {1, "AS-BUILT", std::string("\x22" "AS-BUILT\x22\r\n", 12)},
        {0, "DESIGN", "\"DESIGN\"\r\n"},
        {1, "AS-BUILT", "\"AS-BUILT\"\r\n"},
    };
    for (const auto& c : cases) {
        p.form1.cmbdesignasbuilt.setListIndex(c.index);
        EXPECT_EQ(dir.read(state("curdrawingtype.txt")), c.bytes) << c.word;
        EXPECT_EQ(p.form1.txtcurDrawingtype.text(), c.word);
        EXPECT_EQ(p.form1.selectedDrawingType, c.word);
        EXPECT_EQ(dir.entries("projects/tester/PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    }
    EXPECT_EQ(dir.read(state("curdrawingtype.txt")).size(), 12u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DrawingTypeList, TypedTextKeepsThePreviousWord) {
    p.form1.cmbdesignasbuilt.setListIndex(0);
    p.form1.cmbdesignasbuilt.setText("Something else");
    cmbdesignasbuilt_Click(p);
    EXPECT_EQ(p.form1.selectedDrawingType, "DESIGN");
    EXPECT_EQ(p.form1.drawingTypeChoice, "Something else");
    EXPECT_EQ(dir.read(state("curdrawingtype.txt")), "\"DESIGN\"\r\n");
}

TEST_F(DrawingTypeList, RefusesWithoutACurrentProject) {
    p.form1.txtcurrentproj.setText("");
    p.form1.cmbdesignasbuilt.setListIndex(1);
    EXPECT_EQ(platform.messages, Strings{"Please, select project code first."});
    EXPECT_EQ(p.form1.cmbdesignasbuilt.text(), "");
    EXPECT_EQ(p.form1.cmbdesignasbuilt.listIndex(), -1);
    EXPECT_FALSE(dir.exists(state("curdrawingtype.txt")));
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "");
}

TEST_F(DrawingTypeList, AMissingStateFolderEndsTheChoiceSilently) {
    std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
    p.form1.cmbdesignasbuilt.setListIndex(1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(dir.exists("projects/tester/PROJECTS"));
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "") << "nothing shown that was not saved";
}

// The facility number box, with the project list's handler counted.
class FacilityNumberBox : public StateFilesTest {
protected:
    void SetUp() override {
        StateFilesTest::SetUp();
        p.loadSettings();
        p.form1.txtfacilitynb.onChange = [this] { txtfacilitynb_Change(p); };
        p.form1.cmbProjectCode.onClick = [this] { ++reaccepted; };
    }
    std::string saved() { return dir.exists(state("facilnumber.txt")) ? dir.read(state("facilnumber.txt")) : "(none)"; }
    int reaccepted = 0;
};

TEST_F(FacilityNumberBox, SavesOnlyAtExactlyTwoCharacters) {
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
        {"ab", 4, "\"ab\"\r\n"},                      // not validated
        {"\xC3\xA9\xC3\xA9", 5, "\"\xC3\xA9\xC3\xA9\"\r\n"},  // two characters, four bytes
        {"\xC3\xA9", 5, "\"\xC3\xA9\xC3\xA9\"\r\n"},          // one character, two bytes
    };
    for (const auto& s : steps) {
        p.form1.txtfacilitynb.setText(s.text);
        EXPECT_EQ(reaccepted, s.reaccepted) << "after '" << s.text << "'";
        EXPECT_EQ(saved(), s.saved) << "after '" << s.text << "'";
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FacilityNumberBox, AWriteFailureStaysSilent) {
    std::filesystem::remove_all(dir.path() / "projects/tester/PROJECTS");
    p.form1.cmbProjectCode.onClick = [this] {
        ++reaccepted;
        throw RuntimeFailure("the project selection failed");
    };
    EXPECT_NO_THROW(p.form1.txtfacilitynb.setText("01"));
    EXPECT_EQ(reaccepted, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(dir.exists("projects/tester/PROJECTS"));
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

TEST_F(DrawingTypeList, AFailedWriteKeepsTheOldFileWhole) {
    dir.write(state("curdrawingtype.txt"), "\"DESIGN\"\r\n");
    p.form1.txtcurDrawingtype.setText("DESIGN");
    withFileSizeLimit(4, [&] { p.form1.cmbdesignasbuilt.setListIndex(1); });
    EXPECT_EQ(dir.read(state("curdrawingtype.txt")), "\"DESIGN\"\r\n");
    EXPECT_EQ(dir.entries("projects/tester/PROJECTS"), (std::set<std::string>{"curdrawingtype.txt"}));
    EXPECT_EQ(p.form1.txtcurDrawingtype.text(), "DESIGN");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FacilityNumberBox, AFailedWriteKeepsTheOldFileWhole) {
    dir.write(state("facilnumber.txt"), "\"01\"\r\n");
    withFileSizeLimit(3, [&] { p.form1.txtfacilitynb.setText("02"); });
    EXPECT_EQ(saved(), "\"01\"\r\n");
    EXPECT_EQ(dir.entries("projects/tester/PROJECTS"), (std::set<std::string>{"facilnumber.txt"}));
    EXPECT_TRUE(platform.messages.empty());
}
#endif

}  // namespace
}  // namespace trv
