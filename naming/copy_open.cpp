#include "naming/copy_open.h"

#include <optional>

#include "app/hyperlink_window.h"
#include "app/program.h"
#include "app/state_files.h"
#include "naming/compose.h"
#include "naming/names.h"
#include "platform/text.h"

namespace trv {
namespace {

// The drawing type the copy and open act on, read again from its saved
// choice file. False (after "Missing file : ") when the file is not there.
bool readDrawingType(Program& p) {
    const std::string path = userStatePath(p, curDrawingTypeFile);
    const auto fields = readPresentRecord(p, path, 1);
    if (!fields) {
        p.message("Missing file : " + p.platform.displayPath(path));
        return false;
    }
    p.form1.drawingType = (*fields)[0];
    return true;
}

// The discipline names a folder of the project tree; a typed one that cannot
// stand in a folder name is refused before anything is looked up or written.
bool disciplineUsable(Program& p) {
    const std::string& d = p.form1.cmbdisciplines.text();
    if (naming::isSafeFolderName(d)) return true;
    p.message("Error : The discipline \"" + d + "\" cannot be used in a file or folder name.");
    return false;
}

std::string modelTemplate(const Program& p) {
    return p.settings.IndividualTemplatePath + p.form1.cmbdisciplines.text() + "/" + p.form1.modelTypeName +
           ".dwg";
}

// The folders of the chosen drawing type only, in place of the first six of
// the full tree; the sheet folder is the target. Nothing is created.
void buildSheetFolders(Program& p) {
    auto& f = p.form1;
    const std::string& d = f.cmbdisciplines.text();
    auto& folders = f.projectFolders;
    folders[0] = p.settings.ProjectRoot + "\\PROJECTS";
    folders[1] = folders[0] + "\\" + f.projectCode;
    folders[2] = folders[1] + "\\" + f.drawingType;
    folders[3] = folders[2] + "\\" + d;
    folders[4] = folders[3] + "\\MODEL_FILES";
    folders[5] = folders[3] + "\\SHEET_FILES";
    f.targetFolder = folders[5];
}

// The model folder of the current project, drawing type and discipline: the
// folder whose content was tested is the folder written.
void buildModelTarget(Program& p) {
    auto& f = p.form1;
    f.targetFolder = drawingFolder(p, f.projectCode, f.drawingType, f.cmbdisciplines.text(), "MODEL_FILES");
    f.templateFile = modelTemplate(p);
}

// Copies the template to the target; a target that exists (another user
// was quicker) or a copy that fails is a failure of the routine.
void copyTemplate(Program& p, const std::string& name) {
    auto& f = p.form1;
    f.targetFile = f.targetFolder + "\\" + name + ".dwg";
    if (p.platform.copyToNewFile(f.templateFile, f.targetFile) != CopyOutcome::Copied)
        throw RuntimeFailure("copy failed");
    p.message("File " + p.platform.displayPath(f.targetFile) + " created.");
    writeVersionMarker(p);
}

}  // namespace

void writeVersionMarker(Program& p) {
    try {
        const std::string label = toLower(p.form1.Label14.text());
        const std::string path =
            p.settings.ProjectRoot + "\\PROJECTS\\" + p.form1.projectCode + "\\" + "TRV " + label;
        if (!p.platform.fileExists(path)) p.platform.createNewFile(path, "\"" + label + "\"\r\n");
    } catch (const std::exception&) {
    }
}

namespace {

// What the model copy and the model open share: the name composed again, the
// drawing type read, and the target folder and template found. False when a
// step stopped the command (its message has been shown).
bool prepareModel(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    cmdModelname_Click(p, dialogs);
    if (p.ended || !readDrawingType(p)) return false;
    if (f.cmbdisciplines.text().empty() || f.projectCode.empty() || f.modelName.empty()) {
        p.message("You must define modelname, discipline and project code.");
        return false;
    }
    if (!disciplineUsable(p)) return false;
    buildModelTarget(p);
    // The template must exist, also when the drawing is only opened.
    if (!p.platform.fileExists(f.templateFile)) {
        p.message("Missing file : " + p.platform.displayPath(f.templateFile));
        return false;
    }
    return true;
}

// What the sheet copy and the sheet open share after the composition: the
// drawing type read, the sheet folder built, the current project read.
// Gives the current project's code, or nothing when a step stopped the command.
std::optional<std::string> prepareSheet(Program& p) {
    auto& f = p.form1;
    if (!readDrawingType(p)) return std::nullopt;
    if (f.cmbdisciplines.text().empty() || f.projectCode.empty() || f.sheetName.empty()) {
        p.message("You must define sheet name, discipline and project code.");
        return std::nullopt;
    }
    if (!disciplineUsable(p)) return std::nullopt;
    buildSheetFolders(p);
    const std::string projectFile = userStatePath(p, curProjectFile);
    const auto project = readPresentRecord(p, projectFile, 3);
    if (!project) {
        p.message("Missing file : " + p.platform.displayPath(projectFile));
        return std::nullopt;
    }
    return (*project)[0];
}

}  // namespace

void cmdCopyModel_Click(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    try {
        if (!prepareModel(p, dialogs)) return;
        if (p.platform.fileExists(f.targetFolder + "\\" + f.modelName + ".dwg")) {
            p.message("NOTE : the " + f.modelName + ".dwg already exists in the your" +
                      p.platform.displayPath(f.targetFolder + "\\") + ". Check the name.");
            return;
        }
        copyTemplate(p, f.modelName);
    } catch (const std::exception&) {
        p.message("Unknown error during routine.");
    }
}

void cmdcopysheet_Click(Program& p) {
    auto& f = p.form1;
    try {
        cmdSheetName_Click(p);
        if (p.ended) return;
        const auto projectCode = prepareSheet(p);
        if (!projectCode) return;
        f.templateFile = p.settings.ResourcePath + "style_sheets\\" + *projectCode + ".dwg";
        if (!p.platform.fileExists(f.templateFile)) {
            p.message("Missing file : " + p.platform.displayPath(f.templateFile));
            return;
        }
        if (p.platform.fileExists(f.targetFolder + "\\" + f.sheetName + ".dwg")) {
            p.message("NOTE : the " + f.sheetName + ".dwg" + " already exists in the your " +
                      p.platform.displayPath(f.targetFolder) + ". Check the name.");
            return;
        }
        copyTemplate(p, f.sheetName);
    } catch (const std::exception&) {
        p.message("Unknown error during routine.");
    }
}

void openDrawing(Program& p, const std::string& drawing) {
    const std::string& program = p.settings.OpenInAutoCAD;
    if (!program.empty()) {
        p.platform.startProgram(program, drawing);  // throws when it cannot start
        return;
    }
    openDocumentOrChooser(p.platform, p.ui, drawing, "Unknow error during ShellExecute(");
}

namespace {

void announceAndOpen(Program& p) {
    auto& f = p.form1;
    if (!p.platform.fileExists(f.targetFile)) {
        p.message("File missing : " + p.platform.displayPath(f.targetFile));
        return;
    }
    p.message("NOTE : this is the file " + p.platform.displayPath(f.targetFile) + "  that will be opened");
    openDrawing(p, f.targetFile);
}

}  // namespace

void cmdOpen_Click(Program& p, UserCodeDialogs& dialogs) {
    auto& f = p.form1;
    try {
        if (!prepareModel(p, dialogs)) return;
        f.targetFile = f.targetFolder + "\\" + f.modelName + ".dwg";
        announceAndOpen(p);
    } catch (const std::exception&) {
        p.message("Cannot find acad.exe in the AutoCAD path defined in the TRV.ini !!!");
    }
}

void cmdOpen2_Click(Program& p) {
    auto& f = p.form1;
    try {
        if (f.txtSheetname.text().empty()) {
            cmdSheetName_Click(p);
            if (p.ended || f.txtSheetname.text().empty()) return;
        }
        if (!prepareSheet(p)) return;  // the sheet template is not needed to open
        f.targetFile = f.targetFolder + "\\" + f.txtSheetname.text() + ".dwg";
        announceAndOpen(p);
    } catch (const std::exception&) {
        p.message("Cannot find acad.exe in the AutoCAD path defined in the TRV.ini !!!");
    }
}

}  // namespace trv
