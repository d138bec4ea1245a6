#pragma once

#include <string>

namespace trv {

struct Program;
struct UserCodeDialogs;

// "Click here to see the  Model Name": composes the model file name of the
// current choices, makes sure the project's folder tree exists, and shows it.
void cmdModelname_Click(Program& p, UserCodeDialogs& dialogs);
// "Click here to see the Sheet Name".
void cmdSheetName_Click(Program& p);

// Builds the project's ten folders (both drawing types, the discipline's
// model and sheet folders) and creates the missing ones, in order.
void ensureProjectFolders(Program& p);

// The user code from the results of each dialog.
void userCodeArch(Program& p, UserCodeDialogs& dialogs);
void userCodeLegElev(Program& p, UserCodeDialogs& dialogs);
void userCodeSections(Program& p, UserCodeDialogs& dialogs);
void userCodeOther(Program& p, UserCodeDialogs& dialogs);

// The next free sheet number in the project's sheet folder for the current
// drawing type and discipline.
std::string GetProjectSheetNumber(Program& p, const std::string& projCode, const std::string& strSheetNameBase);

// The sheet folder, model folder, ... of the current project: ProjectRoot &
// "\PROJECTS\" & project & "\" & drawing type & "\" & discipline & "\" & kind.
std::string drawingFolder(const Program& p, const std::string& project, const std::string& drawingType,
                          const std::string& discipline, const std::string& kind);

}  // namespace trv
