#include "app/settings.h"

#include "app/office_paths.h"
#include "platform/folders.h"
#include "platform/ini.h"
#include "platform/records.h"
#include "platform/text.h"

namespace trv {
namespace {

constexpr std::size_t logonBufferChars = 50;

bool flagValue(const std::string& value) {
    const std::string v = toUpper(value);
    return v == "TRUE" || v == "ON" || v == "1";
}

}  // namespace

std::string withTrailingBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + "\\";
}

std::string INIRead(Platform& platform, const std::string& sSection, const std::string& sKeyName,
                    const std::string& sINIFileName) {
    std::string text;
    try {
        if (!platform.fileExists(sINIFileName)) return {};
        text = platform.readTextFile(sINIFileName);
    } catch (const RuntimeFailure&) {
        return {};
    }
    return iniValue(text, sSection, sKeyName);
}

std::string GetNetworkLogonName(Platform& platform) {
    const std::string name = platform.logonName();
    if (charCount(name) >= logonBufferChars) return {};  // the name and its NUL must fit
    return name;
}

bool isUsableUserFolder(std::string_view folder) {
    // One folder below the projects drive: anything else would put the
    // user's saved choices somewhere else on the drive, or off it.
    return !folder.empty() && folder != "." && folder != ".." && folder.find_first_of("\\/:") == std::string_view::npos;
}

std::vector<std::string> userTableFolders(Platform& platform, const AppSettings& settings) {
    std::vector<std::string> folders;
    const std::string table = OfficePaths(settings).userTable();
    if (settings.UserName.empty() || !platform.fileExists(table)) return folders;
    try {
        FieldReader reader(platform.readTextFile(table));
        while (!reader.atEnd()) {
            auto row = reader.next(2);
            if (row[0] == settings.UserName) folders.push_back(std::move(row[1]));
        }
    } catch (const std::exception&) {
        // A read error ends the lookup quietly; what was found so far stays.
    }
    return folders;
}

void LookUpUserFolder(Platform& platform, AppSettings& settings) {
    // A row whose folder cannot be used is no row of the user's.
    for (const std::string& folder : userTableFolders(platform, settings))
        if (isUsableUserFolder(folder)) settings.UserFolder = folder;
}

const std::vector<SettingKey>& settingKeys() {
    using K = SettingKey::Kind;
    using S = AppSettings;
    // The resource folder takes new project records, the projects list and
    // style sheets; the projects drive the users' folders and the project
    // trees; the delivery folder the delivery.
    static const std::vector<SettingKey> keys = {
        {"ResourcePath", K::Folder, true, true, "QTNResource path is missing. Initialization stoped !!!",
         &S::ResourcePath, nullptr},
        {"Velunor", K::Folder, false, false, nullptr, &S::Velunor, nullptr},
        {"ProjectPath", K::Folder, true, true, "User path is missing. Initialization stoped !!!", &S::ProjectPath,
         nullptr},
        {"IndividualTemplatePath", K::Folder, true, false,
         "Individual Template path is missing. Initialization stoped !!!", &S::IndividualTemplatePath, nullptr},
        {"SheetTemplatePath", K::Folder, true, false, "Sheet Template path is missing. Initialization stoped !!!",
         &S::SheetTemplatePath, nullptr},
        {"ResourceCopyDestPath", K::Folder, true, true,
         "Resource copy destination path is missing. Initialization stoped !!!", &S::ResourceCopyDestPath, nullptr},
        {"DispCreateProjBtn", K::Flag, false, false, nullptr, nullptr, &S::DispCreateProjBtn},
        {"DispNCSBtn", K::Flag, false, false, nullptr, nullptr, &S::DispNCSBtn},
        {"OpenInAutoCAD", K::Program, false, false, "Open in AutoCAD path is missing, but you can continue working!!!",
         &S::OpenInAutoCAD, nullptr},
    };
    return keys;
}

void LoadSettings(Platform& platform, UserInteraction& ui, AppSettings& s) {
    if (s.SettingsLoaded) return;
    s.SettingsLoaded = true;
    s.InitOK = true;

    const std::string ini = platform.settingsFile();
    if (!platform.fileExists(ini)) {
        ui.message("INI file is missing. Initialization stoped !!!");
        s.InitOK = false;
        return;
    }
    for (const SettingKey& key : settingKeys()) {
        const std::string value = INIRead(platform, "Paths", key.name, ini);
        if (key.flag) {
            s.*key.flag = flagValue(value);
            continue;
        }
        if (value.empty() && key.missingMessage) ui.message(key.missingMessage);
        if (value.empty() && key.required) {
            // A load that stops leaves the project folder, which says whether
            // the office is configured, and the delivery source empty.
            s.ProjectPath.clear();
            s.Velunor.clear();
            s.InitOK = false;
            return;
        }
        s.*key.text = key.kind == SettingKey::Kind::Folder && !value.empty() ? withTrailingBackslash(value) : value;
    }

    // From here on a failing step is skipped and the next one runs.
    try {
        s.UserName = GetNetworkLogonName(platform);
    } catch (const std::exception&) {
    }
    try {
        LookUpUserFolder(platform, s);
    } catch (const std::exception&) {
    }
    s.UserDir = s.ProjectPath + s.UserFolder;
    s.ProjectRoot = s.ProjectPath.substr(0, s.ProjectPath.size() - 1);

    ensureFolder(platform, s.UserDir);
}

}  // namespace trv
