#include "platform/ini.h"

#include <vector>

#include "platform/text.h"

namespace trv {
namespace {

constexpr std::size_t maxValueChars = 254;  // a 255-character buffer less its NUL

// What the profile reader takes for white space: blanks, tabs, line and page
// breaks, and Ctrl-Z (the old end-of-file mark).
bool isProfileSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trimProfileSpace(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isProfileSpace(s[b])) ++b;
    while (e > b && isProfileSpace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Notepad saves INI files as UTF-8 with a byte-order mark, or as UTF-16
// ("Unicode"); the profile reader takes both, so the mark decides here too.
std::string decodeText(std::string_view raw) { return unicodeTextOf(raw).value_or(std::string(raw)); }

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// The value as the profile reader hands it over: one pair of matching quotes
// around it removed, then cut to the buffer.
std::string bufferedValue(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return leftChars(value, maxValueChars);
}

}  // namespace

std::string iniValue(std::string_view iniText, std::string_view section, std::string_view key) {
    const std::string text = decodeText(iniText);
    const std::string_view wantSection = trimProfileSpace(section);
    const std::string_view wantKey = trimProfileSpace(key);
    bool inSection = false;
    for (std::string_view raw : splitLines(text)) {
        const std::string_view line = trimProfileSpace(raw);
        if (line.empty()) continue;
        // A header runs from '[' to the last ']' on its line; a '[' line
        // without one is an ordinary line. Anything after the ']' is ignored.
        if (line.front() == '[') {
            if (const std::size_t close = line.rfind(']'); close != std::string_view::npos) {
                if (inSection) return {};  // only the first matching section counts
                inSection = equalsNoCase(trimProfileSpace(line.substr(1, close - 1)), wantSection);
                continue;
            }
        }
        if (!inSection) continue;
        // Every other line is a key, up to its '='. Lines starting with ';'
        // are no exception: their names begin with ';', so no setting
        // matches them.
        const std::size_t eq = line.find('=');
        if (!equalsNoCase(trimProfileSpace(line.substr(0, eq)), wantKey)) continue;
        if (eq == std::string_view::npos) return {};  // a key without a value hides later ones
        return bufferedValue(trimProfileSpace(line.substr(eq + 1)));
    }
    return {};
}

}  // namespace trv
