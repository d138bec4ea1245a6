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
        {"a\xFF" "b", "\"a\xEF\xBF\xBD" "b\""},                        // not UTF-8 at all
        {"cut \xC3", "\"cut \xEF\xBF\xBD\""},                          // a sequence cut short
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // an overlong slash
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
        {"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // above U+10FFFF
    };
    for (const auto& c : cases) EXPECT_EQ(jsonString(c.text), c.json) << c.text;
}

TEST(CsvRecord, QuotesFieldsThatHoldSeparatorsQuotesOrLineBreaks) {
    EXPECT_EQ(csvRecord({"plain", "", "a,b", "say \"hi\"", "two\nlines", "cr\r"}),
              "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\"\r\n");
}

}  // namespace
}  // namespace trv::cli
