// The UTF-8 text helpers on any bytes, against a decoder written here from
// the table of well-formed UTF-8 sequences:
// - validity and character counts agree with that table;
// - upper- and lower-casing map each character to one character, keep every
//   byte that is not UTF-8 as it is, and never make a separator, a control
//   character or any other ASCII character out of something else (the
//   unsafe-name check of a path relies on it);
// - valid text decoded and encoded again (as UTF-8 with or without its mark,
//   as UTF-16 in both byte orders) comes back unchanged;
// - whatever a file holds, reading it as text gives valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/native_platform.h"
#include "platform/text.h"

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

void require(bool ok, const char* what) {
    if (!ok) fail(what);
}

// One character of some bytes: a code point, or a byte that is not UTF-8.
struct Char {
    char32_t cp;
    bool lone;
    bool operator==(const Char&) const = default;
};

// The well-formed sequences: lead byte range, then the range of each
// continuation byte.
struct Form {
    unsigned char lo, hi;
    int len;
    unsigned char c1lo, c1hi;
};
constexpr Form forms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

std::vector<Char> chars(std::string_view s) {
    std::vector<Char> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out.push_back({b0, false});
            ++i;
            continue;
        }
        bool taken = false;
        for (const Form& f : forms) {
            if (b0 < f.lo || b0 > f.hi || i + f.len > s.size()) continue;
            char32_t cp = b0 & (f.len == 2 ? 0x1F : f.len == 3 ? 0x0F : 0x07);
            bool ok = true;
            for (int k = 1; k < f.len && ok; ++k) {
                const auto b = static_cast<unsigned char>(s[i + k]);
                const unsigned char lo = k == 1 ? f.c1lo : 0x80, hi = k == 1 ? f.c1hi : 0xBF;
                ok = b >= lo && b <= hi;
                cp = (cp << 6) | (b & 0x3F);
            }
            if (ok) {
                out.push_back({cp, false});
                i += f.len;
                taken = true;
            }
            break;
        }
        if (!taken) {
            out.push_back({b0, true});
            ++i;
        }
    }
    return out;
}

bool valid(const std::vector<Char>& cs) {
    for (const Char& c : cs)
        if (c.lone) return false;
    return true;
}

bool isAsciiLetterPair(char32_t a, char32_t b) {
    auto up = [](char32_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
    return up(a) == up(b) && ((a >= 'a' && a <= 'z') || (a >= 'A' && a <= 'Z'));
}

// What a case mapping may do to each character.
void checkCaseMapping(const std::vector<Char>& in, std::string_view mappedBytes, const char* name) {
    const std::vector<Char> out = chars(mappedBytes);
    if (out.size() != in.size()) fail(name);
    for (std::size_t k = 0; k < in.size(); ++k) {
        const Char a = in[k], b = out[k];
        if (a.lone || b.lone) {
            require(a == b, "a byte that is not UTF-8 changed or appeared");
            continue;
        }
        // ASCII (separators, controls, quotes, dots) and the C1 controls only
        // come from themselves, or from the other case of an ASCII letter.
        const bool special = b.cp < 0x80 || (b.cp >= 0x80 && b.cp <= 0x9F);
        if (special) require(a.cp == b.cp || isAsciiLetterPair(a.cp, b.cp), "case mapping made a special character");
        require(!(b.cp >= 0xD800 && b.cp <= 0xDFFF) && b.cp <= 0x10FFFF, "case mapping made no character");
    }
}

void appendUtf16(char32_t c, bool bigEndian, std::string& out) {
    auto unit = [&](char32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    if (c < 0x10000) {
        unit(c);
    } else {
        unit(0xD800 + ((c - 0x10000) >> 10));
        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// The port with a file that holds the fuzzed bytes, to read it as text.
class OneFile : public trv::NativePlatform {
public:
    explicit OneFile(std::string_view bytes) : bytes_(bytes) {}
    std::string readFile(const std::string&) override { return std::string(bytes_); }

private:
    std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    const std::vector<Char> cs = chars(s);
    const bool isValid = valid(cs);

    require(trv::isValidUtf8(s) == isValid, "isValidUtf8 disagrees with the table");
    require(trv::charCount(s) == cs.size(), "charCount disagrees with the table");

    const std::string upper = trv::toUpper(s), lower = trv::toLower(s);
    checkCaseMapping(cs, upper, "toUpper changed the number of characters");
    checkCaseMapping(cs, lower, "toLower changed the number of characters");
    require(trv::toUpper(upper) == upper, "toUpper is not idempotent");
    require(trv::equalsNoCase(s, upper) && trv::equalsNoCase(upper, s), "text differs from its upper case");
    require(!trv::lessNoCase(s, s), "lessNoCase is not irreflexive");

    // Two texts out of one: the order and comparison without case agree.
    const std::string_view a = s.substr(0, size / 2), b = s.substr(size / 2);
    require(!(trv::lessNoCase(a, b) && trv::lessNoCase(b, a)), "lessNoCase is not asymmetric");
    require(trv::equalsNoCase(a, b) == trv::equalsNoCase(b, a), "equalsNoCase is not symmetric");

    const std::size_t n = size ? data[0] % 16 : 0;
    const std::string left = trv::leftChars(s, n);
    require(s.starts_with(left), "leftChars is no prefix");
    require(trv::charCount(left) == std::min(n, cs.size()), "leftChars took the wrong number of characters");

    // Decoding then encoding. (Bytes FF and FE never start valid text; a
    // UTF-8 mark at the start is taken as a mark.)
    const bool marked = s.starts_with("\xEF\xBB\xBF");
    if (isValid) {
        std::string utf8, le = "\xFF\xFE", be = "\xFE\xFF";
        for (const Char& c : cs) {
            trv::appendUtf8(c.cp, utf8);
            appendUtf16(c.cp, false, le);
            appendUtf16(c.cp, true, be);
        }
        require(utf8 == s, "appendUtf8 does not give the text back");
        if (!marked) require(trv::unicodeTextOf(s) == std::string(s), "valid text not taken as it is");
        require(trv::unicodeTextOf("\xEF\xBB\xBF" + std::string(s)) == std::string(s), "UTF-8 with its mark");
        require(trv::unicodeTextOf(le) == std::string(s), "UTF-16 LE round trip");
        require(trv::unicodeTextOf(be) == std::string(s), "UTF-16 BE round trip");
        require(trv::isValidUtf8(upper) && trv::isValidUtf8(lower), "case mapping made valid text invalid");
    }

    // Any bytes read from a file give text.
    if (const auto text = trv::unicodeTextOf(s)) require(trv::isValidUtf8(*text), "unicodeTextOf gave bytes");
    const std::string ansi = trv::windows1252ToUtf8(s);
    require(trv::isValidUtf8(ansi) && trv::charCount(ansi) == size, "Windows-1252 gave no character per byte");
    OneFile file(s);
    const std::string read = file.readTextFile("file");
    require(trv::isValidUtf8(read), "readTextFile gave bytes that are not UTF-8");
    if (isValid && !marked) require(read == s, "readTextFile changed UTF-8 text");
    return 0;
}
