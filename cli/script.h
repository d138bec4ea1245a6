#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace trv::cli {

// Splits a script line into words: words are separated by blanks; a word in
// double quotes may hold blanks, and "" is the empty word. Nothing when a
// quote is left open.
std::optional<std::vector<std::string>> splitWords(const std::string& line);

// What the command line asks for: play SCRIPT [--ini PATH] [--user NAME].
struct Invocation {
    std::string script;
    std::optional<std::string> ini;
    std::optional<std::string> user;
};

// The invocation, or the message to print (and end with status 2) when the
// command line is wrong: a form other than the one above, or an argument that
// is not UTF-8 text.
std::variant<Invocation, std::string> parseArguments(const std::vector<std::string>& args);

// A message as the transcript shows it: CR and LF written as \r and \n.
std::string escapeLineBreaks(const std::string& text);

}  // namespace trv::cli
