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

std::string OfficePaths::modelCodeFile() const { return s_.ResourcePath + "vb_server\\modelfilescodes.txt"; }

std::string OfficePaths::setUpGuide() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-06.doc"; }

std::string OfficePaths::modelTemplate(const std::string& discipline, const std::string& modelType) const {
    return s_.IndividualTemplatePath + discipline + "/" + modelType + ".dwg";
}

std::string OfficePaths::userManual() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-07.doc"; }

std::string OfficePaths::modelsList() const { return s_.ResourcePath + "Standard_documents\\klv-cadd-std-02.xls"; }

std::string OfficePaths::aecSymbols() const { return s_.ResourcePath + "AEC_Resources\\docs\\AEC v3\\AppendixD.pdf"; }

namespace {

constexpr const char* draftingConventionsFile = "07_Drafting Conventions.pdf";
constexpr const char* notationsFile = "11_Notations.pdf";

std::string velunorNcsDocument(const AppSettings& s, const char* file) {
    if (s.Velunor.empty()) return {};
    return s.Velunor + "Standards\\National CAD Standard\\docs\\" + file;
}

}  // namespace

std::string OfficePaths::draftingConventions() const {
    return s_.ResourcePath + "AEC_Resources\\docs\\ncs\\" + draftingConventionsFile;
}

std::string OfficePaths::notations() const { return s_.ResourcePath + "AEC_Resources\\docs\\ncs\\" + notationsFile; }

std::string OfficePaths::draftingConventionsInVelunor() const {
    return velunorNcsDocument(s_, draftingConventionsFile);
}

std::string OfficePaths::notationsInVelunor() const { return velunorNcsDocument(s_, notationsFile); }

std::string OfficePaths::projectsList() const {
    if (s_.ResourcePath.empty()) return {};
    return s_.ResourcePath + "klvprojects.txt";
}

std::string OfficePaths::qualityReport(const std::string& project, const std::string& drawingType) const {
    return projectFolder(project) + "\\" + project + "_" + drawingType + "_qa.txt";
}

}  // namespace trv
