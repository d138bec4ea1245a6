#pragma once

#include <string>

namespace trv {

#ifdef _WIN32
// Shows the shell's chooser of programs ("Open with") for `path`: the verb
// "openas" through the item's ID list, in a normal window. Returns once the
// chooser is on show. Throws RuntimeFailure when the shell cannot show it;
// the user closing the chooser is no failure.
void showOpenWithChooser(const std::string& path);
#endif

}  // namespace trv
