#include "ui/window_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/windows.h"

namespace trv::ui {
namespace {

using K = ControlKind;

// Form1 controls whose whole rectangle the screen layout fixes.
struct Placed {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
};

const Placed form1Placed[] = {
    {"Label14", K::Label, "Version 5.0", 10800, 120, 1695, 255},
    {"Text3", K::BannerBox, "           CREATION OF CADD MODEL AND SHEET FILES", 3240, 1560, 6855,
     375},
    {"Image1", K::Picture, "", 840, 120, 1200, 1785},
    {"cmbdesignator2", K::ComboBox, "", 8400, 480, 3495, 315},
    {"txtprojfacilcode", K::ReadOnlyBox, "", 6840, 2040, 1215, 375},
    {"cmdnewproj", K::Button, "Creation of a new Project By the Project Manager", 9600, 2280, 2895,
     615},
    {"txtcurrentproj", K::ReadOnlyBox, "", 5640, 2400, 1935, 375},
    {"cmbProjectCode", K::PickList, "", 5640, 2880, 1935, 315},
    {"cmdRefresh", K::Button, "Refresh", 7680, 2880, 855, 375},
    {"txtfacilitynb", K::TextBox, "", 5640, 3240, 1935, 375},
    {"txtcurDrawingtype", K::ReadOnlyBox, "", 9720, 3120, 2175, 375},
    {"cmbdesignasbuilt", K::ComboBox, "", 5640, 3720, 1935, 315},
    {"cmbdisciplines", K::ComboBox, "", 240, 4920, 3615, 315},
    {"txtprojname", K::ReadOnlyBox, "", 4080, 4920, 3855, 855},
    {"txtcurdiscipline", K::ReadOnlyBox, "", 8160, 4920, 4095, 375},
    {"cmbModels", K::ComboBox, "", 240, 5520, 3615, 315},
    {"cmbSheettype", K::ComboBox, "", 8160, 5520, 4215, 315},
    {"cmdcode12", K::Button, "Press for User Codes", 240, 6000, 1695, 495},
    {"txtmodelfilecodes", K::TextBox, "", 6480, 6000, 855, 375},
    {"txtSheetusr2", K::TextBox, "XX", 10680, 6120, 735, 285},
    {"txtSheetNmbNew", K::TextBox, "", 9360, 6600, 1215, 285},
    {"txtModelname", K::ReadOnlyBox, "", 3120, 6960, 3015, 375},
    {"txtSheetname", K::ReadOnlyBox, "", 9360, 6960, 3135, 375},
    {"cmdCopyModel", K::Button, "Copy Model Template to My Folder", 240, 7800, 2895, 495},
    {"cmdOpen", K::Button, "Open it in AUTOCAD", 3240, 7800, 2055, 495},
    {"cmdcopysheet", K::Button, "Copy the Sheet Template to My Folder", 7560, 7800, 2895, 495},
    {"cmdOpen2", K::Button, "Open it in AUTOCAD", 10680, 7800, 1815, 495},
    {"cmbAutocadversion", K::ComboBox, "AutoCad 2007", 5400, 7440, 2055, 315},
    {"cmdusemanual", K::Button, "User manual", 240, 8880, 1335, 495},
    {"cmdModelslist", K::Button, "Models lists", 1680, 8880, 1335, 495},
    {"cmdaecsymb", K::Button, "AEC Symbols", 3120, 8880, 1215, 495},
    {"cmdncs4", K::Button, "NCS module 4", 4560, 8880, 1215, 495},
    {"cmdNcsNotation", K::Button, "NCS Notations", 6000, 8880, 1215, 495},
    {"cmdtxtscale", K::Button, "Text Size Calculator", 7560, 8880, 1335, 495},
    {"cmdprojecsfile", K::Button, "Open Projects List", 240, 9600, 1695, 375},
    {"cmdCopyres", K::Button, "Copy resources ", 2520, 9600, 1815, 375},
    {"cmdcancel", K::Button, "Cancel", 9240, 9600, 1095, 375},
    {"Command1", K::Button, "Naming Check", 10800, 9480, 1695, 495},
};

// Form1 controls of which the layout fixes only the top-left corner.
// A null caption is one the layout leaves open (the organisation banners).
struct Anchored {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top;
};

const Anchored form1Anchored[] = {
    {"Text2", K::BannerBox, nullptr, 4920, 360},
    {"Text1", K::BannerBox, nullptr, 4080, 960},
    {"Label9", K::Label, "Choose Discipline Designator 2 (optional)", 8040, 240},
    {"Label2", K::Label, "KLV Internal Code :", 5040, 2160},
    {"Label3", K::Label, "Current Project Code", 3840, 2520},
    {"Label13", K::Label, "Select Project Code", 3840, 2925},
    {"Label12", K::Label, "Facility number ", 4200, 3360},
    {"Label11", K::Label, "Current Darwing type", 8640, 3360},
    {"Label8", K::Label, "Select Drawing type", 3840, 3840},
    {"txtprojcode", K::TextBox, "", 4320, 0},
    {"cmdtypeprojcode", K::Button, "Enter Project code and Click here", 2400, 0},
    {"Label5", K::Label, "Choose Discipline", 720, 4680},
    {"Label1", K::Label, "PROJECT NAME", 4080, 4680},
    {"Label4", K::Label, "Current Discipline", 8280, 4680},
    {"Label7", K::Label, "Choose Sub Model File Discipline", 720, 5280},
    {"Label6", K::Label, "Select Sheet Type", 8280, 5280},
    {"Command2", K::Button, "Find modelfile name of the code :", 3960, 6000},
    {"Label10", K::Label, "Enter Sheet Sequential Number", 8280, 6120},
    {"Label15", K::Label, "Sheet Number in format DDD-X (optional) ", 6240, 6600},
    {"cmdModelname", K::Button, "Click here to see the  Model Name", 240, 6960},
    {"cmdSheetName", K::Button, "Click here to see the Sheet Name", 6480, 6960},
};

// Controls placed below the start-up client area; their place is free.
struct Named {
    const char* name;
    ControlKind kind;
    const char* caption;
};

const Named form1BelowArea[] = {
    {"cmdProjectcode", K::Button, "Choose Project Code"},
    {"cmbusercode", K::ComboBox, ""},
    {"cmbprojectnb", K::ComboBox, ""},
    {"cmbprojectdate", K::ComboBox, ""},
    {"cmbfacilitynb", K::ComboBox, ""},
    {"cmdDisciplines", K::Button, "Choose Discipline "},
    {"cmddesignator2", K::Button, ""},
    {"cmdModels", K::Button, ""},
    {"cmdSheetusr1", K::Button, ""},
    {"cmdSheetusr2", K::Button, ""},
    {"cmdSheet", K::Button, ""},
    {"cmdModelusr", K::Button, ""},
    {"lstDisciplines", K::ListBox, ""},
    {"lstsheettype", K::ListBox, ""},
};

constexpr int form1Width = 12660;
constexpr int form1Height = 10170;
constexpr int belowAreaTop = 10920;

const ControlDescription& control(const WindowDescription& window, const std::string& name) {
    const ControlDescription* found = window.find(name);
    if (found == nullptr) {
        ADD_FAILURE() << window.name << " has no control " << name;
        static const ControlDescription none;
        return none;
    }
    return *found;
}

std::size_t charCount(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int right(const Twips& t) { return t.left + t.width; }
int bottom(const Twips& t) { return t.top + t.height; }

TEST(Form1Description, IsTheSizableMainWindow) {
    const WindowDescription& w = form1Description();
    EXPECT_EQ(w.name, "Form1");
    EXPECT_EQ(w.caption, "TRV");
    EXPECT_EQ(w.clientWidth, form1Width);
    EXPECT_EQ(w.clientHeight, form1Height);
    EXPECT_EQ(w.border, BorderStyle::Sizable);
    EXPECT_FALSE(w.modal);
}

TEST(Form1Description, ControlsWithAFixedRectangleMatchTheLayout) {
    const WindowDescription& w = form1Description();
    for (const Placed& row : form1Placed) {
        SCOPED_TRACE(row.name);
        const ControlDescription& c = control(w, row.name);
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.caption, row.caption);
        EXPECT_EQ(c.place.left, row.left);
        EXPECT_EQ(c.place.top, row.top);
        EXPECT_EQ(c.place.width, row.width);
        EXPECT_EQ(c.place.height, row.height);
    }
}

TEST(Form1Description, AnchoredControlsSitAtTheirCornerWithASize) {
    const WindowDescription& w = form1Description();
    for (const Anchored& row : form1Anchored) {
        SCOPED_TRACE(row.name);
        const ControlDescription& c = control(w, row.name);
        EXPECT_EQ(c.kind, row.kind);
        if (row.caption != nullptr) {
            EXPECT_EQ(c.caption, row.caption);
        } else {
            EXPECT_FALSE(c.caption.empty());
        }
        EXPECT_EQ(c.place.left, row.left);
        EXPECT_EQ(c.place.top, row.top);
        EXPECT_GT(c.place.width, 0);
        EXPECT_GT(c.place.height, 0);
    }
}

TEST(Form1Description, HoldsExactlyTheControlsOfTheWindow) {
    std::set<std::string> expected;
    for (const Placed& row : form1Placed) expected.insert(row.name);
    for (const Anchored& row : form1Anchored) expected.insert(row.name);
    for (const Named& row : form1BelowArea) expected.insert(row.name);

    std::set<std::string> actual;
    for (const ControlDescription& c : form1Description().controls) actual.insert(c.name);
    EXPECT_EQ(actual, expected);
}

TEST(WindowDescriptions, ControlNamesAreUnique) {
    for (const WindowDescription* w : {&form1Description(), &hyperLinkMessageDescription()}) {
        SCOPED_TRACE(w->name);
        std::map<std::string, int> seen;
        for (const ControlDescription& c : w->controls) ++seen[c.name];
        for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
    }
}

TEST(Form1Description, StartUpControlsLieInsideTheStartUpClientArea) {
    for (const ControlDescription& c : form1Description().controls) {
        if (c.place.top >= belowAreaTop) continue;
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.place.left, 0);
        EXPECT_GE(c.place.top, 0);
        EXPECT_GT(c.place.width, 0);
        EXPECT_GT(c.place.height, 0);
        EXPECT_LE(right(c.place), form1Width);
        EXPECT_LE(bottom(c.place), form1Height);
    }
}

TEST(Form1Description, SpareControlsLieBelowTheStartUpClientArea) {
    const WindowDescription& w = form1Description();
    std::set<std::string> expected;
    for (const Named& row : form1BelowArea) {
        SCOPED_TRACE(row.name);
        expected.insert(row.name);
        const ControlDescription& c = control(w, row.name);
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.caption, row.caption);
        EXPECT_GT(c.place.width, 0);
        EXPECT_GT(c.place.height, 0);
    }
    std::set<std::string> below;
    for (const ControlDescription& c : w.controls) {
        if (c.place.top >= belowAreaTop) below.insert(c.name);
    }
    EXPECT_EQ(below, expected);
}

