#pragma once

#include <string>

namespace trv {

struct Program;
struct UserCodeDialogs;

// "Copy Model Template to My Folder" / "Copy the Sheet Template to My Folder":
// a new drawing from its template under the composed name, never over an
// existing drawing.
void cmdCopyModel_Click(Program& p, UserCodeDialogs& dialogs);
void cmdcopysheet_Click(Program& p);
// Leaves the version marker in the project folder when it is not there yet.
void writeVersionMarker(Program& p);

// The two "Open it in AUTOCAD" buttons: the model file and the sheet file.
void cmdOpen_Click(Program& p, UserCodeDialogs& dialogs);
void cmdOpen2_Click(Program& p);

// Opens a drawing with the configured CAD program, or through the shell with
// the chooser of programs as the fallback.
void openDrawing(Program& p, const std::string& drawing);

}  // namespace trv
