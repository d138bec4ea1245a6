#include "catalogue/choices.h"

#include "app/program.h"
#include "app/state_files.h"
#include "catalogue/tables.h"
#include "platform/records.h"

namespace trv {
namespace {

// Replaces the level-2 designators with those of the named discipline; they
// guide the user only and enter no name.
void fillDesignators(Program& p, const std::string& disciplineName) {
    auto& list = p.form1.cmbdesignator2;
    list.clear();
    if (const auto* d = catalogue::findDiscipline(disciplineName))
        for (const auto& entry : d->designators) list.addItem(entry);
}

void saveAndShowDiscipline(Program& p) {
    auto& f = p.form1;
    writeRecordFile(p, userStatePathByFolder(p, curDisciplineFile), {f.cmbdisciplines.text()});
    f.txtcurdiscipline.setText(f.cmbdisciplines.text());
}

}  // namespace

void fillDisciplineList(Program& p) {
    for (const auto& d : catalogue::disciplines())
        if (d.listed) p.form1.cmbdisciplines.addItem(d.name);
}

void disciplinecode1(Program& p) {
    p.loadSettings();
    p.form1.disciplineCode = catalogue::disciplineCodeOf(p.form1.cmbdisciplines.text());
}

void cmbdisciplines_Click(Program& p) {
    auto& f = p.form1;
    if (f.txtcurrentproj.text().empty()) {
        f.cmbdisciplines.setText("");
        p.message("Please, select project code first.");
        return;
    }
    try {
        p.loadSettings();
        disciplinecode1(p);
        saveAndShowDiscipline(p);
        fillModelList(p, f.cmbdisciplines.text());
        f.txtModelname.setText("");
        f.txtSheetname.setText("");
        f.userCode.clear();
        p.loadSettings();
        fillDesignators(p, f.cmbdisciplines.text());
    } catch (const std::exception&) {
        // A discipline that cannot be saved ends the choice silently.
    }
}

void cmdDisciplines_Click(Program& p) {
    try {
        p.loadSettings();
        disciplinecode1(p);
        saveAndShowDiscipline(p);
    } catch (const std::exception&) {
    }
}

void cmddesignator2_Click(Program& p) {
    p.loadSettings();
    fillDesignators(p, p.form1.cmbdisciplines.text());
}

void checkDisciplineChosen(Program& p) {
    if (p.form1.cmbdisciplines.text().empty()) {
        p.message("Please select which discipline you working on");
        p.form1.quitFlag = "quit";
    }
}

void fillModelList(Program& p, const std::string& disciplineName) {
    auto& list = p.form1.cmbModels;
    list.clear();
    if (const auto* d = catalogue::findDiscipline(disciplineName))
        for (const auto& model : d->models) list.addItem(model.name);
}

void cmdModels_Click(Program& p) {
    p.loadSettings();
    const std::string discipline = p.form1.cmbdisciplines.text();
    if (catalogue::modelsButtonRefills(discipline)) fillModelList(p, discipline);
}

std::string modelCodeFilePath(const Program& p) {
    return p.settings.ResourcePath + "vb_server\\modelfilescodes.txt";
}

void modeltypecode1(Program& p) {
    p.loadSettings();
    auto& f = p.form1;
    f.modelTypeCode.clear();
    const std::string content = p.platform.readFile(modelCodeFilePath(p));
    // One record a line; a line that does not hold a name and a code is
    // skipped and reading goes on.
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        FieldReader record(content.substr(start, end - start));
        try {
            const auto fields = record.next(2);
            if (fields[0] == f.cmbModels.text()) f.modelTypeCode = fields[1];
        } catch (const ReadPastEnd&) {
        }
        start = end + 1;
    }
}

void checkModelChosen(Program& p) {
    if (p.form1.cmbModels.text().empty()) {
        p.message("Please select which model you want to copy");
        p.form1.quitFlag = "quit";
    }
}

void fillSheetTypeList(Program& p) {
    for (const auto& entry : catalogue::sheetTypes()) p.form1.cmbSheettype.addItem(entry);
}

void cmbSheettype_Click(Program& p) {
    auto& f = p.form1;
    if (f.txtcurrentproj.text().empty()) {
        f.cmbSheettype.setText("");
        p.message("Please, select project code first.");
        return;
    }
    f.txtSheetname.setText("");
}

void checkSheetTypeChosen(Program& p) {
    if (p.form1.cmbSheettype.text().empty()) {
        p.message("Please select which sheet type you want to create");
        p.form1.quitFlag = "quit";
    }
}

}  // namespace trv
