#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "naming/user_code_dialogs.h"
#include "platform/native_platform.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {
namespace {

using K = ControlKind;

struct Row {
    std::string name;
    ControlKind kind;
    std::string caption;
    std::string onClick;
};

struct DialogCase {
    const WindowDescription& (*desc)();
    std::string name;
    std::string caption;
    std::string font;
    std::vector<Row> controls;  // in tab order
};

const std::vector<DialogCase>& dialogCases() {
    static const std::vector<DialogCase> cases = {
        {architectureDialogDescription,
         "frmArchitecture",
         "Architectural",
         "Arial",
         {{"Label1", K::Label, "Drawing Type", ""},
          {"cmbDrawingtype", K::ComboBox, "", ""},
          {"Label2", K::Label, "Floor/basement  Number", ""},
          {"cmbfbnumber", K::ComboBox, "", ""},
          {"Label3", K::Label, "Part Number", ""},
          {"cmbpartnb", K::ComboBox, "", ""},
          {"Command1", K::Button, "Apply", "Command1_Click"}}},
        {legElevDialogDescription,
         "frmLegElev",
         "Elevation Legend schedule",
         "Arial",
         {{"Label1", K::Label, "Drawing Type", ""},
          {"cmbElevLeg", K::ComboBox, "", ""},
          {"Label2", K::Label, "Elevation/Detail/Legend/Schedule Number", ""},
          {"cmbfbnumber", K::ComboBox, "", ""},
          {"Label3", K::Label, "Part Number", ""},
          {"cmbpartnb", K::ComboBox, "", ""},
          {"Command1", K::Button, "Apply", "Command1_Click"}}},
        {sectionsDialogDescription,
         "frmSections",
         "Sections",
         "Arial",
         {{"Label1", K::Label, "Sections:", ""},
          {"cmbfbnumber", K::ComboBox, "", ""},
          {"Label2", K::Label, "Part Number", ""},
          {"cmbpartnb", K::ComboBox, "", ""},
          {"Command1", K::Button, "Apply", "Command1_Click"}}},
        {otherDisciplinesDialogDescription,
         "frmOtherDiscip",
         "Other disciplines",
         "MS Sans Serif",
         {{"Label1", K::Label, "The Two First Digits", ""},
          {"cmbfbnumber", K::ComboBox, "", ""},
          {"Label2", K::Label, "The Two Second Digits", ""},
          {"cmbpartnb", K::ComboBox, "", ""},
          {"Command1", K::Button, "Apply", "Command1_Click"}}},
    };
    return cases;
}

int right(const Twips& t) { return t.left + t.width; }
int bottom(const Twips& t) { return t.top + t.height; }

const Twips& place(const WindowDescription& w, const std::string& name) {
    const ControlDescription* c = w.find(name);
    if (c == nullptr) {
        ADD_FAILURE() << w.name << " has no control " << name;
        static const Twips none;
        return none;
    }
    return c->place;
}

TEST(DialogSpecs, AreFixedDialogsThatAreNotModal) {
    for (const DialogCase& c : dialogCases()) {
        const WindowDescription& w = c.desc();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(w.name, c.name);
        EXPECT_EQ(w.caption, c.caption);
        EXPECT_EQ(w.border, BorderStyle::FixedDialog);
        EXPECT_FALSE(w.modal);
        EXPECT_EQ(w.font.family, c.font);
        EXPECT_GT(w.font.pointSize, 0);
        for (const ControlDescription& control : w.controls) {
            // Every control takes the dialog's font.
            EXPECT_TRUE(control.font.family.empty()) << control.name;
        }
    }
}

TEST(DialogSpecs, ControlsInTabOrderWithTheirCaptionsAndHandlers) {
    for (const DialogCase& c : dialogCases()) {
        const WindowDescription& w = c.desc();
        SCOPED_TRACE(c.name);
        ASSERT_EQ(w.controls.size(), c.controls.size());
        for (std::size_t i = 0; i < c.controls.size(); ++i) {
            const Row& row = c.controls[i];
            const ControlDescription& control = w.controls[i];
            SCOPED_TRACE(row.name);
            EXPECT_EQ(control.name, row.name);
            EXPECT_EQ(control.kind, row.kind);
            EXPECT_EQ(control.caption, row.caption);
            EXPECT_EQ(control.onClick, row.onClick);
            EXPECT_TRUE(control.onChange.empty());
            EXPECT_TRUE(control.visible);
            // The lists are filled when the dialog is loaded, not at design time.
            EXPECT_TRUE(control.items.empty());
        }
    }
}

TEST(DialogSpecs, DescribeExactlyTheControlsOfTheirWindowModels) {
    UserCodeDialogs dialogs;
    const WindowModel* models[] = {&dialogs.frmArchitecture, &dialogs.frmLegElev, &dialogs.frmSections,
                                   &dialogs.frmOtherDiscip};
    for (const WindowModel* model : models) {
        SCOPED_TRACE(model->name);
        const auto& cases = dialogCases();
        const auto it = std::find_if(cases.begin(), cases.end(),
                                     [&](const DialogCase& c) { return c.name == model->name; });
        ASSERT_NE(it, cases.end());
        std::vector<std::string> inModel;
        for (const Control* control : model->controls.all()) inModel.push_back(control->name());
        std::vector<std::string> inDescription;
        for (const ControlDescription& control : it->desc().controls) inDescription.push_back(control.name);
        EXPECT_EQ(inDescription, inModel);
    }
}

TEST(DialogSpecs, EveryListHasItsLabelAboveIt) {
    for (const DialogCase& c : dialogCases()) {
        const WindowDescription& w = c.desc();
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i + 1 < w.controls.size(); ++i) {
            if (w.controls[i].kind != K::Label) continue;
            const ControlDescription& label = w.controls[i];
            const ControlDescription& list = w.controls[i + 1];
            SCOPED_TRACE(label.name + " over " + list.name);
            ASSERT_EQ(list.kind, K::ComboBox);
            EXPECT_EQ(label.place.left, list.place.left);
            EXPECT_LE(bottom(label.place), list.place.top);
            EXPECT_LE(list.place.top - bottom(label.place), 120);  // close enough to read as its label
        }
    }
}

