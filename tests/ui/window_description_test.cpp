#include "ui/window_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/recording_platform.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/windows.h"

namespace trv::ui {
namespace {

using K = ControlKind;

int right(const Twips& t) { return t.left + t.width; }
int bottom(const Twips& t) { return t.top + t.height; }

struct WindowRow {
    const char* name;
    const WindowDescription& (*describe)();
    bool modal;
};

// Every window of the program.
const WindowRow windows[] = {
    {"Form1", form1Description, false},
    {"frmHyperLnkMsg", hyperLinkMessageDescription, true},
    {"frmArchitecture", architectureDialogDescription, false},
    {"frmLegElev", legElevDialogDescription, false},
    {"frmSections", sectionsDialogDescription, false},
    {"frmOtherDiscip", otherDisciplinesDialogDescription, false},
    {"frmfacilprojcode", projectCodeDescription, false},
    {"frmTextScale", textScaleDescription, false},
    {"frmCopyRes", copyResourcesDescription, false},
};

bool resizable(const WindowDescription& w) {
    return w.name == "Form1" || w.name == "frmfacilprojcode" || w.name == "frmTextScale" || w.name == "frmCopyRes";
}

const ControlDescription& control(const WindowDescription& window, const std::string& name) {
    static const ControlDescription none;
    const ControlDescription* found = window.find(name);
    if (found == nullptr) ADD_FAILURE() << window.name << " has no control " << name;
    return found ? *found : none;
}

class AssembledProgram : public ::testing::Test {
protected:
    testing::RecordingPlatform platform;
    Application app{platform, platform};
};

TEST_F(AssembledProgram, EachWindowHasItsDescriptionNamingEveryModelControlOnce) {
    ASSERT_EQ(app.windowNames().size(), std::size(windows));
    for (const WindowRow& row : windows) {
        SCOPED_TRACE(row.name);
        const WindowDescription& desc = row.describe();
        const WindowModel* model = app.window(row.name);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(app.desc(row.name), &desc);
        EXPECT_EQ(desc.name, row.name);
        EXPECT_EQ(desc.modal, row.modal);
        EXPECT_EQ(desc.border, resizable(desc) ? BorderStyle::Sizable : BorderStyle::FixedDialog);
        std::multiset<std::string> described, modelled;
        for (const ControlDescription& c : desc.controls) described.insert(c.name);
        for (const Control* c : model->controls.all()) modelled.insert(c->name());
        EXPECT_EQ(described, modelled);
    }
}

// Each control event is wired once, to a handler named for its control and
// event, and no hook is set outside the table.
TEST_F(AssembledProgram, EveryControlEventIsWiredOnceByTheTableToAHandlerNamedForIt) {
    std::set<std::tuple<std::string, std::string, ControlEvent>> rows;
    for (const EventBinding& e : app.events()) {
        SCOPED_TRACE(e.window + "." + e.control + " " + e.handler);
        EXPECT_TRUE(rows.emplace(e.window, e.control, e.event).second);
        const std::string suffix = e.control + (e.event == ControlEvent::Click ? "_Click" : "_Change");
        EXPECT_TRUE(e.handler.ends_with(suffix));
        ASSERT_NE(app.desc(e.window), nullptr);
        EXPECT_NE(app.desc(e.window)->find(e.control), nullptr);
    }
    for (const WindowRow& row : windows) {
        for (const Control* c : app.window(row.name)->controls.all()) {
            SCOPED_TRACE(std::string(row.name) + "." + c->name());
            EXPECT_EQ(static_cast<bool>(c->onClick), rows.contains({row.name, c->name(), ControlEvent::Click}));
            EXPECT_EQ(static_cast<bool>(c->onChange), rows.contains({row.name, c->name(), ControlEvent::Change}));
        }
    }
}

// No two controls may cover each other; the layout lets neighbours share one
// pixel row or column. Only the resizable windows have controls below their
// opening client area, wholly below it.
TEST(WindowDescriptions, ControlsLieInsideTheClientAreaWithoutCoveringEachOther) {
    for (const WindowRow& row : windows) {
        const WindowDescription& w = row.describe();
        for (std::size_t i = 0; i < w.controls.size(); ++i) {
            const Twips& a = w.controls[i].place;
            SCOPED_TRACE(w.name + "." + w.controls[i].name);
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.width > 0 && a.height > 0);
            EXPECT_LE(right(a), w.clientWidth);
            EXPECT_TRUE(bottom(a) <= w.clientHeight || (resizable(w) && a.top >= w.clientHeight));
            for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
                const Twips& b = w.controls[j].place;
                const int across = std::min(right(a), right(b)) - std::max(a.left, b.left);
                const int down = std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
                EXPECT_FALSE(across > twipsPerPixel && down > twipsPerPixel)
                    << "overlaps " << w.controls[j].name;
            }
        }
    }
}

// A label one line of 8 pt high, and wide enough, per line it has room for,
// for its caption at an average character width of the window's font.
TEST(WindowDescriptions, LabelsHaveRoomForTheirCaptions) {
    for (const WindowRow& row : windows) {
        const WindowDescription& w = row.describe();
        const std::size_t twipsPerChar = w.font.family == "Arial" ? 80 : 65;
        for (const ControlDescription& c : w.controls) {
            if (c.kind != K::Label) continue;
            SCOPED_TRACE(w.name + "." + c.name);
            EXPECT_GE(c.place.height, 255);
            const int lines = std::max(1, c.place.height / 240);
            EXPECT_GE(static_cast<std::size_t>(lines * c.place.width), charCount(c.caption) * twipsPerChar);
        }
    }
}

TEST(HyperLinkMessageDescription, OneSentenceWithOnlyTheDocumentNameAsLink) {
    const WindowDescription& w = hyperLinkMessageDescription();
    for (const ControlDescription& c : w.controls) {
        EXPECT_EQ(c.link, c.name == "Label1") << c.name;
        EXPECT_EQ(c.tooltip, c.name == "Label1" ? "Click to open" : "") << c.name;
    }
    const Twips& message = control(w, "Label4").place;
    const Twips& before = control(w, "Label2").place;
    const Twips& link = control(w, "Label1").place;
    const Twips& after = control(w, "Label3").place;
    const Twips& closing = control(w, "Label5").place;
    const Twips& ok = control(w, "Command1").place;
    EXPECT_LE(bottom(message), before.top);
    EXPECT_EQ(link.top, before.top);
    EXPECT_EQ(after.top, before.top);
    EXPECT_LE(right(before), link.left);
    EXPECT_LE(right(link), after.left);
    EXPECT_LE(bottom(after), closing.top);
    EXPECT_LE(bottom(closing), ok.top);
    EXPECT_LE(std::abs(2 * ok.left + ok.width - w.clientWidth), 2 * twipsPerPixel);  // centred
}

TEST(WindowDescriptionFind, FindsAControlOfItsOwnWindowByItsExactName) {
    const WindowDescription& w = form1Description();
    const ControlDescription* found = w.find("cmbModels");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, "cmbModels");
    EXPECT_TRUE(found >= w.controls.data() && found < w.controls.data() + w.controls.size());
    EXPECT_EQ(w.find("cmbmodels"), nullptr);  // letter case counts
    EXPECT_EQ(w.find(""), nullptr);
    EXPECT_EQ(hyperLinkMessageDescription().find("cmbModels"), nullptr);
}

}  // namespace
}  // namespace trv::ui
