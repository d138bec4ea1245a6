#include "cli/commands/html_page.h"

#include <algorithm>
#include <map>

#include "cli/commands/formats.h"
#include "platform/text.h"

namespace trv::cli {
namespace {

// Calm colours that print on white; every meaning is also a word, a number
// and (for the two kinds of problem) a pattern, for readers and printers
// without colour.
const char* const style = R"(
:root { --ink: #1f2933; --soft: #52606d; --rule: #d9dde3; --well: #5b8f7b; --misnamed: #c7812e; --missing: #7b8494; }
* { box-sizing: border-box; }
body { margin: 0 auto; max-width: 1180px; padding: 24px 32px 48px; color: var(--ink); background: #fff;
       font: 15px/1.45 "DejaVu Sans", "Segoe UI", Arial, sans-serif; }
h1 { font-size: 26px; margin: 0 0 2px; font-weight: 600; }
h2 { font-size: 18px; margin: 32px 0 4px; font-weight: 600; border-bottom: 1px solid var(--rule); padding-bottom: 4px; }
.meta, .note, .legend { color: var(--soft); margin: 4px 0 10px; }
.figures { display: flex; flex-wrap: wrap; gap: 12px; margin: 18px 0 6px; }
.figure { flex: 1 1 0; min-width: 140px; border: 1px solid var(--rule); border-radius: 6px; padding: 10px 14px; }
.figure .number { display: block; font-size: 30px; font-weight: 600; line-height: 1.2; }
.figure .label { color: var(--soft); }
.legend span { margin-right: 18px; white-space: nowrap; }
.legend svg { vertical-align: -2px; margin-right: 5px; }
table { border-collapse: collapse; width: 100%; }
table.bars td { padding: 5px 10px 5px 0; vertical-align: middle; border-bottom: 1px solid #eef0f3; }
table.bars { table-layout: fixed; }
table.bars td.name { width: 24%; overflow-wrap: anywhere; }
table.bars td.name small { display: block; color: var(--soft); }
table.bars td.share { width: 8%; text-align: right; font-weight: 600; font-variant-numeric: tabular-nums; white-space: nowrap; }
table.bars .counts { color: var(--soft); font-size: 13px; margin-top: 2px; }
table.bars td.trend { width: 24%; font-size: 13px; color: var(--soft); }
table.bars svg.bar { display: block; width: 100%; height: 18px; }
table.bars td.chart { width: 44%; }
table.bars svg.trend { display: block; margin-bottom: 2px; }
#tools { margin: 8px 0; }
#tools input { font: inherit; padding: 4px 8px; width: 22em; border: 1px solid #9aa5b1; border-radius: 4px; }
#tools span { color: var(--soft); margin-left: 12px; }
table.findings { font-size: 13px; }
table.findings th { text-align: left; background: #f3f5f7; border-bottom: 2px solid var(--rule); padding: 6px 8px; }
table.findings th button { font: inherit; font-weight: 600; border: 0; background: none; padding: 0; cursor: pointer; color: inherit; text-align: left; }
table.findings td.short { white-space: nowrap; }
table.findings th[aria-sort=ascending] button::after { content: " \25B2"; }
table.findings th[aria-sort=descending] button::after { content: " \25BC"; }
table.findings td { padding: 5px 8px; border-bottom: 1px solid #eef0f3; vertical-align: top; overflow-wrap: anywhere; }
table.findings td.file, table.findings td.suggested { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: 12px; }
table.findings tbody tr:nth-child(even) { background: #fafbfc; }
ul.failed li { margin: 4px 0; }
@page { size: A4; margin: 14mm 12mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 10pt; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  h2 { break-after: avoid; margin-top: 18px; }
  .figure .number { font-size: 20pt; }
  #tools { display: none; }
  table.findings { font-size: 7.5pt; table-layout: fixed; }
  table.findings td.short { white-space: normal; }
  table.findings th:nth-child(1) { width: 12%; } table.findings th:nth-child(2) { width: 9%; }
  table.findings th:nth-child(3) { width: 13%; } table.findings th:nth-child(4) { width: 10%; }
  table.findings th:nth-child(5) { width: 17%; } table.findings th:nth-child(6) { width: 9%; }
  table.findings th:nth-child(7) { width: 17%; } table.findings th:nth-child(8) { width: 13%; }
  table.findings td.file, table.findings td.suggested { font-size: 7pt; }
  tr { break-inside: avoid; }
  thead { display: table-header-group; }
}
)";

// Sorts the findings by a column and filters them by what is typed; the
// table is whole without it.
const char* const script = R"(
(function () {
  var table = document.getElementById('findings-table');
  if (!table) return;
  var body = table.tBodies[0], heads = table.tHead.rows[0].cells;
  var rows = Array.prototype.slice.call(body.rows);
  var filter = document.getElementById('filter'), shown = document.getElementById('shown');
  document.getElementById('tools').hidden = false;
  filter.addEventListener('input', function () {
    var words = filter.value.toLowerCase(), n = 0;
    rows.forEach(function (r) { r.hidden = r.textContent.toLowerCase().indexOf(words) < 0; if (!r.hidden) n++; });
    shown.textContent = n + ' of ' + rows.length + ' findings shown';
  });
  Array.prototype.forEach.call(heads, function (th, col) {
    var b = document.createElement('button');
    b.type = 'button'; b.textContent = th.textContent; th.textContent = ''; th.appendChild(b);
    b.addEventListener('click', function () {
      var up = th.getAttribute('aria-sort') !== 'ascending';
      Array.prototype.forEach.call(heads, function (h) { h.removeAttribute('aria-sort'); });
      th.setAttribute('aria-sort', up ? 'ascending' : 'descending');
      rows.sort(function (x, y) {
        return (up ? 1 : -1) * x.cells[col].textContent.localeCompare(y.cells[col].textContent, undefined, {numeric: true});
      });
      rows.forEach(function (r) { body.appendChild(r); });
    });
  });
})();
)";

// The fills of the bars: well named plain, misnamed hatched, missing folders dotted.
const char* const patterns =
    R"(<svg width="0" height="0" style="position:absolute" aria-hidden="true"><defs>)"
    R"svg(<pattern id="hatch" width="6" height="6" patternUnits="userSpaceOnUse" patternTransform="rotate(45)">)svg"
    R"(<rect width="6" height="6" fill="#c7812e"/><rect width="2" height="6" fill="#f2d3ad"/></pattern>)"
    R"(<pattern id="dots" width="5" height="5" patternUnits="userSpaceOnUse">)"
    R"(<rect width="5" height="5" fill="#7b8494"/><circle cx="2.5" cy="2.5" r="1.1" fill="#e4e7eb"/></pattern>)"
    R"(</defs></svg>)";

const char* const wellFill = "#5b8f7b";
const char* const misnamedFill = "url(#hatch)";
const char* const missingFill = "url(#dots)";

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

// A dash when there are no drawings to take a share of.
std::string percentText(int percent) {
    return percent < 0 ? "\xE2\x80\x94" : std::to_string(percent) + "\xC2\xA0%";
}

std::string swatch(const char* fill) {
    return std::string(
               R"(<svg width="14" height="14" aria-hidden="true"><rect width="14" height="14" fill=")") +
           fill + R"("/></svg>)";
}

std::string legend() {
    return std::string(R"(<p class="legend">)") + "<span>" + swatch(wellFill) + "well named</span><span>" +
           swatch(misnamedFill) + "misnamed</span><span>" + swatch(missingFill) +
           "missing folders</span></p>\n";
}

// One bar: the segments in a row, drawn to a common scale of `largest` items.
std::string bar(const Tally& t, std::size_t largest) {
    const double width = 400;
    std::string svg =
        R"(<svg class="bar" viewBox="0 0 400 18" preserveAspectRatio="none" role="img" aria-label=")" +
        std::to_string(t.wellNamed()) + " well named, " + std::to_string(t.misnamed) + " misnamed, " +
        plural(t.missingFolders, "missing folder", "missing folders") + R"(">)";
    svg += R"(<rect width="400" height="18" fill="#f3f5f7"/>)";
    double x = 0;
    const auto segment = [&](std::size_t n, const char* cls, const char* fill) {
        if (n == 0 || largest == 0) return;
        const double w = std::max(3.0, width * static_cast<double>(n) / static_cast<double>(largest));
        svg += R"(<rect class=")" + std::string(cls) + R"(" x=")" + std::to_string(x) + R"(" width=")" +
               std::to_string(w) + R"(" height="18" fill=")" + fill + R"("/>)";
        x += w;
    };
    segment(t.wellNamed(), "well", wellFill);
    segment(t.misnamed, "misnamed", misnamedFill);
    segment(t.missingFolders, "missing", missingFill);
    return svg + "</svg>";
}

