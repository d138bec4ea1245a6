#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/office_paths.h"
#include "app/outcome.h"
#include "platform/platform.h"
#include "platform/user_interaction.h"

namespace trv {

// The creation of internal project codes: the code composed from the screen's
// fields, the project's record file, its line in the projects list and its
// style-sheet drawing. The project code screen calls these; they show nothing
// themselves but what the shell's opening shows.

// The screen's fields as typed, untrimmed.
struct ProjectCodeFields {
    std::string year;            // txtIdYear: two digits
    std::string serial;          // txtIdSerial: three digits
    int contractType = 0;        // the position chosen in cmbPlanSecContType; -1 for none
    std::string contractSerial;  // txtContSerialNmb: three digits
};

// A contract type of the screen's list: the entry, and the code it puts into
// the project code.
struct ContractType {
    const char* entry;
    const char* code;
};
// The contract types in list order.
const std::vector<ContractType>& contractTypes();

// The project code "KLV-" year serial "-" contract type code and contract
// serial, e.g. KLV-13001-DS004, or the first field check that fails, with
// the focus into the screen's box it is about.
Outcome<std::string> composeProjectCode(const ProjectCodeFields& fields);

// Whether a project name can be written into a record: no double quote, no
// line break, no other control character.
bool isStorableProjectName(const std::string& name);

// The owner-unit names of the owner-unit file in file order: every record
// read in full (name and unit code) before the end or a fault. Empty when
// the file is missing or cannot be read.
std::vector<std::string> readOwnerUnitNames(Platform& platform, const OfficePaths& paths);

// The unit code of the last owner unit named `owner`. Throws when the
// owner-unit file cannot be read through to its end.
std::optional<std::string> lookUpOwnerUnit(Platform& platform, const OfficePaths& paths,
                                           const std::string& owner);

struct ProjectRequest {
    ProjectCodeFields fields;
    std::string name;   // the project name and description, as typed
    std::string owner;  // the owner unit chosen or typed
};

// Its value is the project code once created; refused with Reason::Exists
// when a record of the code is there already, Reason::Failed when a file
// could not be read or written, Reason::Entry (and the focus into the box)
// for a field the screen must correct.
struct ProjectCreation : Outcome<std::string> {
    // The project code, once the fields passed and the owner units were read.
    std::string code;
    // The name in upper case, once the creation began: the screen shows it so.
    std::optional<std::string> storedName;
};

// Registers a new project: creates its record file exclusively (of two
// creators of one code exactly one succeeds; a record file whose name
// differs only in letter case counts as existing), appends its line to the
// projects list and gives it a copy of the sheet template as its style sheet.
// What was written before a failure stays.
ProjectCreation createProject(Platform& platform, const OfficePaths& paths, const ProjectRequest& request);

// Opens the style-sheet drawing of the project the fields name: with the CAD
// program when one is configured, otherwise through the shell (the chooser
// of programs when no program is associated with drawings). Its messages are
// what remains to be shown: a refusal, a missing drawing, a failure to start.
Outcome<Done> openStyleSheet(Platform& platform, UserInteraction& ui, const OfficePaths& paths,
                             const std::string& cadProgram, const ProjectCodeFields& fields);

}  // namespace trv
