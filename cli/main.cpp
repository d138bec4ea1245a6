// trv-cli: the program without a screen. `trv-cli play SCRIPT` starts TRV as
// the GUI would, plays the script against its windows and prints a transcript;
// `trv-cli --help` tells the commands and exit statuses.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "cli/options.h"
#include "cli/commands/commands.h"
#include "cli/player.h"
#include "ui/application.h"

namespace {

// The arguments in UTF-8, as the program keeps all text. Windows hands them
// over in the ANSI code page; the wide command line holds every character.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(n > 0 ? n - 1 : 0, '\0');
        if (n > 1) ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), n, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    ::LocalFree(wide);
    ::SetConsoleOutputCP(CP_UTF8);
    return args;
#else
    return {argv + 1, argv + argc};
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = utf8Arguments(argc, argv);
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
    const std::string& scriptPath = call.script;
    trv::cli::ScriptSystem platform(std::cout);
    trv::cli::ScriptInteraction interaction(platform, std::cout);
    if (call.ini) platform.setSettingsFile(*call.ini);
    if (call.user) platform.setUserName(*call.user);
    const std::u8string pathUtf8(scriptPath.begin(), scriptPath.end());
    std::ifstream in(std::filesystem::path(pathUtf8), std::ios::binary);
    if (!in) {
        std::cerr << "trv-cli: cannot read " << scriptPath << '\n';
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);

    trv::ui::Application app(platform, interaction);
    trv::cli::Player player(app, platform, interaction, std::cout);
    const int status = player.play(lines);
    std::cout.flush();
    return status;
}
