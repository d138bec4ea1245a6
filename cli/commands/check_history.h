#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands/check_results.h"
#include "cli/commands/check_summary.h"

// The history a CAD manager keeps of `trv-cli check` runs: a CSV file with
// one line per project and run, appended to by every run that names it.
// People open it in a spreadsheet and other tools may write beside TRV, so
// it is read tolerantly: a line that is not one of TRV's whole lines is
// skipped and counted, never trusted.
namespace trv {
class Platform;
}

namespace trv::cli {

// The kinds of findings the history counts, in its columns' order.
inline constexpr std::array<std::string_view, 5> historyKinds{
    ruleName(check::Rule::MissingFolder), ruleName(check::Rule::Length), ruleName(check::Rule::ProjectCode),
    ruleName(check::Rule::Designator), ruleName(check::Rule::ModelType)};

// One project in one run.
struct HistoryLine {
    std::string date;  // "YYYY-MM-DD HH:MM", local time
    std::string project;
    std::string drawingTypes;  // "design", "as-built" or "both"
    std::size_t drawings = 0;
    std::size_t misnamed = 0;
    std::array<std::size_t, historyKinds.size()> findings{};  // by kind

    bool operator==(const HistoryLine&) const = default;
};

struct History {
    std::vector<HistoryLine> lines;  // in the file's order, the oldest first
    std::size_t skipped = 0;         // torn lines and lines that are not TRV's
};

// The lines of a history file's text (UTF-8). The header is taken silently;
// a last line without its line end was cut short by a writer that stopped
// and is skipped with the others.
History readHistory(std::string_view text);

// The lines of this run, one per project checked.
std::vector<HistoryLine> historyLinesOf(const CheckSummary& summary, const std::string& date,
                                        const std::string& drawingTypes);

// What one run appends to a history whose text is `existing`: the header
// when the file is empty, a line end first when its last line lacks one,
// then the lines, each ending with CR LF.
std::string historyAppendix(const std::vector<HistoryLine>& lines, std::string_view existing);

// The share of well-named drawings of each line of `project` checked for
// `drawingTypes`, in percent (lines without drawings have none and are left out).
std::vector<int> trendOf(const History& history, const std::string& project, const std::string& drawingTypes);

struct HistoryUpdate {
    History history;      // what the file held, this run's lines added
    std::string problem;  // why it could not be read or written; empty when all went well
};

// Reads the history at `path` (a file not there yet is an empty history) and
// appends `lines` to it in one write, so that a run's lines are all there or
// none is. A history that cannot be read is left alone.
HistoryUpdate updateHistory(Platform& platform, const std::string& path,
                            const std::vector<HistoryLine>& lines);

}  // namespace trv::cli