std::string counts(const Tally& t) {
    std::string text =
        t.drawings == 0 ? std::string("no drawings")
                        : std::to_string(t.wellNamed()) + " of " + std::to_string(t.drawings) + " well named";
    if (t.misnamed) text += " \xC2\xB7 " + std::to_string(t.misnamed) + " misnamed";
    if (t.missingFolders)
        text += " \xC2\xB7 " + plural(t.missingFolders, "missing folder", "missing folders");
    return text;
}

// A small line of the share well named over the runs, the last run marked.
std::string trend(const std::vector<int>& shares) {
    if (shares.empty()) return "no runs with drawings";
    const double w = 90, h = 22;
    // The top line is 100 %, the bottom a little below the lowest share, so
    // that a change of a few points shows; the numbers under it say how much.
    const int low = std::max(0, *std::min_element(shares.begin(), shares.end()) - 10);
    std::string points, values;
    double lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        lastX = shares.size() == 1
                    ? w / 2
                    : 3 + (w - 6) * static_cast<double>(i) / static_cast<double>(shares.size() - 1);
        lastY = 3 + (h - 6) * (100 - shares[i]) / static_cast<double>(100 - low);
        points += (i ? " " : "") + std::to_string(lastX) + "," + std::to_string(lastY);
        values += (i ? ", " : "") + std::to_string(shares[i]) + " %";
    }
    std::string svg =
        R"(<svg class="trend" width="90" height="22" viewBox="0 0 90 22" role="img" aria-label="share well named over )" +
        plural(shares.size(), "run", "runs") + ": " + values + R"(">)";
    svg +=
        R"(<line x1="0" y1="3" x2="90" y2="3" stroke="#e4e7eb"/><line x1="0" y1="19" x2="90" y2="19" stroke="#e4e7eb"/>)";
    if (shares.size() > 1)
        svg += R"(<polyline fill="none" stroke="#3e4c59" stroke-width="1.5" points=")" + points + R"("/>)";
    svg += R"(<circle cx=")" + std::to_string(lastX) + R"(" cy=")" + std::to_string(lastY) +
           R"(" r="2.5" fill="#3e4c59"/></svg>)";
    const std::string first = std::to_string(shares.front()) + "\xC2\xA0%";
    const std::string last = std::to_string(shares.back()) + "\xC2\xA0%";
    return svg + (shares.size() == 1
                      ? "first run"
                      : first + " \xE2\x86\x92 " + last + ", " + plural(shares.size(), "run", "runs"));
}

