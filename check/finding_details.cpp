#include "check/finding_details.h"

#include <algorithm>

#include "catalogue/check_tables.h"
#include "catalogue/tables.h"
#include "check/name_rules.h"
#include "platform/text.h"

namespace trv::check {
namespace {

std::string designatorOfDiscipline(const std::string& discipline) {
    const catalogue::Discipline* row = catalogue::findDiscipline(discipline);
    return row ? row->code : std::string();
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& part : parts) out += (out.empty() ? "" : ", ") + part;
    return out;
}

// The name as the window composes it for the finding's folder, with
// placeholders for the fields the check cannot know.
std::string nameForm(const Finding& f, const CheckSubject& s) {
    const std::string base = s.internalCode + "-NN-" + designatorOfDiscipline(f.discipline) + "-";
    if (f.folderKind == FolderKind::Model) return base + "TT-UUUUU.dwg";
    return base + "SDDD.dwg or " + base + "SDDD-X.dwg";
}

// The name with its stem upper-cased; the extension stays as it is.
std::string upperCasedStem(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return toUpper(name);
    return toUpper(name.substr(0, dot)) + name.substr(dot);
}

// The name with the internal code it begins with replaced by the project's.
std::string withProjectCode(const std::string& name, const std::string& internalCode) {
    return internalCode + name.substr(internalCodeOf(name).size());
}

}  // namespace

std::string expectedForm(const Finding& f, const CheckSubject& s) {
    switch (f.rule) {
        case Rule::MissingFolder:
            return "the folder " + f.folder;
        case Rule::UnreadableFolder:
            return "the folder " + f.folder + " readable";
        case Rule::Length:
            return nameForm(f, s) +
                   (f.folderKind == FolderKind::Model ? " (32 or 33 characters)" : " (28 to 31 characters)");
        case Rule::ProjectCode:
            return "a name beginning with " + s.internalCode + "-";
        case Rule::Designator:
            return "the designator " + designatorOfDiscipline(f.discipline) + " of " + f.discipline + ": " +
                   nameForm(f, s);
        case Rule::ModelType:
            break;
    }
    const std::vector<std::string>* accepted = catalogue::acceptedModelTypeCodes(f.discipline);
    std::string form = "a model file type code of " + f.discipline + ": " + (accepted ? joined(*accepted) : "");
    const std::string code(modelTypeCodeOf(f.file));
    std::vector<std::string> acceptingCode, fittingName;
    for (const std::string& other : catalogue::checkedDisciplines()) {
        if (other == f.discipline) continue;
        const auto* codes = catalogue::acceptedModelTypeCodes(other);
        if (!codes || std::find(codes->begin(), codes->end(), code) == codes->end()) continue;
        acceptingCode.push_back(other);
        if (rulesBroken(f.file, FolderKind::Model, other, s).empty()) fittingName.push_back(other);
    }
    if (!acceptingCode.empty()) form += "; " + code + " is a code of " + joined(acceptingCode);
    if (!fittingName.empty()) form += "; the name fits the model folder of " + joined(fittingName);
    return form;
}

std::optional<std::string> suggestedName(Platform& platform, const OfficePaths& paths, const Finding& f,
                                         const CheckSubject& s) {
    if (f.rule == Rule::MissingFolder || f.rule == Rule::UnreadableFolder) return std::nullopt;
    const std::string upper = upperCasedStem(f.file);
    for (const std::string& candidate : {upper, withProjectCode(f.file, s.internalCode),
                                         withProjectCode(upper, s.internalCode)}) {
        if (candidate == f.file || !rulesBroken(candidate, f.folderKind, f.discipline, s).empty()) continue;
        // The file itself, found under its new spelling, is no other file.
        const std::string path = paths.fileIn(f.folder, candidate);
        if (platform.isPresent(path) || (!equalsNoCase(candidate, f.file) && platform.fileExists(path))) continue;
        return candidate;
    }
    return std::nullopt;
}

}  // namespace trv::check
