#pragma once

namespace trv {

struct Program;
struct UserCodeDialogs;

// The main window's name, copy and open buttons.

// "Click here to see the  Model Name".
void cmdModelname_Click(Program& p, UserCodeDialogs& dialogs);
// "Click here to see the Sheet Name".
void cmdSheetName_Click(Program& p);
// "Copy Model Template to My Folder" / "Copy the Sheet Template to My Folder".
void cmdCopyModel_Click(Program& p, UserCodeDialogs& dialogs);
void cmdcopysheet_Click(Program& p);
// The two "Open it in AUTOCAD" buttons.
void cmdOpen_Click(Program& p, UserCodeDialogs& dialogs);
void cmdOpen2_Click(Program& p);

}  // namespace trv
