#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trv::cli {

// The program's arguments (without the program's name) in UTF-8, as the
// program keeps all text. Windows hands them over in the ANSI code page; the
// wide command line holds every character.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// `play SCRIPT [--ini PATH] [--user NAME]`, and `--screenshots DIR` where
// the front end takes screenshots.
struct PlayCommand {
    std::string script;
    std::optional<std::string> ini;
    std::optional<std::string> user;
    std::optional<std::string> screenshots;
};
// Nothing when the arguments are no such command.
std::optional<PlayCommand> parsePlayCommand(const std::vector<std::string>& args, bool takesScreenshots = false);

// The lines of a script file; nothing when it cannot be read.
std::optional<std::vector<std::string>> readScript(const std::string& path);

}  // namespace trv::cli
