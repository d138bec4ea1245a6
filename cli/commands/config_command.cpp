// trv-cli config check: what an administrator runs after writing trv.ini.
// The configuration is read by the windows' own loader; every line is one
// finding, "ok", "warning" or "problem".
#include <ostream>

#include "catalogue/tables.h"
#include "cli/commands/commands.h"
#include "cli/commands/session.h"
#include "platform/ini.h"
#include "projects/projects.h"

namespace trv::cli {
namespace {

class Findings {
public:
    Findings(Platform& platform, std::ostream& out) : platform_(platform), out_(out) {}
    void ok(const std::string& text) { out_ << "ok: " << text << '\n'; }
    void warning(const std::string& text) { out_ << "warning: " << text << '\n'; }
    void problem(const std::string& text) {
        out_ << "problem: " << text << '\n';
        problems_ = true;
    }
    std::string path(const std::string& p) { return platform_.displayPath(p); }
    bool problems() const { return problems_; }

private:
    Platform& platform_;
    std::ostream& out_;
    bool problems_ = false;
};

void checkFolder(Platform& platform, Findings& f, const SettingKey& key, const std::string& folder) {
    const std::string what = std::string(key.name) + " folder " + f.path(folder);
    const FolderTest test = platform.testFolder(folder);
    if (test == FolderTest::NotFound) return f.problem(what + " does not exist");
    if (test != FolderTest::Exists) return f.problem(what + " cannot be entered");
    if (!platform.canListFolder(folder)) return f.problem(what + " cannot be read");
    if (key.writtenByTRV && !platform.canCreateFileIn(folder)) return f.problem(what + " cannot be written");
    f.ok(what + " exists and can be read" + (key.writtenByTRV ? " and written" : ""));
}

void checkKeys(Session& s, Findings& f, const std::string& ini) {
    const std::string text = readIniText(s.platform, ini).value_or(std::string());  // read once
    for (const SettingKey& key : settingKeys()) {
        const std::string value = iniValue(text, "Paths", key.name);
        if (value.empty()) {
            if (key.required) f.problem(std::string(key.name) + " is missing or empty");
            else if (key.kind == SettingKey::Kind::Program)
                f.warning(std::string(key.name) + " is empty: drawings open with the program associated with them");
            else f.ok(std::string(key.name) + " is empty");
            continue;
        }
        f.ok(std::string(key.name) + " = " + value);
        if (key.kind == SettingKey::Kind::Folder) checkFolder(s.platform, f, key, withTrailingBackslash(value));
        if (key.kind == SettingKey::Kind::Program && !s.platform.fileExists(value))
            f.problem(std::string(key.name) + " program " + f.path(value) + " does not exist");
    }
}

void checkUser(Session& s, Findings& f) {
    const std::string logon = s.platform.logonName();
    const std::string table = f.path(s.paths.userTable());
    if (!s.platform.fileExists(s.paths.userTable())) {
        f.problem("the user table " + table + " does not exist");
    } else {
        const std::vector<std::string> folders = userTableFolders(s.platform, s.settings);
        const std::string row = "the logon name \"" + logon + "\" has a row in " + table;
        const std::string ignored = ": the row is ignored, as if the user were not listed";
        for (const std::string& folder : folders) {
            if (folder.empty()) f.problem(row + " with an empty folder" + ignored);
            else if (!isUsableUserFolder(folder))
                f.problem(row + " whose folder \"" + folder + "\" is not one folder name" + ignored);
        }
        if (!s.settings.UserFolder.empty())
            f.ok(row + ": folder \"" + s.settings.UserFolder + "\"");
        else
            f.problem("the logon name \"" + logon + "\" has no " + (folders.empty() ? "" : "usable ") + "row in " +
                      table);
    }
    f.ok("the saved choices of \"" + logon + "\" go to " + f.path(s.paths.userStateFolder()));
}

void checkProjects(Session& s, Findings& f) {
    const std::string folder = s.paths.projectRecordFolder();
    if (!s.platform.canListFolder(folder))
        return f.problem("the project records folder " + f.path(folder) + " cannot be read or does not exist");
    const std::size_t n = listProjectCodes(s.platform, s.paths).size();
    if (n == 0) return f.problem("no project is registered in " + f.path(folder));
    f.ok(std::to_string(n) + (n == 1 ? " project is" : " projects are") + " registered in " + f.path(folder));
}

void checkTemplateFolders(Session& s, Findings& f) {
    if (s.platform.testFolder(s.settings.IndividualTemplatePath) != FolderTest::Exists) return;
    std::string lacking;
    for (const auto& d : catalogue::disciplines()) {
        if (d.listed && s.platform.testFolder(s.paths.modelTemplateFolder(d.name)) != FolderTest::Exists)
            lacking += (lacking.empty() ? "" : ", ") + d.name;
    }
    const std::string folder = f.path(s.settings.IndividualTemplatePath);
    if (lacking.empty()) return f.ok("the template folder " + folder + " has a folder for every discipline");
    f.problem("the template folder " + folder + " lacks the folders of " + lacking);
}

void checkDataFile(Session& s, Findings& f, const std::string& file) {
    const std::string what = "the data file " + f.path(file);
    if (!s.platform.fileExists(file)) return f.problem(what + " does not exist");
    try {
        s.platform.readFile(file);
    } catch (const std::exception&) {
        return f.problem(what + " cannot be read");
    }
    f.ok(what + " is there and can be read");
}

}  // namespace

int configCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() != 1 || a.words[0] != "check") return badArguments(err, "config takes check");

    Session s(a);
    Findings f(s.platform, out);
    const std::string ini = s.platform.settingsFile();
    if (!s.platform.fileExists(ini)) {
        f.problem("the configuration file " + f.path(ini) + " does not exist");
        return statusFound;
    }
    f.ok("the configuration file " + f.path(ini) + " is read");
    checkKeys(s, f, ini);

    // The windows' own loader, with the messages they would show.
    LoadSettings(s.platform, s.ui, s.settings);
    for (const auto& m : s.ui.messages) {
        if (s.settings.InitOK) f.warning("TRV says \"" + m + "\"");
        else f.problem("TRV stops: \"" + m + "\"");
    }
    if (!s.settings.InitOK) return statusFound;

    checkUser(s, f);
    checkProjects(s, f);
    checkTemplateFolders(s, f);
    for (const std::string& file : {s.paths.modelCodeFile(), s.paths.modelCodeFinderFile(), s.paths.ownerUnitFile(),
                                    s.paths.sheetTemplate()})
        checkDataFile(s, f, file);
    return f.problems() ? statusFound : statusClean;
}

}  // namespace trv::cli
