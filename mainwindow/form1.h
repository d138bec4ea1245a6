#pragma once

namespace trv {

struct Program;

// The main window's own handlers and its start-up sequence, above the
// subsystems whose lists and selections the start-up restores.

// Loads the main window: the configuration, the saved choices, the lists,
// and the saved project, drawing type, discipline and facility number chosen
// again as a user would.
void Form_Load(Program& p);
// Disables the command buttons when the configuration cannot be used.
void DisableCommands(Program& p);
void cmdcancel_Click(Program& p);
void cmdRefresh_Click(Program& p);
// The version list only remembers its own text; nothing reads it.
void cmbAutocadversion_Click(Program& p);
// The drawing type list: the choice is saved and shown.
void cmbdesignasbuilt_Click(Program& p);
// The facility number box: two characters re-accept the project and are saved.
void txtfacilitynb_Change(Program& p);

}  // namespace trv
