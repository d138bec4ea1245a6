#include "naming/user_code_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/native_platform.h"

namespace trv {
namespace {

// Message boxes are recorded; nothing here touches the file system.
class MessageRecorder : public NativePlatform {
public:
    std::vector<std::string> messages;
    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string&) override {}
    void runModal(const std::string&) override {}
};

class UserCodeDialogsTest : public ::testing::Test {
protected:
    MessageRecorder platform;
    Program program{platform};
    UserCodeDialogs dialogs;

    // The dialog on show, its lists filled, as "Press for User Codes" leaves it.
    void open(UserCodeDialog& d) {
        ensureCreated(d);
        d.show();
        ASSERT_TRUE(d.visible);
    }

    std::string onlyMessage() const {
        if (platform.messages.empty()) return "";
        EXPECT_EQ(platform.messages.size(), 1u);
        return platform.messages.front();
    }
};

bool isOpen(const UserCodeDialog& d) { return d.visible && d.loaded; }

// ---- the lists ----

using ListEntries = std::map<std::string, std::vector<std::string>>;

struct ListsCase {
    UserCodeDialog& (*dialog)(UserCodeDialogs&);
    ListEntries entries;
};

TEST_F(UserCodeDialogsTest, ListsAreClearedAndFilledWithNoEntryChosen) {
    const ListsCase cases[] = {
        {[](UserCodeDialogs& d) -> UserCodeDialog& { return d.frmArchitecture; },
         {{"cmbDrawingtype", {"Floor", "Basement"}}, {"cmbfbnumber", {"00"}}, {"cmbpartnb", {"1"}}}},
        {[](UserCodeDialogs& d) -> UserCodeDialog& { return d.frmLegElev; },
         {{"cmbElevLeg", {"Elevations", "Details", "Legend", "Schedule"}},
          {"cmbfbnumber", {"01"}},
          {"cmbpartnb", {"1"}}}},
        {[](UserCodeDialogs& d) -> UserCodeDialog& { return d.frmSections; },
         {{"cmbfbnumber", {"AA", "BB", "CC", "DD", "EE", "FF", "GG", "HH", "II", "JJ"}},
          {"cmbpartnb", {"1"}}}},
        {[](UserCodeDialogs& d) -> UserCodeDialog& { return d.frmOtherDiscip; },
         {{"cmbfbnumber", {"XX"}}, {"cmbpartnb", {"XX"}}}},
    };
    for (const ListsCase& c : cases) {
        UserCodeDialog& d = c.dialog(dialogs);
        SCOPED_TRACE(d.name);
        // Left from an earlier display: an entry chosen, another typed over it.
        for (const auto& [name, entries] : c.entries) {
            Control& list = d.controls[name];
            list.addItem("stale");
            list.setListIndex(0);
            list.setText("typed");
        }
        fillDialogLists(d);
        for (const auto& [name, entries] : c.entries) {
            SCOPED_TRACE(name);
            const Control& list = d.controls[name];
            EXPECT_EQ(list.items(), entries);
            EXPECT_EQ(list.listIndex(), -1);
            EXPECT_EQ(list.text(), "");
        }
    }
}

TEST_F(UserCodeDialogsTest, CreatingADialogFillsItsListsOnceAndKeepsItHidden) {
    auto& d = dialogs.frmSections;
    ensureCreated(d);
    EXPECT_TRUE(d.created);
    EXPECT_FALSE(d.visible);
    EXPECT_FALSE(d.loaded);
    EXPECT_EQ(d.cmbfbnumber.items().size(), 10u);

    // Reading the results of an open dialog must not wipe what the user typed.
    d.show();
    d.cmbfbnumber.setText("BB");
    ensureCreated(d);
    EXPECT_EQ(d.cmbfbnumber.text(), "BB");
    EXPECT_EQ(d.cmbfbnumber.items().size(), 10u);
    EXPECT_TRUE(d.visible);
}

TEST_F(UserCodeDialogsTest, ResultsOfADialogNeverAppliedAreEmpty) {
    for (UserCodeDialog* d : std::vector<UserCodeDialog*>{&dialogs.frmArchitecture, &dialogs.frmLegElev,
                                                          &dialogs.frmSections, &dialogs.frmOtherDiscip}) {
        SCOPED_TRACE(d->name);
        ensureCreated(*d);
        EXPECT_EQ(d->tdrawingtype, "");
        EXPECT_EQ(d->fbnumber, "");
        EXPECT_EQ(d->partnumber, "");
    }
}

// ---- "Apply" in the architectural and elevation dialogs ----

struct TypeNumberPartCase {
    std::string type, number, part;    // as the lists show them
    std::string fbnumber, partnumber;  // the results
    enum { None, EmptyNumber, TooLong } message;
    bool closes;
};

const TypeNumberPartCase typeNumberPartCases[] = {
    {"", "1", "", "1", "0", TypeNumberPartCase::None, true},
    {"", "9", "3", "9", "3", TypeNumberPartCase::None, true},
    {"", "A", "b", "A", "b", TypeNumberPartCase::None, true},  // letters are accepted
    {"", "é", "ß", "é", "ß", TypeNumberPartCase::None, true},  // one character, two bytes each
    {"", "", "", "", "0", TypeNumberPartCase::EmptyNumber, false},
    {"", "", "1", "", "1", TypeNumberPartCase::EmptyNumber, false},
    {"", "", "12", "", "12", TypeNumberPartCase::EmptyNumber, false},  // the empty number comes first
    {"", "12", "", "12", "0", TypeNumberPartCase::TooLong, false},
    {"", "1", "12", "1", "12", TypeNumberPartCase::TooLong, false},
    {"", "00", "1", "00", "1", TypeNumberPartCase::TooLong, false},  // the listed entry
    {"", "01", "1", "01", "1", TypeNumberPartCase::TooLong, false},
    {"", "1 ", "", "1 ", "0", TypeNumberPartCase::TooLong, false},  // a blank is a character
    {"", "éé", "", "éé", "0", TypeNumberPartCase::TooLong, false},
};

struct TypeNumberPartDialog {
    std::string name;
    std::vector<std::string> types;  // typed as well as listed ones are stored as they are
    std::string emptyNumberMessage;
    std::string tooLongMessage;
};

TEST_F(UserCodeDialogsTest, ArchitecturalAndElevationApply) {
    const TypeNumberPartDialog dialogsUnderTest[] = {
        {"frmArchitecture",
         {"Floor", "Basement", "", "floor"},
         "Please enter the Floor or Basement number",
         "please enter only one digit for floor_basement and for part number"},
        {"frmLegElev",
         {"Elevations", "Details", "Legend", "Schedule", ""},
         "Please enter the Elevation,Legend,Details or Schedule number",
         "please enter only 1 digit for Elevation Detail Legend Schedule number and Partnumber"},
    };
    for (const TypeNumberPartDialog& dut : dialogsUnderTest) {
        for (const std::string& type : dut.types) {
            for (const TypeNumberPartCase& c : typeNumberPartCases) {
                SCOPED_TRACE(dut.name + " type=\"" + type + "\" number=\"" + c.number + "\" part=\"" +
                             c.part + "\"");
                platform.messages.clear();
                UserCodeDialogs fresh;
                const bool arch = dut.name == "frmArchitecture";
                UserCodeDialog& d = arch ? static_cast<UserCodeDialog&>(fresh.frmArchitecture)
                                         : static_cast<UserCodeDialog&>(fresh.frmLegElev);
                open(d);
                Control& typeList = arch ? fresh.frmArchitecture.cmbDrawingtype : fresh.frmLegElev.cmbElevLeg;
                typeList.setText(type);
                d.controls["cmbfbnumber"].setText(c.number);
                d.controls["cmbpartnb"].setText(c.part);

                if (arch) {
                    frmArchitecture_Command1_Click(program, fresh.frmArchitecture);
                } else {
                    frmLegElev_Command1_Click(program, fresh.frmLegElev);
                }

                // Stored whether the check passes or not.
                EXPECT_EQ(d.tdrawingtype, type);
                EXPECT_EQ(d.fbnumber, c.fbnumber);
                EXPECT_EQ(d.partnumber, c.partnumber);
                const std::string expected = c.message == TypeNumberPartCase::EmptyNumber
                                                 ? dut.emptyNumberMessage
                                             : c.message == TypeNumberPartCase::TooLong ? dut.tooLongMessage
                                                                                        : "";
                EXPECT_EQ(onlyMessage(), expected);
                EXPECT_EQ(isOpen(d), !c.closes);
                // A refused entry stays in the list as typed.
                if (!c.closes) {
                    EXPECT_EQ(d.controls["cmbfbnumber"].text(), c.number);
                }
            }
        }
    }
}

// ---- "Apply" in the sections dialog ----

TEST_F(UserCodeDialogsTest, SectionsApply) {
    struct Case {
        std::string number, part, fbnumber, partnumber, message;
        bool closes;
    };
    const std::string empty = "Please enter the Sections";
    const std::string tooLong = "please enter only 2 digit for Section number and one for partnumber";
    const Case cases[] = {
        {"AA", "1", "AA", "1", "", true},
        {"AA", "", "AA", "0", "", true},
        {"B", "2", "B", "2", "", true},
        {"ÉÉ", "ß", "ÉÉ", "ß", "", true},  // two characters, four bytes
        {"", "1", "", "1", empty, false},
        {"", "", "", "0", empty, false},
        {"AAA", "1", "AAA", "1", tooLong, false},
        {"AA", "12", "AA", "12", tooLong, false},
        {"AA ", "", "AA ", "0", tooLong, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("number=\"" + c.number + "\" part=\"" + c.part + "\"");
        platform.messages.clear();
        SectionsDialog d;
        open(d);
        d.cmbfbnumber.setText(c.number);
        d.cmbpartnb.setText(c.part);
        frmSections_Command1_Click(program, d);
        EXPECT_EQ(d.tdrawingtype, "Sections");
        EXPECT_EQ(d.fbnumber, c.fbnumber);
        EXPECT_EQ(d.partnumber, c.partnumber);
        EXPECT_EQ(onlyMessage(), c.message);
        EXPECT_EQ(isOpen(d), !c.closes);
    }
}

TEST_F(UserCodeDialogsTest, SectionsApplyChoosingListedEntries) {
    auto& d = dialogs.frmSections;
    open(d);
    d.cmbfbnumber.setListIndex(9);
    d.cmbpartnb.setListIndex(0);
    frmSections_Command1_Click(program, d);
    EXPECT_EQ(d.fbnumber, "JJ");
    EXPECT_EQ(d.partnumber, "1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(isOpen(d));
}

// ---- "Apply" in the other-disciplines dialog ----

TEST_F(UserCodeDialogsTest, OtherDisciplinesApply) {
    struct Case {
        std::string first, second, fbnumber, partnumber;
        bool closes;
    };
    const std::string tooLong = "please enter only two digits for the two first and second Digits";
    const Case cases[] = {
        {"1", "2", "1X", "2X", true},    {"01", "02", "01", "02", true}, {"XX", "XX", "XX", "XX", true},
        {"", "", "", "", true},  // empty passes; the name then carries "00-00"
        {"1", "", "1X", "", true},       {"", "7", "", "7X", true},      {"é", "ßß", "éX", "ßß", true},
        {"123", "1", "123", "1", false},  // nothing appended to a refused entry
        {"1", "123", "1", "123", false}, {"AB ", "", "AB ", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("first=\"" + c.first + "\" second=\"" + c.second + "\"");
        platform.messages.clear();
        OtherDisciplinesDialog d;
        d.tdrawingtype = "untouched";
        open(d);
        d.cmbfbnumber.setText(c.first);
        d.cmbpartnb.setText(c.second);
        frmOtherDiscip_Command1_Click(program, d);
        EXPECT_EQ(d.fbnumber, c.fbnumber);
        EXPECT_EQ(d.partnumber, c.partnumber);
        EXPECT_EQ(d.tdrawingtype, "untouched");
        EXPECT_EQ(onlyMessage(), c.closes ? "" : tooLong);
        EXPECT_EQ(isOpen(d), !c.closes);
    }
}

// ---- results across applies ----

TEST_F(UserCodeDialogsTest, ARefusedApplyReplacesTheResultsOfThePassedOne) {
    auto& d = dialogs.frmArchitecture;
    open(d);
    d.cmbDrawingtype.setListIndex(0);
    d.cmbfbnumber.setText("1");
    frmArchitecture_Command1_Click(program, d);
    ASSERT_FALSE(isOpen(d));
    ASSERT_EQ(d.fbnumber, "1");

    open(d);
    d.cmbDrawingtype.setListIndex(1);
    d.cmbfbnumber.setListIndex(0);  // "00", longer than accepted
    frmArchitecture_Command1_Click(program, d);
    EXPECT_EQ(d.tdrawingtype, "Basement");
    EXPECT_EQ(d.fbnumber, "00");
    EXPECT_EQ(d.partnumber, "0");
    EXPECT_TRUE(isOpen(d));
}

TEST_F(UserCodeDialogsTest, ResultsOutliveTheWindow) {
    auto& d = dialogs.frmOtherDiscip;
    open(d);
    d.cmbfbnumber.setText("4");
    d.cmbpartnb.setText("5");
    frmOtherDiscip_Command1_Click(program, d);
    ASSERT_FALSE(isOpen(d));
    // Reading the results later goes through ensureCreated; it must not reset them.
    ensureCreated(d);
    EXPECT_EQ(d.fbnumber, "4X");
    EXPECT_EQ(d.partnumber, "5X");
}

// ---- which dialog "Press for User Codes" opens ----

enum class Opens { None, Architecture, LegElev, Sections, Other };

struct ChoiceCase {
    std::string discipline;
    std::string modelType;
    Opens opens;
};

const ChoiceCase choiceCases[] = {
    {"Architectural", "Floor Plan", Opens::Architecture},
    {"Architectural", "Roof Plan", Opens::Architecture},
    {"Architectural", "Reflected Ceiling Plan", Opens::Architecture},
    {"Architectural", "Equipment Plan", Opens::Architecture},
    {"Architectural", "Area calculation occupancy Plan", Opens::Architecture},
    {"Architectural", "Demolition_Plan", Opens::Architecture},
    {"Architectural", "Legend", Opens::LegElev},
    {"Architectural", "Schedule", Opens::LegElev},
    {"Architectural", "Details", Opens::LegElev},
    {"Architectural", "Elevations", Opens::LegElev},
    {"Structural", "Legend", Opens::LegElev},
    {"Structural", "Details", Opens::LegElev},
    {"Equipment", "Schedule", Opens::LegElev},
    {"Interiors", "Elevations", Opens::LegElev},
    {"", "Legend", Opens::LegElev},
    {"Architectural", "Sections", Opens::Sections},
    {"Mechanical", "Sections", Opens::Sections},
    {"Structural", "Foundation Plan", Opens::Other},
    {"Structural", "Elevations and Sections", Opens::Other},
    {"Civil", "XSections", Opens::Other},
    {"Civil", "Demolition_Plan", Opens::Other},
    {"Structural", "Demolition_Plan", Opens::Other},
    {"Structural", "Floor Plan", Opens::None},
    {"Structural", "Roof Plan", Opens::None},
    {"Mechanical", "Reflected Ceiling Plan", Opens::None},
    {"Civil", "Area calculation occupancy Plan", Opens::None},
    {"Equipment", "Equipment Plan", Opens::None},
    // Comparisons are exact: case and blanks count.
    {"Architectural", "floor plan", Opens::None},
    {"Architectural", "Floor Plan ", Opens::None},
    {"Architectural", "Foundation Plan", Opens::None},
    {"architectural", "Floor Plan", Opens::None},
    {"architectural", "Foundation Plan", Opens::Other},
    {"Structural", "legend", Opens::Other},
    {"Architectural ", "Demolition_Plan", Opens::Other},
};

TEST_F(UserCodeDialogsTest, PressForUserCodesOpensTheDialogOfDisciplineAndModelType) {
    for (const ChoiceCase& c : choiceCases) {
        SCOPED_TRACE("\"" + c.discipline + "\" / \"" + c.modelType + "\"");
        UserCodeDialogs fresh;
        auto& f = program.form1;
        f.txtcurdiscipline.setText(c.discipline);
        f.cmbModels.setText(c.modelType);
        f.modelName = "KLV-13000-C000-01-A-FP-F1-P0";
        f.txtModelname.setText(f.modelName);

        cmdcode12_Click(program, fresh);

        const std::map<Opens, const UserCodeDialog*> all = {{Opens::Architecture, &fresh.frmArchitecture},
                                                            {Opens::LegElev, &fresh.frmLegElev},
                                                            {Opens::Sections, &fresh.frmSections},
                                                            {Opens::Other, &fresh.frmOtherDiscip}};
        for (const auto& [which, d] : all) {
            SCOPED_TRACE(d->name);
            EXPECT_EQ(isOpen(*d), which == c.opens);
            // The shown dialog exists with its lists filled; the others are not created.
            EXPECT_EQ(d->created, which == c.opens);
            if (which == c.opens) {
                EXPECT_FALSE(d->controls.find("cmbfbnumber")->items().empty());
            }
        }
        // The old name is dropped whether a dialog opens or not.
        EXPECT_EQ(f.modelName, "");
        EXPECT_EQ(f.txtModelname.text(), "");
        EXPECT_TRUE(platform.messages.empty());
    }
}

TEST_F(UserCodeDialogsTest, PressingAgainBringsTheOpenDialogForwardAsItIs) {
    auto& f = program.form1;
    f.txtcurdiscipline.setText("Architectural");
    f.cmbModels.setText("Floor Plan");
    int loads = 0;
    int activations = 0;
    dialogs.frmArchitecture.onLoad = [&] { ++loads; };
    dialogs.frmArchitecture.onActivate = [&] { ++activations; };

    cmdcode12_Click(program, dialogs);
    dialogs.frmArchitecture.cmbfbnumber.setText("3");
    cmdcode12_Click(program, dialogs);

    EXPECT_EQ(loads, 1);
    EXPECT_EQ(activations, 2);
    EXPECT_EQ(dialogs.frmArchitecture.cmbfbnumber.text(), "3");
    EXPECT_TRUE(isOpen(dialogs.frmArchitecture));
}

}  // namespace
}  // namespace trv
