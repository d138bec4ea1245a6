#include "projects/project_creation_window.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>

#include "app/program.h"
#include "catalogue/tables.h"
#include "projects/project_creation.h"

namespace trv {

namespace {

// The numbers from `first` to `last` but the left-out ones, with leading
// zeros to `width` digits.
void fillNumbers(Control& list, int first, int last, std::size_t width, const std::set<int>& leftOut) {
    std::vector<std::string> numbers;
    for (int n = first; n <= last; ++n) {
        if (leftOut.contains(n)) continue;
        std::string text = std::to_string(n);
        numbers.push_back(std::string(width - std::min(width, text.size()), '0') + text);
    }
    list.setItems(std::move(numbers));
}

ProjectCodeFields fieldsOf(const ProjectCodeWindow& w) {
    return {w.txtIdYear.text(), w.txtIdSerial.text(), w.cmbPlanSecContType.listIndex(),
            w.txtContSerialNmb.text()};
}

}  // namespace

void cmdnewproj_Click(ProjectCodeWindow& w) { w.show(); }

void frmfacilprojcode_Form_Load(Program& p, ProjectCodeWindow& w) {
    p.loadSettings();
    for (const std::string& name : readOwnerUnitNames(p.platform, p.paths)) w.cmbusercode.addItem(name);
    fillNumbers(w.cmbprojectnb, 1, 22, 3, {7});
    fillNumbers(w.cmbprojectdate, 7, 11, 2, {});
    fillNumbers(w.cmbfacilitynb, 1, 20, 2, {8, 9, 11});

    std::vector<std::string> contracts;
    for (const ContractType& type : contractTypes()) contracts.push_back(type.entry);
    w.cmbPlanSecContType.setItems(std::move(contracts));
    w.cmbDrawDiscipline.setItems(
         {"A: Architectural", "B: Geotechnical", "C: Civil", "E: Electrical", "I: Interior", "L: Landscape",
          "M: Mechanical", "R: Roads", "P: Plumbing", "E: Equipment", "S: Structural", "V: Survery/Mapping",
          "X: Combined Disciplines", "Y: Marine_Works", "Z: Non Discipline Related"});
    w.cmbDrawType.setItems(catalogue::sheetTypes());
    for (Control* list : {&w.cmbPlanSecContType, &w.cmbDrawDiscipline, &w.cmbDrawType}) list->setListIndex(0);
}

void frmfacilprojcode_cmdcreateintprojcode_Click(Program& p, ProjectCodeWindow& w) {
    // The configuration was loaded when the screen opened.
    const ProjectCreation outcome =
        createProject(p.platform, p.paths, {fieldsOf(w), w.txtprojname.text(), w.cmbusercode.text()});
    if (!outcome.code.empty()) w.currentCode = outcome.code;
    if (outcome.storedName) w.txtprojname.setText(*outcome.storedName);
    show(p.ui, outcome, &w);
}

void frmfacilprojcode_cmdchangesheet_Click(Program& p, ProjectCodeWindow& w) {
    show(p.ui, openStyleSheet(p.platform, p.ui, p.paths, p.settings.OpenInAutoCAD, fieldsOf(w)), &w);
}

void frmfacilprojcode_cmdcancel_Click(ProjectCodeWindow& w) {
    w.hide();
    w.unload();
}

}  // namespace trv
