#pragma once

#include <string>
#include <string_view>

namespace trv {

#ifdef _WIN32
// Text is UTF-8 inside the program and UTF-16 at the Win32 boundary.
std::wstring widen(std::string_view s);
std::string narrow(std::wstring_view w);

// Shows the shell's chooser of programs ("Open with") for `path`: the verb
// "openas" through the item's ID list, in a normal window. Returns once the
// chooser is on show. Throws RuntimeFailure when the shell cannot show it;
// the user closing the chooser is no failure.
void showOpenWithChooser(const std::string& path);
#endif

}  // namespace trv
