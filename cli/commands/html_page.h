#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/commands/check_history.h"
#include "cli/commands/check_results.h"
#include "cli/commands/check_summary.h"

// The naming check as one self-contained HTML page for the people who look
// after an office's drawings: the headline numbers, a bar per project and
// per discipline, each project's trend when a history is kept, every
// finding in a table and the projects that could not be checked. Charts are
// inline SVG and the few lines of script only sort and filter the table, so
// the page reads the same from a share, an e-mail or paper. Pure text.
namespace trv::cli {

struct PageContext {
    std::string ranAt;               // when the check ran, "YYYY-MM-DD HH:MM"
    std::string ranBy;               // the logon name
    std::string drawingTypes;        // "design", "as-built" or "both"
    std::optional<History> history;  // with this run's lines, when one is kept
    std::string historyFile;         // the history's path as shown to the user
    std::string historyProblem;      // why the history could not be read or written; empty when it could
};

// Text as page content or attribute value: bytes that are not UTF-8 (a file
// name on a POSIX disk may hold any) taken in the ANSI code page as other
// text from files is, markup characters escaped, control characters shown
// as U+FFFD.
std::string htmlText(std::string_view text);

std::string htmlPage(const Results& results, const CheckSummary& summary, const PageContext& context);

}  // namespace trv::cli
