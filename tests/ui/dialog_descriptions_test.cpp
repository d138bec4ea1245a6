#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/recording_platform.h"
#include "naming/user_code_dialogs.h"
#include "ui/application.h"
#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {
namespace {

using K = ControlKind;

const WindowDescription* const dialogs[] = {&architectureDialogDescription(), &legElevDialogDescription(),
                                            &sectionsDialogDescription(),
                                            &otherDisciplinesDialogDescription()};

// ---- the dialogs in the assembled program ----

class DialogWiring : public ::testing::Test {
protected:
    testing::RecordingPlatform platform;
    Application app{platform, platform};
    Program& p = app.program();
    UserCodeDialogs& d = app.dialogs();

    void press(const std::string& discipline, const std::string& modelType) {
        p.form1.txtcurdiscipline.setText(discipline);
        p.form1.cmbModels.setText(modelType);
        p.form1.cmdcode12.click();
    }
};

TEST_F(DialogWiring, EachDialogOpensWithItsDesignAndApplyRunsItsOwnHandler) {
    struct Case {
        std::string discipline, modelType;
        UserCodeDialog* dialog;
        std::string caption;
        std::string untouchedMessage;  // "Apply" pressed on the freshly loaded dialog
    };
    const Case cases[] = {
        {"Architectural", "Roof Plan", &d.frmArchitecture, "Architectural",
         "Please enter the Floor or Basement number"},
        {"Civil", "Legend", &d.frmLegElev, "Elevation Legend schedule",
         "Please enter the Elevation,Legend,Details or Schedule number"},
        {"Landscape", "Sections", &d.frmSections, "Sections", "Please enter the Sections"},
        {"Plumbing", "Piping Plan", &d.frmOtherDiscip, "Other disciplines", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog->name);
        platform.messages.clear();
        press(c.discipline, c.modelType);
        ASSERT_TRUE(c.dialog->visible);
        // Loaded with its design, then its lists filled.
        EXPECT_EQ(c.dialog->caption, c.caption);
        EXPECT_EQ(c.dialog->controls["Label1"].text(), app.desc(c.dialog->name)->controls.front().caption);
        EXPECT_FALSE(c.dialog->controls["cmbfbnumber"].items().empty());
        c.dialog->controls["Command1"].click();
        if (c.untouchedMessage.empty()) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_FALSE(c.dialog->visible);
        } else {
            EXPECT_EQ(platform.messages, std::vector<std::string>{c.untouchedMessage});
            EXPECT_TRUE(c.dialog->visible);
            c.dialog->unload();
        }
    }
}

TEST_F(DialogWiring, AReopenedDialogShowsEmptyListsAndKeepsItsResults) {
    press("Structural", "Foundation Plan");
    auto& w = d.frmOtherDiscip;
    w.cmbfbnumber.setText("1");
    w.cmbpartnb.setListIndex(0);
    w.Command1.click();
    ASSERT_FALSE(w.visible);

    press("Structural", "Foundation Plan");
    ASSERT_TRUE(w.visible);
    EXPECT_EQ(w.cmbfbnumber.text(), "");
    EXPECT_EQ(w.cmbpartnb.text(), "");
    EXPECT_EQ(w.cmbpartnb.listIndex(), -1);
    EXPECT_EQ(w.cmbfbnumber.items(), std::vector<std::string>{"XX"});
    EXPECT_EQ(w.results.fbnumber, "1X");
    EXPECT_EQ(w.results.partnumber, "XX");
}

TEST_F(DialogWiring, ClosingWithTheCloseBoxStoresNothingAndReopensEmpty) {
    press("Architectural", "Sections");
    auto& w = d.frmSections;
    w.cmbfbnumber.setText("CC");
    w.unload();  // the close box
    EXPECT_EQ(w.results.fbnumber, "");

    press("Architectural", "Sections");
    EXPECT_EQ(w.cmbfbnumber.text(), "");
    EXPECT_EQ(w.cmbfbnumber.items().size(), 10u);
}

}  // namespace
}  // namespace trv::ui
