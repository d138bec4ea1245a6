// trv-cli: the program without a screen. `trv-cli play SCRIPT` starts TRV as
// the GUI would, plays the script against its windows and prints a transcript.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "cli/command_line.h"
#include "cli/player.h"
#include "ui/application.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    const auto command = trv::cli::parsePlayCommand(trv::cli::utf8Arguments(argc, argv));
    if (!command) {
        std::cerr << "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]\n";
        return 2;
    }
    trv::cli::ScriptSystem platform(std::cout);
    trv::cli::ScriptInteraction interaction(platform, std::cout);
    if (command->ini) platform.setSettingsFile(*command->ini);
    if (command->user) platform.setUserName(*command->user);
    const auto lines = trv::cli::readScript(command->script);
    if (!lines) {
        std::cerr << "trv-cli: cannot read " << command->script << '\n';
        return 2;
    }

    trv::ui::Application app(platform, interaction);
    trv::cli::Player player(app, platform, interaction, std::cout);
    const int status = player.play(*lines);
    std::cout.flush();
    return status;
}
