#include "naming/user_code_dialogs.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "app/program.h"
#include "naming/names.h"
#include "platform/text.h"

namespace trv {

namespace {

void fillLists(ArchitectureDialog& d) {
    d.cmbDrawingtype.setItems({"Floor", "Basement"});
    // "00" is longer than Apply accepts: it shows the form, the user types the number.
    d.cmbfbnumber.setItems({"00"});
    d.cmbpartnb.setItems({"1"});
}

void fillLists(LegElevDialog& d) {
    d.cmbElevLeg.setItems({"Elevations", "Details", "Legend", "Schedule"});
    d.cmbfbnumber.setItems({"01"});
    d.cmbpartnb.setItems({"1"});
}

void fillLists(SectionsDialog& d) {
    d.cmbfbnumber.setItems({"AA", "BB", "CC", "DD", "EE", "FF", "GG", "HH", "II", "JJ"});
    d.cmbpartnb.setItems({"1"});
}

void fillLists(OtherDisciplinesDialog& d) {
    d.cmbfbnumber.setItems({"XX"});
    d.cmbpartnb.setItems({"XX"});
}

// "Apply": the entries are stored (also when they are refused, so a refused
// entry still replaces the previous one); accepted, the window goes, the
// object and its results stay.
void apply(Program& p, UserCodeDialog& d, naming::DialogResults entered) {
    const auto applied = naming::applyDialogEntries(d.kind, std::move(entered));
    d.results = applied.stored;
    if (applied.verdict == naming::DialogVerdict::Accepted) {
        d.hide();
        d.unload();
    } else {
        p.message(applyRefusal(d.kind, applied.verdict));
    }
}

void showDialog(UserCodeDialog& d) {
    ensureCreated(d);
    d.show();
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

UserCodeDialog* UserCodeDialogs::dialogFor(naming::UserCodeDialogKind kind) {
    switch (kind) {
        case naming::UserCodeDialogKind::Architecture:
            return &frmArchitecture;
        case naming::UserCodeDialogKind::LegElev:
            return &frmLegElev;
        case naming::UserCodeDialogKind::Sections:
            return &frmSections;
        case naming::UserCodeDialogKind::OtherDisciplines:
            return &frmOtherDiscip;
        case naming::UserCodeDialogKind::None:
            break;
    }
    return nullptr;
}

void cmdcode12_Click(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    // The same choice the model name makes when it derives the user code. For
    // the combinations left over, such as a plan type of the architectural
    // list in another discipline, no dialog opens.
    if (UserCodeDialog* d = dialogs.dialogFor(naming::userCodeDialogFor(f.txtcurdiscipline.text(), f.cmbModels.text())))
        showDialog(*d);
    // The name shown so far belongs to the old user code.
    f.txtModelname.setText("");
}

std::string applyRefusal(naming::UserCodeDialogKind kind, naming::DialogVerdict verdict) {
    using K = naming::UserCodeDialogKind;
    const bool missing = verdict == naming::DialogVerdict::NumberMissing;
    switch (kind) {
        case K::Architecture:
            return missing ? "Please enter the Floor or Basement number"
                           : "please enter only one digit for floor_basement and for part number";
        case K::LegElev:
            return missing ? "Please enter the Elevation,Legend,Details or Schedule number"
                           : "please enter only 1 digit for Elevation Detail Legend Schedule number and Partnumber";
        case K::Sections:
            return missing ? "Please enter the Sections"
                           : "please enter only 2 digit for Section number and one for partnumber";
        case K::OtherDisciplines:
            return missing ? "" : "please enter only two digits for the two first and second Digits";
        case K::None:
            break;
    }
    return {};
}

void frmArchitecture_Command1_Click(Program& p, ArchitectureDialog& d) {
    apply(p, d, {d.cmbDrawingtype.text(), d.cmbfbnumber.text(), d.cmbpartnb.text()});
}

void frmLegElev_Command1_Click(Program& p, LegElevDialog& d) {
    apply(p, d, {d.cmbElevLeg.text(), d.cmbfbnumber.text(), d.cmbpartnb.text()});
}

void frmSections_Command1_Click(Program& p, SectionsDialog& d) {
    apply(p, d, {"", d.cmbfbnumber.text(), d.cmbpartnb.text()});
}

void frmOtherDiscip_Command1_Click(Program& p, OtherDisciplinesDialog& d) {
    apply(p, d, {d.results.tdrawingtype, d.cmbfbnumber.text(), d.cmbpartnb.text()});
}

}  // namespace trv
