#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trv::cli {

// Splits a script line into words: words are separated by blanks; a word in
// double quotes may hold blanks, and "" is the empty word. Nothing when a
// quote is left open.
std::optional<std::vector<std::string>> splitWords(const std::string& line);

// A message as the transcript shows it: CR and LF written as \r and \n.
std::string escapeLineBreaks(const std::string& text);

}  // namespace trv::cli
