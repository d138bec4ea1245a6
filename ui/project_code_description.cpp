#include <string>
#include <utility>

#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {

namespace {

using K = ControlKind;

// The banner is set in a serif face, larger and bold.
FontDescription bannerFont() { return {"Times New Roman", 14, true}; }
FontDescription codePrefixFont() { return {"MS Sans Serif", 10, true}; }

// The code's pieces left to right under their labels, the contract type
// list with its serial, the name, and the two commands.
void addCodeArea(WindowDescription& w) {
    w.add(K::BannerBox, "Text1", "CREATION OF THE  KLV PROJECT CODES", {240, 120, 9210, 495}).font =
        bannerFont();

    w.add(K::Label, "Label20", "NORTHGATE DESIGN OFFICE", {240, 780, 2280, 255});
    w.add(K::Label, "Label21", "KLV", {2640, 750, 615, 300}).font = codePrefixFont();

    w.add(K::Label, "Label1", "Year", {1740, 1260, 495, 255});
    w.add(K::Label, "Label2", "Running Serial", {2340, 1260, 1335, 255});
    w.add(K::Label, "Label3", "Project ID :", {240, 1590, 1200, 255});
    w.add(K::Label, "Label4", "20", {1500, 1590, 255, 255});
    w.add(K::TextBox, "txtIdYear", "13", {1740, 1560, 495, 315});
    w.add(K::TextBox, "txtIdSerial", "000", {2340, 1560, 735, 315});

    w.add(K::Label, "Label5", "Planning Section Contract Type", {240, 2100, 2760, 255});
    w.add(K::Label, "Label6", "Contract Serial Number :", {5520, 2100, 2160, 255});
    w.add(K::PickList, "cmbPlanSecContType", "", {240, 2400, 5055, 315});
    w.add(K::TextBox, "txtContSerialNmb", "000", {5520, 2400, 735, 315});

    w.add(K::Label, "Label7", "Project Name and Description :", {240, 2985, 2400, 255});
    w.add(K::TextBox, "txtprojname", "", {2760, 2955, 6690, 855});

    w.add(K::Button, "cmdcreateintprojcode", "Create Project Codes", {240, 4200, 2415, 495});
    w.add(K::Button, "cmdchangesheet", "Enter Sheet information", {7035, 4200, 2415, 495});
}

// Fields of a fuller form of the screen, below its opening size. No command
// reads them; they are filled when the screen opens.
void addBelowClientArea(WindowDescription& w) {
    w.add(K::Label, "Label8", "Facility/Bldg no :", {240, 5550, 1440, 255});
    w.add(K::TextBox, "txtFacBldgNo", "XX", {1740, 5520, 615, 315});
    w.add(K::Label, "Label9", "Drawing discipline :", {2760, 5550, 1680, 255});
    w.add(K::PickList, "cmbDrawDiscipline", "", {4500, 5520, 3000, 315});

    w.add(K::Label, "Label10", "Drawing Type", {240, 6030, 1200, 255});
    w.add(K::PickList, "cmbDrawType", "", {1500, 6000, 5415, 315});
    w.add(K::Label, "Label11", "Drawing Type Number :", {7080, 6030, 1800, 255});
    w.add(K::TextBox, "txtDrawTypeSerial", "000", {8880, 6000, 615, 315});

    w.add(K::Label, "Label12", "Sheet Number :", {240, 6510, 1200, 255});
    w.add(K::TextBox, "txtSheetNmb", "", {1500, 6480, 1215, 315});
    w.add(K::Label, "Label13", "ONLY if drawing is part of set of other directly related sheets",
        {2880, 6510, 6570, 255});

    w.add(K::Label, "Label14", "Project Owner", {240, 6960, 1200, 255});
    w.add(K::ComboBox, "cmbusercode", "", {240, 7230, 3000, 315});
    w.add(K::Label, "Label15", "Contract Serial", {3480, 6960, 1335, 255});
    w.add(K::ComboBox, "cmbprojectnb", "", {3480, 7230, 1200, 315});
    w.add(K::Label, "Label16", "Project date", {4920, 6960, 1200, 255});
    w.add(K::ComboBox, "cmbprojectdate", "", {4920, 7230, 1200, 315});
    w.add(K::Label, "Label17", "Facility Number", {6360, 6960, 1335, 255});
    w.add(K::ComboBox, "cmbfacilitynb", "", {6360, 7230, 1335, 315});

    w.add(K::Label, "Label18", "Project Name and Description", {240, 7800, 2520, 255});

    w.add(K::Label, "Label19", "Internal Code", {240, 8280, 1200, 255});
    w.add(K::ReadOnlyBox, "txtintprojnb", "", {240, 8550, 2400, 315});
    w.add(K::Label, "Label22", "Contract Project Code", {2880, 8280, 1800, 255});
    w.add(K::ReadOnlyBox, "txtprojectcodef", "", {2880, 8550, 2400, 315});
    w.add(K::Button, "cmdcancel", "Cancel", {8235, 8520, 1215, 375});
}

WindowDescription makeProjectCode() {
    WindowDescription w;
    w.name = "frmfacilprojcode";
    w.caption = "Create Internal QTN project code";
    w.clientWidth = 9690;
    w.clientHeight = 5175;
    w.border = BorderStyle::Sizable;
    w.modal = false;
    w.font = layoutFont();
    addCodeArea(w);
    addBelowClientArea(w);
    return w;
}

}  // namespace

const WindowDescription& projectCodeDescription() {
    static const WindowDescription desc = makeProjectCode();
    return desc;
}

}  // namespace trv::ui