// Lets a narrow column (paper) break a name after its underscores.
std::string breakable(std::string html) {
    for (std::size_t at = html.find('_'); at != std::string::npos; at = html.find('_', at + 6))
        html.insert(at + 1, "<wbr>");
    return html;
}

class Page {
public:
    Page(const Results& r, const CheckSummary& s, const PageContext& c)
        : results_(r), summary_(s), context_(c) {
        for (const Checked& checked : r.checked)
            if (checked.error.empty()) names_[checked.project] = checked.name;
    }

    std::string text() {
        html_ =
            "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<title>Naming check of drawings, " +
            esc(context_.ranAt) + "</title>\n<style>" + style + "</style>\n</head>\n<body>\n" + patterns +
            "\n";
        headline();
        projects();
        disciplines();
        findings();
        notChecked();
        html_ += "<script>" + std::string(script) + "</script>\n</body>\n</html>\n";
        return std::move(html_);
    }

private:
    std::string esc(std::string_view s) const { return htmlText(s); }

    void figure(const std::string& id, const std::string& number, const std::string& label) {
        html_ += "<div class=\"figure\"><span class=\"number\" id=\"" + id + "\">" + number +
                 "</span><span class=\"label\">" + label + "</span></div>\n";
    }

    void headline() {
        const Tally& t = summary_.total;
        const std::string types = context_.drawingTypes == "both"       ? "design and as-built drawings"
                                  : context_.drawingTypes == "as-built" ? "as-built drawings"
                                                                        : "design drawings";
        html_ += "<header>\n<h1>Naming check of drawings</h1>\n<p class=\"meta\">" + types + ", checked " +
                 esc(context_.ranAt) + " by " + esc(context_.ranBy) +
                 "</p>\n</header>\n<div class=\"figures\">\n";
        figure("projects-checked", std::to_string(summary_.projectsChecked),
               summary_.projectsChecked == 1 ? "project checked" : "projects checked");
        figure("drawings-checked", std::to_string(t.drawings),
               t.drawings == 1 ? "drawing checked" : "drawings checked");
        figure("findings-count", std::to_string(t.findings), t.findings == 1 ? "finding" : "findings");
        figure("share-well-named", percentText(percentWellNamed(t)),
               "of drawings well named (" + std::to_string(t.wellNamed()) + " of " +
                   std::to_string(t.drawings) + ")");
        html_ += "</div>\n";
        if (!summary_.notChecked.empty())
            html_ += "<p class=\"note\">" + plural(summary_.notChecked.size(), "check", "checks") +
                     " could not be made; see <a href=\"#not-checked\">the end of the page</a>.</p>\n";
    }