TEST(DialogSpecs, TypeNumberAndPartLayout) {
    for (const auto& [desc, typeList] : {std::pair{&architectureDialogDescription, "cmbDrawingtype"},
                                         std::pair{&legElevDialogDescription, "cmbElevLeg"}}) {
        const WindowDescription& w = (*desc)();
        SCOPED_TRACE(w.name);
        const Twips& type = place(w, typeList);
        const Twips& number = place(w, "cmbfbnumber");
        const Twips& part = place(w, "cmbpartnb");
        const Twips& apply = place(w, "Command1");
        // Drawing type top left: no control to its left, no list above it.
        for (const ControlDescription& c : w.controls) {
            EXPECT_GE(c.place.left, type.left) << c.name;
            if (c.kind == K::ComboBox) {
                EXPECT_GE(c.place.top, type.top) << c.name;
            }
        }
        // Number top right, level with the drawing type.
        EXPECT_EQ(number.top, type.top);
        EXPECT_GT(number.left, right(type));
        // Part below the drawing type.
        EXPECT_EQ(part.left, type.left);
        EXPECT_GT(part.top, bottom(type));
        // "Apply" beside the part list, level with it.
        EXPECT_GT(apply.left, right(part));
        EXPECT_LT(apply.top, bottom(part));
        EXPECT_GT(bottom(apply), part.top);
    }
}

TEST(DialogSpecs, TwoListsSideBySideWithApplyCentredBelow) {
    for (const WindowDescription* w : {&sectionsDialogDescription(), &otherDisciplinesDialogDescription()}) {
        SCOPED_TRACE(w->name);
        const Twips& number = place(*w, "cmbfbnumber");
        const Twips& part = place(*w, "cmbpartnb");
        const Twips& apply = place(*w, "Command1");
        EXPECT_EQ(number.top, part.top);
        EXPECT_GT(part.left, right(number));
        EXPECT_GT(apply.top, std::max(bottom(number), bottom(part)));
        // Centred under the pair and in the window, to a pixel.
        const int pairCentre = (number.left + right(part)) / 2;
        const int applyCentre = apply.left + apply.width / 2;
        EXPECT_LE(std::abs(applyCentre - pairCentre), twipsPerPixel);
        EXPECT_LE(std::abs(applyCentre - w->clientWidth / 2), twipsPerPixel);
    }
}

TEST(DialogSpecs, ControlsLieInsideTheClientAreaWithoutCoveringEachOther) {
    for (const DialogCase& c : dialogCases()) {
        const WindowDescription& w = c.desc();
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < w.controls.size(); ++i) {
            const Twips& a = w.controls[i].place;
            SCOPED_TRACE(w.controls[i].name);
            EXPECT_GT(a.left, 0);
            EXPECT_GT(a.top, 0);
            EXPECT_GT(a.width, 0);
            EXPECT_GT(a.height, 0);
            EXPECT_LT(right(a), w.clientWidth);
            EXPECT_LT(bottom(a), w.clientHeight);
            for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
                const Twips& b = w.controls[j].place;
                const bool across = std::min(right(a), right(b)) > std::max(a.left, b.left);
                const bool down = std::min(bottom(a), bottom(b)) > std::max(a.top, b.top);
                EXPECT_FALSE(across && down) << "overlaps " << w.controls[j].name;
            }
        }
    }
}

