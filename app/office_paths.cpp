#include "app/office_paths.h"

namespace trv {

std::string OfficePaths::userStateFolder() const { return s_.UserDir + "\\PROJECTS"; }

std::string OfficePaths::currentProjectFile() const { return userStateFolder() + "\\curproject.txt"; }

namespace {

// The spelling the drawing type, discipline and facility number files use.
std::string stateFileByFolder(const AppSettings& s, const char* name) {
    return s.ProjectPath + "\\" + s.UserFolder + "\\PROJECTS\\" + name;
}

}  // namespace

std::string OfficePaths::drawingTypeFile() const { return stateFileByFolder(s_, "curdrawingtype.txt"); }
std::string OfficePaths::disciplineFile() const { return stateFileByFolder(s_, "curdiscipline.txt"); }
std::string OfficePaths::facilityNumberFile() const { return stateFileByFolder(s_, "facilnumber.txt"); }

std::string OfficePaths::drawingTypeFileViaUserDir() const { return userStateFolder() + "\\curdrawingtype.txt"; }

std::string OfficePaths::projectsRoot() const { return s_.ProjectRoot + "\\PROJECTS"; }

std::string OfficePaths::projectFolder(const std::string& project) const {
    return projectsRoot() + "\\" + project;
}

std::string OfficePaths::drawingTypeFolder(const std::string& project, const std::string& drawingType) const {
    return projectFolder(project) + "\\" + drawingType;
}

std::string OfficePaths::disciplineFolder(const std::string& project, const std::string& drawingType,
                                          const std::string& discipline) const {
    return drawingTypeFolder(project, drawingType) + "\\" + discipline;
}

std::string OfficePaths::modelFolder(const std::string& project, const std::string& drawingType,
                                     const std::string& discipline) const {
    return disciplineFolder(project, drawingType, discipline) + "\\MODEL_FILES";
}

std::string OfficePaths::sheetFolder(const std::string& project, const std::string& drawingType,
                                     const std::string& discipline) const {
    return disciplineFolder(project, drawingType, discipline) + "\\SHEET_FILES";
}

std::string OfficePaths::drawingIn(const std::string& folder, const std::string& name) const {
    return folder + "\\" + name + ".dwg";
}

std::string OfficePaths::fileIn(const std::string& folder, const std::string& fileName) const {
    return folder + "\\" + fileName;
}

std::string OfficePaths::versionMarker(const std::string& project, const std::string& version) const {
    return projectFolder(project) + "\\TRV " + version;
}

std::string OfficePaths::projectRecordFolder() const { return s_.ResourcePath + "projectscodes"; }

std::string OfficePaths::projectRecord(const std::string& code) const {
    return projectRecordFolder() + "\\" + code + ".txt";
}

std::string OfficePaths::userTable() const { return s_.ResourcePath + "usernames.txt"; }

std::string OfficePaths::styleSheet(const std::string& project) const {
    return s_.ResourcePath + "style_sheets\\" + project + ".dwg";
}

// The file is found whatever the letter case of its name on disk.
std::string OfficePaths::ownerUnitFile() const { return s_.ResourcePath + "Units.txt"; }


std::string OfficePaths::modelCodeFile() const { return s_.ResourcePath + "vb_server\\modelfilescodes.txt"; }

std::string OfficePaths::setUpGuide() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-06.doc"; }

std::string OfficePaths::modelTemplate(const std::string& discipline, const std::string& modelType) const {
    return modelTemplateFolder(discipline) + "/" + modelType + ".dwg";
}

std::string OfficePaths::modelTemplateFolder(const std::string& discipline) const {
    return s_.IndividualTemplatePath + discipline;
}

std::string OfficePaths::sheetTemplate() const { return s_.SheetTemplatePath + "KLV_TEMPLATE.dwg"; }
std::string OfficePaths::modelCodeFinderFile() const {
    return s_.ResourcePath + "vb_server\\FindModelFilesCodes2.csv";
}

ConfiguredPath OfficePaths::deliveryDestination() const {
    if (s_.ResourceCopyDestPath.empty()) return std::nullopt;
    return s_.ResourceCopyDestPath;
}

std::vector<std::string> OfficePaths::deliveryFolders() const {
    const std::string top = s_.ResourceCopyDestPath + "klv2contractor";
    const std::string resources = top + "\\klv_resources";
    return {top,
            resources,
            resources + "\\Standard_documents",
            resources + "\\projectscodes",
            resources + "\\style_sheets",
            resources + "\\AEC_Resources",
            resources + "\\vb_server",
            top + "\\Database",
            top + "\\File DSN",
            top + "\\Standard"};
}

std::vector<OfficePaths::DeliveryCopy> OfficePaths::deliveryPlan() const {
    const std::string& r = s_.ResourcePath;
    const std::string& v = s_.Velunor;
    const std::string d = s_.ResourceCopyDestPath + "klv2contractor\\";
    std::vector<DeliveryCopy> plan;
    auto tree = [&plan](std::string source, std::string destination) {
        plan.push_back({std::move(source), std::move(destination), true});
    };
    auto file = [&plan](std::string source, std::string destination) {
        plan.push_back({std::move(source), std::move(destination), false});
    };
    const bool velunor = !v.empty();
    tree(r + "standard_documents", d + "klv_resources\\Standard_documents");
    if (velunor) tree(v + "Database", d + "Database");
    if (velunor) tree(v + "File DSN", d + "File DSN");
    tree(r + "AEC_Resources", d + "klv_resources\\AEC_Resources");
    // The CAD-standards product calls it "Standards"; the contractor's tree "Standard".
    if (velunor) tree(v + "Standards", d + "Standard");
    // The program as kept in the resource folder, not the one running.
    file(r + "vb_server\\TRV.exe", d + "klv_resources\\vb_server\\TRV.exe");
    file(r + "vb_server\\modelfilescodes.txt", d + "klv_resources\\vb_server\\modelfilescodes.txt");
    file(r + "username1.txt", d + "klv_resources\\username.txt");
    return plan;
}

std::string OfficePaths::userManual() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-07.doc"; }

std::string OfficePaths::modelsList() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-02.xls"; }

std::string OfficePaths::aecSymbols() const { return s_.ResourcePath + "AEC_Resources\\docs\\AEC v3\\AppendixD.pdf"; }

namespace {

constexpr const char* draftingConventionsFile = "07_Drafting Conventions.pdf";
constexpr const char* notationsFile = "11_Notations.pdf";

ConfiguredPath velunorNcsDocument(const AppSettings& s, const char* file) {
    if (s.Velunor.empty()) return std::nullopt;
    return s.Velunor + "Standards\\National CAD Standard\\docs\\" + file;
}

}  // namespace

std::string OfficePaths::draftingConventions() const {
    return s_.ResourcePath + "AEC_Resources\\docs\\ncs\\" + draftingConventionsFile;
}

std::string OfficePaths::notations() const { return s_.ResourcePath + "AEC_Resources\\docs\\ncs\\" + notationsFile; }

ConfiguredPath OfficePaths::draftingConventionsInVelunor() const {
    return velunorNcsDocument(s_, draftingConventionsFile);
}

ConfiguredPath OfficePaths::notationsInVelunor() const { return velunorNcsDocument(s_, notationsFile); }

ConfiguredPath OfficePaths::projectsList() const {
    if (!resourceFolderConfigured()) return std::nullopt;
    return s_.ResourcePath + "klvprojects.txt";
}

std::string OfficePaths::qualityReport(const std::string& project, const std::string& drawingType) const {
    return projectFolder(project) + "\\" + project + "_" + drawingType + "_qa.txt";
}

}  // namespace trv