    static std::size_t largest(const std::vector<Tally>& tallies) {
        std::size_t most = 0;
        for (const Tally& t : tallies) most = std::max(most, t.drawings + t.missingFolders);
        return most;
    }

    void barRow(const char* cls, const Tally& t, std::size_t scale, const std::string& nameCell,
                const std::string& trendCell) {
        html_ += "<tr class=\"" + std::string(cls) + "\" data-name=\"" + esc(t.name) + "\" data-drawings=\"" +
                 std::to_string(t.drawings) + "\" data-misnamed=\"" + std::to_string(t.misnamed) +
                 "\" data-missing=\"" + std::to_string(t.missingFolders) + "\" data-findings=\"" +
                 std::to_string(t.findings) + "\">" + "<td class=\"name\">" + nameCell +
                 "</td><td class=\"share\">" + percentText(percentWellNamed(t)) +
                 "</td><td class=\"chart\">" + bar(t, scale) + "<div class=\"counts\">" + counts(t) +
                 "</div></td>" + trendCell + "</tr>\n";
    }

    void projects() {
        if (summary_.projects.empty()) return;
        html_ +=
            "<section>\n<h2>Projects</h2>\n<p class=\"note\">Most misnamed drawings and missing folders "
            "first; "
            "the share is of drawings well named.</p>\n" +
            legend() + "<table class=\"bars\">\n<tbody>\n";
        const std::size_t scale = largest(summary_.projects);
        for (const Tally& t : summary_.projects) {
            std::string name = "<strong>" + esc(t.name) + "</strong>";
            if (const auto n = names_.find(t.name); n != names_.end() && !n->second.empty())
                name += "<small>" + esc(n->second) + "</small>";
            std::string trendCell;
            if (context_.history)
                trendCell = "<td class=\"trend\">" +
                            trend(trendOf(*context_.history, t.name, context_.drawingTypes)) + "</td>";
            barRow("project", t, scale, name, trendCell);
        }
        html_ += "</tbody>\n</table>\n";
        historyNote();
        html_ += "</section>\n";
    }

    void historyNote() {
        if (context_.historyFile.empty()) return;
        html_ += "<p class=\"note\" id=\"history\">Trend: the share well named in each run of the history " +
                 esc(context_.historyFile);
        if (!context_.historyProblem.empty()) {
            html_ += ". " + esc(context_.historyProblem);
        } else if (context_.history) {
            const std::size_t skipped = context_.history->skipped;
            html_ += skipped == 0
                         ? std::string("; every line was read")
                         : "; <span id=\"history-skipped\">" + plural(skipped, "line was", "lines were") +
                               "</span> skipped (cut short, or not a line TRV writes)";
        }
        html_ += ".</p>\n";
    }

