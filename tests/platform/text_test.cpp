#include "platform/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace trv {
namespace {

TEST(CharCount, CountsCharactersNotBytes) {
    struct Case {
        const char* text;
        std::size_t chars;
    };
    const Case cases[] = {
        {"", 0},
        {"AS-BUILT", 8},
        {"\xC3\xA9", 1},                         // é, two bytes
        {"caf\xC3\xA9", 4},                      // café
        {"\xE6\x97\xA5\xE6\x9C\xAC", 2},         // two three-byte characters
        {"\xF0\x9F\x93\x90", 1},                 // one four-byte character
        {"0\xEF\xBC\x91", 2},                    // "0" and the full-width one
        {"\xFF" "A", 2},                         // a lone invalid byte counts as one
        {"\xC3", 1},                             // a sequence cut short counts as one
    };
    for (const auto& c : cases) {
        EXPECT_EQ(charCount(c.text), c.chars) << c.text;
        const std::string_view text = c.text;
        std::size_t steps = 0;
        for (std::size_t i = 0; i < text.size(); i += charLengthAt(text, i)) ++steps;
        EXPECT_EQ(steps, c.chars) << c.text;
    }
}

TEST(LeftChars, CutsOnCharacterBoundaries) {
    EXPECT_EQ(leftChars("caf\xC3\xA9s", 4), "caf\xC3\xA9");
    EXPECT_EQ(leftChars("abc", 10), "abc");
    EXPECT_EQ(leftChars("abc", 0), "");
}

TEST(ToUpper, MapsEachCharacterToItsSingleUpperCaseForm) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"architectural", "ARCHITECTURAL"},
        {"As-Built Drawings 01", "AS-BUILT DRAWINGS 01"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"},          // été -> ÉTÉ
        {"stra\xC3\x9F" "e", "STRA\xC3\x9F" "E"},            // ß has no single upper form
        {"\xC3\xBF", "\xC5\xB8"},                            // ÿ -> Ÿ changes byte length
        {"\xC3\xB7", "\xC3\xB7"},                            // ÷ is no letter
        {"\xD0\xB6", "\xD0\x96"},                            // ж -> Ж
        {"_[]{}~@`", "_[]{}~@`"},                            // ASCII non-letters unchanged
        {"\xFF" "a", "\xFF" "A"},                            // an invalid byte survives
    };
    for (const auto& c : cases) EXPECT_EQ(toUpper(c.in), c.out) << c.in;
}

// Only the shortest form of a code point up to U+10FFFF that is no surrogate
// is UTF-8. Anything else stays bytes that count one each and that case
// mapping leaves alone: C0 AF never becomes "/", C0 80 never NUL.
TEST(Utf8, InvalidSequencesStayBytesThatNoMappingChanges) {
    for (const char* valid : {"", "abc", "\xC3\xA9", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(isValidUtf8(valid)) << valid;
    // Overlong "/", NUL, "A" and "/" again; a surrogate; past U+10FFFF; cut short; stray bytes.
    for (const std::string bytes : {"\xC0\xAF", "\xC0\x80", "\xC1\x81", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
                                    "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE2\x82", "\x80"}) {
        EXPECT_FALSE(isValidUtf8("a" + bytes + "a")) << bytes;
        EXPECT_EQ(toUpper(bytes), bytes);
        EXPECT_EQ(toLower(bytes), bytes);
        EXPECT_EQ(charCount(bytes), bytes.size());
    }
}

TEST(EqualsNoCase, IgnoresLetterCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"curproject.txt", "CURPROJECT.TXT", true},
        {"Standard_documents", "standard_DOCUMENTS", true},
        {"\xC3\xA9", "\xC3\x89", true},  // é and É
        {"", "", true},
        {"paths", "path", false},
        {"a", "", false},
        {"stra\xC3\x9F" "e", "STRASSE", false},  // ß is not SS
        {"O", "0", false},
        {"a@[", "A`{", false},  // the neighbours of the letters have no other case
    };
    for (const auto& c : cases) {
        EXPECT_EQ(equalsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(equalsNoCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

TEST(StartsWithNoCase, ComparesThePrefixWithoutCase) {
    EXPECT_TRUE(startsWithNoCase("KLV-13000-C000-A-FP01.dwg", "klv-13000"));
    EXPECT_TRUE(startsWithNoCase("abc", ""));
    EXPECT_FALSE(startsWithNoCase("ab", "abc"));
    EXPECT_FALSE(startsWithNoCase("xabc", "abc"));
}

TEST(LessNoCase, OrdersByUpperCaseForm) {
    // The order a Windows file system lists names in: '_' sorts after the
    // letters because it is compared with the upper-case letters; plain byte
    // order or lower-case order would put it first.
    std::vector<std::string> names = {"zeta.txt", "_notes.txt", "Beta.txt", "alpha.txt", "B.txt", "\xC3\xA9t\xC3\xA9.txt"};
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return lessNoCase(a, b); });
    const std::vector<std::string> expected = {"alpha.txt", "B.txt",      "Beta.txt",
                                               "zeta.txt",  "_notes.txt", "\xC3\xA9t\xC3\xA9.txt"};
    EXPECT_EQ(names, expected);
}

TEST(LessNoCase, IsAStrictOrderEvenForNamesEqualWithoutCase) {
    // Two names that differ only in case must still order one way, or a
    // sort could drop or repeat one of them.
    EXPECT_NE(lessNoCase("Units.txt", "units.txt"), lessNoCase("units.txt", "Units.txt"));
    EXPECT_FALSE(lessNoCase("same", "same"));
    EXPECT_TRUE(lessNoCase("a", "B"));
    EXPECT_FALSE(lessNoCase("B", "a"));
}

TEST(AllAsciiDigits, AcceptsOnlyAsciiDigitsAndNeedsOne) {
    struct Case {
        const char* text;
        bool digits;
    };
    const Case cases[] = {
        {"", false},
        {"0", true},
        {"0123456789", true},
        {"12 ", false},
        {" 12", false},
        {"1a", false},
        {"-1", false},
        {"\xEF\xBC\x91", false},     // full-width one
        {"\xD9\xA1", false},         // Arabic-Indic one
        {"1\xC2\xB2", false},        // superscript two
    };
    for (const auto& c : cases) EXPECT_EQ(allAsciiDigits(c.text), c.digits) << '"' << c.text << '"';
}

TEST(TrimBlanks, RemovesBlanksAndTabsAtBothEndsOnly) {
    EXPECT_EQ(trimBlanks(" \t a b \t "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\r\nx\r\n"), "\r\nx\r\n");  // line ends are not blanks
}

}  // namespace
}  // namespace trv
