#pragma once

#include <string>

#include "app/controls.h"
#include "naming/names.h"

namespace trv {

struct Program;

// A user code dialog. Its three results keep the values of its last "Apply"
// for as long as the program runs, also after the window has closed; a
// dialog never applied yields empty results.
struct UserCodeDialog : WindowModel {
    UserCodeDialog(std::string name, naming::UserCodeDialogKind k) : WindowModel(std::move(name)), kind(k) {}

    const naming::UserCodeDialogKind kind;
    // `tdrawingtype`, `fbnumber` and `partnumber` of the last "Apply".
    naming::DialogResults results;

    // The dialog object exists from the first time it is shown or its
    // results are read; creating it fills its lists (its window stays hidden).
    bool created = false;
};

// "Architectural": floor or basement, its number, and the part number.
struct ArchitectureDialog : UserCodeDialog {
    ArchitectureDialog() : UserCodeDialog("frmArchitecture", naming::UserCodeDialogKind::Architecture) {}
    Control& Label1 = controls.add("Label1");
    Control& cmbDrawingtype = controls.add("cmbDrawingtype");
    Control& Label2 = controls.add("Label2");
    Control& cmbfbnumber = controls.add("cmbfbnumber");
    Control& Label3 = controls.add("Label3");
    Control& cmbpartnb = controls.add("cmbpartnb");
    Control& Command1 = controls.add("Command1");
};

// "Elevation Legend schedule": elevation, detail, legend or schedule, its
// number, and the part number.
struct LegElevDialog : UserCodeDialog {
    LegElevDialog() : UserCodeDialog("frmLegElev", naming::UserCodeDialogKind::LegElev) {}
    Control& Label1 = controls.add("Label1");
    Control& cmbElevLeg = controls.add("cmbElevLeg");
    Control& Label2 = controls.add("Label2");
    Control& cmbfbnumber = controls.add("cmbfbnumber");
    Control& Label3 = controls.add("Label3");
    Control& cmbpartnb = controls.add("cmbpartnb");
    Control& Command1 = controls.add("Command1");
};

// "Sections": the section letters and the part number.
struct SectionsDialog : UserCodeDialog {
    SectionsDialog() : UserCodeDialog("frmSections", naming::UserCodeDialogKind::Sections) {}
    Control& Label1 = controls.add("Label1");
    Control& cmbfbnumber = controls.add("cmbfbnumber");
    Control& Label2 = controls.add("Label2");
    Control& cmbpartnb = controls.add("cmbpartnb");
    Control& Command1 = controls.add("Command1");
};

// "Other disciplines": two free pairs of characters.
struct OtherDisciplinesDialog : UserCodeDialog {
    OtherDisciplinesDialog() : UserCodeDialog("frmOtherDiscip", naming::UserCodeDialogKind::OtherDisciplines) {}
    Control& Label1 = controls.add("Label1");
    Control& cmbfbnumber = controls.add("cmbfbnumber");
    Control& Label2 = controls.add("Label2");
    Control& cmbpartnb = controls.add("cmbpartnb");
    Control& Command1 = controls.add("Command1");
};

struct UserCodeDialogs {
    ArchitectureDialog frmArchitecture;
    LegElevDialog frmLegElev;
    SectionsDialog frmSections;
    OtherDisciplinesDialog frmOtherDiscip;

    // The dialog of a kind; nullptr for None.
    UserCodeDialog* dialogFor(naming::UserCodeDialogKind kind);
};

// Creates the dialog object when it does not exist yet (filling its lists,
// without showing it). Reading results goes through this.
void ensureCreated(UserCodeDialog& dialog);
// Clears and fills the dialog's lists: no entry chosen, empty texts.
void fillDialogLists(UserCodeDialog& dialog);

// "Press for User Codes": opens the dialog for the current discipline and
// model file type, and drops the model name shown so far.
void cmdcode12_Click(Program& p, UserCodeDialogs& dialogs);

// The message "Apply" shows when the dialog refuses its entries.
std::string applyRefusal(naming::UserCodeDialogKind kind, naming::DialogVerdict verdict);

// "Apply" of each dialog.
void frmArchitecture_Command1_Click(Program& p, ArchitectureDialog& d);
void frmLegElev_Command1_Click(Program& p, LegElevDialog& d);
void frmSections_Command1_Click(Program& p, SectionsDialog& d);
void frmOtherDiscip_Command1_Click(Program& p, OtherDisciplinesDialog& d);

}  // namespace trv
