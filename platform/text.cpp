#include "platform/text.h"

#include <array>
#include <algorithm>

namespace trv {
namespace {

constexpr char32_t loneByteBase = 0xDC00;

// Decodes one code point at `i`, advancing `i`. Only the shortest form of a
// code point up to U+10FFFF that is no surrogate is valid UTF-8; every other
// byte (a stray continuation, an overlong form such as C0 AF, a surrogate, a
// sequence cut short) is taken alone as itself, so that no input is lost and
// no invalid sequence ever turns into a character such as "/" or NUL.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](std::size_t k, unsigned char low = 0x80, unsigned char high = 0xBF) -> int {
        if (i + k >= s.size()) return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return b >= low && b <= high ? (b & 0x3F) : -1;
    };
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        const int c1 = cont(1);
        if (c1 >= 0) {
            i += 2;
            return (char32_t(b0 & 0x1F) << 6) | char32_t(c1);
        }
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        // E0 needs A0 and up (no overlong form), ED at most 9F (no surrogate).
        const int c1 = cont(1, b0 == 0xE0 ? 0xA0 : 0x80, b0 == 0xED ? 0x9F : 0xBF);
        const int c2 = c1 >= 0 ? cont(2) : -1;
        if (c2 >= 0) {
            i += 3;
            return (char32_t(b0 & 0x0F) << 12) | (char32_t(c1) << 6) | char32_t(c2);
        }
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        // F0 needs 90 and up (no overlong form), F4 at most 8F (up to U+10FFFF).
        const int c1 = cont(1, b0 == 0xF0 ? 0x90 : 0x80, b0 == 0xF4 ? 0x8F : 0xBF);
        const int c2 = c1 >= 0 ? cont(2) : -1;
        const int c3 = c2 >= 0 ? cont(3) : -1;
        if (c3 >= 0) {
            i += 4;
            return (char32_t(b0 & 0x07) << 18) | (char32_t(c1) << 12) | (char32_t(c2) << 6) | char32_t(c3);
        }
    }
    ++i;
    return loneByteBase + b0;  // kept apart from real characters: no valid text decodes to a surrogate
}

bool isLoneByte(char32_t c) { return c >= loneByteBase + 0x80 && c <= loneByteBase + 0xFF; }

void encode(char32_t c, std::string& out) {
    if (isLoneByte(c)) {
        out += static_cast<char>(c - loneByteBase);
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

std::size_t charLengthAt(std::string_view s, std::size_t i) {
    const std::size_t start = i;
    decode(s, i);
    return i - start;
}

std::string leftChars(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) decode(s, i);
    return std::string(s.substr(0, i));
}

namespace {

// Appends an ASCII text with its letters from..to switched to the other case.
template <char from, char to>
void appendSwitchedAsciiCase(std::string& out, std::string_view s) {
    const std::size_t start = out.size();
    out.append(s);
    for (std::size_t i = start; i < out.size(); ++i)
        out[i] = static_cast<char>(out[i] ^ (out[i] >= from && out[i] <= to ? 0x20 : 0));
}

}  // namespace

// No early exit: the loop runs over whole vector registers.
bool isAscii(std::string_view s) {
    unsigned char seen = 0;
    for (const char c : s) seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

void appendUpper(std::string& out, std::string_view s) {
    if (isAscii(s)) {
        appendSwitchedAsciiCase<'a', 'z'>(out, s);
    } else {
        out += mapChars(s, upper);
    }
}

std::string toUpper(std::string_view s) {
    std::string out;
    appendUpper(out, s);
    return out;
}
std::string toLower(std::string_view s) {
    if (!isAscii(s)) return mapChars(s, lower);
    std::string out;
    appendSwitchedAsciiCase<'A', 'Z'>(out, s);
    return out;
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

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();)
        if (isLoneByte(decode(s, i))) return false;
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    // 0x80 to 0x9F; the five bytes the code page leaves undefined stand for
    // the control characters of the same number, as Windows converts them.
    static constexpr std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(b >= 0x80 && b <= 0x9F ? char32_t(high[b - 0x80]) : char32_t(b), out);
    }
    return out;
}

namespace {

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;  // a surrogate without its pair
        appendUtf8(c, out);
    }
    return out;
}

}  // namespace

std::optional<std::string> unicodeTextOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return utf16ToUtf8(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        // Marked as UTF-8: a byte that is not stands for a character lost.
        std::string out;
        for (std::size_t i = 3; i < bytes.size();) {
            const char32_t c = decode(bytes, i);
            appendUtf8(isLoneByte(c) ? char32_t(0xFFFD) : c, out);
        }
        return out;
    }
    if (!isValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
}

}  // namespace trv
