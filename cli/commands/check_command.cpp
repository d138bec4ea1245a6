// trv-cli check: the naming check of the "Naming Check" button for one
// registered project or every one, with the same quality reports.
#include <ostream>

#include "catalogue/tables.h"
#include "check/finding_details.h"
#include "check/naming_check.h"
#include "cli/commands/check_results.h"
#include "cli/commands/check_summary.h"
#include "cli/commands/commands.h"
#include "cli/commands/formats.h"
#include "cli/commands/html_page.h"
#include "cli/commands/session.h"
#include "naming/names.h"
#include "platform/text.h"
#include "projects/projects.h"

namespace trv::cli {
namespace {

using check::Finding;
using check::Rule;

std::string kindName(check::FolderKind kind) {
    return kind == check::FolderKind::Discipline ? "discipline" : check::folderKindName(kind);
}

void checkOne(Session& s, const std::string& code, const std::vector<std::string>& types, bool writeReport,
              Results& results, std::ostream& err) {
    Checked base;
    base.project = code;
    // A code is a folder name; anything else is no project of this office.
    const auto lookup = naming::isSafeFolderName(code) ? lookUpProject(s.platform, s.paths, code)
                                                        : Outcome<Project>{};
    if (!lookup.value) {
        base.error = lookup.messages.empty() ? "no such project" : lookup.messages.back();
        err << "trv-cli: " << code << ": " << base.error << '\n';
        results.checked.push_back(base);
        return;
    }
    base.project = toUpper(code);
    base.name = lookup.value->name;
    for (const std::string& type : types) {
        Checked c = base;
        c.drawingType = type;
        const check::CheckSubject subject{c.project, lookup.value->internalCode, type};
        const auto checked = check::checkProject(s.platform, s.paths, subject, writeReport);
        if (!checked.value) {
            c.error = checked.messages.back();
            err << "trv-cli: " << c.project << ' ' << type << ": " << c.error << '\n';
            results.checked.push_back(c);
            continue;
        }
        const check::CheckedNames& outcome = *checked.value;
        const std::string report = s.paths.qualityReport(subject.projectCode, type);
        if (outcome.reportWritten) c.report = s.platform.displayPath(report);
        if (writeReport && !outcome.reportWritten) {
            err << "trv-cli: " << c.project << ' ' << type << ": the quality report "
                << s.platform.displayPath(report) << " could not be written\n";
            c.unchecked = true;
        }
        c.findings = outcome.findings.size();
        c.drawings = outcome.drawings;
        for (const Finding& f : outcome.findings) {
            results.lines.push_back({c.project, type, f.discipline, kindName(f.folderKind),
                                     s.platform.displayPath(f.folder), f.file, std::string(ruleName(f.rule)),
                                     check::expectedForm(f, subject),
                                     check::suggestedName(s.platform, s.paths, f, subject)});
            Line& l = results.lines.back();
            if (f.rule == Rule::MissingFolder) l.expected = "the folder " + l.folder;
            if (f.rule == Rule::UnreadableFolder) {
                l.expected = "the folder " + l.folder + " readable";
                c.unchecked = true;
            }
        }
        results.checked.push_back(c);
    }
}

void printText(const Results& r, bool reports, std::ostream& out) {
    for (const Line& l : r.lines) {
        out << l.project << ' ' << l.drawingType << ' ' << l.discipline;
        if (l.folderKind != "discipline") out << ' ' << l.folderKind;
        if (!l.file.empty()) out << ' ' << l.file;
        out << ": " << l.rule << "; expected " << l.expected;
        if (l.suggested) out << "; suggested " << *l.suggested;
        out << '\n';
    }
    for (const Checked& c : r.checked) {
        if (!c.error.empty()) continue;
        out << c.project << ' ' << c.drawingType << ": " << c.findings << (c.findings == 1 ? " finding" : " findings");
        if (reports) out << "; report " << (c.report ? *c.report : std::string("not written"));
        out << '\n';
    }
}

void printJson(const Results& r, std::ostream& out) {
    std::vector<std::string> checked, findings;
    for (const Checked& c : r.checked) {
        checked.push_back(jsonObject({{"project", jsonString(c.project)},
                                      {"name", jsonString(c.name)},
                                      {"drawing_type", jsonOptional(c.drawingType.empty() ? std::nullopt
                                                                                          : std::optional(c.drawingType))},
                                      {"findings", std::to_string(c.findings)},
                                      {"report", jsonOptional(c.report)},
                                      {"error", jsonOptional(c.error.empty() ? std::nullopt : std::optional(c.error))}}));
    }
    for (const Line& l : r.lines) {
        findings.push_back(jsonObject({{"project", jsonString(l.project)},
                                       {"drawing_type", jsonString(l.drawingType)},
                                       {"discipline", jsonString(l.discipline)},
                                       {"folder_kind", jsonString(l.folderKind)},
                                       {"folder", jsonString(l.folder)},
                                       {"file", jsonOptional(l.file.empty() ? std::nullopt : std::optional(l.file))},
                                       {"rule", jsonString(l.rule)},
                                       {"expected", jsonString(l.expected)},
                                       {"suggested", jsonOptional(l.suggested)}}));
    }
    out << "{\"checked\": " << jsonArray(checked) << ",\n\"findings\": " << jsonArray(findings) << "}\n";
}

void printCsv(const Results& r, std::ostream& out) {
    out << csvRecord({"project", "drawing_type", "discipline", "folder_kind", "folder", "file", "rule", "expected",
                      "suggested"});
    for (const Line& l : r.lines)
        out << csvRecord({l.project, l.drawingType, l.discipline, l.folderKind, l.folder, l.file, l.rule, l.expected,
                          l.suggested.value_or("")});
}

// The numbers of the run, counted once, for the history (when one is named:
// this run is added to it) and the page (when one is asked for). False when
// the history could not be read or written.
bool summarizeRun(Session& s, const std::string& drawingTypes, const std::optional<std::string>& history,
                  const Results& results, std::string* page, std::ostream& err) {
    if (!history && !page) return true;
    const CheckSummary summary = summarize(results);
    PageContext context;
    context.ranAt = s.platform.localTime();
    context.ranBy = s.platform.logonName();
    context.drawingTypes = drawingTypes;
    if (history) {
        HistoryUpdate update =
            updateHistory(s.platform, *history, historyLinesOf(summary, context.ranAt, drawingTypes));
        context.historyFile = s.platform.displayPath(*history);
        context.historyProblem = update.problem;
        if (!update.problem.empty())
            err << "trv-cli: the history " << context.historyFile << ": " << update.problem << '\n';
        context.history = std::move(update.history);
    }
    if (page) *page = htmlPage(results, summary, context);
    return context.historyProblem.empty();
}

}  // namespace

int checkCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (!a.words.empty()) return badArguments(err, "check takes no word " + a.words[0]);
    if (a.has("--project") == a.has("--all")) return badArguments(err, "check needs --project CODE or --all");
    std::vector<std::string> types;
    const std::string type = a.value("--type").value_or("both");
    for (const auto& t : catalogue::drawingTypes())
        if (type == t.word || type == "both") types.push_back(t.folder);
    if (types.empty()) return badArguments(err, "--type is design, as-built or both");
    const auto format = parseFormat(a.value("--format").value_or("text"));
    if (!format) return badArguments(err, "--format is text, json, csv or html");

