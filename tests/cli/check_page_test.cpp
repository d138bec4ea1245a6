#include <gtest/gtest.h>

#include "cli/commands/check_history.h"
#include "cli/commands/check_summary.h"
#include "cli/commands/html_page.h"
#include "platform/text.h"

namespace trv::cli {
namespace {

TEST(HtmlText, NamesShowAsTextNeverAsMarkup) {
    const struct {
        std::string text, html;
    } cases[] = {
        {"<img src=x onerror=alert(1)>.dwg", "&lt;img src=x onerror=alert(1)&gt;.dwg"},
        {"R&D \"copy\" 'a'.dwg", "R&amp;D &quot;copy&quot; &#39;a&#39;.dwg"},
        {"\xC3\x89t\xC3\xA9.dwg", "\xC3\x89t\xC3\xA9.dwg"},  // UTF-8 kept
        {"caf\xE9 <1>.dwg", "caf\xC3\xA9 &lt;1&gt;.dwg"},    // not UTF-8: the ANSI code page
        {"bell\x01.dwg", "bell\xEF\xBF\xBD.dwg"},            // a control character
    };
    for (const auto& c : cases) EXPECT_EQ(htmlText(c.text), c.html) << c.text;
}

TEST(History, ReadsTrvLinesAndCountsTheRest) {
    const std::string header =
        "date,project,drawing_types,drawings,misnamed_drawings,missing_folder,length,"
        "project_code,designator,model_type\r\n";
    const std::string line = "2026-03-01 08:00,KLV-13000-C000,both,40,4,2,1,3,0,1\r\n";
    const struct {
        std::string text;
        std::size_t lines, skipped;
    } cases[] = {
        {"", 0, 0},
        {header + line + line, 2, 0},
        {header + line + "2026-03-02 08:00,KLV-13000-C000,both,4", 1, 1},  // cut short at the end
        {line + "2026-03-02 08:00,KLV\r\n" + line, 2, 1},                  // cut short, then the next run
        {"exported;;;\n" + line + "\r\n", 1, 1},                           // foreign line; blank line ignored
        {"\"2026-03-01 08:00\",\"KLV-13000-C000\",both,40,4,2,1,3,0,1\n", 1, 0},  // quoted fields
        {"2026-03-01 08:00,KLV-13000-C000,both,4,40,2,1,3,0,1\r\n", 0, 1},  // more misnamed than drawings
        {"2026-03-01,KLV-13000-C000,both,40,4,2,1,3,0,1\r\n", 0, 1},        // no time
        {"2026-03-01 08:00,KLV-13000-C000,all,40,4,2,1,3,0,1\r\n", 0, 1},   // no such drawing types
        {"2026-03-01 08:00,KLV-13000-C000,both,40,4,2,1,3,0,-1\r\n", 0, 1},
        {"2026-03-01 08:00,\"KLV,both,40,4,2,1,3,0,1\r\n", 0, 1},  // quotes that do not pair
    };
    for (const auto& c : cases) {
        const History h = readHistory(c.text);
        EXPECT_EQ(h.lines.size(), c.lines) << c.text;
        EXPECT_EQ(h.skipped, c.skipped) << c.text;
    }
}

TEST(History, AppendsWholeLinesThatReadBackAsWritten) {
    const std::vector<HistoryLine> lines{
        {"2026-03-14 09:30", "KLV-13000-C000", "design", 40, 4, {2, 1, 3, 0, 1}},
        {"2026-03-14 09:30", "A,\"B\"", "both", 0, 0, {}}};
    const std::string fresh = historyAppendix(lines, "");
    EXPECT_TRUE(fresh.starts_with("date,project,")) << fresh;
    EXPECT_EQ(readHistory(fresh).lines, lines);
    // After a line cut short, the run's lines begin on a line of their own.
    const std::string torn = "2026-03-01 08:00,KLV-13000-C000,bo";
    const std::string appended = historyAppendix(lines, torn);
    EXPECT_TRUE(appended.starts_with("\r\n2026-03-14")) << appended;
    const History h = readHistory(torn + appended);
    EXPECT_EQ(h.lines, lines);
    EXPECT_EQ(h.skipped, 1u);
    EXPECT_EQ(historyAppendix(lines, "x\r\n"), historyAppendix(lines, "y\n"));
    EXPECT_EQ(trendOf(readHistory(fresh + fresh), "KLV-13000-C000", "design"), (std::vector<int>{90, 90}));
    EXPECT_TRUE(trendOf(readHistory(fresh), "KLV-13000-C000", "both").empty());
}

TEST(CheckSummary, CountsDrawingsOnceAndOrdersTheWorstFirst) {
    Results r;
    r.checked = {{"P1", "ONE", "DESIGN", 3, {}, {}, {{"Architectural", 10}, {"Civil", 5}}},
                 {"P1", "ONE", "AS-BUILT", 1, {}, {}, {{"Civil", 2}}},
                 {"P2", "TWO", "DESIGN", 2, {}, {}, {{"Architectural", 4}}},
                 {"P3", "", "", 0, {}, "Error in Project Code file !!!", {}}};
    const auto line = [](std::string project, std::string type, std::string discipline, std::string file,
                         std::string rule) {
        return Line{project, type, discipline, "MODEL_FILES", project + "/" + type + "/" + discipline, file,
                    rule,    "",   {}};
    };
    r.lines = {line("P1", "DESIGN", "Civil", "", "missing folder"),
               line("P1", "DESIGN", "Architectural", "a.dwg", "length"),
               line("P1", "DESIGN", "Architectural", "a.dwg", "project code"),  // the same drawing
               line("P1", "AS-BUILT", "Civil", "a.dwg", "length"),  // another folder, another drawing
               line("P2", "DESIGN", "Architectural", "b.dwg", "designator"),
               line("P2", "DESIGN", "Architectural", "c.dwg", "designator")};
    const CheckSummary s = summarize(r);
    EXPECT_EQ(s.projectsChecked, 2u);
    EXPECT_EQ(s.total.drawings, 21u);
    EXPECT_EQ(s.total.misnamed, 4u);
    EXPECT_EQ(s.total.findings, r.lines.size());
    EXPECT_EQ(percentWellNamed(s.total), 80);  // 17 of 21 is 80.9 %
    ASSERT_EQ(s.projects.size(), 2u);
    EXPECT_EQ(s.projects[0].name, "P1");  // 2 misnamed and 1 missing folder before 2 misnamed
    EXPECT_EQ(s.projects[0].byRule.at("length"), 2u);
    EXPECT_EQ(s.projects[1].misnamed, 2u);
    ASSERT_EQ(s.notChecked.size(), 1u);
    EXPECT_EQ(s.notChecked[0].project, "P3");
    ASSERT_EQ(s.disciplines.size(), 2u);
    EXPECT_EQ(s.disciplines[0].name, "Architectural");
    EXPECT_EQ(s.disciplines[0].misnamed, 3u);
    EXPECT_EQ(s.disciplines[1].missingFolders, 1u);
    EXPECT_EQ(percentWellNamed(Tally{}), -1);
    // This run's history lines carry the same numbers.
    const auto lines = historyLinesOf(s, "2026-03-14 09:30", "both");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].findings, (std::array<std::size_t, 5>{1, 2, 1, 0, 0}));
}

}  // namespace
}  // namespace trv::cli
