#include "platform/ini.h"

#include <vector>

#include "platform/text.h"

namespace trv {
namespace {

constexpr std::size_t maxValueChars = 254;  // a 255-character buffer less its NUL

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

std::string_view skipLeadingBlanks(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

}  // namespace

std::string iniValue(std::string_view iniText, std::string_view section, std::string_view key) {
    bool inSection = false;
    bool sectionSeen = false;
    for (std::string_view raw : splitLines(iniText)) {
        const std::string_view line = skipLeadingBlanks(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (sectionSeen && inSection) return {};  // only the first matching section counts
            const std::size_t close = line.find(']');
            const std::string name =
                trimBlanks(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            inSection = equalsNoCase(name, section);
            if (inSection) sectionSeen = true;
            continue;
        }
        if (!inSection) continue;
        const std::size_t eq = line.find('=');
        const std::string name = trimBlanks(line.substr(0, eq));
        if (!equalsNoCase(name, key)) continue;
        if (eq == std::string_view::npos) return {};
        std::string value = trimBlanks(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return leftChars(value, maxValueChars);
    }
    return {};
}

}  // namespace trv
