#pragma once

#include <string>

#include "app/controls.h"

namespace trv {

struct Program;

// The project code screen `frmfacilprojcode`, where a project manager creates
// and registers a new internal project code and opens its style sheet.
struct ProjectCodeWindow : WindowModel {
    ProjectCodeWindow() : WindowModel("frmfacilprojcode") {}

    // The area on show when the screen opens.
    Control& Text1 = controls.add("Text1");
    Control& Label20 = controls.add("Label20");  // the organisation's name
    Control& Label21 = controls.add("Label21");
    Control& Label1 = controls.add("Label1");
    Control& Label2 = controls.add("Label2");
    Control& Label3 = controls.add("Label3");
    Control& Label4 = controls.add("Label4");
    Control& txtIdYear = controls.add("txtIdYear");
    Control& txtIdSerial = controls.add("txtIdSerial");
    Control& Label5 = controls.add("Label5");
    Control& Label6 = controls.add("Label6");
    Control& cmbPlanSecContType = controls.add("cmbPlanSecContType");
    Control& txtContSerialNmb = controls.add("txtContSerialNmb");
    Control& Label7 = controls.add("Label7");
    Control& txtprojname = controls.add("txtprojname");
    Control& cmdcreateintprojcode = controls.add("cmdcreateintprojcode");
    Control& cmdchangesheet = controls.add("cmdchangesheet");

    // Below it, seen when the window is enlarged; only "Cancel" acts.
    Control& Label8 = controls.add("Label8");
    Control& txtFacBldgNo = controls.add("txtFacBldgNo");
    Control& Label9 = controls.add("Label9");
    Control& cmbDrawDiscipline = controls.add("cmbDrawDiscipline");
    Control& Label10 = controls.add("Label10");
    Control& cmbDrawType = controls.add("cmbDrawType");
    Control& Label11 = controls.add("Label11");
    Control& txtDrawTypeSerial = controls.add("txtDrawTypeSerial");
    Control& Label12 = controls.add("Label12");
    Control& txtSheetNmb = controls.add("txtSheetNmb");
    Control& Label13 = controls.add("Label13");
    Control& Label14 = controls.add("Label14");
    Control& cmbusercode = controls.add("cmbusercode");
    Control& Label15 = controls.add("Label15");
    Control& cmbprojectnb = controls.add("cmbprojectnb");
    Control& Label16 = controls.add("Label16");
    Control& cmbprojectdate = controls.add("cmbprojectdate");
    Control& Label17 = controls.add("Label17");
    Control& cmbfacilitynb = controls.add("cmbfacilitynb");
    Control& Label18 = controls.add("Label18");
    Control& Label19 = controls.add("Label19");
    Control& txtintprojnb = controls.add("txtintprojnb");
    Control& Label22 = controls.add("Label22");
    Control& txtprojectcodef = controls.add("txtprojectcodef");
    Control& cmdcancel = controls.add("cmdcancel");

    // The code of the last creation attempt that got as far as composing it.
    std::string currentCode;
};

// The main window's "Creation of a new Project By the Project Manager":
// shows the screen, not modally.
void cmdnewproj_Click(ProjectCodeWindow& w);

// The screen's handlers.
void frmfacilprojcode_Form_Load(Program& p, ProjectCodeWindow& w);
void frmfacilprojcode_cmdcreateintprojcode_Click(Program& p, ProjectCodeWindow& w);
void frmfacilprojcode_cmdchangesheet_Click(Program& p, ProjectCodeWindow& w);
void frmfacilprojcode_cmdcancel_Click(ProjectCodeWindow& w);

}  // namespace trv
