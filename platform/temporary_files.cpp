#include "platform/temporary_files.h"

#include <algorithm>

namespace trv {
namespace {

constexpr std::string_view prefix = ".trv-";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetterOrDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One or more digits, then `end` or the end of the text; what follows is left in `s`.
bool digitsThen(std::string_view& s, char end) {
    const auto n = static_cast<std::size_t>(std::find_if_not(s.begin(), s.end(), isDigit) - s.begin());
    if (n == 0 || (end != '\0' && (n == s.size() || s[n] != end))) return false;
    s.remove_prefix(end != '\0' ? n + 1 : n);
    return true;
}

}  // namespace

bool isTemporaryFileName(std::string_view name) {
    if (!name.starts_with(prefix)) return false;
    std::string_view rest = name.substr(prefix.size());
    if (rest.size() == 6 && std::all_of(rest.begin(), rest.end(), isLetterOrDigit)) return true;
    if (!rest.ends_with(".tmp")) return false;
    rest.remove_suffix(4);
    return digitsThen(rest, '-') && digitsThen(rest, '-') && digitsThen(rest, '\0') && rest.empty();
}

}  // namespace trv
