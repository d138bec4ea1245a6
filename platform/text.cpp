#include "platform/text.h"

#include <algorithm>

namespace trv {
namespace {

// Decodes one code point at `i`, advancing `i`. Invalid bytes are taken one at
// a time as themselves so that no input is lost.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k) -> int {
        if (i + k >= s.size()) return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        const int c1 = cont(1);
        if (c1 >= 0) {
            i += 2;
            return (char32_t(b0 & 0x1F) << 6) | char32_t(c1);
        }
    } else if ((b0 & 0xF0) == 0xE0) {
        const int c1 = cont(1), c2 = cont(2);
        if (c1 >= 0 && c2 >= 0) {
            i += 3;
            return (char32_t(b0 & 0x0F) << 12) | (char32_t(c1) << 6) | char32_t(c2);
        }
    } else if ((b0 & 0xF8) == 0xF0) {
        const int c1 = cont(1), c2 = cont(2), c3 = cont(3);
        if (c1 >= 0 && c2 >= 0 && c3 >= 0) {
            i += 4;
            return (char32_t(b0 & 0x07) << 18) | (char32_t(c1) << 12) | (char32_t(c2) << 6) |
                   char32_t(c3);
        }
    }
    ++i;
    return 0xDC00 + b0;  // lone byte, kept apart from real characters
}

void encode(char32_t c, std::string& out) {
    if (c >= 0xDC80 && c <= 0xDCFF) {  // lone byte decoded above
        out += static_cast<char>(c - 0xDC00);
    } else {
        appendUtf8(c, out);
    }
}

}  // namespace

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// Single-character case mappings; characters whose upper case is more than
// one character (ß) stay as they are.
char32_t upper(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c == 0xDF) return c;  // ß has no single upper-case form
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137) return (c & 1) ? c - 1 : c;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c : c - 1;
    if (c >= 0x14A && c <= 0x177) return (c & 1) ? c - 1 : c;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c : c - 1;
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x3B1 && c <= 0x3C9) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

char32_t lower(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x137) return (c & 1) ? c : c + 1;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return (c & 1) ? c : c + 1;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

template <class F>
std::string mapChars(std::string_view s, F f) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) encode(f(decode(s, i)), out);
    return out;
}

}  // namespace

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) decode(s, i);
    return n;
}

std::string leftChars(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) decode(s, i);
    return std::string(s.substr(0, i));
}

namespace {

// Whether every byte is below 0x80, each one a whole character. Folder
// listings are nearly all such names and are upper-cased name by name for
// their order. (No early exit: the loop runs over whole vector registers.)
bool isAscii(std::string_view s) {
    unsigned char seen = 0;
    for (const char c : s) seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

// The letters from..to of an ASCII text switched to the other case.
template <char from, char to>
std::string switchAsciiCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(c ^ (c >= from && c <= to ? 0x20 : 0));
    return out;
}

}  // namespace

std::string toUpper(std::string_view s) {
    return isAscii(s) ? switchAsciiCase<'a', 'z'>(s) : mapChars(s, upper);
}
std::string toLower(std::string_view s) {
    return isAscii(s) ? switchAsciiCase<'A', 'Z'>(s) : mapChars(s, lower);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) {
        // Without copies: a folder's names are compared one by one with a name looked up.
        const auto upperAscii = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
                   return upperAscii(x) == upperAscii(y);
               });
    }
    return toUpper(a) == toUpper(b);
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    const std::string us = toUpper(s), up = toUpper(prefix);
    return us.compare(0, up.size(), up) == 0;
}

bool lessNoCase(std::string_view a, std::string_view b) {
    const std::string ua = toUpper(a), ub = toUpper(b);
    if (ua != ub) return ua < ub;
    return a < b;
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool allAsciiDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!isAsciiDigit(c)) return false;
    return true;
}

std::string trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace trv
