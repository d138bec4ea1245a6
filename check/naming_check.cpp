#include "check/naming_check.h"

#include <exception>
#include <iterator>
#include <string_view>

#include "app/open_document.h"
#include "app/program.h"
#include "catalogue/check_tables.h"
#include "catalogue/tables.h"
#include "check/name_rules.h"
#include "check/quality_report.h"
#include "app/saved_choices.h"

namespace trv {
namespace check {
namespace {

const char* const checkFailed = "Error in analyzing files names(naming check) !!!";

// The findings of each block, collected in one pass over the tree.
struct Blocks {
    std::vector<Finding> missing, length, projectCode, designator, modelType;
};

// What a folder's names are held against: worked out once per folder, not
// per name (a project holds tens of thousands of names).
struct FolderRules {
    FolderKind kind;
    std::string designator;
    const std::vector<std::string>* acceptedModelTypes = nullptr;  // null: not tested here
    const std::string& internalCode;

    FolderRules(FolderKind k, const std::string& discipline, const CheckSubject& s)
        : kind(k), internalCode(s.internalCode) {
        const catalogue::Discipline* row = catalogue::findDiscipline(discipline);
        if (row) designator = row->code;
        if (kind == FolderKind::Model && s.drawingType == catalogue::designDrawings().folder)
            acceptedModelTypes = catalogue::acceptedModelTypeCodes(discipline);
    }

