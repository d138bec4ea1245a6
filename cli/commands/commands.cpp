#include "cli/commands/commands.h"

#include <algorithm>
#include <ostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

namespace trv::cli {

namespace {

// The options every batch command takes, after the usage of all of them or of one.
const std::string commonOptions =
    " takes --ini PATH (trv.ini beside the program otherwise) and --user NAME (the logon name\n"
    "otherwise).\n";

std::string messageOf(const ArgumentError& error) {
    switch (error.kind) {
        case ArgumentError::Kind::NeedsValue:
            return error.word + " needs a value";
        case ArgumentError::Kind::GivenTwice:
            return error.word + " is given twice";
        case ArgumentError::Kind::UnknownOption:
        case ArgumentError::Kind::ExtraWord:
            break;
    }
    return "unknown option " + error.word;
}

}  // namespace

const std::vector<BatchCommand>& batchCommands() {
    static const std::vector<BatchCommand> commands = {
        {"check",
         "trv-cli check (--project CODE | --all) [--type design|as-built|both] [--format "
         "text|json|csv|html]\n"
         "              [--no-report] [--history FILE]\n"
         "    the naming check of one registered project or of every one; writes each quality report\n"
         "    as the window does unless --no-report; html is one page with charts for people;\n"
         "    --history adds a line per project to the CSV FILE, whose trend the page shows;\n"
         "    exit 0 no findings, 1 findings, 2 error\n",
         {{"--project", "--type", "--format", "--history"}, {"--all", "--no-report"}},
         checkCommand},
        {"name",
         "trv-cli name model --project CODE --type design|as-built --discipline NAME --model TYPE\n"
         "              [--facility NN] [--user-code CODE] [--create]\n"
         "trv-cli name sheet --project CODE --type design|as-built --discipline NAME --sheet-type N\n"
         "              [--facility NN] [--sheet-number DDD-X] [--create]\n"
         "    composes a name as the window does and prints it; --create also creates the drawing from\n"
         "    its template (never over an existing one) and prints its path\n",
         {{"--project", "--type", "--discipline", "--model", "--facility", "--user-code", "--sheet-type",
           "--sheet-number"},
          {"--create"}},
         nameCommand},
        {"projects",
         "trv-cli projects [--format text|json|csv]\n"
         "    the registered projects with their names\n",
         {{"--format"}, {}},
         projectsCommand},
        {"config",
         "trv-cli config check\n"
         "    every key of trv.ini, the folders, the user, the projects, the template folders and the\n"
         "    data files, one line each; exit 1 when something is wrong\n",
         {},
         configCommand},
        {"controls",
         "trv-cli controls [WINDOW] [--events]\n"
         "    each control of every window (or of one) with its kind and caption, as scripts name it;\n"
         "    with --events, each control event and the handler it calls\n",
         {{}, {"--events"}},
         controlsCommand},
    };
    return commands;
}

std::string batchCommandsUsage() {
    std::string usage;
    for (const auto& command : batchCommands()) usage += command.usage;
    return usage + "Each" + commonOptions;
}

int badArguments(std::ostream& err, const std::string& message) {
    err << "trv-cli: " << message << '\n';
    return statusError;
}

std::optional<int> runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return std::nullopt;
    const auto& commands = batchCommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const BatchCommand& c) { return args[0] == c.name; });
    if (command == commands.end()) return std::nullopt;
#ifdef _WIN32
    // CSV records end with CR LF already; a text-mode stream would double the CR.
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    Syntax syntax = command->syntax;
    syntax.valued.insert({"--ini", "--user"});
    const auto read = readArguments({args.begin() + 1, args.end()}, syntax);
    int status = statusClean;
    if (const auto* error = std::get_if<ArgumentError>(&read)) {
        status = badArguments(err, messageOf(*error));
    } else if (const Arguments& arguments = std::get<Arguments>(read); arguments.help) {
        out << command->usage << "It" << commonOptions;
    } else {
        status = command->run(arguments, out, err);
    }
    out.flush();
    return status;
}

}  // namespace trv::cli
