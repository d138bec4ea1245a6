#include "naming/names.h"

#include <array>
#include <charconv>
#include <limits>

#include "platform/text.h"

namespace trv::naming {
namespace {

constexpr std::array<std::string_view, 6> architecturalPlans = {
    "Demolition_Plan", "Area calculation occupancy Plan", "Equipment Plan",
    "Reflected Ceiling Plan", "Roof Plan", "Floor Plan"};
constexpr std::array<std::string_view, 4> legendElevationTypes = {"Schedule", "Legend", "Details",
                                                                  "Elevations"};
// The types that never take their code from the other-disciplines dialog.
constexpr std::array<std::string_view, 10> notOtherDisciplines = {
    "Sections", "Schedule", "Legend", "Details", "Elevations", "Area calculation occupancy Plan",
    "Equipment Plan", "Reflected Ceiling Plan", "Roof Plan", "Floor Plan"};

template <std::size_t N>
bool oneOf(std::string_view value, const std::array<std::string_view, N>& set) {
    for (auto v : set)
        if (v == value) return true;
    return false;
}

std::string letterFor(UserCodeDialogKind kind, std::string_view drawingType) {
    if (kind == UserCodeDialogKind::Architecture) {
        if (drawingType == "Floor") return "F";
        if (drawingType == "Basement") return "B";
    } else if (kind == UserCodeDialogKind::LegElev) {
        if (drawingType == "Elevations") return "E";
        if (drawingType == "Legend") return "L";
        if (drawingType == "Schedule") return "S";
        if (drawingType == "Details") return "D";
    }
    return {};
}

// The characters of a UTF-8 text, one string each: positions within a name
// count characters, as the names' lengths do.
std::vector<std::string> charactersOf(std::string_view s) {
    std::vector<std::string> chars;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !chars.empty()) {
            chars.back() += c;
        } else {
            chars.emplace_back(1, c);
        }
    }
    return chars;
}

std::string joinChars(const std::vector<std::string>& chars, std::size_t from, std::size_t count) {
    std::string out;
    for (std::size_t i = from; i < from + count && i < chars.size(); ++i) out += chars[i];
    return out;
}

}  // namespace

std::optional<std::string> padFacilityNumber(std::string_view text) {
    switch (charCount(text)) {
        case 2:
            return toUpper(text);
        case 1:
            return "0" + toUpper(text);
        case 0:
            return std::string("00");
        default:
            return std::nullopt;
    }
}

bool isSafeNamePart(std::string_view value) {
    // Bytes that are not UTF-8 would become other characters (or none) in
    // the file system's name.
    if (!isValidUtf8(value)) return false;
    for (char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
        switch (c) {
            case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
                return false;
            default:
                break;
        }
    }
    return true;
}

bool isSafeFolderName(std::string_view value) {
    return isSafeNamePart(value) && value != "." && value != "..";
}

UserCodeDialogKind userCodeDialogFor(std::string_view discipline, std::string_view modelType) {
    const bool architectural = discipline == "Architectural";
    if (architectural && oneOf(modelType, architecturalPlans)) return UserCodeDialogKind::Architecture;
    if (oneOf(modelType, legendElevationTypes)) return UserCodeDialogKind::LegElev;
    if (modelType == "Sections") return UserCodeDialogKind::Sections;
    if (!architectural && !oneOf(modelType, notOtherDisciplines)) return UserCodeDialogKind::OtherDisciplines;
    return UserCodeDialogKind::None;
}

DialogVerdict judgeDialogResults(UserCodeDialogKind kind, const DialogResults& r) {
    const std::size_t fb = charCount(r.fbnumber);
    const std::size_t part = charCount(r.partnumber);
    switch (kind) {
        case UserCodeDialogKind::Architecture:
        case UserCodeDialogKind::LegElev:
            if (fb == 0) return DialogVerdict::NumberMissing;
            return fb <= 1 && part <= 1 ? DialogVerdict::Accepted : DialogVerdict::TooLong;
        case UserCodeDialogKind::Sections:
            if (fb == 0) return DialogVerdict::NumberMissing;
            return fb <= 2 && part <= 1 ? DialogVerdict::Accepted : DialogVerdict::TooLong;
        case UserCodeDialogKind::OtherDisciplines:
            return fb <= 2 && part <= 2 ? DialogVerdict::Accepted : DialogVerdict::TooLong;
        case UserCodeDialogKind::None:
            break;
    }
    return DialogVerdict::TooLong;
}

bool dialogAccepts(UserCodeDialogKind kind, const DialogResults& stored) {
    return judgeDialogResults(kind, stored) == DialogVerdict::Accepted;
}

