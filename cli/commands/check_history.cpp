#include "cli/commands/check_history.h"

#include <optional>

#include "cli/commands/formats.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace trv::cli {
namespace {

constexpr std::size_t fixedColumns = 5;  // date, project, drawing types, drawings, misnamed drawings

std::vector<std::string> headerFields() {
    std::vector<std::string> fields{"date", "project", "drawing_types", "drawings", "misnamed_drawings"};
    for (std::string_view kind : historyKinds) {
        std::string column(kind);
        for (char& c : column)
            if (c == ' ') c = '_';
        fields.push_back(column);
    }
    return fields;
}

// The fields of one CSV record on one line; nothing when its quotes do not pair.
std::optional<std::vector<std::string>> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
                if (i + 1 < line.size() && line[i + 1] != ',') return std::nullopt;
            }
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else {
            fields.back() += c;
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

std::optional<std::size_t> count(const std::string& field) {
    if (!allAsciiDigits(field) || field.size() > 9) return std::nullopt;
    return std::stoul(field);
}

bool isDate(const std::string& s) {
    static const std::string_view shape = "DDDD-DD-DD DD:DD";
    if (s.size() != shape.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (shape[i] == 'D' ? !isAsciiDigit(s[i]) : s[i] != shape[i]) return false;
    return true;
}

std::optional<HistoryLine> historyLine(std::string_view text) {
    const auto fields = csvFields(text);
    if (!fields || fields->size() != fixedColumns + historyKinds.size()) return std::nullopt;
    const auto& f = *fields;
    HistoryLine line{f[0], f[1], f[2]};
    const auto drawings = count(f[3]);
    const auto misnamed = count(f[4]);
    if (!isDate(line.date) || line.project.empty() || !drawings || !misnamed || *misnamed > *drawings ||
        (line.drawingTypes != "design" && line.drawingTypes != "as-built" && line.drawingTypes != "both"))
        return std::nullopt;
    line.drawings = *drawings;
    line.misnamed = *misnamed;
    for (std::size_t k = 0; k < historyKinds.size(); ++k) {
        const auto n = count(f[fixedColumns + k]);
        if (!n) return std::nullopt;
        line.findings[k] = *n;
    }
    return line;
}

}  // namespace

History readHistory(std::string_view text) {
    History history;
    const std::string header = csvRecord(headerFields());
    const std::string_view headerLine = std::string_view(header).substr(0, header.size() - 2);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos) {
            ++history.skipped;  // cut short
            break;
        }
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
        if (line.empty() || line == headerLine) continue;
        if (auto parsed = historyLine(line))
            history.lines.push_back(std::move(*parsed));
        else
            ++history.skipped;
    }
    return history;
}

std::vector<HistoryLine> historyLinesOf(const CheckSummary& summary, const std::string& date,
                                        const std::string& drawingTypes) {
    std::vector<HistoryLine> lines;
    for (const Tally& t : summary.projects) {
        HistoryLine line{date, t.name, drawingTypes, t.drawings, t.misnamed};
        for (std::size_t k = 0; k < historyKinds.size(); ++k) {
            const auto found = t.byRule.find(std::string(historyKinds[k]));
            line.findings[k] = found == t.byRule.end() ? 0 : found->second;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string historyAppendix(const std::vector<HistoryLine>& lines, std::string_view existing) {
    std::string text;
    if (existing.empty())
        text = csvRecord(headerFields());
    else if (existing.back() != '\n' && existing.back() != '\r')
        text = "\r\n";
    for (const HistoryLine& l : lines) {
        std::vector<std::string> fields{l.date, l.project, l.drawingTypes, std::to_string(l.drawings),
                                        std::to_string(l.misnamed)};
        for (const std::size_t n : l.findings) fields.push_back(std::to_string(n));
        text += csvRecord(fields);
    }
    return text;
}

std::vector<int> trendOf(const History& history, const std::string& project,
                         const std::string& drawingTypes) {
    std::vector<int> shares;
    for (const HistoryLine& l : history.lines) {
        if (l.project != project || l.drawingTypes != drawingTypes) continue;
        Tally t;
        t.drawings = l.drawings;
        t.misnamed = l.misnamed;
        if (const int share = percentWellNamed(t); share >= 0) shares.push_back(share);
    }
    return shares;
}

HistoryUpdate updateHistory(Platform& platform, const std::string& path,
                            const std::vector<HistoryLine>& lines) {
    HistoryUpdate update;
    std::string text;
    try {
        if (platform.fileExists(path)) text = platform.readTextFile(path);
    } catch (const RuntimeFailure&) {
        update.problem = "It could not be read; this run was not added";
        return update;
    }
    update.history = readHistory(text);
    if (lines.empty()) return update;
    try {
        platform.appendToFile(path, historyAppendix(lines, text));
    } catch (const RuntimeFailure&) {
        update.problem = "It could not be written; this run was not added";
        return update;
    }
    update.history.lines.insert(update.history.lines.end(), lines.begin(), lines.end());
    return update;
}

}  // namespace trv::cli
