#include "platform/desktop_entries.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <system_error>

#include "platform/text.h"

namespace trv {

namespace fs = std::filesystem;

namespace {

std::string envOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

// The parts of `s` between the separators, empty parts left out.
std::vector<std::string> splitSkippingEmpty(std::string_view s, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= s.size()) {
        const std::size_t end = std::min(s.find(separator, start), s.size());
        if (end > start) parts.emplace_back(s.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The length in bytes of the white-space character that `s` starts with (or,
// with `atEnd`, ends with), 0 when there is none: the ASCII blanks and line
// ends, NEL, and the Unicode space, line and paragraph separators.
std::size_t spaceLength(std::string_view s, bool atEnd) {
    // clang-format off
    static constexpr std::string_view spaces[] = {
        " ", "\t", "\n", "\v", "\f", "\r", "\xC2\x85", "\xC2\xA0", "\xE1\x9A\x80", "\xE2\x80\x80",
        "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86",
        "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9",
        "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80"};
    // clang-format on
    for (std::string_view c : spaces)
        if (atEnd ? s.ends_with(c) : s.starts_with(c)) return c.size();
    return 0;
}

std::string trimmed(std::string_view s) {
    while (const std::size_t n = spaceLength(s, false)) s.remove_prefix(n);
    while (const std::size_t n = spaceLength(s, true)) s.remove_suffix(n);
    return std::string(s);
}

// The escapes of a desktop entry's string values: \s \n \t \r \\.
std::string unescapeValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += c;  // the Exec quoting reads its own escapes later
                out += next;
        }
    }
    return out;
}

bool isTrue(const std::string& value) { return trimmed(value) == "true"; }

bool isExecutable(const std::string& file) { return ::access(file.c_str(), X_OK) == 0; }

// TryExec: an absolute path that can be executed, or else a program file
// found in one of the folders of $PATH.
bool installedProgram(const std::string& program) {
    if (program.starts_with('/')) return isExecutable(program);
    std::string searchPath;
    if (const char* path = std::getenv("PATH")) {
        searchPath = path;
    } else if (const std::size_t n = ::confstr(_CS_PATH, nullptr, 0); n > 0) {
        searchPath.resize(n);
        ::confstr(_CS_PATH, searchPath.data(), n);
        searchPath.resize(n - 1);
    }
    for (const std::string& folder : splitSkippingEmpty(searchPath, ':')) {
        const std::string candidate = folder + '/' + program;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec) && isExecutable(candidate)) return true;
    }
    return false;
}

bool isDesktopFileName(const std::string& name) {
    constexpr std::string_view suffix = ".desktop";
    return name.size() >= suffix.size() &&
           equalsNoCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
}

// The .desktop files below `folder`, by their paths relative to it ('/'
// between folders). Hidden files and folders (".name") and links to folders
// are left out.
void collectDesktopFiles(const fs::path& folder, const std::string& relative,
                         std::vector<std::string>& found) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with('.')) continue;
        std::error_code statusError;
        const std::string path = relative.empty() ? name : relative + '/' + name;
        if (it->is_directory(statusError)) {
            if (!it->is_symlink(statusError)) collectDesktopFiles(it->path(), path, found);
        } else if (it->is_regular_file(statusError) && isDesktopFileName(name)) {
            found.push_back(path);
        }
    }
}

}  // namespace

std::vector<std::string> applicationFolders() {
    std::string home = envOr("HOME", "/");
    home = fs::path(home).lexically_normal().string();
    if (home.size() > 1 && home.ends_with('/')) home.pop_back();
    std::vector<std::string> folders{envOr("XDG_DATA_HOME", home + "/.local/share") + "/applications"};
    for (const std::string& dir :
         splitSkippingEmpty(envOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':'))
        folders.push_back(dir + "/applications");
    return folders;
}

