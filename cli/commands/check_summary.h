#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "cli/commands/check_results.h"

// The numbers of one run of `trv-cli check`, counted once from its findings:
// the page shows them, the history keeps them, and they agree with the
// findings every other output lists.
namespace trv::cli {

// Drawings and findings of one project, one discipline or the whole run.
struct Tally {
    std::string name;          // the project's code or the discipline's name
    std::size_t drawings = 0;  // files in the model and sheet folders looked at
    std::size_t misnamed = 0;  // drawings with at least one finding
    std::size_t missingFolders = 0;
    std::size_t findings = 0;                   // every finding, missing folders included
    std::map<std::string, std::size_t> byRule;  // findings by the rule broken

    std::size_t wellNamed() const { return drawings - misnamed; }
    // Misnamed drawings and missing folders: what a list of the worst first is ordered by.
    std::size_t problems() const { return misnamed + missingFolders; }
};

// The share of well-named drawings in whole percent, rounded down so that a
// single misnamed drawing never shows as 100 %; -1 when there are no drawings.
int percentWellNamed(const Tally& t);

struct CheckSummary {
    std::size_t projectsChecked = 0;  // projects with a drawing type checked
    Tally total;
    std::vector<Tally> projects;      // the projects checked, most problems first
    std::vector<Tally> disciplines;   // across projects, most problems first, then in the check's order
    std::vector<Checked> notChecked;  // the projects (and drawing types) that could not be checked, with why
};

CheckSummary summarize(const Results& results);

}  // namespace trv::cli
