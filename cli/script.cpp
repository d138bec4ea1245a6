#include "cli/script.h"

#include "platform/text.h"

namespace trv::cli {

std::optional<std::vector<std::string>> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::string word;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return std::nullopt;
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::variant<Invocation, std::string> parseArguments(const std::vector<std::string>& args) {
    const std::string usage = "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]";
    for (const auto& arg : args) {
        if (!isValidUtf8(arg)) return std::string("trv-cli: an argument is not valid UTF-8 text");
    }
    if (args.size() < 2 || args[0] != "play") return usage;
    Invocation invocation{args[1], std::nullopt, std::nullopt};
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return usage;
        if (args[i] == "--ini") {
            invocation.ini = args[i + 1];
        } else if (args[i] == "--user") {
            invocation.user = args[i + 1];
        } else {
            return usage;
        }
    }
    return invocation;
}

std::string escapeLineBreaks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace trv::cli
