#pragma once

// The installed applications of a Linux desktop, as their desktop entries
// (.desktop files) describe them, and the command lines that open a file with
// one of them. Windows has its own "Open with" and builds none of this.

#include <optional>
#include <string>
#include <vector>

namespace trv {

// An installed application as its .desktop file describes it. Text is UTF-8.
struct DesktopApplication {
    std::string id;    // desktop file ID: the path below "applications" with '/' as '-'
    std::string file;  // the .desktop file
    std::string name;
    std::string exec;
    std::string icon;
    std::vector<std::string> mimeTypes;
};

// The folders of .desktop files, the most important first:
// $XDG_DATA_HOME/applications, then each of $XDG_DATA_DIRS/applications.
std::vector<std::string> applicationFolders();

// The [Desktop Entry] group of a .desktop file; nothing when the file is no
// application, is hidden, or names a TryExec program that is not installed.
std::optional<DesktopApplication> readDesktopFile(const std::string& file, const std::string& id);

// The applications whose MimeType= lists one of `mimeTypes` (a type and its
// aliases), sorted by name. A desktop file ID found in an earlier folder hides
// the same ID in later ones.
std::vector<DesktopApplication> applicationsFor(const std::vector<std::string>& mimeTypes,
                                                const std::vector<std::string>& folders);

// Exec= split into arguments as the Desktop Entry format quotes them;
// nothing when the quoting is broken.
std::optional<std::vector<std::string>> splitExec(const std::string& exec);

// The argument vector that opens `path` with the application: its file and
// URL field codes replaced by the path (which is appended when Exec has none).
// Nothing when Exec cannot be split.
std::optional<std::vector<std::string>> commandFor(const DesktopApplication& app, const std::string& path);

}  // namespace trv
