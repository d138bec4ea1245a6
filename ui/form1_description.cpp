#include <string>
#include <utility>
#include <vector>

#include "app/version.h"
#include "catalogue/tables.h"
#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {

namespace {

using K = ControlKind;

// Banners stand out from the working controls: larger and bold.
FontDescription bannerFont() { return {"Arial", 10, true}; }
FontDescription arialFont() { return {"Arial", 0, false}; }

// Design-time entries of lstDisciplines: the seventeen disciplines in the
// order of cmbdisciplines. No code reads this list.
std::vector<std::string> disciplineEntries() {
    std::vector<std::string> names;
    for (const auto& d : catalogue::disciplines())
        if (d.listed) names.push_back(d.name);
    return names;
}

void addHeader(WindowDescription& w) {
    // The manual project code entry. Both stay hidden: picking a code in
    // cmbProjectCode fills txtprojcode and runs the button's handler.
    {
        auto& c = w.add(K::Button, "cmdtypeprojcode", "Enter Project code and Click here",
                      {2400, 0, 1815, 495});
        c.visible = false;
    }
    w.add(K::TextBox, "txtprojcode", "", {4320, 0, 1215, 285}).visible = false;

    w.add(K::Picture, "Image1", "", {840, 120, 1200, 1785});
    w.add(K::Label, "Label14", versionLabel, {10800, 120, 1695, 255});

    // The organisation's name, in English and in French.
    w.add(K::BannerBox, "Text2", "NORTHGATE DESIGN OFFICE", {4920, 360, 3015, 375}).font =
        bannerFont();
    w.add(K::BannerBox, "Text1", "BUREAU D'ÉTUDES NORTHGATE", {4080, 960, 5175, 375}).font =
        bannerFont();
    w.add(K::BannerBox, "Text3", "           CREATION OF CADD MODEL AND SHEET FILES",
        {3240, 1560, 6855, 375})
        .font = bannerFont();

    // Label9 stops where "Version 5.0" begins.
    w.add(K::Label, "Label9", "Choose Discipline Designator 2 (optional)", {8040, 240, 2760, 255});
    w.add(K::ComboBox, "cmbdesignator2", "", {8400, 480, 3495, 315});
}

void addProjectArea(WindowDescription& w) {
    w.add(K::Label, "Label2", "KLV Internal Code :", {5040, 2160, 1710, 255});
    w.add(K::ReadOnlyBox, "txtprojfacilcode", "", {6840, 2040, 1215, 375});

    {
        auto& c = w.add(K::Button, "cmdnewproj",
                      "Creation of a new Project By the Project Manager", {9600, 2280, 2895, 615});
        c.font = arialFont();
    }

    w.add(K::Label, "Label3", "Current Project Code", {3840, 2520, 1800, 255});
    w.add(K::ReadOnlyBox, "txtcurrentproj", "", {5640, 2400, 1935, 375});

    w.add(K::Label, "Label13", "Select Project Code", {3840, 2925, 1710, 255});
    w.add(K::PickList, "cmbProjectCode", "", {5640, 2880, 1935, 315});
    w.add(K::Button, "cmdRefresh", "Refresh", {7680, 2880, 855, 375});

    w.add(K::Label, "Label12", "Facility number ", {4200, 3360, 1440, 255});
    w.add(K::TextBox, "txtfacilitynb", "", {5640, 3240, 1935, 375});

    // Two lines: one line of the caption would run under the box beside it.
    w.add(K::Label, "Label11", "Current Darwing type", {8640, 3360, 1080, 495});
    w.add(K::ReadOnlyBox, "txtcurDrawingtype", "", {9720, 3120, 2175, 375});

    w.add(K::Label, "Label8", "Select Drawing type", {3840, 3840, 1710, 255});
    w.add(K::ComboBox, "cmbdesignasbuilt", "", {5640, 3720, 1935, 315});
}

void addDisciplineArea(WindowDescription& w) {
    w.add(K::Label, "Label5", "Choose Discipline", {720, 4680, 1530, 255});
    w.add(K::ComboBox, "cmbdisciplines", "", {240, 4920, 3615, 315});

    w.add(K::Label, "Label1", "PROJECT NAME", {4080, 4680, 1455, 255});
    w.add(K::ReadOnlyBox, "txtprojname", "", {4080, 4920, 3855, 855});

    w.add(K::Label, "Label4", "Current Discipline", {8280, 4680, 1620, 255});
    w.add(K::ReadOnlyBox, "txtcurdiscipline", "", {8160, 4920, 4095, 375});

    w.add(K::Label, "Label7", "Choose Sub Model File Discipline", {720, 5280, 2880, 255});
    w.add(K::ComboBox, "cmbModels", "", {240, 5520, 3615, 315});

    w.add(K::Label, "Label6", "Select Sheet Type", {8280, 5280, 1530, 255});
    w.add(K::ComboBox, "cmbSheettype", "", {8160, 5520, 4215, 315});

    w.add(K::Button, "cmdcode12", "Press for User Codes", {240, 6000, 1695, 495});

    w.add(K::Button, "Command2", "Find modelfile name of the code :", {3960, 6000, 2415, 375});
    w.add(K::TextBox, "txtmodelfilecodes", "", {6480, 6000, 855, 375});

    w.add(K::Label, "Label10", "Enter Sheet Sequential Number", {8280, 6120, 2400, 255});
    w.add(K::TextBox, "txtSheetusr2", "XX", {10680, 6120, 735, 285});

    w.add(K::Label, "Label15", "Sheet Number in format DDD-X (optional) ",
        {6240, 6600, 3120, 255});
    w.add(K::TextBox, "txtSheetNmbNew", "", {9360, 6600, 1215, 285});

    w.add(K::Button, "cmdModelname", "Click here to see the  Model Name", {240, 6960, 2775, 375});
    w.add(K::ReadOnlyBox, "txtModelname", "", {3120, 6960, 3015, 375});

    w.add(K::Button, "cmdSheetName", "Click here to see the Sheet Name", {6480, 6960, 2775, 375});
    w.add(K::ReadOnlyBox, "txtSheetname", "", {9360, 6960, 3135, 375});
}

void addFileActionsAndTools(WindowDescription& w) {
    {
        // Kept for the record of the chosen version; AutoCAD is always
        // started from the OpenInAutoCAD setting.
        auto& c = w.add(K::ComboBox, "cmbAutocadversion", "AutoCad 2007", {5400, 7440, 2055, 315});
        c.visible = false;
    }

    w.add(K::Button, "cmdCopyModel", "Copy Model Template to My Folder", {240, 7800, 2895, 495});
    w.add(K::Button, "cmdOpen", "Open it in AUTOCAD", {3240, 7800, 2055, 495});
    w.add(K::Button, "cmdcopysheet", "Copy the Sheet Template to My Folder",
        {7560, 7800, 2895, 495});
    w.add(K::Button, "cmdOpen2", "Open it in AUTOCAD", {10680, 7800, 1815, 495});

    w.add(K::Button, "cmdusemanual", "User manual", {240, 8880, 1335, 495});
    w.add(K::Button, "cmdModelslist", "Models lists", {1680, 8880, 1335, 495});
    w.add(K::Button, "cmdaecsymb", "AEC Symbols", {3120, 8880, 1215, 495});
    w.add(K::Button, "cmdncs4", "NCS module 4", {4560, 8880, 1215, 495});
    w.add(K::Button, "cmdNcsNotation", "NCS Notations", {6000, 8880, 1215, 495});
    w.add(K::Button, "cmdtxtscale", "Text Size Calculator", {7560, 8880, 1335, 495});

    w.add(K::Button, "cmdprojecsfile", "Open Projects List", {240, 9600, 1695, 375});
    w.add(K::Button, "cmdCopyres", "Copy resources ", {2520, 9600, 1815, 375});
    w.add(K::Button, "Command1", "Naming Check", {10800, 9480, 1695, 495});
    w.add(K::Button, "cmdcancel", "Cancel", {9240, 9600, 1095, 375});
}

// Below the start-up client area: seen only when the window is enlarged.
void addBelowClientArea(WindowDescription& w) {
    w.add(K::Button, "cmdProjectcode", "Choose Project Code", {240, 10920, 1695, 375});
    w.add(K::ComboBox, "cmbusercode", "", {2040, 10920, 2415, 315});
    w.add(K::ComboBox, "cmbprojectnb", "", {4560, 10920, 735, 315});
    w.add(K::ComboBox, "cmbprojectdate", "", {5400, 10920, 735, 315});
    w.add(K::ComboBox, "cmbfacilitynb", "", {6240, 10920, 735, 315});

    w.add(K::Button, "cmdDisciplines", "Choose Discipline ", {240, 11400, 1695, 375});
    w.add(K::Button, "cmddesignator2", "", {2040, 11400, 495, 375});
    w.add(K::Button, "cmdModels", "", {2640, 11400, 495, 375});
    // Nothing handles these four.
    w.add(K::Button, "cmdSheetusr1", "", {3240, 11400, 495, 375});
    w.add(K::Button, "cmdSheetusr2", "", {3840, 11400, 495, 375});
    w.add(K::Button, "cmdSheet", "", {4440, 11400, 495, 375});
    w.add(K::Button, "cmdModelusr", "", {5040, 11400, 495, 375});

    w.add(K::ListBox, "lstDisciplines", "", {240, 11880, 3615, 1815}).items = disciplineEntries();
    w.add(K::ListBox, "lstsheettype", "", {3960, 11880, 5775, 1815}).items = catalogue::sheetTypes();
}

WindowDescription makeForm1() {
    WindowDescription w;
    w.name = "Form1";
    w.caption = "TRV";
    w.clientWidth = 12660;
    w.clientHeight = 10170;
    w.border = BorderStyle::Sizable;
    w.modal = false;
    w.font = layoutFont();
    addHeader(w);
    addProjectArea(w);
    addDisciplineArea(w);
    addFileActionsAndTools(w);
    addBelowClientArea(w);
    return w;
}

WindowDescription makeHyperLinkMessage() {
    WindowDescription w;
    w.name = "frmHyperLnkMsg";
    w.caption = "TRV message";
    w.clientWidth = 7170;
    w.clientHeight = 2385;
    w.border = BorderStyle::FixedDialog;
    w.modal = true;
    w.font = layoutFont();

    // Filled with the caller's message each time the window is activated;
    // two lines leave room for a longer one.
    w.add(K::Label, "Label4", "", {240, 240, 6690, 495});

    // One sentence over three labels, so that only the document name is the link.
    w.add(K::Label, "Label2", "(See document ", {240, 840, 1140, 255});
    {
        auto& c = w.add(K::Label, "Label1", "\"klv-cadd-std-6\"", {1380, 840, 1140, 255});
        c.link = true;
        c.tooltip = "Click to open";
    }
    w.add(K::Label, "Label3", "for details on preparing the production environment).",
        {2520, 840, 4410, 255});

    w.add(K::Label, "Label5", "The program will now close.", {240, 1320, 6690, 255});
    w.add(K::Button, "Command1", "Ok", {2985, 1800, 1200, 375});
    return w;
}

}  // namespace

const WindowDescription& form1Description() {
    static const WindowDescription desc = makeForm1();
    return desc;
}

const WindowDescription& hyperLinkMessageDescription() {
    static const WindowDescription desc = makeHyperLinkMessage();
    return desc;
}

}  // namespace trv::ui
