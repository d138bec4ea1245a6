#include "projects/projects.h"

#include <array>

#include "app/form1.h"
#include "app/program.h"
#include "app/state_files.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {
namespace {

constexpr std::array<const char*, 21> owners = {
    "Architecture Unit",      "Civil Works Unit",        "Coastal Engineering Unit", "Electrical Unit",
    "Environment Unit",       "Facilities Unit",         "Fire Safety Unit",         "Geotechnics Unit",
    "Harbour Works Unit",     "Interior Design Unit",    "Landscape Unit",           "Mechanical Unit",
    "Planning Unit",          "Plumbing Unit",           "Roads Unit",               "Structural Unit",
    "Survey and Mapping Unit", "Telecommunications Unit", "Transport Unit",          "Water Resources Unit",
    "Other units"};

void fillList(Control& list, std::initializer_list<const char*> entries) {
    list.clear();
    for (const char* e : entries) list.addItem(e);
}

// Makes a folder ready as the folder test would: created when it does not
// exist; any other failure is left alone.
void ensureFolder(Program& p, const std::string& path) {
    try {
        if (p.platform.testFolder(path) == FolderTest::NotFound) p.platform.createFolder(path);
    } catch (const std::exception&) {
    }
}

}  // namespace

std::span<const char* const> ownerUnits() { return owners; }

std::string projectRecordPath(const Program& p, const std::string& code) {
    return p.settings.ResourcePath + "projectscodes\\" + code + ".txt";
}

void FillProjectList(Program& p) {
    auto& list = p.form1.cmbProjectCode;
    list.clear();
    // Without a configured resource folder there is nothing to list (and the
    // folder would otherwise be looked for relative to wherever we started).
    if (p.settings.ResourcePath.empty()) return;
    try {
        for (const auto& name : p.platform.listFiles(p.settings.ResourcePath + "projectscodes")) {
            const auto dot = name.find('.');
            if (dot != std::string::npos) list.addItem(name.substr(0, dot));
        }
    } catch (const std::exception&) {
    }
}

void cmbProjectCode_Click(Program& p) {
    p.form1.txtprojcode.setText(p.form1.cmbProjectCode.text());
    cmdtypeprojcode_Click(p);
}

void EnsureStateFolders(Program& p) {
    p.loadSettings();
    ensureFolder(p, p.settings.UserDir + "\\PROJECTS");
    p.form1.projectsRoot = p.settings.ProjectRoot + "\\PROJECTS";
    ensureFolder(p, p.form1.projectsRoot);
}

void ReadProjectRecord(Program& p) {
    p.loadSettings();
    auto& f = p.form1;
    f.projectCode = toUpper(f.txtprojcode.text());
    const std::string path = projectRecordPath(p, f.projectCode);
    if (!p.platform.isPresent(path)) {
        p.message(
            "the project code is incorrect or it has not been given an internal number yet , please contact "
            "Project manager");
        f.quitFlag = "quit";
        return;
    }
    try {
        FieldReader reader(p.platform.readFile(path));
        f.projectCode = reader.next();
        f.projectName = reader.next();
        f.internalCode = f.projectCode;
    } catch (const std::exception&) {
        f.quitFlag = "quit";
        p.message("Error in Project Code file !!!");
    }
}

void CheckInternalNumber(Program& p) {
    auto& f = p.form1;
    if (!p.platform.isPresent(projectRecordPath(p, f.projectCode))) {
        p.message("the project has not been given an internal number , please contact Project manager");
        f.quitFlag = "quit";
    }
}

void cmdtypeprojcode_Click(Program& p) {
    auto& f = p.form1;
    p.loadSettings();
    // Without a loaded configuration every path would be empty: the folders
    // would be tested and created from the file-system root. (An unreadable
    // saved choice also clears InitOK, but leaves the paths usable.)
    if (p.settings.ProjectPath.empty()) return;
    int step = 0;
    try {
        EnsureStateFolders(p);
        ReadProjectRecord(p);
        step = 1;
        if (f.quitFlag == "quit") {
            f.quitFlag.clear();
            return;
        }
        const std::string facility = f.txtfacilitynb.text();
        if (!facility.empty() && charCount(facility) != 2) {
            p.message("please type in 2 digits i.e 01 02 ..");
            return;
        }
        f.txtprojname.setText(f.projectName);
        f.txtprojfacilcode.setText(f.internalCode);
        f.txtcurrentproj.setText(toUpper(f.txtprojcode.text()));
        writeRecordFile(p, userStatePath(p, curProjectFile),
                        {f.txtcurrentproj.text(), f.projectName, f.internalCode});
        step = 2;
        f.txtModelname.setText("");
        f.txtSheetname.setText("");
        f.userCode.clear();
    } catch (const std::exception&) {
        if (step == 1) {
            showPathProblemAndEnd(p, p.settings.ResourcePath + "Standard_documents\\klv-cadd-std-06.doc",
                                  "Project path not found. Please check the settings in the TRV configuration");
        } else {
            p.message("Unknown error !!!");
        }
    }
}

void cmdProjectcode_Click(Program& p) {
    auto& f = p.form1;
    f.cmbusercode.clear();
    for (const char* owner : owners) f.cmbusercode.addItem(owner);
    fillList(f.cmbprojectnb, {"1", "2", "3", "4", "5", "6", "7"});
    fillList(f.cmbprojectdate, {"07", "08", "09", "10", "11"});
    fillList(f.cmbfacilitynb, {"1", "2", "3", "4", "5", "6", "7"});
}

}  // namespace trv
