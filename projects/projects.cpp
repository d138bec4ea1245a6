#include "projects/projects.h"

#include <array>

#include "app/office_paths.h"
#include "app/program.h"
#include "platform/folders.h"
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

constexpr const char* noRecordMessage =
    "the project code is incorrect or it has not been given an internal number yet , please contact Project "
    "manager";
constexpr const char* noInternalNumberMessage =
    "the project has not been given an internal number , please contact Project manager";

// Shows what an acceptance gave: its messages, the accepted project in the
// boxes, or the path-problem window when the state folder cannot be written.
void showAcceptance(Program& p, const Acceptance& a) {
    auto& f = p.form1;
    if (a.reason == Reason::NotConfigured) return;
    f.project = a.project;
    show(p.ui, a, &f);
    if (!a.value) return;
    f.showCurrentProject(a.project, *a.value);
    if (!a.saved) {
        showPathProblemAndEnd(p, p.paths.setUpGuide(),
                              "Project path not found. Please check the settings in the TRV configuration");
        return;
    }
    f.dropComposedNames();
}

}  // namespace

std::vector<std::string> listProjectCodes(Platform& platform, const OfficePaths& paths) {
    std::vector<std::string> codes;
    // Without a configured resource folder there is nothing to list (and the
    // folder would otherwise be looked for relative to wherever we started).
    if (!paths.resourceFolderConfigured()) return codes;
    try {
        for (const auto& name : platform.listFiles(paths.projectRecordFolder())) {
            const auto dot = name.find('.');
            if (dot != std::string::npos) codes.push_back(name.substr(0, dot));
        }
    } catch (const std::exception&) {
    }
    return codes;
}

void ensureStateFolders(Platform& platform, const OfficePaths& paths) {
    ensureFolder(platform, paths.userStateFolder());
    ensureFolder(platform, paths.projectsRoot());
}

Outcome<Project> lookUpProject(Platform& platform, const OfficePaths& paths, const std::string& code) {
    Outcome<Project> lookup;
    const std::string path = paths.projectRecord(toUpper(code));
    try {
        // Found and read in one go: the presence test compares the stored name.
        auto text = platform.readPresentTextFile(path);
        if (!text) return lookup.refuse(noRecordMessage, Reason::NoProject);
        FieldReader reader(std::move(*text));
        const auto fields = reader.next(2);
        // The record's first field is both the project code and the internal
        // code, also where it differs from the file's name.
        lookup.value = Project{fields[0], fields[1], fields[0]};
    } catch (const std::exception&) {
        lookup.refuse("Error in Project Code file !!!", Reason::Failed);
    }
    return lookup;
}

Project underCode(Project known, const std::string& code) {
    known.code = toUpper(code);
    return known;
}

Outcome<Project> lookUpProjectToCompose(Platform& platform, const OfficePaths& paths, const std::string& code) {
    auto lookup = lookUpProject(platform, paths, code);
    // A code without a record has no internal number either: both are said.
    if (lookup.reason == Reason::NoProject) lookup.say(noInternalNumberMessage);
    return lookup;
}

Acceptance acceptProject(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const std::string& code, const std::string& facilityNumber, const Project& current) {
    Acceptance a;
    a.project = current;
    // Without a loaded configuration every path would be empty: the folders
    // would be tested and created from the file-system root.
    if (!paths.projectFolderConfigured()) {
        a.reason = Reason::NotConfigured;
        return a;
    }
    try {
        ensureStateFolders(platform, paths);
        const auto lookup = lookUpProject(platform, paths, code);
        a.sayAll(lookup);
        if (!lookup.value) {
            // The code looked for, with what was known of the project before.
            a.project = underCode(a.project, code);
            return a;
        }
        a.project = *lookup.value;
    } catch (const std::exception&) {
        a.refuse("Unknown error !!!", Reason::Failed);
        return a;
    }
    if (!facilityNumber.empty() && charCount(facilityNumber) != 2) {
        a.refuse("please type in 2 digits i.e 01 02 ..");
        return a;
    }
    a.value = toUpper(code);
    try {
        writeCurrentProject(platform, settings, paths, {*a.value, a.project.name, a.project.internalCode});
        a.saved = true;
    } catch (const std::exception&) {
        // The boxes show the project; the path-problem window follows.
    }
    return a;
}

void FillProjectList(Program& p) {
    p.form1.cmbProjectCode.setItems(listProjectCodes(p.platform, p.paths));
}

namespace {

// Accepts the code in the hidden code box and shows the outcome.
void acceptCodeBox(Program& p) {
    auto& f = p.form1;
    p.loadSettings();
    showAcceptance(p, acceptProject(p.platform, p.settings, p.paths, f.txtprojcode.text(), f.txtfacilitynb.text(),
                                    f.project));
}

}  // namespace

void acceptChosenProject(Program& p) {
    p.form1.txtprojcode.setText(p.form1.cmbProjectCode.text());
    acceptCodeBox(p);
}

void cmbProjectCode_Click(Program& p) { acceptChosenProject(p); }

void cmdtypeprojcode_Click(Program& p) { acceptCodeBox(p); }

void cmdProjectcode_Click(Program& p) {
    auto& f = p.form1;
    f.cmbusercode.setItems({owners.begin(), owners.end()});
    f.cmbprojectnb.setItems({"1", "2", "3", "4", "5", "6", "7"});
    f.cmbprojectdate.setItems({"07", "08", "09", "10", "11"});
    f.cmbfacilitynb.setItems({"1", "2", "3", "4", "5", "6", "7"});
}

}  // namespace trv
