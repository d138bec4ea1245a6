// trv-cli: the program without a screen. `trv-cli play SCRIPT` starts TRV as
// the GUI would, plays the script against its windows and prints a transcript.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "cli/player.h"
#include "cli/script.h"
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
        // An argument that is no text (a lone surrogate) stays a byte that
        // is not UTF-8, so that it is refused like one.
        const int n = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(n > 0 ? n - 1 : 0, '\0');
        if (n > 1) ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide[i], -1, arg.data(), n, nullptr, nullptr);
        if (n == 0 && wide[i][0] != L'\0') arg.assign(1, '\xFF');
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
    const auto parsed = trv::cli::parseArguments(utf8Arguments(argc, argv));
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        std::cerr << *refusal << '\n';
        return 2;
    }
    const auto& invocation = std::get<trv::cli::Invocation>(parsed);
    const std::string& scriptPath = invocation.script;
    trv::cli::ScriptSystem platform(std::cout);
    trv::cli::ScriptInteraction interaction(platform, std::cout);
    if (invocation.ini) platform.setSettingsFile(*invocation.ini);
    if (invocation.user) platform.setUserName(*invocation.user);
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