    Session s(a);
    if (!s.load(err)) return statusError;
    std::vector<std::string> codes;
    if (const auto code = a.value("--project")) {
        codes.push_back(*code);
    } else {
        if (!s.platform.canListFolder(s.paths.projectRecordFolder()))
            return badArguments(err, "cannot list the project records in " +
                                         s.platform.displayPath(s.paths.projectRecordFolder()));
        codes = listProjectCodes(s.platform, s.paths);
    }

    const bool progress = a.has("--all") && standardErrorIsTerminal();
    Results results;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (progress) err << "trv-cli: checking " << codes[i] << " (" << i + 1 << " of " << codes.size() << ")\n";
        checkOne(s, codes[i], types, !a.has("--no-report"), results, err);
    }
    std::string page;
    const bool historyFailed =
        !summarizeRun(s, type, a.value("--history"), results, *format == Format::Html ? &page : nullptr, err);
    switch (*format) {
        case Format::Text:
            printText(results, !a.has("--no-report"), out);
            break;
        case Format::Json:
            printJson(results, out);
            break;
        case Format::Csv:
            printCsv(results, out);
            break;
        case Format::Html:
            out << page;
            break;
    }
    if (historyFailed) return statusError;
    for (const Checked& c : results.checked)
        if (!c.error.empty() || c.unchecked) return statusError;
    return results.lines.empty() ? statusClean : statusFound;
}

}  // namespace trv::cli
