#include "cli/commands/session.h"

#include <ostream>

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#else
#include <unistd.h>
#endif

namespace trv::cli {

std::optional<std::string> Arguments::value(const std::string& option) const {
    const auto it = values.find(option);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<Arguments> parseArguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
                                        const std::set<std::string>& flags, std::ostream& err) {
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!word.starts_with("--")) {
            a.words.push_back(word);
        } else if (valued.count(word) || word == "--ini" || word == "--user") {
            if (i + 1 >= args.size()) {
                err << "trv-cli: " << word << " needs a value\n";
                return std::nullopt;
            }
            if (a.values.count(word)) {
                err << "trv-cli: " << word << " is given twice\n";
                return std::nullopt;
            }
            a.values[word] = args[++i];
        } else if (flags.count(word)) {
            a.flags.insert(word);
        } else {
            err << "trv-cli: unknown option " << word << '\n';
            return std::nullopt;
        }
    }
    return a;
}

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
