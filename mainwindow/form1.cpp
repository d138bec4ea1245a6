#include "mainwindow/form1.h"

#include "app/program.h"
#include "app/saved_choices.h"
#include "mainwindow/catalogue_lists.h"
#include "catalogue/tables.h"
#include "platform/text.h"
#include "projects/projects.h"

namespace trv {
namespace {

// Chooses the entry of `list` that reads `text` (raising the list's click);
// nothing when no entry does.
void chooseEntry(Control& list, const std::string& text) {
    const auto& entries = list.items();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) {
            list.setListIndex(static_cast<int>(i));
            return;
        }
    }
}

// What start-up restores, as read before the lists are filled.
struct Restored {
    std::string projectCode;
    std::string drawingType;
    std::string discipline;
};

// Reads the saved choices into the boxes. A discipline or drawing type file
// that is there but cannot be read makes the configuration unusable; the
// other is still read. False when it became so.
bool restoreSavedChoices(Program& p, Restored& restored) {
    auto& f = p.form1;
    // A current project file that cannot be read counts as missing.
    const auto project = readCurrentProject(p.platform, p.paths);
    if (project.read()) {
        restored.projectCode = project.value.code;
        f.showCurrentProject(project.value, project.value.code);
    }

    const auto discipline = readDiscipline(p.platform, p.paths);
    if (discipline.read()) {
        restored.discipline = discipline.value;
        f.cmbdisciplines.setText(discipline.value);
        f.txtcurdiscipline.setText(discipline.value);
    } else {
        f.txtcurdiscipline.setText(discipline.status == ReadStatus::Missing ? " No Discipline Selected yet" : "");
    }

    const auto drawingType = readDrawingType(p.platform, p.paths);
    if (drawingType.read()) {
        restored.drawingType = drawingType.value;
        f.txtcurDrawingtype.setText(drawingType.value);
    } else if (drawingType.status == ReadStatus::Missing) {
        f.txtcurDrawingtype.setText("");
    }
    return discipline.status != ReadStatus::Unreadable && drawingType.status != ReadStatus::Unreadable;
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

    cmdProjectcode_Click(p);  // the four small code lists

    p.loadSettings();  // its messages show here
    // A configuration that did not load, or saved choices that cannot be
    // read, leave the window with its commands disabled.
    Restored restored;
    if (!s.InitOK || !restoreSavedChoices(p, restored)) {
        DisableCommands(p);
        return;
    }

    if (!s.DispCreateProjBtn) f.cmdnewproj.visible = false;
    if (!s.DispNCSBtn) {
        f.cmdncs4.visible = false;
        f.cmdNcsNotation.visible = false;
    }

    fillDisciplineList(f.cmbdisciplines);
    f.cmbSheettype.setItems(catalogue::sheetTypes());
    std::vector<std::string> drawingTypes;
    for (const auto& type : catalogue::drawingTypes()) drawingTypes.push_back(type.entry);
    f.cmbdesignasbuilt.setItems(std::move(drawingTypes));
    for (const char* version : {"AutoCAD 2007", "AutoCAD 2008", "Autodesk Building Systems 2007",
                                "Autodesk Desktop Architectural 2007", "Autodesk Architectural Desktop 2007"})
        f.cmbAutocadversion.addItem(version);

    if (s.Velunor.empty()) f.cmdCopyres.visible = false;

    FillProjectList(p);

    if (!restored.projectCode.empty()) chooseEntry(f.cmbProjectCode, restored.projectCode);  // accepts the project
    if (p.ended) return;

    if (const auto* type = catalogue::findDrawingType(restored.drawingType, &catalogue::DrawingType::folder))
        chooseEntry(f.cmbdesignasbuilt, type->entry);

    if (!restored.discipline.empty()) chooseEntry(f.cmbdisciplines, restored.discipline);
    if (p.ended) return;

    // A restored number re-accepts the project through its box.
    const auto facility = readFacilityNumber(p.platform, p.paths);
    // A facility number file that cannot be read ends the start-up here.
    if (facility.status == ReadStatus::Unreadable) return;
    f.txtfacilitynb.setText(facility.value);
    if (p.ended) return;
    if (charCount(f.txtfacilitynb.text()) == 2) acceptChosenProject(p);
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

void cmdcancel_Click(Program& p) {
    p.form1.hide();
    p.end();
}

void cmdRefresh_Click(Program& p) { FillProjectList(p); }

void cmbAutocadversion_Click(Program&) {}

void cmbdesignasbuilt_Click(Program& p) {
    auto& f = p.form1;
    if (!f.requireProject(f.cmbdesignasbuilt, p.ui)) return;
    const auto* chosen = catalogue::findDrawingType(f.cmbdesignasbuilt.text(), &catalogue::DrawingType::entry);
    if (chosen) f.selectedDrawingType = chosen->folder;
    try {
        writeDrawingType(p.platform, p.settings, p.paths, f.selectedDrawingType);
        f.txtcurDrawingtype.setText(f.selectedDrawingType);
    } catch (const std::exception&) {
        // A state folder that cannot be written ends the choice silently.
    }
}

void txtfacilitynb_Change(Program& p) {
    auto& f = p.form1;
    const std::size_t length = charCount(f.txtfacilitynb.text());
    if (length >= 2) acceptChosenProject(p);  // re-accepts the project; it checks the number again
    if (p.ended) return;
    if (length == 2) {
        try {
            writeFacilityNumber(p.platform, p.settings, p.paths, f.txtfacilitynb.text());
        } catch (const std::exception&) {
        }
    }
}

}  // namespace trv