std::optional<DesktopApplication> readDesktopFile(const std::string& file, const std::string& id) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(std::istreambuf_iterator<char>(in), {});
    std::erase(content, '\r');  // line ends of either kind
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);

    DesktopApplication app;
    app.id = id;
    app.file = file;
    bool inEntry = false, hidden = false;
    std::string type, tryExec;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string line = trimmed(std::string_view(content).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.starts_with('#')) continue;
        if (line.starts_with('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inEntry || eq == std::string::npos) continue;
        const std::string key = trimmed(std::string_view(line).substr(0, eq));
        const std::string value = unescapeValue(trimmed(std::string_view(line).substr(eq + 1)));
        if (key == "Type")
            type = value;
        else if (key == "Name")
            app.name = value;
        else if (key == "Exec")
            app.exec = value;
        else if (key == "Icon")
            app.icon = value;
        else if (key == "TryExec")
            tryExec = value;
        else if (key == "Hidden")
            hidden = isTrue(value);
        else if (key == "MimeType")
            app.mimeTypes = splitSkippingEmpty(value, ';');
    }
    if (type != "Application" || hidden || app.exec.empty() || app.name.empty()) return std::nullopt;
    if (!tryExec.empty() && !installedProgram(tryExec)) return std::nullopt;
    return app;
}

std::vector<DesktopApplication> applicationsFor(const std::vector<std::string>& mimeTypes,
                                                const std::vector<std::string>& folders) {
    std::vector<DesktopApplication> found;
    std::set<std::string> seen;
    for (const std::string& folder : folders) {
        std::vector<std::string> files;
        collectDesktopFiles(folder, "", files);
        std::sort(files.begin(), files.end());
        for (const std::string& relative : files) {
            std::string id = relative;
            std::replace(id.begin(), id.end(), '/', '-');
            if (!seen.insert(id).second) continue;  // also when this one is hidden: it hides the later ones
            const std::string file = folder.ends_with('/') ? folder + relative : folder + '/' + relative;
            const auto app = readDesktopFile(file, id);
            if (!app) continue;
            const bool handles = std::any_of(mimeTypes.begin(), mimeTypes.end(), [&](const std::string& m) {
                return std::find(app->mimeTypes.begin(), app->mimeTypes.end(), m) != app->mimeTypes.end();
            });
            if (handles) found.push_back(*app);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const DesktopApplication& a, const DesktopApplication& b) {
                         return toLower(a.name) < toLower(b.name);
                     });
    return found;
}

std::optional<std::vector<std::string>> splitExec(const std::string& exec) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false, quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == '"') {
            quoted = inArg = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
        } else if (c == '\\' && i + 1 < exec.size()) {
            current += exec[++i];
            inArg = true;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inArg) args.push_back(current);
    if (args.empty()) return std::nullopt;
    return args;
}

std::optional<std::vector<std::string>> commandFor(const DesktopApplication& app, const std::string& path) {
    const auto split = splitExec(app.exec);
    if (!split) return std::nullopt;
    std::vector<std::string> command;
    bool fileGiven = false;
    for (const std::string& arg : *split) {
        if (arg == "%f" || arg == "%F" || arg == "%u" || arg == "%U") {
            command.push_back(path);
            fileGiven = true;
            continue;
        }
        if (arg == "%i") {
            if (!app.icon.empty()) command.insert(command.end(), {"--icon", app.icon});
            continue;
        }
        std::string out;
        bool onlyCodes = true;
        for (std::size_t i = 0; i < arg.size(); ++i) {
            if (arg[i] != '%' || i + 1 == arg.size()) {
                out += arg[i];
                onlyCodes = false;
                continue;
            }
            switch (arg[++i]) {
                case '%':
                    out += '%';
                    onlyCodes = false;
                    break;
                case 'f':
                case 'F':
                case 'u':
                case 'U':
                    out += path;
                    fileGiven = true;
                    onlyCodes = false;
                    break;
                case 'c':
                    out += app.name;
                    onlyCodes = false;
                    break;
                case 'k':
                    out += app.file;
                    onlyCodes = false;
                    break;
                default:  // deprecated or unknown codes are dropped, whole characters
                    i += charLengthAt(arg, i) - 1;
                    break;
            }
        }
        if (!out.empty() || !onlyCodes) command.push_back(out);
    }
    if (command.empty()) return std::nullopt;
    if (!fileGiven) command.push_back(path);
    return command;
}

}  // namespace trv
