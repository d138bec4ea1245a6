// trv-cli: the program without a screen. `trv-cli play SCRIPT` starts TRV as
// the GUI would, plays the script against its windows and prints a transcript;
// `trv-cli --help` tells the commands and exit statuses.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "cli/command_line.h"
#include "cli/commands/commands.h"
#include "cli/options.h"
#include "cli/player.h"
#include "ui/application.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    const std::vector<std::string> args = trv::cli::utf8Arguments(argc, argv);
    // A logon name or path that is not text is refused, never passed on.
    if (const auto refusal = trv::cli::argumentNotText(args)) {
        std::cerr << *refusal << '\n';
        return 2;
    }
    if (const auto status = trv::cli::runBatchCommand(args, std::cout, std::cerr)) return *status;
    using Action = trv::cli::Invocation::Action;
    const trv::cli::Invocation call = trv::cli::parseArguments(args);
    switch (call.action) {
        case Action::Error:
            std::cerr << call.error << '\n';
            return 2;
        case Action::Help:
            std::cout << trv::cli::helpText() << "\nBatch commands:\n" << trv::cli::batchCommandsUsage();
            return 0;
        case Action::PlayHelp:
            std::cout << trv::cli::playHelpText();
            return 0;
        case Action::Version:
            std::cout << trv::cli::versionText();
            return 0;
        case Action::Play:
            break;
    }
    trv::cli::ScriptSystem platform(std::cout);
    trv::cli::ScriptInteraction interaction(platform, std::cout);
    if (call.play.ini) platform.setSettingsFile(*call.play.ini);
    if (call.play.user) platform.setUserName(*call.play.user);
    const auto lines = trv::cli::readScript(call.play.script);
    if (!lines) {
        std::cerr << "trv-cli: cannot read " << call.play.script << '\n';
        return 2;
    }

    trv::ui::Application app(platform, interaction);
    trv::cli::Player player(app, platform, interaction, std::cout);
    const int status = player.play(*lines);
    std::cout.flush();
    return status;
}
