#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"

// The batch commands of trv-cli: the naming check, names, the projects, the
// configuration and the windows' controls, without a window. Each runs the
// operations the windows run and prints what they give.
namespace trv::cli {

// A batch command: its name, its usage for the help, the options its
// command line takes (besides --ini and --user, which every one takes) and
// what it does with the command line read (the words after its name).
struct BatchCommand {
    const char* name;
    const char* usage;
    Syntax syntax;
    int (*run)(const Arguments& args, std::ostream& out, std::ostream& err);
};
const std::vector<BatchCommand>& batchCommands();

// Every batch command with its options, for the program's help.
std::string batchCommandsUsage();

// Runs the batch command that `args` (the program's arguments) names and
// gives its exit status; nothing when the first word names none of them.
// With --help (or -h) it prints the command's usage.
std::optional<int> runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The commands, each given its command line as read. Exit status: 0 done
// (nothing found), 1 something found or refused, 2 an error (bad arguments,
// no usable configuration, an unknown project).
int checkCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int nameCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int projectsCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int configCommand(const Arguments& a, std::ostream& out, std::ostream& err);
int controlsCommand(const Arguments& a, std::ostream& out, std::ostream& err);

// Exit statuses.
constexpr int statusClean = 0;
constexpr int statusFound = 1;
constexpr int statusError = 2;

// A usage error: the message, then the status for bad arguments.
int badArguments(std::ostream& err, const std::string& message);

}  // namespace trv::cli
