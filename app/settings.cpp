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
    // The resource folder takes new project records, the projects list and
    // style sheets; the projects drive the users' folders and the project
    // trees; the delivery folder the delivery.
    static const std::vector<SettingKey> keys = {
        {"ResourcePath", K::Folder, true, true},
        {"Velunor", K::Folder, false, false},
        {"ProjectPath", K::Folder, true, true},
        {"IndividualTemplatePath", K::Folder, true, false},
        {"SheetTemplatePath", K::Folder, true, false},
        {"ResourceCopyDestPath", K::Folder, true, true},
        {"DispCreateProjBtn", K::Flag, false, false},
        {"DispNCSBtn", K::Flag, false, false},
        {"OpenInAutoCAD", K::Program, false, false},
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
    auto read = [&](const char* key) { return INIRead(platform, "Paths", key, ini); };
    auto required = [&](const char* key, const char* missing, std::string& value) {
        value = read(key);
        if (value.empty()) {
            ui.message(missing);
            s.InitOK = false;
            return false;
        }
        value = withTrailingBackslash(value);
        return true;
    };

    if (!required("ResourcePath", "QTNResource path is missing. Initialization stoped !!!", s.ResourcePath))
        return;
    std::string velunor = read("Velunor");
    if (!velunor.empty()) velunor = withTrailingBackslash(velunor);
    std::string projectPath;
    if (!required("ProjectPath", "User path is missing. Initialization stoped !!!", projectPath)) return;
    if (!required("IndividualTemplatePath", "Individual Template path is missing. Initialization stoped !!!",
                  s.IndividualTemplatePath))
        return;
    if (!required("SheetTemplatePath", "Sheet Template path is missing. Initialization stoped !!!",
                  s.SheetTemplatePath))
        return;
    if (!required("ResourceCopyDestPath",
                  "Resource copy destination path is missing. Initialization stoped !!!",
                  s.ResourceCopyDestPath))
        return;
    s.DispCreateProjBtn = flagValue(read("DispCreateProjBtn"));
    s.DispNCSBtn = flagValue(read("DispNCSBtn"));
    s.OpenInAutoCAD = read("OpenInAutoCAD");
    if (s.OpenInAutoCAD.empty())
        ui.message("Open in AutoCAD path is missing, but you can continue working!!!");

    // From here on a failing step is skipped and the next one runs.
    try {
        s.UserName = GetNetworkLogonName(platform);
    } catch (const std::exception&) {
    }
    try {
        LookUpUserFolder(platform, s);
    } catch (const std::exception&) {
    }
    s.UserDir = projectPath + s.UserFolder;
    s.ProjectRoot = projectPath.substr(0, projectPath.size() - 1);
    s.Velunor = velunor;
    s.ProjectPath = projectPath;
    s.InitOK = true;

    ensureFolder(platform, s.UserDir);
}

void openWithChooser(UserInteraction& ui, const std::string& strFilePathToOpen) {
    try {
        ui.chooseProgramFor(strFilePathToOpen);
    } catch (const std::exception&) {
        ui.message("Unknown error opening file !!!");
    }
}

void openDocumentOrChooser(Platform& platform, UserInteraction& ui, const std::string& path,
                           const std::string& failureText) {
    const int result = platform.openDocument(path);
    if (result == shellNoAssociation) {
        openWithChooser(ui, path);
    } else if (result < shellHandedOver) {
        ui.message(failureText + std::to_string(result) + ")");
    }
}

}  // namespace trv
