#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/user_interaction.h"

namespace trv {

// The settings record: one for the whole process, empty until the first
// LoadSettings and filled for the rest of the run after it.
struct AppSettings {
    std::string UserDir;      // ProjectPath followed by UserFolder
    std::string ProjectRoot;  // ProjectPath less its final backslash
    std::string Velunor;      // empty, or a folder path ending with a backslash
    std::string ProjectPath;
    std::string UserName;
    std::string UserFolder;
    bool InitOK = false;
    std::string ResourcePath;
    std::string IndividualTemplatePath;
    std::string SheetTemplatePath;
    std::string ResourceCopyDestPath;
    std::string OpenInAutoCAD;
    bool SettingsLoaded = false;
    bool DispCreateProjBtn = false;
    bool DispNCSBtn = false;
};

// The keys of trv.ini's section "Paths" in the order LoadSettings reads them,
// and where each value goes.
struct SettingKey {
    enum class Kind { Folder, Flag, Program };
    const char* name;
    Kind kind;
    bool required;      // without it the configuration stops
    bool writtenByTRV;  // a folder TRV writes into (the others it only reads)
    // What the user is told when the value is missing or empty; none for nullptr.
    const char* missingMessage;
    // The field that takes the value: a text (a folder ends with a backslash),
    // or a flag.
    std::string AppSettings::*text;
    bool AppSettings::*flag;
};
const std::vector<SettingKey>& settingKeys();

// Loads "trv.ini" from the program's folder into `settings`, once per
// process: every later call returns at once, also after a failed load.
void LoadSettings(Platform& platform, UserInteraction& ui, AppSettings& settings);

// The text of an INI file as UTF-8, read once: empty when the file cannot be
// read, none when there is no such file (a folder of that name is none).
std::optional<std::string> readIniText(Platform& platform, const std::string& sINIFileName);
// The logon name as a 50-character buffer takes it: a name of 50 or more
// characters does not fit and gives the empty string, which matches no user.
std::string GetNetworkLogonName(Platform& platform);

// Whether a folder of "usernames.txt" can be the user's: one plain folder
// name (not empty, ".", "..", nor holding '\\', '/' or ':', so no drive, no
// absolute path and no way up).
bool isUsableUserFolder(std::string_view folder);
// The folders of every row of "usernames.txt" whose logon name equals the
// user's exactly, in file order, usable or not.
std::vector<std::string> userTableFolders(Platform& platform, const AppSettings& settings);
// Sets UserFolder from "usernames.txt" in the resource folder: the last row
// whose logon name equals the user's exactly and whose folder is usable
// wins; a row with a folder that is not is no row of the user's.
void LookUpUserFolder(Platform& platform, AppSettings& settings);

// A folder path as every setting keeps it: ending with one backslash.
std::string withTrailingBackslash(const std::string& path);

}  // namespace trv