AppliedDialog applyDialogEntries(UserCodeDialogKind kind, DialogResults entered) {
    AppliedDialog applied{std::move(entered), DialogVerdict::TooLong};
    DialogResults& r = applied.stored;
    if (kind == UserCodeDialogKind::Sections) r.tdrawingtype = "Sections";
    // Empty entries of the other-disciplines dialog pass as they are: the user
    // code then comes out too short and the name carries "00-00".
    if (kind != UserCodeDialogKind::OtherDisciplines && r.partnumber.empty()) r.partnumber = "0";
    applied.verdict = judgeDialogResults(kind, r);
    if (kind == UserCodeDialogKind::OtherDisciplines && applied.verdict == DialogVerdict::Accepted) {
        if (charCount(r.partnumber) == 1) r.partnumber += "X";
        if (charCount(r.fbnumber) == 1) r.fbnumber += "X";
    }
    return applied;
}

std::string userCodeFrom(UserCodeDialogKind kind, const DialogResults& r) {
    if (kind == UserCodeDialogKind::None) return {};
    if (!dialogAccepts(kind, r)) return "00-00";
    switch (kind) {
        case UserCodeDialogKind::Architecture:
        case UserCodeDialogKind::LegElev:
            return letterFor(kind, r.tdrawingtype) + r.fbnumber + "-P" + r.partnumber;
        case UserCodeDialogKind::Sections:
            return r.fbnumber + "-P" + r.partnumber;
        case UserCodeDialogKind::OtherDisciplines:
            return r.fbnumber + "-" + r.partnumber;
        case UserCodeDialogKind::None:
            break;
    }
    return {};
}

std::optional<DialogResults> dialogEntriesOf(UserCodeDialogKind kind, std::string_view userCode) {
    if (kind == UserCodeDialogKind::None) return std::nullopt;
    const std::string code = toUpper(userCode);
    DialogResults r;
    std::string_view rest = code;
    static constexpr std::array<const char*, 6> types = {"Floor",   "Basement", "Elevations",
                                                         "Details", "Legend",   "Schedule"};
    for (const char* type : types) {
        const std::string letter = letterFor(kind, type);
        if (!letter.empty() && rest.starts_with(letter)) {
            r.tdrawingtype = type;
            rest.remove_prefix(letter.size());
            break;
        }
    }
    const std::string_view separator = kind == UserCodeDialogKind::OtherDisciplines ? "-" : "-P";
    const auto at = rest.find(separator);
    if (at == std::string_view::npos) return std::nullopt;
    r.fbnumber = rest.substr(0, at);
    r.partnumber = rest.substr(at + separator.size());
    return r;
}

std::string composeModelName(std::string_view internalCode, std::string_view facility,
                             std::string_view disciplineCode, std::string_view modelTypeCode,
                             std::string_view userCode) {
    const std::string code = charCount(userCode) == 5 ? std::string(userCode) : std::string("00-00");
    std::string name;
    name.append(internalCode).append("-").append(facility).append("-").append(disciplineCode);
    name.append("-").append(modelTypeCode).append("-").append(code);
    return toUpper(name);
}

bool isSheetNumberForm(std::string_view text) {
    return charCount(text) == 5 && isAsciiDigit(text[0]) && isAsciiDigit(text[1]) && isAsciiDigit(text[2]) &&
           text[3] == '-';
}

std::string sheetNameBase(std::string_view internalCode, std::string_view facility,
                          std::string_view disciplineCode, int sheetTypeIndex) {
    std::string base;
    base.append(internalCode).append("-").append(facility).append("-").append(disciplineCode);
    base.append("-").append(std::to_string(sheetTypeIndex));
    return base;
}

std::optional<std::string> nextSheetNumber(const std::vector<std::string>& fileNames,
                                           std::string_view nameBase) {
    long long highest = 0;
    std::string candidate = "000";
    for (const auto& entry : fileNames) {
        const auto chars = charactersOf(GetFileName(entry));
        const std::size_t len = chars.size();
        const std::size_t baseLen = charCount(nameBase);
        std::string digits;
        const std::string after = len >= baseLen ? joinChars(chars, baseLen, len - baseLen) : std::string();
        if (len >= 2 && chars[len - 2] == "-") {
            digits = len >= 5 ? joinChars(chars, len - 5, 3) : joinChars(chars, 0, len - 2);  // a DDD-X sheet
        } else if (after.size() > 3 && allAsciiDigits(after)) {
            digits = after;  // past 999 the number grows a digit
        } else {
            digits = len >= 3 ? joinChars(chars, len - 3, 3) : joinChars(chars, 0, len);
        }
        if (!allAsciiDigits(digits)) return std::nullopt;
        long long number = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        // A number too large to be increased names no sheet that numbering
        // can follow: it is left out.
        if (ec == std::errc::result_out_of_range || number == std::numeric_limits<long long>::max()) continue;
        if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        if (number > highest) highest = number;
        candidate = std::to_string(highest + 1);
    }
    while (candidate.size() < 3) candidate.insert(0, "0");
    return candidate;
}

std::string GetFileName(std::string_view flname) {
    const auto slash = flname.rfind('\\');
    std::string_view name = slash == std::string_view::npos ? flname : flname.substr(slash + 1);
    const auto dot = name.find('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace trv::naming
