#include "platform/long_paths.h"

#include <optional>
#include <vector>

namespace trv {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool hasDrive(std::string_view p) {
    return p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "\\?\" or "\\.\": the device namespace, which needs no normalising by Windows.
bool hasDevicePrefix(std::string_view p) {
    return p.size() >= 4 && isSeparator(p[0]) && isSeparator(p[1]) && (p[2] == '?' || p[2] == '.') &&
           isSeparator(p[3]);
}

bool isServerPath(std::string_view p) { return p.size() >= 2 && isSeparator(p[0]) && isSeparator(p[1]); }

// The next folder name of `p` from `at`, separators before it skipped; `at` moves past it.
std::string_view nextName(std::string_view p, std::size_t& at) {
    while (at < p.size() && isSeparator(p[at])) ++at;
    const std::size_t start = at;
    while (at < p.size() && !isSeparator(p[at])) ++at;
    return p.substr(start, at - start);
}

// An absolute path as its root in the extended form ("\\?\P:",
// "\\?\UNC\server\share", "\\?\device") and what lies below it.
struct Rooted {
    std::string root;
    std::string_view rest;
    bool drive;  // the root is a drive, and "\\?\P:" without its backslash would name the volume
};

std::optional<Rooted> rootOf(std::string_view p) {
    bool device = hasDevicePrefix(p);
    std::string_view body = device ? p.substr(4) : p;
    if (device && body.size() >= 3 && upperAscii(body[0]) == 'U' && upperAscii(body[1]) == 'N' &&
        upperAscii(body[2]) == 'C' && (body.size() == 3 || isSeparator(body[3]))) {
        body = body.substr(3);
        device = false;  // a server path from here on
    } else if (!device && isServerPath(body)) {
        body = body.substr(2);
    } else if (hasDrive(body) && (device || (body.size() > 2 && isSeparator(body[2])))) {
        return Rooted{"\\\\?\\" + std::string(body.substr(0, 2)), body.substr(2), true};
    } else if (device) {
        std::size_t at = 0;
        const std::string_view name = nextName(body, at);
        return Rooted{"\\\\?\\" + std::string(name), body.substr(at), false};
    } else {
        return std::nullopt;
    }
    std::size_t at = 0;
    std::string root = "\\\\?\\UNC\\" + std::string(nextName(body, at));
    const std::size_t afterServer = at;
    const std::string_view share = nextName(body, at);
    if (share.empty()) at = afterServer;
    else root += "\\" + std::string(share);
    return Rooted{std::move(root), body.substr(at), false};
}

// `root` followed by the folder names of `rest`, each "." dropped, each ".."
// taking the name before it away, and the final periods and blanks trimmed
// as Windows trims them.
std::string below(const Rooted& r, std::string_view rest) {
    std::vector<std::string_view> names;
    bool endsWithSeparator = !rest.empty() && isSeparator(rest.back());
    for (std::size_t at = 0; at < rest.size();) {
        const std::string_view name = nextName(rest, at);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string_view& name = names[i];
        if (i + 1 == names.size() && !endsWithSeparator) {
            while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
        } else if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') {
            name.remove_suffix(1);
        }
    }
    if (!names.empty() && names.back().empty()) {
        names.pop_back();
        endsWithSeparator = true;
    }
    std::string out = r.root;
    for (const auto name : names) {
        out += '\\';
        out += name;
    }
    if (r.drive ? names.empty() || endsWithSeparator : endsWithSeparator) out += '\\';
    return out;
}

}  // namespace

bool isRelativePath(std::string_view path) { return !rootOf(path); }

std::string extendedLengthPath(std::string_view path, std::string_view currentFolder) {
    if (path.empty()) return {};
    if (const auto rooted = rootOf(path)) return below(*rooted, rooted->rest);
    const auto current = rootOf(currentFolder);
    if (!current) {
        // Nothing to take it from: the path as it is, in Windows' separators.
        std::string out(path);
        for (char& c : out)
            if (c == '/') c = '\\';
        return out;
    }
    const std::string from = std::string(current->rest) + "\\";
    if (hasDrive(path)) {
        // "P:x": from the current folder when that is on drive P, else from P's root.
        const bool sameDrive = current->drive && upperAscii(current->root[4]) == upperAscii(path[0]);
        if (sameDrive) return below(*current, from + std::string(path.substr(2)));
        return below(Rooted{"\\\\?\\" + std::string(path.substr(0, 2)), {}, true}, path.substr(2));
    }
    if (isSeparator(path[0])) return below(*current, path);  // from the root of the current drive or share
    return below(*current, from + std::string(path));
}

}  // namespace trv