TEST(Form1Description, OnlyTheManualCodeEntryAndTheVersionListStartHidden) {
    std::set<std::string> hidden;
    for (const ControlDescription& c : form1Description().controls) {
        if (!c.visible) hidden.insert(c.name);
    }
    EXPECT_EQ(hidden,
              (std::set<std::string>{"txtprojcode", "cmdtypeprojcode", "cmbAutocadversion"}));
}

TEST(Form1Description, EveryButtonButTheFourSpareOnesCallsItsClickHandler) {
    std::set<std::string> withoutHandler;
    for (const ControlDescription& c : form1Description().controls) {
        if (c.kind != K::Button) continue;
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.onChange.empty());
        if (c.onClick.empty()) {
            withoutHandler.insert(c.name);
        } else {
            EXPECT_EQ(c.onClick, c.name + "_Click");
        }
    }
    EXPECT_EQ(withoutHandler,
              (std::set<std::string>{"cmdSheetusr1", "cmdSheetusr2", "cmdSheet", "cmdModelusr"}));
}

TEST(Form1Description, ListAndBoxEventsCallTheirHandlers) {
    struct Wiring {
        std::string onClick;
        std::string onChange;
    };
    const std::map<std::string, Wiring> wired = {
        {"cmbProjectCode", {"cmbProjectCode_Click", ""}},
        {"cmbdesignasbuilt", {"cmbdesignasbuilt_Click", ""}},
        {"cmbdisciplines", {"cmbdisciplines_Click", ""}},
        {"cmbModels", {"cmbModels_Click", "cmbModels_Change"}},
        {"cmbSheettype", {"cmbSheettype_Click", ""}},
        {"cmbAutocadversion", {"cmbAutocadversion_Click", ""}},
        {"txtfacilitynb", {"", "txtfacilitynb_Change"}},
    };
    for (const ControlDescription& c : form1Description().controls) {
        if (c.kind == K::Button) continue;
        SCOPED_TRACE(c.name);
        const auto it = wired.find(c.name);
        const Wiring expected = it == wired.end() ? Wiring{} : it->second;
        EXPECT_EQ(c.onClick, expected.onClick);
        EXPECT_EQ(c.onChange, expected.onChange);
    }
}

