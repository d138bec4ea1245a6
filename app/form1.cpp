#include "app/form1.h"

#include "app/program.h"
#include "app/state_files.h"
#include "platform/text.h"

namespace trv {

Program::Program(Platform& p, UserInteraction& u) : platform(p), ui(u) {
    addWindow(form1);
    addWindow(hyperlnk);
}

namespace {

void call(const std::function<void()>& procedure) {
    if (procedure) procedure();
}

}  // namespace

void Form_Load(Program& p) {
    auto& f = p.form1;
    const auto& s = p.settings;

    f.txtprojcode.visible = false;
    f.cmdtypeprojcode.visible = false;
    f.txtcurrentproj.setText("");
    f.txtprojfacilcode.setText("");
    f.txtprojname.setText("");
    f.cmbAutocadversion.visible = false;

    call(p.procs.fillCodeLists);

    ReadCurrentProject(p);  // loads the configuration first: its messages show here
    if (s.InitOK) {
        if (!f.curProjectCode.empty()) {
            f.txtprojname.setText(f.projectName);
            f.txtprojfacilcode.setText(f.internalCode);
            f.txtcurrentproj.setText(f.curProjectCode);
        }
        ReadCurrentDiscipline(p);
        f.txtcurdiscipline.setText(f.curDiscipline);
        ReadDrawingType(p);
    }
    if (!s.InitOK) {
        DisableCommands(p);
        return;
    }

    if (!s.DispCreateProjBtn) f.cmdnewproj.visible = false;
    if (!s.DispNCSBtn) {
        f.cmdncs4.visible = false;
        f.cmdNcsNotation.visible = false;
    }

    f.cmbdisciplines.clear();
    call(p.procs.fillDisciplineList);
    f.cmbSheettype.clear();
    call(p.procs.fillSheetTypeList);
    f.cmbdesignasbuilt.clear();
    f.cmbdesignasbuilt.addItem("Design Drawings");
    f.cmbdesignasbuilt.addItem("As-Built Drawings");
    for (const char* version : {"AutoCAD 2007", "AutoCAD 2008", "Autodesk Building Systems 2007",
                                "Autodesk Desktop Architectural 2007", "Autodesk Architectural Desktop 2007"})
        f.cmbAutocadversion.addItem(version);

    if (s.Velunor.empty()) f.cmdCopyres.visible = false;

    call(p.procs.FillProjectList);

    f.txtprojcode.visible = false;
    f.cmdtypeprojcode.visible = false;

    if (!f.curProjectCode.empty()) {
        const auto& codes = f.cmbProjectCode.items();
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (codes[i] == f.curProjectCode) {
                f.cmbProjectCode.setListIndex(static_cast<int>(i));  // accepts the project
                break;
            }
        }
    }
    if (p.ended) return;

    if (f.drawingType == "DESIGN") {
        f.cmbdesignasbuilt.setListIndex(0);
    } else if (f.drawingType == "AS-BUILT") {
        f.cmbdesignasbuilt.setListIndex(1);
    }

    if (!f.curDiscipline.empty()) {
        const auto& names = f.cmbdisciplines.items();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == f.curDiscipline) {
                f.cmbdisciplines.setListIndex(static_cast<int>(i));
                break;
            }
        }
    }
    if (p.ended) return;

    ReadFacilityNumber(p);  // a restored number re-accepts the project
    if (p.ended) return;
    if (charCount(f.txtfacilitynb.text()) == 2) f.cmbProjectCode.click();
}

void DisableCommands(Program& p) {
    auto& f = p.form1;
    for (Control* button :
         {&f.cmdnewproj, &f.cmdCopyModel, &f.cmdCopyres, &f.cmdcopysheet, &f.cmdncs4, &f.cmdaecsymb,
          &f.cmdcode12, &f.cmdDisciplines, &f.cmdNcsNotation, &f.cmddesignator2, &f.cmdModelname,
          &f.cmdModels, &f.cmdModelslist, &f.cmdModelusr, &f.cmdOpen, &f.cmdOpen2, &f.cmdprojecsfile,
          &f.cmdProjectcode, &f.cmdRefresh, &f.cmdSheet, &f.cmdSheetName, &f.cmdtxtscale,
          &f.cmdtypeprojcode, &f.cmdSheetusr1, &f.cmdusemanual, &f.Command1})
        button->enabled = false;
}

void Form_Unload(Program& p) {
    for (auto& [name, window] : p.windows) {
        if (window != &p.form1) window->unload();
    }
    p.form1.unload();
}

void cmdcancel_Click(Program& p) {
    p.form1.hide();
    Form_Unload(p);
    p.ended = true;
}

void cmdRefresh_Click(Program& p) { call(p.procs.FillProjectList); }

void cmbModels_Click(Program& p) { p.form1.userCode.clear(); }
void cmbModels_Change(Program& p) { p.form1.userCode.clear(); }

void cmbAutocadversion_Click(Program& p) { p.form1.autocadVersion = p.form1.cmbAutocadversion.text(); }

void showPathProblemAndEnd(Program& p, const std::string& linkPath, const std::string& messageText) {
    p.hyperlnk.LinkPath = linkPath;
    p.hyperlnk.MessageText = messageText;
    p.hyperlnk.show();
    p.ui.runModal(p.hyperlnk.name);
    p.hyperlnk.unload();
    Form_Unload(p);
    p.ended = true;
}

}  // namespace trv
