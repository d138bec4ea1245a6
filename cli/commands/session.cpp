#include "cli/commands/session.h"

#include <ostream>

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#else
#include <unistd.h>
#endif

namespace trv::cli {

Session::Session(const Arguments& args) {
    if (const auto ini = args.value("--ini")) platform.setSettingsFile(*ini);
    if (const auto user = args.value("--user")) platform.setUserName(*user);
}

bool Session::load(std::ostream& err) {
    LoadSettings(platform, ui, settings);
    printMessages(ui.messages, err);
    ui.messages.clear();
    return settings.InitOK;
}

void printMessages(const std::vector<std::string>& messages, std::ostream& err) {
    for (const auto& m : messages) err << m << '\n';
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
    return ::_isatty(::_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace trv::cli
