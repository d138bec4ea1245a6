// trv-cli projects: the project list of the main window, with each
// project's name from its record.
#include <algorithm>
#include <ostream>

#include "cli/commands/commands.h"
#include "cli/commands/formats.h"
#include "cli/commands/session.h"
#include "platform/text.h"
#include "projects/projects.h"

namespace trv::cli {

int projectsCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (!a.words.empty()) return badArguments(err, "projects takes no word " + a.words[0]);
    const auto format = parseFormat(a.value("--format").value_or("text"));
    if (!format || *format == Format::Html) return badArguments(err, "--format is text, json or csv");

    Session s(a);
    if (!s.load(err)) return statusError;
    if (!s.platform.canListFolder(s.paths.projectRecordFolder()))
        return badArguments(err, "cannot list the project records in " +
                                     s.platform.displayPath(s.paths.projectRecordFolder()));

    struct Row {
        std::string code, name;
    };
    std::vector<Row> rows;
    for (const auto& code : listProjectCodes(s.platform, s.paths)) {
        const auto lookup = lookUpProject(s.platform, s.paths, code);
        if (!lookup.value)
            err << "trv-cli: " << code << ": " << (lookup.messages.empty() ? "" : lookup.messages.back()) << '\n';
        rows.push_back({code, lookup.value ? lookup.value->name : ""});
    }

    switch (*format) {
        case Format::Text: {
            std::size_t width = 0;
            for (const Row& r : rows) width = std::max(width, charCount(r.code));
            for (const Row& r : rows)
                out << r.code << std::string(width - charCount(r.code) + 2, ' ') << r.name << '\n';
            break;
        }
        case Format::Json: {
            std::vector<std::string> projects;
            for (const Row& r : rows)
                projects.push_back(jsonObject({{"code", jsonString(r.code)}, {"name", jsonString(r.name)}}));
            out << "{\"projects\": " << jsonArray(projects) << "}\n";
            break;
        }
        case Format::Csv:
        case Format::Html:  // refused above
            out << csvRecord({"code", "name"});
            for (const Row& r : rows) out << csvRecord({r.code, r.name});
            break;
    }
    return statusClean;
}

}  // namespace trv::cli
