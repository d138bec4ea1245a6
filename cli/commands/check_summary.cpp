#include "cli/commands/check_summary.h"

#include <algorithm>
#include <set>
#include <utility>

#include "catalogue/check_tables.h"

namespace trv::cli {
namespace {

Tally& tallyOf(std::vector<Tally>& tallies, const std::string& name) {
    for (Tally& t : tallies)
        if (t.name == name) return t;
    tallies.push_back({});
    tallies.back().name = name;
    return tallies.back();
}

void countFinding(Tally& t, const Line& l, bool firstOfDrawing) {
    ++t.findings;
    ++t.byRule[l.rule];
    if (l.rule == ruleName(check::Rule::MissingFolder))
        ++t.missingFolders;
    else if (firstOfDrawing)
        ++t.misnamed;
}

void worstFirst(std::vector<Tally>& tallies) {
    std::stable_sort(tallies.begin(), tallies.end(),
                     [](const Tally& a, const Tally& b) { return a.problems() > b.problems(); });
}

}  // namespace

int percentWellNamed(const Tally& t) {
    if (t.drawings == 0) return -1;
    return static_cast<int>(t.wellNamed() * 100 / t.drawings);
}

CheckSummary summarize(const Results& results) {
    CheckSummary s;
    std::vector<Tally> disciplines;
    for (const std::string& d : catalogue::checkedDisciplines()) tallyOf(disciplines, d);
    for (const Checked& c : results.checked) {
        if (!c.error.empty()) {
            s.notChecked.push_back(c);
            continue;
        }
        Tally& project = tallyOf(s.projects, c.project);
        for (const check::DrawingCount& d : c.drawings) {
            project.drawings += d.files;
            tallyOf(disciplines, d.discipline).drawings += d.files;
            s.total.drawings += d.files;
        }
    }
    s.projectsChecked = s.projects.size();
    // A drawing that breaks several rules is one misnamed drawing.
    std::set<std::pair<std::string, std::string>> drawingsSeen;
    for (const Line& l : results.lines) {
        const bool first = !l.file.empty() && drawingsSeen.insert({l.folder, l.file}).second;
        countFinding(tallyOf(s.projects, l.project), l, first);
        countFinding(tallyOf(disciplines, l.discipline), l, first);
        countFinding(s.total, l, first);
    }
    for (Tally& d : disciplines)
        if (d.drawings > 0 || d.findings > 0) s.disciplines.push_back(std::move(d));
    std::sort(s.projects.begin(), s.projects.end(),
              [](const Tally& a, const Tally& b) { return a.name < b.name; });
    worstFirst(s.projects);
    worstFirst(s.disciplines);
    return s;
}

}  // namespace trv::cli
