#include "naming/user_code_dialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/program.h"
#include "support/recording_platform.h"

namespace trv {
namespace {

using Strings = std::vector<std::string>;

class UserCodeDialogsTest : public ::testing::Test {
protected:
    testing::RecordingPlatform platform;
    Program program{platform, platform};
    UserCodeDialogs dialogs;

    // The dialog on show, its lists filled, as "Press for User Codes" leaves it.
    void open(UserCodeDialog& d) {
        platform.messages.clear();
        ensureCreated(d);
        d.show();
        ASSERT_TRUE(d.visible);
    }
    // The dialog's "Apply", with the message it gave ("" for none).
    template <class Dialog>
    std::string apply(void (*handler)(Program&, Dialog&), Dialog& d) {
        handler(program, d);
        EXPECT_LE(platform.messages.size(), 1u);
        return platform.messages.empty() ? "" : platform.messages.front();
    }
};

bool isOpen(const UserCodeDialog& d) { return d.visible && d.loaded; }

TEST_F(UserCodeDialogsTest, CreatingADialogFillsItsListsOnceAndKeepsItHidden) {
    auto& d = dialogs.frmSections;
    ensureCreated(d);
    EXPECT_TRUE(d.created);
    EXPECT_FALSE(d.visible || d.loaded);
    EXPECT_EQ(d.cmbfbnumber.items().size(), 10u);
    // Reading the results of an open dialog must not wipe what the user typed.
    d.show();
    d.cmbfbnumber.setText("BB");
    ensureCreated(d);
    EXPECT_EQ(d.cmbfbnumber.text(), "BB");
    EXPECT_TRUE(d.visible);
}

// The results are stored whether the check passes or not; a refused entry
// stays in its list as typed.
struct ApplyCase {
    std::string number, part;          // as the lists show them
    std::string fbnumber, partnumber;  // the results
    enum { None, EmptyNumber, TooLong } message;
};

TEST_F(UserCodeDialogsTest, ArchitecturalAndElevationApplyTakeOneCharacterEach) {
    const ApplyCase cases[] = {
        {"1", "", "1", "0", ApplyCase::None},
        {"9", "3", "9", "3", ApplyCase::None},
        {"A", "b", "A", "b", ApplyCase::None},  // letters are accepted
        {"é", "ß", "é", "ß", ApplyCase::None},  // one character, two bytes each
        {"", "", "", "0", ApplyCase::EmptyNumber},
        {"", "12", "", "12", ApplyCase::EmptyNumber},  // the empty number comes first
        {"12", "", "12", "0", ApplyCase::TooLong},
        {"1", "12", "1", "12", ApplyCase::TooLong},
        {"00", "1", "00", "1", ApplyCase::TooLong},  // the listed entry
        {"1 ", "", "1 ", "0", ApplyCase::TooLong},   // a blank is a character
        {"éé", "", "éé", "0", ApplyCase::TooLong},
    };
    const Strings architectureMessages = {
        "", "Please enter the Floor or Basement number",
        "please enter only one digit for floor_basement and for part number"};
    const Strings elevationMessages = {
        "", "Please enter the Elevation,Legend,Details or Schedule number",
        "please enter only 1 digit for Elevation Detail Legend Schedule number and Partnumber"};
    for (const ApplyCase& c : cases) {
        for (const std::string type : {"Basement", "floor", ""}) {  // stored as typed
            SCOPED_TRACE("type=\"" + type + "\" number=\"" + c.number + "\" part=\"" + c.part + "\"");
            UserCodeDialogs fresh;
            auto& a = fresh.frmArchitecture;
            auto& e = fresh.frmLegElev;
            open(a);
            a.cmbDrawingtype.setText(type);
            a.cmbfbnumber.setText(c.number);
            a.cmbpartnb.setText(c.part);
            EXPECT_EQ(apply(frmArchitecture_Command1_Click, a), architectureMessages[c.message]);
            open(e);
            e.cmbElevLeg.setText(type);
            e.cmbfbnumber.setText(c.number);
            e.cmbpartnb.setText(c.part);
            EXPECT_EQ(apply(frmLegElev_Command1_Click, e), elevationMessages[c.message]);
            for (const UserCodeDialog* d :
                 {static_cast<UserCodeDialog*>(&a), static_cast<UserCodeDialog*>(&e)}) {
                EXPECT_EQ(d->results.tdrawingtype, type);
                EXPECT_EQ(d->results.fbnumber, c.fbnumber);
                EXPECT_EQ(d->results.partnumber, c.partnumber);
                EXPECT_EQ(isOpen(*d), c.message != ApplyCase::None) << d->name;
                EXPECT_TRUE(!isOpen(*d) || d->controls.find("cmbfbnumber")->text() == c.number);
            }
        }
    }
}

TEST_F(UserCodeDialogsTest, SectionsApplyTakesTwoCharactersAndOne) {
    const ApplyCase cases[] = {
        {"AA", "1", "AA", "1", ApplyCase::None},      {"AA", "", "AA", "0", ApplyCase::None},
        {"B", "2", "B", "2", ApplyCase::None},        {"ÉÉ", "ß", "ÉÉ", "ß", ApplyCase::None},
        {"", "1", "", "1", ApplyCase::EmptyNumber},   {"", "", "", "0", ApplyCase::EmptyNumber},
        {"AAA", "1", "AAA", "1", ApplyCase::TooLong}, {"AA", "12", "AA", "12", ApplyCase::TooLong},
        {"AA ", "", "AA ", "0", ApplyCase::TooLong},
    };
    const Strings messages = {"", "Please enter the Sections",
                              "please enter only 2 digit for Section number and one for partnumber"};
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE("number=\"" + c.number + "\" part=\"" + c.part + "\"");
        SectionsDialog d;
        open(d);
        d.cmbfbnumber.setText(c.number);
        d.cmbpartnb.setText(c.part);
        EXPECT_EQ(apply(frmSections_Command1_Click, d), messages[c.message]);
        EXPECT_EQ(d.results.tdrawingtype, "Sections");
        EXPECT_EQ(d.results.fbnumber, c.fbnumber);
        EXPECT_EQ(d.results.partnumber, c.partnumber);
        EXPECT_EQ(isOpen(d), c.message != ApplyCase::None);
    }
}

// Up to two characters each; one is made two with an "X". Empty passes: the
// name then carries "00-00".
TEST_F(UserCodeDialogsTest, OtherDisciplinesApplyTakesTwoCharactersEach) {
    const ApplyCase cases[] = {
        {"1", "2", "1X", "2X", ApplyCase::None},
        {"01", "02", "01", "02", ApplyCase::None},
        {"", "", "", "", ApplyCase::None},
        {"1", "", "1X", "", ApplyCase::None},
        {"", "7", "", "7X", ApplyCase::None},
        {"é", "ßß", "éX", "ßß", ApplyCase::None},
        {"123", "1", "123", "1", ApplyCase::TooLong},  // nothing appended to a refused entry
        {"1", "123", "1", "123", ApplyCase::TooLong},
        {"AB ", "", "AB ", "", ApplyCase::TooLong},
    };
    for (const ApplyCase& c : cases) {
        SCOPED_TRACE("first=\"" + c.number + "\" second=\"" + c.part + "\"");
        OtherDisciplinesDialog d;
        d.results.tdrawingtype = "untouched";
        open(d);
        d.cmbfbnumber.setText(c.number);
        d.cmbpartnb.setText(c.part);
        EXPECT_EQ(apply(frmOtherDiscip_Command1_Click, d),
                  c.message == ApplyCase::None
                      ? ""
                      : "please enter only two digits for the two first and second Digits");
        EXPECT_EQ(d.results.fbnumber, c.fbnumber);
        EXPECT_EQ(d.results.partnumber, c.partnumber);
        EXPECT_EQ(d.results.tdrawingtype, "untouched");
        EXPECT_EQ(isOpen(d), c.message != ApplyCase::None);
    }
}

// Which dialog opens is the choice names_test checks in full; here that the
// press shows that one dialog, creates no other, and drops the old name.
TEST_F(UserCodeDialogsTest, PressForUserCodesOpensTheDialogOfDisciplineAndModelType) {
    const char* cases[][3] = {{"Architectural", "Roof Plan", "frmArchitecture"},
                              {"Equipment", "Schedule", "frmLegElev"},
                              {"Mechanical", "Sections", "frmSections"},
                              {"Civil", "XSections", "frmOtherDiscip"},
                              {"Structural", "Floor Plan", "none"}};
    for (const auto& [discipline, modelType, opens] : cases) {
        UserCodeDialogs fresh;
        auto& f = program.form1;
        f.txtcurdiscipline.setText(discipline);
        f.cmbModels.setText(modelType);
        f.txtModelname.setText("KLV-13000-C000-01-A-FP-F1-P0");
        cmdcode12_Click(program, fresh);
        for (const UserCodeDialog* d : std::vector<const UserCodeDialog*>{
                 &fresh.frmArchitecture, &fresh.frmLegElev, &fresh.frmSections, &fresh.frmOtherDiscip}) {
            EXPECT_EQ(isOpen(*d), d->name == opens) << modelType << ": " << d->name;
            EXPECT_EQ(d->created, d->name == opens) << modelType << ": " << d->name;
            EXPECT_EQ(d->controls.find("cmbfbnumber")->items().empty(), d->name != opens) << d->name;
        }
        EXPECT_EQ(f.txtModelname.text(), "") << modelType;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UserCodeDialogsTest, PressingAgainBringsTheOpenDialogForwardAsItIs) {
    auto& f = program.form1;
    f.txtcurdiscipline.setText("Architectural");
    f.cmbModels.setText("Floor Plan");
    int loads = 0, activations = 0;
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
