#include "platform/records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

using Fields = std::vector<std::string>;

TEST(RecordLine, QuotesEveryFieldSeparatesByCommasAndEndsWithCrLf) {
    struct Case {
        const char* name;
        Fields fields;
        std::string line;
    };
    const Case cases[] = {
        {"one field", {"AS-BUILT"}, "\"AS-BUILT\"\r\n"},
        {"three fields", {"KLV-13000-C000", "HARBOUR TERMINAL", "13000C0"},
         "\"KLV-13000-C000\",\"HARBOUR TERMINAL\",\"13000C0\"\r\n"},
        {"empty field", {""}, "\"\"\r\n"},
        {"blanks kept", {" a ", ""}, "\" a \",\"\"\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(recordLine(c.fields), c.line) << c.name;
}

TEST(RecordLine, DrawingTypeFileIsTwelveBytes) {
    const std::string line = recordLine({"AS-BUILT"});
    ASSERT_EQ(line.size(), 12u);
    const char expected[12] = {'"', 'A', 'S', '-', 'B', 'U', 'I', 'L', 'T', '"', '\r', '\n'};
    EXPECT_EQ(line, std::string(expected, 12));
}

TEST(FieldReader, ReadsBackWhatRecordLineWrote) {
    const Fields rows[] = {
        {"KLV-13000-C000", "HARBOUR TERMINAL EXTENSION", "13000C0"},
        {"", "", ""},
        {"  padded  ", "\tTab\t", "x"},
        {"a, with comma", "b,c", ","},  // commas inside quotes are data
        {"\xC3\x89T\xC3\x89", "caf\xC3\xA9", "1"},
    };
    for (const auto& row : rows) {
        FieldReader reader(recordLine(row));
        EXPECT_EQ(reader.next(row.size()), row) << recordLine(row);
        EXPECT_TRUE(reader.atEnd());
        EXPECT_THROW(reader.next(), ReadPastEnd);
    }
}

TEST(FieldReader, ReadsFieldsByTheSequentialInputRules) {
    struct Case {
        const char* name;
        std::string content;
        Fields fields;
    };
    const Case cases[] = {
        {"quoted", "\"a\",\"b\"\r\n", {"a", "b"}},
        {"bare", "tester,tester\r\n", {"tester", "tester"}},
        {"bare with blanks around", "  tester \t,\t folder one  \r\n", {"tester", "folder one"}},
        {"blanks inside quotes kept", "\"  a b  \",\" \"\r\n", {"  a b  ", " "}},
        {"blanks before a quoted field", "   \"a\",  \"b\"\r\n", {"a", "b"}},
        {"blanks after a quoted field", "\"a\"   ,\"b\"  \r\n", {"a", "b"}},
        {"mixed quoted and bare", "\"a\", b ,\"c\"\r\n", {"a", "b", "c"}},
        {"empty quoted fields", "\"\",\"\"\r\n", {"", ""}},
        {"empty bare fields", ",\r\n", {"", ""}},
        {"empty middle field", "a,,c\r\n", {"a", "", "c"}},
        {"text after closing quote dropped", "\"a\"xyz,\"b\"\r\n", {"a", "b"}},
        {"quote inside a bare field kept", "ab\"c,d\r\n", {"ab\"c", "d"}},
        {"fields across lines", "\"a\"\r\n\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}},
        {"record split over lines", "\"a\",\"b\"\r\n\"c\",\"d\"\r\n", {"a", "b", "c", "d"}},
        {"LF line ends", "\"a\",\"b\"\n\"c\"\n", {"a", "b", "c"}},
        {"CR line ends", "\"a\",\"b\"\r\"c\"\r", {"a", "b", "c"}},
        {"bare fields with LF", "a\nb\n", {"a", "b"}},
        {"bare fields with CR", "a\rb\r", {"a", "b"}},
        {"no final line end", "\"a\",\"b\"", {"a", "b"}},
        {"bare field without final line end", "a, b", {"a", "b"}},
    };
    for (const auto& c : cases) {
        FieldReader reader(c.content);
        Fields got;
        try {
            got = reader.next(c.fields.size());
        } catch (const ReadPastEnd&) {
            ADD_FAILURE() << c.name << ": ran past the end";
            continue;
        }
        EXPECT_EQ(got, c.fields) << c.name;
        EXPECT_TRUE(reader.atEnd()) << c.name;
    }
}

TEST(FieldReader, AFileCutShortRunsPastItsEnd) {
    struct Case {
        const char* name;
        std::string content;
        std::size_t available;  // fields that can be read before the end
    };
    const Case cases[] = {
        {"empty file", "", 0},
        {"only a line end", "\r\n", 0},
        {"two of three fields", "\"KLV-13000-C000\",\"HARBOUR\"\r\n", 2},
        {"cut after a comma", "\"KLV-13000-C000\",", 1},
        {"one of three, no line end", "\"KLV-13000-C000\"", 1},
    };
    for (const auto& c : cases) {
        FieldReader reader(c.content);
        for (std::size_t i = 0; i < c.available; ++i) EXPECT_NO_THROW(reader.next()) << c.name;
        EXPECT_THROW(reader.next(), ReadPastEnd) << c.name;
        FieldReader all(c.content);
        EXPECT_THROW(all.next(3), ReadPastEnd) << c.name;
    }
}

TEST(FieldReader, AnUnterminatedQuoteEndsTheFieldAtTheLineEnd) {
    // A file cut short inside the last quoted field: the field is what is
    // left of its line, never the line end itself.
    struct Case {
        const char* name;
        std::string content;
        Fields fields;
    };
    const Case cases[] = {
        {"cut inside the only field", "\"AS-BUI", {"AS-BUI"}},
        {"closing quote lost before CR LF", "\"AS-BUILT\r\n", {"AS-BUILT"}},
        {"closing quote lost before LF", "\"01\n", {"01"}},
        {"cut inside the third field", "\"KLV-13000-C000\",\"HARBOUR\",\"1300", {"KLV-13000-C000", "HARBOUR", "1300"}},
    };
    for (const auto& c : cases) {
        FieldReader reader(c.content);
        EXPECT_EQ(reader.next(c.fields.size()), c.fields) << c.name;
        EXPECT_TRUE(reader.atEnd()) << c.name;
        EXPECT_THROW(reader.next(), ReadPastEnd) << c.name;
    }
}

TEST(FieldReader, AtEndIgnoresTrailingBlankLines) {
    struct Case {
        const char* name;
        std::string content;
        std::size_t fields;
        bool atEndAfter;
    };
    const Case cases[] = {
        {"CR LF blank lines", "\"a\",\"b\"\r\n\r\n\r\n", 2, true},
        {"blanks and tabs on the last lines", "\"a\",\"b\"\r\n  \t\r\n \n", 2, true},
        {"LF blank lines", "a,b\n\n", 2, true},
        {"a record follows", "\"a\",\"b\"\r\n\r\n\"c\",\"d\"\r\n", 2, false},
        {"nothing read yet", "\"a\"\r\n", 0, false},
        {"empty file", "", 0, true},
    };
    for (const auto& c : cases) {
        FieldReader reader(c.content);
        reader.next(c.fields);
        EXPECT_EQ(reader.atEnd(), c.atEndAfter) << c.name;
    }
}

TEST(FieldReader, BlankLinesBetweenRecordsDoNotShiftTheFields) {
    // A hand-edited table with an empty line between two rows: every row
    // must still pair the same fields.
    FieldReader reader("\"alice\",\"a\"\r\n\r\n\"bob\",\"b\"\r\n  \r\n\"carol\",\"c\"\r\n\r\n");
    std::vector<Fields> rows;
    while (!reader.atEnd()) rows.push_back(reader.next(2));
    const std::vector<Fields> expected = {{"alice", "a"}, {"bob", "b"}, {"carol", "c"}};
    EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace trv
