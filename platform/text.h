#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trv {

// Text is UTF-8 inside the program. Lengths in checks count characters
// (code points), not bytes. Bytes that are not valid UTF-8 (an overlong form,
// a surrogate, a code point past U+10FFFF, a sequence cut short, a stray
// byte) count and map as one character each and never change.
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

// Whether every byte is below 0x80, each one a whole character: folder
// listings and drawing names nearly always are, and take byte loops.
bool isAscii(std::string_view s);
// Appends the upper-case form of `s` to `out` (a listing's keys share one buffer).
void appendUpper(std::string& out, std::string_view s);

bool isAsciiDigit(char c);
bool allAsciiDigits(std::string_view s);  // false for an empty string

std::string trimBlanks(std::string_view s);  // blanks and tabs at both ends

// Whether `s` is valid UTF-8: text typed or given on a command line must be.
bool isValidUtf8(std::string_view s);

// Text as read from a file: when `bytes` are Unicode text, that text in UTF-8
// (UTF-16 with its byte-order mark converted; after a UTF-8 byte-order mark,
// a byte that is not UTF-8 becomes U+FFFD). Nothing for other bytes: the file was written in an ANSI code
// page, as the records and lists of earlier tools were.
std::optional<std::string> unicodeTextOf(std::string_view bytes);

// Windows-1252 text (the ANSI code page of western Windows systems) in UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

// The length in bytes of the character at byte `i` of `s`: its UTF-8
// sequence, or 1 for a byte that is not valid UTF-8 there (counted alone, as
// charCount counts it).
std::size_t charLengthAt(std::string_view s, std::size_t i);

// Appends one character (code point) to `out` in UTF-8.
void appendUtf8(char32_t c, std::string& out);

}  // namespace trv
