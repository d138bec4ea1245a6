#include "cli/commands/commands.h"

#include <ostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

namespace trv::cli {

const char* batchCommandsUsage() {
    return "trv-cli check (--project CODE | --all) [--type design|as-built|both] [--format text|json|csv|html]\n"
           "              [--no-report] [--history FILE]\n"
           "    the naming check of one registered project or of every one; writes each quality report\n"
           "    as the window does unless --no-report; html is one page with charts for people;\n"
           "    --history adds a line per project to the CSV FILE, whose trend the page shows;\n"
           "    exit 0 no findings, 1 findings, 2 error\n"
           "trv-cli name model --project CODE --type design|as-built --discipline NAME --model TYPE\n"
           "              [--facility NN] [--user-code CODE] [--create]\n"
           "trv-cli name sheet --project CODE --type design|as-built --discipline NAME --sheet-type N\n"
           "              [--facility NN] [--sheet-number DDD-X] [--create]\n"
           "    composes a name as the window does and prints it; --create also creates the drawing from\n"
           "    its template (never over an existing one) and prints its path\n"
           "trv-cli projects [--format text|json|csv]\n"
           "    the registered projects with their names\n"
           "trv-cli config check\n"
           "    every key of trv.ini, the folders, the user, the projects, the template folders and the\n"
           "    data files, one line each; exit 1 when something is wrong\n"
           "trv-cli controls [WINDOW]\n"
           "    each control of every window (or of one) with its kind and caption, as scripts name it\n"
           "Each takes --ini PATH (trv.ini beside the program otherwise) and --user NAME (the logon name\n"
           "otherwise).\n";
}

int badArguments(std::ostream& err, const std::string& message) {
    err << "trv-cli: " << message << '\n';
    return statusError;
}

std::optional<int> runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return std::nullopt;
    using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
    Command command = nullptr;
    if (args[0] == "check") command = checkCommand;
    if (args[0] == "name") command = nameCommand;
    if (args[0] == "projects") command = projectsCommand;
    if (args[0] == "config") command = configCommand;
    if (args[0] == "controls") command = controlsCommand;
    if (!command) return std::nullopt;
#ifdef _WIN32
    // CSV records end with CR LF already; a text-mode stream would double the CR.
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    const int status = command({args.begin() + 1, args.end()}, out, err);
    out.flush();
    return status;
}

}  // namespace trv::cli
