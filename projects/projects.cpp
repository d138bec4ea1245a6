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
    if (a.result == Acceptance::Result::NotConfigured) return;
    f.project = a.project;
    for (const auto& m : a.messages) p.message(m);
    if (a.result == Acceptance::Result::Accepted || a.result == Acceptance::Result::StateNotWritable) {
        f.showCurrentProject(a.project, a.shownCode);
    }
    if (a.result == Acceptance::Result::StateNotWritable) {
        showPathProblemAndEnd(p, p.paths.setUpGuide(),
                              "Project path not found. Please check the settings in the TRV configuration");
        return;
    }
    if (a.result == Acceptance::Result::Accepted) f.dropComposedNames();
}

}  // namespace

std::vector<std::string> listProjectCodes(Platform& platform, const AppSettings& settings,
                                          const OfficePaths& paths) {
    std::vector<std::string> codes;
    // Without a configured resource folder there is nothing to list (and the
    // folder would otherwise be looked for relative to wherever we started).
    if (settings.ResourcePath.empty()) return codes;
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

ProjectLookup lookUpProject(Platform& platform, const OfficePaths& paths, const std::string& code,
                            const Project& current) {
    ProjectLookup lookup;
    lookup.project = current;
    lookup.project.code = toUpper(code);
    const std::string path = paths.projectRecord(lookup.project.code);
    try {
        auto text = platform.readPresentTextFile(path);  // read once
        if (!text) {
            lookup.messages.push_back(noRecordMessage);
            return lookup;
        }
        FieldReader reader(std::move(*text));
        const auto fields = reader.next(2);
        // The project is the one of the record's file name, which the
        // project folders and the naming check go by; its first field is the
        // internal code the names carry, even where it differs from the file name.
        lookup.project = {fields[0], fields[1], fields[0]};
        lookup.result = ProjectLookup::Result::Found;
    } catch (const std::exception&) {
        lookup.result = ProjectLookup::Result::Unreadable;
        lookup.messages.push_back("Error in Project Code file !!!");
    }
    return lookup;
}

ProjectLookup lookUpProjectToCompose(Platform& platform, const OfficePaths& paths, const std::string& code,
                                     const Project& current) {
    auto lookup = lookUpProject(platform, paths, code, current);
    // The internal-number check tests the same record again.
    if (lookup.result == ProjectLookup::Result::Absent) lookup.messages.push_back(noInternalNumberMessage);
    return lookup;
}

Acceptance acceptProject(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const std::string& code, const std::string& facilityNumber, const Project& current) {
    Acceptance a;
    a.project = current;
    // Without a loaded configuration every path would be empty: the folders
    // would be tested and created from the file-system root. (An unreadable
    // saved choice also clears InitOK, but leaves the paths usable.)
    if (settings.ProjectPath.empty()) return a;
    try {
        ensureStateFolders(platform, paths);
        const auto lookup = lookUpProject(platform, paths, code, current);
        a.project = lookup.project;
        a.messages = lookup.messages;
        if (lookup.result != ProjectLookup::Result::Found) {
            a.result = Acceptance::Result::Refused;
            return a;
        }
    } catch (const std::exception&) {
        a.result = Acceptance::Result::Failed;
        a.messages.push_back("Unknown error !!!");
        return a;
    }
    if (!facilityNumber.empty() && charCount(facilityNumber) != 2) {
        a.result = Acceptance::Result::Refused;
        a.messages.push_back("please type in 2 digits i.e 01 02 ..");
        return a;
    }
    a.shownCode = toUpper(code);
    try {
        writeCurrentProject(platform, settings, paths, {a.shownCode, a.project.name, a.project.internalCode});
        a.result = Acceptance::Result::Accepted;
    } catch (const std::exception&) {
        a.result = Acceptance::Result::StateNotWritable;
    }
    return a;
}

void FillProjectList(Program& p) {
    p.form1.cmbProjectCode.setItems(listProjectCodes(p.platform, p.settings, p.paths));
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
