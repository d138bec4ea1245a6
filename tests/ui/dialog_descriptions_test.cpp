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

int right(const Twips& t) { return t.left + t.width; }
int bottom(const Twips& t) { return t.top + t.height; }

const Twips& place(const WindowDescription& w, const std::string& name) {
    static const Twips none;
    const ControlDescription* c = w.find(name);
    if (c == nullptr) ADD_FAILURE() << w.name << " has no control " << name;
    return c ? c->place : none;
}

const WindowDescription* const dialogs[] = {&architectureDialogDescription(), &legElevDialogDescription(),
                                            &sectionsDialogDescription(),
                                            &otherDisciplinesDialogDescription()};

TEST(DialogDescriptions, EveryListHasItsLabelJustAboveItAndTheDialogsFont) {
    for (const WindowDescription* w : dialogs) {
        SCOPED_TRACE(w->name);
        EXPECT_GT(w->font.pointSize, 0);
        for (std::size_t i = 0; i < w->controls.size(); ++i) {
            const ControlDescription& label = w->controls[i];
            EXPECT_TRUE(label.font.family.empty()) << label.name;
            if (label.kind != K::Label) continue;
            ASSERT_LT(i + 1, w->controls.size());
            const ControlDescription& list = w->controls[i + 1];  // next in tab order
            SCOPED_TRACE(label.name + " over " + list.name);
            ASSERT_EQ(list.kind, K::ComboBox);
            EXPECT_EQ(label.place.left, list.place.left);
            EXPECT_LE(bottom(label.place), list.place.top);
            EXPECT_LE(list.place.top - bottom(label.place), 120);  // close enough to read as its label
        }
    }
}

TEST(DialogDescriptions, TypeNumberAndPartLayout) {
    for (const auto& [w, typeList] :
         {std::pair{dialogs[0], "cmbDrawingtype"}, std::pair{dialogs[1], "cmbElevLeg"}}) {
        SCOPED_TRACE(w->name);
        const Twips& type = place(*w, typeList);
        const Twips& number = place(*w, "cmbfbnumber");
        const Twips& part = place(*w, "cmbpartnb");
        const Twips& apply = place(*w, "Command1");
        for (const ControlDescription& c : w->controls) {  // the drawing type top left
            EXPECT_GE(c.place.left, type.left) << c.name;
            EXPECT_TRUE(c.kind != K::ComboBox || c.place.top >= type.top) << c.name;
        }
        EXPECT_EQ(number.top, type.top);  // the number top right
        EXPECT_GT(number.left, right(type));
        EXPECT_EQ(part.left, type.left);  // the part below the drawing type
        EXPECT_GT(part.top, bottom(type));
        EXPECT_GT(apply.left, right(part));  // "Apply" beside the part, level with it
        EXPECT_TRUE(apply.top < bottom(part) && bottom(apply) > part.top);
    }
}

TEST(DialogDescriptions, TwoListsSideBySideWithApplyCentredBelow) {
    for (const WindowDescription* w : {dialogs[2], dialogs[3]}) {
        SCOPED_TRACE(w->name);
        const Twips& number = place(*w, "cmbfbnumber");
        const Twips& part = place(*w, "cmbpartnb");
        const Twips& apply = place(*w, "Command1");
        EXPECT_EQ(number.top, part.top);
        EXPECT_GT(part.left, right(number));
        EXPECT_GT(apply.top, std::max(bottom(number), bottom(part)));
        const int applyCentre = apply.left + apply.width / 2;  // under the pair and in the window
        EXPECT_LE(std::abs(applyCentre - (number.left + right(part)) / 2), twipsPerPixel);
        EXPECT_LE(std::abs(applyCentre - w->clientWidth / 2), twipsPerPixel);
    }
}

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