    // Calls `broken` with each rule the name breaks, in report order.
    template <typename Report>
    void judge(const std::string& name, Report&& broken) const {
        if (!lengthFits(name, kind)) broken(Rule::Length);
        if (!projectCodeFits(name, internalCode)) broken(Rule::ProjectCode);
        if (!designatorFits(name, designator)) broken(Rule::Designator);
        if (acceptedModelTypes && !modelTypeFits(name, *acceptedModelTypes)) broken(Rule::ModelType);
    }
};

// A folder that is there but cannot be entered (a file in its place is no
// folder, and has no names to check). Its findings would be unknown, so it is
// a finding itself rather than a clean folder.
bool cannotBeEntered(Platform& platform, FolderTest test, const std::string& folder) {
    return test == FolderTest::OtherFailure && !platform.fileExists(folder);
}

// Judges the names of one folder; gives the number of files listed.
std::size_t checkFolder(Platform& platform, const CheckSubject& s, const std::string& discipline, FolderKind kind,
                        const std::string& folder, Blocks& out) {
    const FolderTest test = platform.testFolder(folder);
    if (test == FolderTest::NotFound) {
        out.missing.push_back({Rule::MissingFolder, discipline, kind, folder, {}});
        return 0;
    }
    if (test != FolderTest::Exists) {
        if (cannotBeEntered(platform, test, folder))
            out.missing.push_back({Rule::UnreadableFolder, discipline, kind, folder, {}});
        return 0;
    }
    const FolderRules rules(kind, discipline, s);
    std::vector<std::string> names = platform.listFiles(folder);
    // An empty listing is an empty folder only when the folder can be listed.
    if (names.empty() && !platform.canListFolder(folder))
        out.missing.push_back({Rule::UnreadableFolder, discipline, kind, folder, {}});
    for (std::string& name : names) {
        rules.judge(name, [&](Rule rule) {
            auto& block = rule == Rule::Length        ? out.length
                          : rule == Rule::ProjectCode ? out.projectCode
                          : rule == Rule::Designator  ? out.designator
                                                      : out.modelType;
            block.push_back({rule, discipline, kind, folder, name});
        });
    }
    return names.size();
}

// A project code names folders and the report: it must stay one folder name.
bool isSafeProjectCode(const std::string& code) {
    if (code.empty() || code == "." || code == "..") return false;
    for (const char c : code) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

}  // namespace

std::vector<Rule> rulesBroken(const std::string& name, FolderKind kind, const std::string& discipline,
                              const CheckSubject& s) {
    std::vector<Rule> broken;
    FolderRules(kind, discipline, s).judge(name, [&](Rule rule) { broken.push_back(rule); });
    return broken;
}

std::vector<Finding> checkDrawingNames(Platform& platform, const OfficePaths& paths, const CheckSubject& s,
                                       std::vector<DrawingCount>* counted) {
    Blocks blocks;
    for (const std::string& d : catalogue::checkedDisciplines()) {
        const std::string folder = paths.disciplineFolder(s.projectCode, s.drawingType, d);
        const FolderTest test = platform.testFolder(folder);
        if (test == FolderTest::NotFound) {
            // Nothing below a missing folder is reported or listed.
            blocks.missing.push_back({Rule::MissingFolder, d, FolderKind::Discipline, folder, {}});
            continue;
        }
        if (cannotBeEntered(platform, test, folder)) {
            blocks.missing.push_back({Rule::UnreadableFolder, d, FolderKind::Discipline, folder, {}});
            continue;
        }
        std::size_t files = checkFolder(platform, s, d, FolderKind::Model,
                                        paths.modelFolder(s.projectCode, s.drawingType, d), blocks);
        files += checkFolder(platform, s, d, FolderKind::Sheet, paths.sheetFolder(s.projectCode, s.drawingType, d),
                             blocks);
        if (counted) counted->push_back({d, files});
    }
    std::vector<Finding> all = std::move(blocks.missing);
    for (auto* block : {&blocks.length, &blocks.projectCode, &blocks.designator, &blocks.modelType})
        all.insert(all.end(), std::make_move_iterator(block->begin()), std::make_move_iterator(block->end()));
    return all;
}

Outcome<CheckedNames> runNamingCheck(Platform& platform, const OfficePaths& paths,
                                     const std::string& drawingTypeChoice) {
    Outcome<CheckedNames> outcome;
    CheckSubject s;

    using catalogue::DrawingType;
    if (const auto* chosen = catalogue::findDrawingType(drawingTypeChoice, &DrawingType::entry)) {
        s.drawingType = chosen->folder;
    } else if (const auto saved = readDrawingType(platform, paths);
               saved.read() && catalogue::findDrawingType(saved.value, &DrawingType::folder)) {
        s.drawingType = saved.value;
    } else {
        return outcome.refuse("Please, select drawing type first.");
    }

    const auto project = readCurrentProject(platform, paths);
    if (!project.read()) return outcome.refuse(checkFailed, Reason::NoProject);
    s.projectCode = project.value.code;
    s.internalCode = project.value.internalCode;
    return checkProject(platform, paths, s, true);
}

Outcome<CheckedNames> checkProject(Platform& platform, const OfficePaths& paths, const CheckSubject& subject,
                                   bool writeReport) {
    Outcome<CheckedNames> outcome;
    const CheckSubject& s = subject;
    if (!isSafeProjectCode(s.projectCode)) return outcome.refuse(checkFailed, Reason::NoProject);

    // The old report goes first, so that a report that cannot be written
    // leaves none rather than last run's.
    const std::string report = paths.qualityReport(s.projectCode, s.drawingType);
    if (writeReport) {
        try {
            if (platform.fileExists(report)) platform.removeFile(report);
        } catch (const std::exception&) {
            // Another check of the project may have removed it in between:
            // only a report that is still there stops this one.
            if (platform.fileExists(report)) return outcome.refuse(checkFailed, Reason::Failed);
        }
    }

    CheckedNames& checked = outcome.value.emplace();
    checked.subject = s;
    checked.findings = checkDrawingNames(platform, paths, s, &checked.drawings);
    if (!writeReport) return outcome;
    try {
        platform.replaceFile(report, qualityReport(checked.findings));
        checked.reportWritten = true;
    } catch (const std::exception&) {
        // No report; opening it says so.
    }
    return outcome;
}

}  // namespace check

void OpenQAReport(Platform& platform, UserInteraction& ui, const OfficePaths& paths,
                  const std::string& projectCode, const std::string& drawingType) {
    const std::string report = paths.qualityReport(projectCode, drawingType);
    if (!platform.fileExists(report)) {
        ui.message("Can not find file " + platform.displayPath(report));
        return;
    }
    openDocumentOrChooser(platform, ui, report);
}

void Command1_Click(Program& p) {
    p.loadSettings();
    const auto outcome = check::runNamingCheck(p.platform, p.paths, p.form1.cmbdesignasbuilt.text());
    show(p.ui, outcome, &p.form1);
    if (!outcome.value) return;
    OpenQAReport(p.platform, p.ui, p.paths, outcome.value->subject.projectCode, outcome.value->subject.drawingType);
}

}  // namespace trv
