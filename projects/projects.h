#pragma once

#include <string>
#include <vector>

#include "app/outcome.h"
#include "app/saved_choices.h"

namespace trv {

class Platform;
class OfficePaths;
struct AppSettings;
struct Program;

// The project store: one record file per project in the resource folder's
// "projectscodes" folder, and the acceptance of a project as the current one.

// ---- operations ----

// The project codes of the record folder, in listing order: the part before
// the first dot of each file name that has one. None when the resource folder
// is not configured or the record folder cannot be listed.
std::vector<std::string> listProjectCodes(Platform& platform, const OfficePaths& paths);

// Creates the user state folder and the shared project tree root when missing.
void ensureStateFolders(Platform& platform, const OfficePaths& paths);

// The project `known` under a code as the user typed or chose it, upper-cased
// as every code is looked up and saved.
Project underCode(Project known, const std::string& code);

// The record of a code, looked up as typed in upper case: the record's code,
// name and (the same) internal code. Refused with Reason::NoProject when
// there is no record, Reason::Failed when it cannot be read.
Outcome<Project> lookUpProject(Platform& platform, const OfficePaths& paths, const std::string& code);

// The record lookup and the internal-number check of the name compositions:
// both messages when the record is missing.
Outcome<Project> lookUpProjectToCompose(Platform& platform, const OfficePaths& paths, const std::string& code);

// Accepting a project as the current one: the state folders made ready, the
// record read, the facility number checked, "curproject.txt" written. Its
// value is the accepted code as the boxes show it; Reason::NotConfigured
// without a loaded configuration (nothing shown). `project` is the project
// as far as the lookup got, also when it stopped.
struct Acceptance : Outcome<std::string> {
    Project project;
    bool saved = false;  // false when "curproject.txt" could not be written
};
Acceptance acceptProject(Platform& platform, const AppSettings& settings, const OfficePaths& paths,
                         const std::string& code, const std::string& facilityNumber, const Project& current);

// ---- handlers ----

// What the project list's click does, also for start-up and the facility
// number box: the chosen code goes into the hidden code box, acceptProject
// takes it and the outcome is shown.
void acceptChosenProject(Program& p);

// Refills the project list with one entry per record file.
void FillProjectList(Program& p);
// The user chose a project (or start-up re-selected the saved one, or the
// facility number changed): the list's text is accepted as the current project.
void cmbProjectCode_Click(Program& p);
// Accepts the code in the hidden code box as the current project.
void cmdtypeprojcode_Click(Program& p);
// "Choose Project Code": refills the four small code lists.
void cmdProjectcode_Click(Program& p);

}  // namespace trv
