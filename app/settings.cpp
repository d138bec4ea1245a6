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

std::optional<std::string> readIniText(Platform& platform, const std::string& sINIFileName) {
    try {
        return platform.readTextFile(sINIFileName);
    } catch (const RuntimeFailure&) {
    }
    // A file that is there but cannot be read holds no values; a folder of
    // that name is no file. Asked only after a failed read.
    try {
        if (platform.fileExists(sINIFileName)) return std::string();
    } catch (const RuntimeFailure&) {
    }
    return std::nullopt;
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
    if (settings.UserName.empty()) return folders;
    try {
        // Read at once: a table that is missing or cannot be read names no folder.
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

    // Read once; every key is then looked up in that text by the profile
    // reader's rules.
    const std::optional<std::string> ini = readIniText(platform, platform.settingsFile());
    if (!ini) {
        ui.message("INI file is missing. Initialization stoped !!!");
        s.InitOK = false;
        return;
    }
    for (const SettingKey& key : settingKeys()) {
        const std::string value = iniValue(*ini, "Paths", key.name);
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