// A list shows one line; a label one line of its 8 pt font. Arial's average
// character at 8 pt is about 80 twips wide, MS Sans Serif's about 75.
TEST(DialogSpecs, ControlsHaveTheirUsualSizesAndRoomForTheirCaptions) {
    for (const DialogCase& c : dialogCases()) {
        const WindowDescription& w = c.desc();
        SCOPED_TRACE(c.name);
        const int twipsPerChar = c.font == "Arial" ? 80 : 75;
        for (const ControlDescription& control : w.controls) {
            SCOPED_TRACE(control.name);
            if (control.kind == K::ComboBox) {
                EXPECT_EQ(control.place.height, 315);
                EXPECT_GE(control.place.width, 1200);
            }
            if (control.kind == K::Label) {
                EXPECT_EQ(control.place.height, 255);
                EXPECT_GE(static_cast<std::size_t>(control.place.width),
                          charCount(control.caption) * twipsPerChar);
            }
        }
    }
}

// ---- the dialogs in the assembled program ----

class SilentPlatform : public NativePlatform {
public:
    std::vector<std::string> messages;
    void message(const std::string& text) override { messages.push_back(text); }
    void chooseProgramFor(const std::string&) override {}
    void runModal(const std::string&) override {}
};

class DialogWiring : public ::testing::Test {
protected:
    SilentPlatform platform;
    Application app{platform};
    Program& p = app.program();
    UserCodeDialogs& d = app.dialogs();

    void press(const std::string& discipline, const std::string& modelType) {
        p.form1.txtcurdiscipline.setText(discipline);
        p.form1.cmbModels.setText(modelType);
        p.form1.cmdcode12.click();
    }
};

TEST_F(DialogWiring, TheDialogsAreWindowsOfTheProgramWithTheirDescriptions) {
    for (const DialogCase& c : dialogCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(app.window(c.name), nullptr);
        EXPECT_EQ(app.desc(c.name), &c.desc());
        EXPECT_NE(p.windows.find(c.name), p.windows.end());
    }
}

TEST_F(DialogWiring, AShownDialogHasItsDesignAndItsListsFilled) {
    press("Architectural", "Floor Plan");
    const auto& w = d.frmArchitecture;
    ASSERT_TRUE(w.visible);
    EXPECT_EQ(w.caption, "Architectural");
    EXPECT_EQ(w.Label2.text(), "Floor/basement  Number");
    EXPECT_EQ(w.cmbDrawingtype.items(), (std::vector<std::string>{"Floor", "Basement"}));
    EXPECT_EQ(w.cmbDrawingtype.text(), "");
    EXPECT_EQ(w.cmbfbnumber.items(), (std::vector<std::string>{"00"}));
    EXPECT_EQ(w.cmbpartnb.items(), (std::vector<std::string>{"1"}));
}

TEST_F(DialogWiring, ApplyRunsTheHandlerOfItsOwnDialog) {
    struct Case {
        std::string discipline, modelType;
        UserCodeDialog* dialog;
        std::string untouchedMessage;  // "Apply" pressed on the freshly loaded dialog
    };
    const Case cases[] = {
        {"Architectural", "Roof Plan", &d.frmArchitecture, "Please enter the Floor or Basement number"},
        {"Civil", "Legend", &d.frmLegElev, "Please enter the Elevation,Legend,Details or Schedule number"},
        {"Landscape", "Sections", &d.frmSections, "Please enter the Sections"},
        {"Plumbing", "Piping Plan", &d.frmOtherDiscip, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog->name);
        platform.messages.clear();
        press(c.discipline, c.modelType);
        ASSERT_TRUE(c.dialog->visible);
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
    EXPECT_EQ(w.fbnumber, "1X");
    EXPECT_EQ(w.partnumber, "XX");
}

TEST_F(DialogWiring, ClosingWithTheCloseBoxStoresNothingAndReopensEmpty) {
    press("Architectural", "Sections");
    auto& w = d.frmSections;
    w.cmbfbnumber.setText("CC");
    w.unload();  // the close box
    EXPECT_EQ(w.fbnumber, "");

    press("Architectural", "Sections");
    EXPECT_EQ(w.cmbfbnumber.text(), "");
    EXPECT_EQ(w.cmbfbnumber.items().size(), 10u);
}

}  // namespace
}  // namespace trv::ui
