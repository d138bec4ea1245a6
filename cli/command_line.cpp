#include "cli/command_line.h"

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>
#endif

namespace trv::cli {

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
    return args;
#else
    return {argv + 1, argv + argc};
#endif
}

std::optional<std::vector<std::string>> readScript(const std::string& path) {
    const std::u8string pathUtf8(path.begin(), path.end());
    std::ifstream in(std::filesystem::path(pathUtf8), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace trv::cli
