#include "naming/compose.h"

#include "app/program.h"
#include "app/state_files.h"
#include "catalogue/choices.h"
#include "naming/names.h"
#include "naming/user_code_dialogs.h"
#include "platform/records.h"
#include "platform/text.h"
#include "projects/projects.h"

namespace trv {
namespace {

// A check failed: its message has been shown; the composition stops.
bool quit(Program& p) {
    if (p.form1.quitFlag != "quit") return false;
    p.form1.quitFlag.clear();
    return true;
}

// Names and folders are built from what the user typed; a value that cannot
// stand in a file or folder name stops the composition before anything is created.
bool refuseUnsafe(Program& p, const std::string& field, const std::string& value, bool folder = false) {
    if (folder ? naming::isSafeFolderName(value) : naming::isSafeNamePart(value)) return false;
    p.message("Error : The " + field + " \"" + value + "\" cannot be used in a file or folder name.");
    return true;
}

// Step shared by both compositions: the facility number padded, upper-cased
// and written back into its box (which re-accepts the project when it changes).
std::optional<std::string> facilityNumber(Program& p) {
    auto& f = p.form1;
    const auto padded = naming::padFacilityNumber(f.txtfacilitynb.text());
    if (!padded) {
        p.message("Error : Wrong input for facility number. Two digit/letter input is expected.");
        f.txtfacilitynb.focused = true;
        return std::nullopt;
    }
    if (refuseUnsafe(p, "facility number", *padded)) return std::nullopt;
    f.txtfacilitynb.setText(*padded);
    if (p.ended) return std::nullopt;
    return padded;
}

// Reads curproject.txt into the project fields; throws when it is missing or short.
void readCurrentProjectFile(Program& p) {
    auto& f = p.form1;
    const std::string path = userStatePath(p, curProjectFile);
    if (!p.platform.isPresent(path)) throw RuntimeFailure("missing " + path);
    FieldReader reader(p.platform.readFile(path));
    f.projectCode = reader.next();
    f.projectName = reader.next();
    f.internalCode = reader.next();
}

// The project for a composition with an empty code box: the saved current
// project. False (after "Please select a project") when there is none.
bool projectFromSavedChoice(Program& p) {
    if (!p.platform.isPresent(userStatePath(p, curProjectFile))) {
        p.message("Please select a project");
        return false;
    }
    readCurrentProjectFile(p);
    return true;
}

// The project of the code box: its record read and checked, the discipline
// checked, and the folder tree made ready.
bool projectFromCodeBox(Program& p) {
    ReadProjectRecord(p);
    CheckInternalNumber(p);
    if (quit(p)) return false;
    checkDisciplineChosen(p);
    if (quit(p)) return false;
    if (refuseUnsafe(p, "discipline", p.form1.cmbdisciplines.text(), true)) return false;
    ensureProjectFolders(p);
    return true;
}

naming::DialogResults resultsOf(UserCodeDialog& d) {
    ensureCreated(d);
    return {d.tdrawingtype, d.fbnumber, d.partnumber};
}

}  // namespace

std::string drawingFolder(const Program& p, const std::string& project, const std::string& drawingType,
                          const std::string& discipline, const std::string& kind) {
    return p.settings.ProjectRoot + "\\PROJECTS\\" + project + "\\" + drawingType + "\\" + discipline + "\\" +
           kind;
}

void ensureProjectFolders(Program& p) {
    auto& f = p.form1;
    const std::string& d = f.cmbdisciplines.text();
    const std::string root = p.settings.ProjectRoot + "\\PROJECTS";
    const std::string project = root + "\\" + f.projectCode;
    f.projectFolders = {root,
                        project,
                        project + "\\DESIGN",
                        project + "\\DESIGN\\" + d,
                        project + "\\DESIGN\\" + d + "\\MODEL_FILES",
                        project + "\\DESIGN\\" + d + "\\SHEET_FILES",
                        project + "\\AS-BUILT",
                        project + "\\AS-BUILT\\" + d,
                        project + "\\AS-BUILT\\" + d + "\\MODEL_FILES",
                        project + "\\AS-BUILT\\" + d + "\\SHEET_FILES"};
    for (const auto& folder : f.projectFolders) {
        try {
            if (p.platform.testFolder(folder) == FolderTest::NotFound) p.platform.createFolder(folder);
        } catch (const std::exception&) {
        }
    }
}

void userCodeArch(Program& p, UserCodeDialogs& dialogs) {
    p.form1.userCode = naming::userCodeFrom(naming::UserCodeDialogKind::Architecture,
                                            resultsOf(dialogs.frmArchitecture));
}

void userCodeLegElev(Program& p, UserCodeDialogs& dialogs) {
    p.form1.userCode =
        naming::userCodeFrom(naming::UserCodeDialogKind::LegElev, resultsOf(dialogs.frmLegElev));
}

void userCodeSections(Program& p, UserCodeDialogs& dialogs) {
    p.form1.userCode =
        naming::userCodeFrom(naming::UserCodeDialogKind::Sections, resultsOf(dialogs.frmSections));
}

void userCodeOther(Program& p, UserCodeDialogs& dialogs) {
    p.form1.userCode = "-";
    p.form1.userCode = naming::userCodeFrom(naming::UserCodeDialogKind::OtherDisciplines,
                                            resultsOf(dialogs.frmOtherDiscip));
}

void cmdModelname_Click(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    try {
        const auto facility = facilityNumber(p);
        if (!facility) return;

        if (f.txtprojcode.text().empty()) {
            if (!projectFromSavedChoice(p)) return;
        } else if (!projectFromCodeBox(p)) {
            return;
        }

        checkDisciplineChosen(p);
        if (quit(p)) return;
        if (refuseUnsafe(p, "discipline", f.cmbdisciplines.text(), true)) return;
        ensureProjectFolders(p);
        checkModelChosen(p);
        if (quit(p)) return;
        if (refuseUnsafe(p, "model file type", f.cmbModels.text())) return;

        modeltypecode1(p);
        f.modelTypeName = f.cmbModels.text();

        switch (naming::userCodeDialogFor(f.txtcurdiscipline.text(), f.cmbModels.text())) {
            case naming::UserCodeDialogKind::Architecture:
                userCodeArch(p, dialogs);
                break;
            case naming::UserCodeDialogKind::LegElev:
                userCodeLegElev(p, dialogs);
                break;
            case naming::UserCodeDialogKind::Sections:
                userCodeSections(p, dialogs);
                break;
            case naming::UserCodeDialogKind::OtherDisciplines:
                userCodeOther(p, dialogs);
                break;
            case naming::UserCodeDialogKind::None:
                break;
        }
        if (refuseUnsafe(p, "user code", f.userCode)) return;

        readCurrentProjectFile(p);
        if (charCount(f.userCode) != 5) f.userCode = "00-00";
        // The designator follows the discipline the drawing is filed under.
        disciplinecode1(p);
        f.modelName =
            naming::composeModelName(f.internalCode, *facility, f.disciplineCode, f.modelTypeCode, f.userCode);
        f.txtModelname.setText(f.modelName);
        f.txtprojname.setText(f.projectName);
        f.txtprojfacilcode.setText(f.internalCode);
    } catch (const std::exception&) {
        p.message("Unknown error");
    }
}

std::string GetProjectSheetNumber(Program& p, const std::string& projCode, const std::string& strSheetNameBase) {
    auto& f = p.form1;
    const std::string typeFile = userStatePathByFolder(p, curDrawingTypeFile);
    const auto drawingType = readPresentRecord(p, typeFile, 1);
    if (!drawingType) {
        p.message("Missing file : " + p.platform.displayPath(typeFile));
        return "000";
    }
    f.drawingType = (*drawingType)[0];
    const std::string folder =
        drawingFolder(p, projCode, f.drawingType, f.cmbdisciplines.text(), "SHEET_FILES");
    std::vector<std::string> names;
    try {
        names = p.platform.listFilesStartingWith(folder, strSheetNameBase);
    } catch (const std::exception&) {
    }
    const auto next = naming::nextSheetNumber(names, strSheetNameBase);
    if (!next) {
        p.message("Error : Can not calculate Sheet Number");
        return "000";
    }
    return *next;
}

void cmdSheetName_Click(Program& p) {
    auto& f = p.form1;
    try {
        if (f.txtprojcode.text().empty() && !projectFromSavedChoice(p)) return;

        const auto facility = facilityNumber(p);
        if (!facility) return;

        std::string number = f.txtSheetNmbNew.text();
        if (!number.empty()) {
            if (!naming::isSheetNumberForm(number)) {
                p.message("Error : Wrong input for sheet number. DDD-X input is expected(D is digit).");
                f.txtSheetNmbNew.focused = true;
                return;
            }
            number = toUpper(number);
            if (refuseUnsafe(p, "sheet number", number)) return;
            f.txtSheetNmbNew.setText(number);
        }

        if (!f.txtprojcode.text().empty() && !projectFromCodeBox(p)) return;

        checkDisciplineChosen(p);
        if (quit(p)) return;
        checkSheetTypeChosen(p);
        if (quit(p)) return;
        if (refuseUnsafe(p, "discipline", f.cmbdisciplines.text(), true)) return;

        disciplinecode1(p);
        f.sheetTypeIndex = f.cmbSheettype.listIndex();
        readCurrentProjectFile(p);
        f.sheetName = naming::sheetNameBase(f.internalCode, *facility, f.disciplineCode, f.sheetTypeIndex);
        if (number.empty()) number = GetProjectSheetNumber(p, f.internalCode, f.sheetName);
        f.sheetName = toUpper(f.sheetName + number);
        f.txtSheetname.setText(f.sheetName);
        f.txtprojname.setText(f.projectName);
        f.txtprojfacilcode.setText(f.internalCode);
    } catch (const std::exception&) {
        p.message("Unknown error");
    }
}

}  // namespace trv
