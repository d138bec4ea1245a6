#pragma once

#include <string>

#include "platform/platform.h"
#include "platform/user_interaction.h"

namespace trv {

// What precedes the shell's number when a document cannot be opened; every
// opener but the user manual's spells it this way.
inline constexpr const char* unknowShellError = "Unknow error during ShellExecute(";

// Offers the chooser of programs for a file that has no associated program.
void openWithChooser(UserInteraction& ui, const std::string& strFilePathToOpen);

// Opens a document through the shell; when no program is associated with it
// the chooser of programs is offered, on another failure `failureText`
// followed by the shell's number and ")" is shown.
void openDocumentOrChooser(Platform& platform, UserInteraction& ui, const std::string& path,
                           const std::string& failureText = unknowShellError);

}  // namespace trv
