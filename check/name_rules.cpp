#include "check/name_rules.h"

#include <algorithm>

#include "platform/text.h"

namespace trv::check {
namespace {

// Up to `n` characters of `s` from character `position` (counted from 1);
// empty when the name ends before it.
std::string_view midChars(std::string_view s, std::size_t position, std::size_t n) {
    if (isAscii(s)) return position > s.size() ? std::string_view() : s.substr(position - 1, n);
    const std::size_t start = leftChars(s, position - 1).size();
    if (start >= s.size()) return {};
    const std::string_view rest = s.substr(start);
    return rest.substr(0, leftChars(rest, n).size());
}

// Behind a 14-character internal code character 12 is a digit of the
// project number; behind a 15-character one it is the second letter of the
// contract type.
std::size_t codeShift(std::string_view name) {
    const std::string_view twelfth = midChars(name, 12, 1);
    return twelfth.size() == 1 && isAsciiDigit(twelfth[0]) ? 0 : 1;
}

}  // namespace

std::string_view internalCodeOf(std::string_view name) { return midChars(name, 1, 14 + codeShift(name)); }

std::string_view designatorOf(std::string_view name) { return midChars(name, 19 + codeShift(name), 1); }

std::string_view modelTypeCodeOf(std::string_view name) { return midChars(name, 21 + codeShift(name), 2); }

bool lengthFits(std::string_view name, FolderKind kind) {
    const std::size_t length = isAscii(name) ? name.size() : charCount(name);
    switch (kind) {
        case FolderKind::Model:
            return length == 32 || length == 33;
        case FolderKind::Sheet:
            return length >= 28 && length <= 31;
        case FolderKind::Discipline:
            break;
    }
    return false;
}

bool projectCodeFits(std::string_view name, std::string_view internalCode) {
    return name.size() > internalCode.size() && name.starts_with(internalCode) &&
           name[internalCode.size()] == '-';
}

bool designatorFits(std::string_view name, std::string_view designator) {
    return designatorOf(name) == designator;
}

bool modelTypeFits(std::string_view name, const std::vector<std::string>& accepted) {
    const std::string_view code = modelTypeCodeOf(name);
    return std::find(accepted.begin(), accepted.end(), code) != accepted.end();
}

}  // namespace trv::check
