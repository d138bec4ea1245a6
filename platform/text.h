#pragma once

#include <string>
#include <string_view>

namespace trv {

// Text is UTF-8 inside the program. Lengths in checks count characters
// (code points), not bytes.
std::size_t charCount(std::string_view s);

// The first `n` characters of `s`.
std::string leftChars(std::string_view s, std::size_t n);

// Upper-cases each character to its single upper-case form (é -> É, ß stays ß).
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);

// Comparison without regard to letter case, as the file system and the INI
// reader compare names.
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
// Orders names as a Windows file system lists them: by their upper-case form.
bool lessNoCase(std::string_view a, std::string_view b);

bool isAsciiDigit(char c);
bool allAsciiDigits(std::string_view s);  // false for an empty string

std::string trimBlanks(std::string_view s);  // blanks and tabs at both ends

// Appends one character (code point) to `out` in UTF-8.
void appendUtf8(char32_t c, std::string& out);

}  // namespace trv
