#pragma once

#include <string>
#include <vector>

#include "app/office_paths.h"
#include "app/outcome.h"
#include "check/findings.h"
#include "platform/platform.h"
#include "platform/user_interaction.h"

namespace trv {

struct Program;

namespace check {

// The project and drawing type one check runs for.
struct CheckSubject {
    std::string projectCode;   // names the project's folder and its report
    std::string internalCode;  // the first field of every drawing name
    std::string drawingType;   // "DESIGN" or "AS-BUILT"
};

// The rules a file name breaks in a discipline's model or sheet folder of
// the subject, in report order. The model file type code is tested in the
// model folders of design drawings only.
std::vector<Rule> rulesBroken(const std::string& name, FolderKind kind, const std::string& discipline,
                              const CheckSubject& subject);

// Walks the drawing type's tree of the project, discipline by discipline in
// the check's order, and returns what breaks the convention, in report
// order: missing folders, then wrong lengths, project codes, designators and
// (design drawings only) model file type codes. Each folder is tested and
// listed once; only "path not found" makes a folder missing, and a folder
// that cannot be listed contributes nothing. Subfolders are not entered.
// `counted`, when given, receives the number of files of each discipline
// whose folder is there, in the check's order.
std::vector<Finding> checkDrawingNames(Platform& platform, const OfficePaths& paths, const CheckSubject& subject,
                                       std::vector<DrawingCount>* counted = nullptr);

// What a check that ran found; refused (its message instead of a report)
// when it could not run.
struct CheckedNames {
    CheckSubject subject;
    std::vector<Finding> findings;
    std::vector<DrawingCount> drawings;  // the files looked at, per discipline
    // False when the report could not be written; there is then no report.
    bool reportWritten = false;
};

// The check of a project and drawing type given as values: the project code
// must be one folder name; when `writeReport`, the old report goes first (a
// report that cannot be deleted stops the check) and the new one is written
// in one piece from the findings.
Outcome<CheckedNames> checkProject(Platform& platform, const OfficePaths& paths, const CheckSubject& subject,
                                bool writeReport);

// The whole check for the drawing type chosen in cmbdesignasbuilt (its text;
// the saved drawing type when it holds neither entry) and the current
// project as "curproject.txt" saves it, checked by checkProject with its report.
Outcome<CheckedNames> runNamingCheck(Platform& platform, const OfficePaths& paths,
                                       const std::string& drawingTypeChoice);

}  // namespace check

// Opens the quality report that the naming check wrote for this project and
// drawing type; "Can not find file " and its path when there is none.
void OpenQAReport(Platform& platform, UserInteraction& ui, const OfficePaths& paths,
                  const std::string& projectCode, const std::string& drawingType);

// The "Naming Check" button: runs the check and opens the report.
void Command1_Click(Program& p);

}  // namespace trv
