#include "check/quality_report.h"

namespace trv::check {
namespace {

void record(std::string& out, const std::string& text) {
    out += '"';
    out += text;
    out += "\"\r\n";
}

const std::string slashes(77, '/');
const std::string underscores(80, '_');

struct Block {
    Rule rule;
    const char* heading;  // trailing blanks belong to the heading
    const char* in;       // what stands between a file's name and its discipline
};

// In report order. The length and project code entries have two blanks after
// "in", the designator and model type entries one.
const Block blocks[] = {
    {Rule::MissingFolder, "MISSING FOLDERS IN THE PROJECTS ", ""},
    {Rule::Length, "DRAWING NAMES WHOSE LENGHT IS INCORRECT  ", " in  "},
    {Rule::ProjectCode, "DRAWING NAMES THAT HAVE WRONG PROJECT CODE ", " in  "},
    {Rule::Designator, "DRAWING NAMES THAT HAVE WRONG DISCIPLINE DESIGNATOR ", " in "},
    {Rule::ModelType, "DRAWING NAMES THAT HAVE WRONG MODEL TYPE CODES  ", " in "},
};

std::string entryText(const Block& block, const Finding& f) {
    if (f.rule == Rule::MissingFolder || f.rule == Rule::UnreadableFolder) {
        const std::string folder = f.folderKind == FolderKind::Discipline
                                       ? f.discipline
                                       : folderKindName(f.folderKind) + " Folder for " + f.discipline;
        return f.rule == Rule::MissingFolder ? folder : folder + " could not be read";
    }
    return f.file + "\r\n" + block.in + f.discipline + " under " + folderKindName(f.folderKind);
}

}  // namespace

std::string folderKindName(FolderKind kind) {
    switch (kind) {
        case FolderKind::Model:
            return "MODEL_FILES";
        case FolderKind::Sheet:
            return "SHEET_FILES";
        case FolderKind::Discipline:
            break;
    }
    return {};
}

std::string qualityReport(const std::vector<Finding>& findings) {
    std::string out;
    for (const Block& block : blocks) {
        record(out, block.heading);
        record(out, slashes);
        if (block.rule == Rule::MissingFolder) record(out, std::string(77, ' '));
        for (const Finding& f : findings) {
            // A folder that could not be read is listed with the missing ones.
            const Rule rule = f.rule == Rule::UnreadableFolder ? Rule::MissingFolder : f.rule;
            if (rule != block.rule) continue;
            record(out, underscores);
            record(out, entryText(block, f));
            record(out, underscores);
        }
    }
    return out;
}

}  // namespace trv::check
