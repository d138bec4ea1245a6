#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trv::cli {

// What trv-cli's command line asks for.
struct Invocation {
    enum class Action { Play, Help, PlayHelp, Version, Error };
    Action action = Action::Error;
    std::string script;               // play: the script to play
    std::optional<std::string> ini;   // play --ini: trv.ini to read instead of the one beside the program
    std::optional<std::string> user;  // play --user: the logon name to use
    std::string error;                // Error: one line saying what is wrong
};

// The message when an argument is not UTF-8 text (a logon name or path
// that is no text is refused, never passed on); nothing when all are.
std::optional<std::string> argumentNotText(const std::vector<std::string>& args);

// Reads the arguments after the program's name. Options of `play` may stand
// before or after the script.
Invocation parseArguments(const std::vector<std::string>& args);

// The texts of --help, play --help and --version.
const char* helpText();
const char* playHelpText();
const char* versionText();

}  // namespace trv::cli
