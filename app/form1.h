#pragma once

#include <string>

namespace trv {

struct Program;

// The main window's own handlers and its start-up sequence.
void Form_Load(Program& p);
void DisableCommands(Program& p);
void Form_Unload(Program& p);
void cmdcancel_Click(Program& p);
void cmdRefresh_Click(Program& p);
void cmbModels_Click(Program& p);
void cmbModels_Change(Program& p);
void cmbAutocadversion_Click(Program& p);

// Shows the path-problem window modally; when the user has closed it the
// main window unloads and the program ends.
void showPathProblemAndEnd(Program& p, const std::string& linkPath, const std::string& messageText);

}  // namespace trv
