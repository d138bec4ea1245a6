#include "naming/user_code_dialogs.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "naming/names.h"
#include "platform/text.h"

namespace trv {

namespace {

void fill(Control& list, std::initializer_list<const char*> entries) {
    list.clear();
    for (const char* entry : entries) list.addItem(entry);
}

void fillLists(ArchitectureDialog& d) {
    fill(d.cmbDrawingtype, {"Floor", "Basement"});
    // "00" is longer than Apply accepts: it shows the form, the user types the number.
    fill(d.cmbfbnumber, {"00"});
    fill(d.cmbpartnb, {"1"});
}

void fillLists(LegElevDialog& d) {
    fill(d.cmbElevLeg, {"Elevations", "Details", "Legend", "Schedule"});
    fill(d.cmbfbnumber, {"01"});
    fill(d.cmbpartnb, {"1"});
}

void fillLists(SectionsDialog& d) {
    fill(d.cmbfbnumber, {"AA", "BB", "CC", "DD", "EE", "FF", "GG", "HH", "II", "JJ"});
    fill(d.cmbpartnb, {"1"});
}

void fillLists(OtherDisciplinesDialog& d) {
    fill(d.cmbfbnumber, {"XX"});
    fill(d.cmbpartnb, {"XX"});
}

// Apply has passed: the window goes, the object and its results stay.
void close(UserCodeDialog& d) {
    d.hide();
    d.unload();
}

void showDialog(UserCodeDialog& d) {
    ensureCreated(d);
    d.show();
}

// The architectural and elevation dialogs work alike: a drawing type, a
// number and a part number of one character each.
void applyTypeNumberPart(Program& p, UserCodeDialog& d, const Control& drawingTypeList,
                         const Control& numberList, const Control& partList, const char* emptyNumberMessage,
                         const char* tooLongMessage) {
    // The results are stored before the check, so an entry that is refused
    // still replaces the previous one.
    d.tdrawingtype = drawingTypeList.text();
    d.fbnumber = numberList.text();
    d.partnumber = partList.text();
    if (d.partnumber.empty()) d.partnumber = "0";

    if (d.fbnumber.empty()) {
        p.message(emptyNumberMessage);
    } else if (charCount(d.fbnumber) <= 1 && charCount(d.partnumber) <= 1) {
        close(d);
    } else {
        p.message(tooLongMessage);
    }
}

}  // namespace

void fillDialogLists(UserCodeDialog& dialog) {
    if (auto* d = dynamic_cast<ArchitectureDialog*>(&dialog)) return fillLists(*d);
    if (auto* d = dynamic_cast<LegElevDialog*>(&dialog)) return fillLists(*d);
    if (auto* d = dynamic_cast<SectionsDialog*>(&dialog)) return fillLists(*d);
    if (auto* d = dynamic_cast<OtherDisciplinesDialog*>(&dialog)) return fillLists(*d);
    throw std::logic_error("no lists known for window " + dialog.name);
}

void ensureCreated(UserCodeDialog& dialog) {
    if (dialog.created) return;
    dialog.created = true;
    fillDialogLists(dialog);
}

void cmdcode12_Click(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    // The same choice the model name makes when it derives the user code. For
    // the combinations left over, such as a plan type of the architectural
    // list in another discipline, no dialog opens.
    switch (naming::userCodeDialogFor(f.txtcurdiscipline.text(), f.cmbModels.text())) {
        case naming::UserCodeDialogKind::Architecture:
            showDialog(dialogs.frmArchitecture);
            break;
        case naming::UserCodeDialogKind::LegElev:
            showDialog(dialogs.frmLegElev);
            break;
        case naming::UserCodeDialogKind::Sections:
            showDialog(dialogs.frmSections);
            break;
        case naming::UserCodeDialogKind::OtherDisciplines:
            showDialog(dialogs.frmOtherDiscip);
            break;
        case naming::UserCodeDialogKind::None:
            break;
    }

    // The name shown so far belongs to the old user code.
    f.modelName.clear();
    f.txtModelname.setText("");
}

void frmArchitecture_Command1_Click(Program& p, ArchitectureDialog& d) {
    applyTypeNumberPart(p, d, d.cmbDrawingtype, d.cmbfbnumber, d.cmbpartnb,
                        "Please enter the Floor or Basement number",
                        "please enter only one digit for floor_basement and for part number");
}

void frmLegElev_Command1_Click(Program& p, LegElevDialog& d) {
    applyTypeNumberPart(
        p, d, d.cmbElevLeg, d.cmbfbnumber, d.cmbpartnb,
        "Please enter the Elevation,Legend,Details or Schedule number",
        "please enter only 1 digit for Elevation Detail Legend Schedule number and Partnumber");
}

void frmSections_Command1_Click(Program& p, SectionsDialog& d) {
    d.tdrawingtype = "Sections";
    d.fbnumber = d.cmbfbnumber.text();
    d.partnumber = d.cmbpartnb.text();
    if (d.partnumber.empty()) d.partnumber = "0";

    if (d.fbnumber.empty()) {
        p.message("Please enter the Sections");
    } else if (charCount(d.fbnumber) <= 2 && charCount(d.partnumber) <= 1) {
        close(d);
    } else {
        p.message("please enter only 2 digit for Section number and one for partnumber");
    }
}

void frmOtherDiscip_Command1_Click(Program& p, OtherDisciplinesDialog& d) {
    d.fbnumber = d.cmbfbnumber.text();
    d.partnumber = d.cmbpartnb.text();

    // Empty entries pass: the user code then comes out too short and the
    // model name carries "00-00".
    if (charCount(d.fbnumber) <= 2 && charCount(d.partnumber) <= 2) {
        if (charCount(d.partnumber) == 1) d.partnumber += "X";
        if (charCount(d.fbnumber) == 1) d.fbnumber += "X";
        close(d);
    } else {
        p.message("please enter only two digits for the two first and second Digits");
    }
}

}  // namespace trv
