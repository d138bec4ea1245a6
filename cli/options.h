#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

// trv-cli's command lines, and trv's `play`: one reader for all of them.
namespace trv::cli {

// The options a command takes. A word beginning with "-" (other than "-"
// itself) is an option; "--help" and "-h" ask for the command's usage.
struct Syntax {
    std::set<std::string> valued;  // each followed by its value
    std::set<std::string> flags;
    std::size_t maxWords = std::string::npos;  // words that are no option
    bool lastValueWins = false;                // an option given twice: the last value, not a refusal
};

// A command line as read: its words, option values and flags.
struct Arguments {
    std::vector<std::string> words;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    bool help = false;  // the command's usage asked for (nothing else read)

    bool has(const std::string& option) const { return values.count(option) || flags.count(option); }
    std::optional<std::string> value(const std::string& option) const;
};

// Why a command line cannot be read, at `word`.
struct ArgumentError {
    enum class Kind { NeedsValue, GivenTwice, UnknownOption, ExtraWord };
    Kind kind;
    std::string word;
};

// Reads `args` by `syntax` up to the first problem.
std::variant<Arguments, ArgumentError> readArguments(const std::vector<std::string>& args,
                                                     const Syntax& syntax);

// `play SCRIPT [--ini PATH] [--user NAME]`, and `--screenshots DIR` where
// the front end takes screenshots.
struct PlayCommand {
    std::string script;
    std::optional<std::string> ini;          // trv.ini to read instead of the one beside the program
    std::optional<std::string> user;         // the logon name to use
    std::optional<std::string> screenshots;  // the folder of the pictures
};

// What trv-cli's command line (without a batch command) asks for.
struct Invocation {
    enum class Action { Play, Help, PlayHelp, Version, Error };
    Action action = Action::Error;
    PlayCommand play;   // Play
    std::string error;  // Error: one line saying what is wrong
};

// The message when an argument is not UTF-8 text (a logon name or path
// that is no text is refused, never passed on); nothing when all are.
std::optional<std::string> argumentNotText(const std::vector<std::string>& args);

// Reads the arguments after the program's name. Options of `play` may stand
// before or after the script; `takesScreenshots` for a front end's play.
Invocation parseArguments(const std::vector<std::string>& args, bool takesScreenshots = false);

// The texts of --help, play --help and --version.
const char* helpText();
const char* playHelpText();
const char* versionText();

}  // namespace trv::cli