TEST(Form1Description, BannersAndTheNewProjectButtonUseArial) {
    const WindowDescription& w = form1Description();
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        SCOPED_TRACE(name);
        const FontDescription& f = control(w, name).font;
        EXPECT_EQ(f.family, "Arial");
        EXPECT_TRUE(f.bold);
        EXPECT_GT(f.pointSize, w.font.pointSize);
    }
    EXPECT_EQ(control(w, "cmdnewproj").font.family, "Arial");
    EXPECT_NE(control(w, "Text1").caption, control(w, "Text2").caption);
}

TEST(Form1Description, SpareListsHoldTheirDesignTimeEntries) {
    const WindowDescription& w = form1Description();
    const std::vector<std::string> disciplines = {"Architectural",    "Civil",
                                                  "Electrical",       "Equipment",
                                                  "Fire_Protection",  "Hazardous_Materials",
                                                  "General",          "Geotechnical",
                                                  "Interiors",        "Landscape",
                                                  "Marine_Works",     "Mechanical",
                                                  "Plumbing",         "Roads",
                                                  "Structural",       "Survey_and_Mapping",
                                                  "Telecommunication"};
    const std::vector<std::string> sheetTypes = {
        "0:General(Symbols, legend, notes, titles, cover, etc)",
        "1:Layouts&site plans",
        "2:Plans",
        "3:Elevations & Sections(vertical views)",
        "4:Enlarged scale(plans, elevations, stair sections that are not details)",
        "5:Details",
        "6:Schedules & Diagrams",
        "7:Spare",
        "8:Combined content(Plans, Elevations, Sections, layouts, on one sheet)",
        "9:3D Representations(isometric, perspectives, photographs)"};
    EXPECT_EQ(control(w, "lstDisciplines").items, disciplines);
    EXPECT_EQ(control(w, "lstsheettype").items, sheetTypes);

    // Every other list is filled by code at start-up or by its handlers.
    for (const ControlDescription& c : w.controls) {
        if (c.name == "lstDisciplines" || c.name == "lstsheettype") continue;
        EXPECT_TRUE(c.items.empty()) << c.name;
    }
}