    void disciplines() {
        if (summary_.disciplines.empty()) return;
        html_ += "<section>\n<h2>Disciplines across projects</h2>\n" + legend() +
                 "<table class=\"bars\">\n<tbody>\n";
        // A discipline without drawings gets no bar: its missing folders are named in one line below.
        std::vector<Tally> drawn;
        std::string folderOnly;
        for (const Tally& t : summary_.disciplines) {
            if (t.drawings > 0)
                drawn.push_back(t);
            else
                folderOnly +=
                    (folderOnly.empty() ? "" : ", ") + esc(t.name) + " " + std::to_string(t.missingFolders);
        }
        const std::size_t scale = largest(drawn);
        for (const Tally& t : drawn) barRow("discipline", t, scale, esc(t.name), "<td class=\"trend\"></td>");
        html_ += "</tbody>\n</table>\n";
        if (!folderOnly.empty())
            html_ +=
                "<p class=\"note\" id=\"folders-only\">No drawings, missing folders only: " + folderOnly +
                ".</p>\n";
        html_ += "</section>\n";
    }

    static std::string wrong(const std::string& rule) {
        // A folder's finding says what it is; a name's says which part is wrong.
        return rule.ends_with("folder") ? rule : "wrong " + rule;
    }

    void findings() {
        html_ += "<section>\n<h2>Findings</h2>\n";
        if (results_.lines.empty()) {
            html_ +=
                "<p>No findings: every drawing checked is well named and every folder is "
                "there.</p>\n</section>\n";
            return;
        }
        html_ +=
            "<div id=\"tools\" hidden><label>Show findings containing <input id=\"filter\" "
            "type=\"search\"></label>"
            "<span id=\"shown\"></span></div>\n<table class=\"findings\" id=\"findings-table\">\n<thead><tr>"
            "<th>Project</th><th>Type</th><th>Discipline</th><th>Folder</th><th>File</th><th>What is "
            "wrong</th>"
            "<th>Expected</th><th>Suggested name</th></tr></thead>\n<tbody>\n";
        for (const Line& l : results_.lines) {
            const std::string folder = l.folderKind == "discipline" ? "discipline folder" : l.folderKind;
            html_ += "<tr data-project=\"" + esc(l.project) + "\" data-rule=\"" + esc(l.rule) +
                     "\"><td class=\"short\">" + esc(l.project) + "</td><td class=\"short\">" +
                     esc(l.drawingType) + "</td><td class=\"short\">" + breakable(esc(l.discipline)) +
                     "</td><td class=\"short\" title=\"" + esc(l.folder) + "\">" + breakable(esc(folder)) +
                     "</td><td class=\"file\">" + esc(l.file) + "</td><td class=\"short\">" +
                     esc(wrong(l.rule)) + "</td><td>" + esc(l.expected) + "</td><td class=\"suggested\">" +
                     esc(l.suggested.value_or("")) + "</td></tr>\n";
        }
        html_ += "</tbody>\n</table>\n</section>\n";
    }

    void notChecked() {
        if (summary_.notChecked.empty()) return;
        html_ += "<section id=\"not-checked\">\n<h2>Not checked</h2>\n<ul class=\"failed\">\n";
        for (const Checked& c : summary_.notChecked) {
            html_ += "<li><strong>" + esc(c.project) + "</strong>";
            if (!c.drawingType.empty()) html_ += " " + esc(c.drawingType);
            html_ += ": " + esc(c.error) + "</li>\n";
        }
        html_ += "</ul>\n</section>\n";
    }

    const Results& results_;
    const CheckSummary& summary_;
    const PageContext& context_;
    std::map<std::string, std::string> names_;
    std::string html_;
};

}  // namespace

std::string htmlText(std::string_view text) {
    const std::string utf8 = utf8Of(text);
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
                    c == 0x7F)
                    out += "\xEF\xBF\xBD";
                else
                    out += c;
        }
    }
    return out;
}

std::string htmlPage(const Results& results, const CheckSummary& summary, const PageContext& context) {
    return Page(results, summary, context).text();
}

}  // namespace trv::cli
