#include "naming/naming_handlers.h"

#include "app/program.h"
#include "naming/drawings.h"
#include "naming/name_composition.h"
#include "naming/user_code_dialogs.h"

namespace trv {
namespace {

// Shows an outcome of the main window's operations.
template <class T>
void show(Program& p, const Outcome<T>& outcome) {
    trv::show(p.ui, outcome, &p.form1);
}

// A typed entry as a name takes it; nothing when it is refused (then shown).
std::optional<std::string> acceptEntry(Program& p, const Outcome<std::string>& entry) {
    show(p, entry);
    return entry.value;
}

// The facility number padded, upper-cased and written back into its box (a
// change there re-accepts the project). Nothing when it is refused or the
// program ended meanwhile.
std::optional<std::string> writeBackFacilityNumber(Program& p) {
    auto& f = p.form1;
    const auto padded = acceptEntry(p, facilityNumberEntry(f.txtfacilitynb.text()));
    if (!padded) return std::nullopt;
    f.txtfacilitynb.setText(*padded);
    if (p.ended) return std::nullopt;
    return padded;
}

// The results of the dialog that gives the user code; the dialog object is
// created (its lists filled, not shown) when it does not exist yet.
naming::DialogResults resultsOf(UserCodeDialogs& dialogs, naming::UserCodeDialogKind kind) {
    UserCodeDialog* d = dialogs.dialogFor(kind);
    if (!d) return {};
    ensureCreated(*d);
    return d->results;
}

// Composes the model name of the window's choices and shows it; the drawing
// the copy and open buttons act on. Nothing when a step stopped it.
std::optional<ModelDrawing> composeModel(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    const auto facility = writeBackFacilityNumber(p);
    if (!facility) return std::nullopt;
    ModelNameRequest r;
    r.codeBox = f.txtprojcode.text();
    r.discipline = f.cmbdisciplines.text();
    r.modelType = f.cmbModels.text();
    r.facility = *facility;
    r.dialog = naming::userCodeDialogFor(f.txtcurdiscipline.text(), f.cmbModels.text());
    r.dialogResults = resultsOf(dialogs, r.dialog);
    r.userCode = f.userCode;
    r.project = f.project;
    const auto c = composeModelFileName(p.platform, p.paths, r);
    f.project = c.project;
    f.userCode = c.userCode;
    show(p, c);
    if (!c.value) return std::nullopt;
    f.txtModelname.setText(*c.value);
    f.showProject(c.project);
    return ModelDrawing{*c.value, r.modelType, r.discipline, c.project, std::nullopt};
}

// Composes the sheet name of the window's choices and shows it.
std::optional<SheetDrawing> composeSheet(Program& p) {
    auto& f = p.form1;
    if (f.txtprojcode.text().empty()) {
        const auto saved = readCurrentProject(p.platform, p.paths);
        if (saved.status != ReadStatus::Read) {
            p.message(saved.status == ReadStatus::Missing ? "Please select a project" : "Unknown error");
            return std::nullopt;
        }
    }
    const auto facility = writeBackFacilityNumber(p);
    if (!facility) return std::nullopt;

    const auto number = acceptEntry(p, sheetNumberEntry(f.txtSheetNmbNew.text()));
    if (!number) return std::nullopt;
    if (!number->empty()) f.txtSheetNmbNew.setText(*number);

    SheetNameRequest r;
    r.codeBox = f.txtprojcode.text();
    r.discipline = f.cmbdisciplines.text();
    r.sheetType = f.cmbSheettype.text();
    r.sheetTypeIndex = f.cmbSheettype.listIndex();
    r.facility = *facility;
    r.sheetNumber = *number;
    r.project = f.project;
    const auto c = composeSheetFileName(p.platform, p.paths, r);
    f.project = c.project;
    show(p, c);
    if (!c.value) return std::nullopt;
    f.showSheetName(*c.value);
    f.showProject(c.project);
    return SheetDrawing{*c.value, r.discipline, c.project, std::nullopt};
}

// Opens a drawing the user was told about; a CAD program that cannot start
// says so.
void open(Program& p, const std::string& drawing) {
    try {
        openDrawing(p.platform, p.ui, p.settings, drawing);
    } catch (const std::exception&) {
        p.message("Cannot find acad.exe in the AutoCAD path defined in the TRV.ini !!!");
    }
}

}  // namespace

void cmdModelname_Click(Program& p, UserCodeDialogs& dialogs) { composeModel(p, dialogs); }

void cmdSheetName_Click(Program& p) { composeSheet(p); }

void cmdCopyModel_Click(Program& p, UserCodeDialogs& dialogs) {
    if (const auto drawing = composeModel(p, dialogs)) show(p, createModelDrawing(p.platform, p.paths, *drawing));
}

void cmdcopysheet_Click(Program& p) {
    if (const auto drawing = composeSheet(p)) show(p, createSheetDrawing(p.platform, p.paths, *drawing));
}

void cmdOpen_Click(Program& p, UserCodeDialogs& dialogs) {
    const auto drawing = composeModel(p, dialogs);
    if (!drawing) return;
    const auto located = locateModelDrawing(p.platform, p.paths, *drawing);
    show(p, located);
    if (located.value) open(p, *located.value);
}

void cmdOpen2_Click(Program& p) {
    auto& f = p.form1;
    if (f.txtSheetname.text().empty() && (!composeSheet(p) || f.txtSheetname.text().empty())) return;
    const auto located =
        locateSheetDrawing(p.platform, p.paths, {f.txtSheetname.text(), f.sheetName, f.cmbdisciplines.text(), f.project});
    show(p, located);
    if (located.value) open(p, *located.value);
}

}  // namespace trv