// No two controls may cover each other; the layout itself lets neighbours
// share one pixel row or column, so that much is allowed.
void expectNoOverlap(const WindowDescription& w) {
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
            const Twips& a = w.controls[i].place;
            const Twips& b = w.controls[j].place;
            const int across = std::min(right(a), right(b)) - std::max(a.left, b.left);
            const int down = std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
            EXPECT_FALSE(across > twipsPerPixel && down > twipsPerPixel)
                << w.name << ": " << w.controls[i].name << " overlaps " << w.controls[j].name;
        }
    }
}

TEST(WindowDescriptions, ControlsDoNotCoverEachOther) {
    expectNoOverlap(form1Description());
    expectNoOverlap(hyperLinkMessageDescription());
}

// No caption of these windows averages under 65 twips (about four pixels)
// a character in the 8 pt default font, so a label narrower than that, per
// line it has room for, cuts its caption off.
TEST(WindowDescriptions, LabelsHaveRoomForTheirCaptions) {
    constexpr int minTwipsPerChar = 65;
    constexpr int lineHeight = 240;
    for (const WindowDescription* w : {&form1Description(), &hyperLinkMessageDescription()}) {
        for (const ControlDescription& c : w->controls) {
            if (c.kind != K::Label) continue;
            SCOPED_TRACE(w->name + "." + c.name);
            const int lines = std::max(1, c.place.height / lineHeight);
            EXPECT_GE(c.place.height, 255);
            EXPECT_GE(static_cast<std::size_t>(lines * c.place.width),
                      charCount(c.caption) * minTwipsPerChar);
        }
    }
}

