#include "cli/script.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace trv::cli {
namespace {

using Words = std::vector<std::string>;

TEST(SplitWords, SplitsAtBlanksAndKeepsQuotedBlanks) {
    struct Case {
        const char* line;
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"", Words{}},
        {"   \t ", Words{}},
        {"click cmdcancel", Words{"click", "cmdcancel"}},
        {"  click \t  cmdcancel  ", Words{"click", "cmdcancel"}},
        {"choose cmbdesignasbuilt \"As-Built Drawings\"",
         Words{"choose", "cmbdesignasbuilt", "As-Built Drawings"}},
        {"expect txtcurdiscipline \" No Discipline Selected yet\"",
         Words{"expect", "txtcurdiscipline", " No Discipline Selected yet"}},
        {"set txtfacilitynb \"\"", Words{"set", "txtfacilitynb", ""}},
        {"type txtfacilitynb 0\"1", Words{"type", "txtfacilitynb", "0\"1"}},  // a quote inside a word is kept
        {"choose cmbdisciplines \"Architectural\"x", Words{"choose", "cmbdisciplines", "Architectural", "x"}},
        {"print \"frmHyperLnkMsg.Label4\"", Words{"print", "frmHyperLnkMsg.Label4"}},
        {"set txtfacilitynb \"01", std::nullopt},
        {"expect a \"b\" \"c", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(splitWords(c.line), c.words) << c.line;
}

TEST(EscapeLineBreaks, ShowsCrAndLfAsEscapes) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"", ""},
        {"Please, select project code first.", "Please, select project code first."},
        {"line one\r\nline two", "line one\\r\\nline two"},
        {"a\rb", "a\\rb"},
        {"tab\tstays", "tab\tstays"},
        {"back\\slash", "back\\slash"},
    };
    for (const auto& c : cases) EXPECT_EQ(escapeLineBreaks(c.in), c.out) << c.in;
}

// The command line: its one form, and text only (a logon name or path that
// is not UTF-8 is refused, not passed on).
TEST(ParseArguments, TakesPlayWithItsOptionsAndRefusesTheRest) {
    const std::string usage = "usage: trv-cli play SCRIPT [--ini PATH] [--user NAME]";
    const std::string notText = "trv-cli: an argument is not valid UTF-8 text";
    const std::pair<Words, std::string> cases[] = {  // "script|ini|user" (- for an option not given) or the message
        {{"play", "s.txt"}, "s.txt|-|-"},
        {{"play", "s.txt", "--user", "zo\xC3\xA9", "--ini", "t.ini"}, "s.txt|t.ini|zo\xC3\xA9"},
        {{}, usage}, {{"run", "s.txt"}, usage}, {{"play", "s.txt", "--user"}, usage}, {{"play", "s", "-x", "y"}, usage},
        {{"play", "s.txt", "--user", "zo\xE9"}, notText}, {{"play", "s\xC0\xAF.txt"}, notText},
    };
    for (const auto& [args, expected] : cases) {
        const auto parsed = parseArguments(args);
        const auto* i = std::get_if<Invocation>(&parsed);
        EXPECT_EQ(i ? i->script + "|" + i->ini.value_or("-") + "|" + i->user.value_or("-") : std::get<std::string>(parsed),
                  expected);
    }
}

}  // namespace
}  // namespace trv::cli
