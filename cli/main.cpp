// trv-cli: the program without a screen. `trv-cli play SCRIPT` starts TRV as
// the GUI would, plays the script against its windows and prints a transcript.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/player.h"
#include "ui/application.h"

namespace {

int usage() {
    std::cerr << "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2 || args[0] != "play") return usage();
    const std::string scriptPath = args[1];
    trv::cli::ScriptPlatform platform(std::cout);
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return usage();
        if (args[i] == "--ini") {
            platform.setSettingsFile(args[i + 1]);
        } else if (args[i] == "--user") {
            platform.setUserName(args[i + 1]);
        } else {
            return usage();
        }
    }
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) {
        std::cerr << "trv-cli: cannot read " << scriptPath << '\n';
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);

    trv::ui::Application app(platform);
    trv::cli::Player player(app, platform, std::cout);
    const int status = player.play(lines);
    std::cout.flush();
    return status;
}