TEST(HyperLinkMessageDescription, IsAModalFixedDialog) {
    const WindowDescription& w = hyperLinkMessageDescription();
    EXPECT_EQ(w.name, "frmHyperLnkMsg");
    EXPECT_EQ(w.caption, "TRV message");
    EXPECT_EQ(w.clientWidth, 7170);
    EXPECT_EQ(w.clientHeight, 2385);
    EXPECT_EQ(w.border, BorderStyle::FixedDialog);
    EXPECT_TRUE(w.modal);
}

TEST(HyperLinkMessageDescription, ControlsInReadingOrder) {
    struct Row {
        const char* name;
        ControlKind kind;
        const char* caption;
        const char* onClick;
    };
    const Row rows[] = {
        {"Label4", K::Label, "", ""},
        {"Label2", K::Label, "(See document ", ""},
        {"Label1", K::Label, "\"klv-cadd-std-6\"", "Label1_Click"},
        {"Label3", K::Label, "for details on preparing the production environment).", ""},
        {"Label5", K::Label, "The program will now close.", ""},
        {"Command1", K::Button, "Ok", "Command1_Click"},
    };
    const WindowDescription& w = hyperLinkMessageDescription();
    ASSERT_EQ(w.controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ControlDescription& c = w.controls[i];
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(c.name, rows[i].name);
        EXPECT_EQ(c.kind, rows[i].kind);
        EXPECT_EQ(c.caption, rows[i].caption);
        EXPECT_EQ(c.onClick, rows[i].onClick);
        EXPECT_TRUE(c.onChange.empty());
        EXPECT_TRUE(c.visible);
        // Only the document name is a link.
        EXPECT_EQ(c.link, c.name == "Label1");
        EXPECT_EQ(c.tooltip, c.name == "Label1" ? "Click to open" : "");
    }
}

TEST(HyperLinkMessageDescription, LayoutReadsTopToBottomAndLeftToRight) {
    const WindowDescription& w = hyperLinkMessageDescription();
    for (const ControlDescription& c : w.controls) {
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.place.left, 0);
        EXPECT_GE(c.place.top, 0);
        EXPECT_LE(right(c.place), w.clientWidth);
        EXPECT_LE(bottom(c.place), w.clientHeight);
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
    // Centred, to the pixel.
    EXPECT_LE(std::abs(2 * ok.left + ok.width - w.clientWidth), 2 * twipsPerPixel);
}

TEST(WindowSpecFind, FindsControlsByTheirExactName) {
    struct Case {
        const WindowDescription* window;
        const char* name;
        bool found;
    };
    const Case cases[] = {
        {&form1Description(), "cmbModels", true},
        {&form1Description(), "Command1", true},
        {&form1Description(), "lstsheettype", true},
        {&form1Description(), "cmbmodels", false},  // letter case counts
        {&form1Description(), "Label16", false},
        {&form1Description(), "", false},
        {&hyperLinkMessageDescription(), "Label1", true},
        {&hyperLinkMessageDescription(), "cmbModels", false},  // belongs to the other window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window->name + "." + c.name);
        const ControlDescription* result = c.window->find(c.name);
        if (c.found) {
            ASSERT_NE(result, nullptr);
            EXPECT_EQ(result->name, c.name);
            EXPECT_GE(result, c.window->controls.data());
            EXPECT_LT(result, c.window->controls.data() + c.window->controls.size());
        } else {
            EXPECT_EQ(result, nullptr);
        }
    }
}

}  // namespace
}  // namespace trv::ui
