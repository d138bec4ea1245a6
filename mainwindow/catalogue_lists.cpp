#include "mainwindow/catalogue_lists.h"

#include "app/program.h"
#include "app/saved_choices.h"
#include "catalogue/tables.h"

namespace trv {
namespace {

// The level-2 designators of the named discipline; they guide the user only
// and enter no name.
void fillDesignators(Control& list, const std::string& disciplineName) {
    const auto* d = catalogue::findDiscipline(disciplineName);
    list.setItems(d ? d->designators : std::vector<std::string>{});
}

// Saves the discipline in the list's text and shows it as the current one;
// throws when it cannot be saved.
void saveAndShowDiscipline(Program& p) {
    auto& f = p.form1;
    writeDiscipline(p.platform, p.settings, p.paths, f.cmbdisciplines.text());
    f.txtcurdiscipline.setText(f.cmbdisciplines.text());
}

}  // namespace

void fillDisciplineList(Control& list) {
    std::vector<std::string> names;
    for (const auto& d : catalogue::disciplines())
        if (d.listed) names.push_back(d.name);
    list.setItems(std::move(names));
}

void fillModelList(Control& list, const std::string& disciplineName) {
    std::vector<std::string> names;
    if (const auto* d = catalogue::findDiscipline(disciplineName))
        for (const auto& model : d->models) names.push_back(model.name);
    list.setItems(std::move(names));
}

void cmbdisciplines_Click(Program& p) {
    auto& f = p.form1;
    if (!f.requireProject(f.cmbdisciplines, p.ui)) return;
    try {
        p.loadSettings();
        saveAndShowDiscipline(p);
        fillModelList(f.cmbModels, f.cmbdisciplines.text());
        f.dropComposedNames();
        fillDesignators(f.cmbdesignator2, f.cmbdisciplines.text());
    } catch (const std::exception&) {
        // A discipline that cannot be saved ends the choice silently.
    }
}

void cmdDisciplines_Click(Program& p) {
    try {
        p.loadSettings();
        saveAndShowDiscipline(p);
    } catch (const std::exception&) {
    }
}

void cmddesignator2_Click(Program& p) {
    p.loadSettings();
    fillDesignators(p.form1.cmbdesignator2, p.form1.cmbdisciplines.text());
}

void cmdModels_Click(Program& p) {
    p.loadSettings();
    const std::string discipline = p.form1.cmbdisciplines.text();
    if (catalogue::modelsButtonRefills(discipline)) fillModelList(p.form1.cmbModels, discipline);
}

void cmbSheettype_Click(Program& p) {
    auto& f = p.form1;
    if (!f.requireProject(f.cmbSheettype, p.ui)) return;
    f.txtSheetname.setText("");
}

void cmbModels_Click(Program& p) { p.form1.userCode.clear(); }
void cmbModels_Change(Program& p) { p.form1.userCode.clear(); }

}  // namespace trv
