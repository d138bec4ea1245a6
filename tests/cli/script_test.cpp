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

}  // namespace
}  // namespace trv::cli
