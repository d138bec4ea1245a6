#include "cli/commands/formats.h"

#include <gtest/gtest.h>

namespace trv::cli {
namespace {

TEST(JsonString, EscapesWhatJsonMustAndKeepsUtf8) {
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"plain name.dwg", "\"plain name.dwg\""},
        {"say \"hi\" \\ back", "\"say \\\"hi\\\" \\\\ back\""},
        {"\t\n\r\x01\x1f\x7f", "\"\\t\\n\\r\\u0001\\u001f\\u007f\""},
        {"\xC3\x89t\xC3\xA9 \xF0\x9F\x98\x80", "\"\xC3\x89t\xC3\xA9 \xF0\x9F\x98\x80\""},
        // Not UTF-8: each byte a character of Windows-1252, so that no two names print alike.
        {"a\xFF" "b", "\"a\xC3\xBF" "b\""},
        {"a\xFE" "b", "\"a\xC3\xBE" "b\""},
        {"cut \xC3", "\"cut \xC3\x83\""},                    // a sequence cut short
        {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xE2\x82\xAC\""},  // a surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(jsonString(c.text), c.json) << c.text;
}

TEST(CsvRecord, QuotesFieldsThatHoldSeparatorsQuotesOrLineBreaksAndIsUtf8) {
    EXPECT_EQ(csvRecord({"plain", "", "a,b", "say \"hi\"", "two\nlines", "cr\r", "\xC3\x89t\xC3\xA9", "x\xE9.dwg"}),
              "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",\xC3\x89t\xC3\xA9,x\xC3\xA9.dwg\r\n");
}

}  // namespace
}  // namespace trv::cli
