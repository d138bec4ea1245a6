#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trv::cli {

// The program's arguments (without the program's name) in UTF-8, as the
// program keeps all text. Windows hands them over in the ANSI code page; the
// wide command line holds every character.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// The lines of a script file; nothing when it cannot be read.
std::optional<std::vector<std::string>> readScript(const std::string& path);

}  // namespace trv::cli
