#include "app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

using testing::RecordingPlatform;
using testing::TempFolder;

using Strings = std::vector<std::string>;
const std::string noIni = "INI file is missing. Initialization stoped !!!";

class LoadSettingsTest : public ::testing::Test {
public:
    void SetUp() override {
        // Table-driven tests start each case afresh.
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            std::filesystem::remove_all(entry);
        platform.setSettingsFile(dir / "trv.ini");
        platform.messages.clear();
        s = AppSettings{};
        dir.mkdir("resources");
        dir.mkdir("projects");
        values = {
            {"ResourcePath", dir / "resources"},
            {"Velunor", dir / "velunor"},
            {"ProjectPath", dir / "projects"},
            {"IndividualTemplatePath", dir / "templates"},
            {"SheetTemplatePath", dir / "sheet_templates"},
            {"ResourceCopyDestPath", dir / "delivery"},
            {"DispCreateProjBtn", "1"},
            {"DispNCSBtn", "1"},
            {"OpenInAutoCAD", dir / "bin/acad"},
        };
    }

    // trv.ini with the keys in `values`, in the order of the file the office ships.
    void writeIni() {
        std::string text = "[Paths]\r\n";
        for (const char* key :
             {"ResourcePath", "Velunor", "ProjectPath", "IndividualTemplatePath", "SheetTemplatePath",
              "ResourceCopyDestPath", "DispCreateProjBtn", "DispNCSBtn", "OpenInAutoCAD"}) {
            const auto it = values.find(key);
            if (it != values.end()) text += std::string(key) + "=" + it->second + "\r\n";
        }
        dir.write("trv.ini", text);
    }

    void load() {
        writeIni();
        LoadSettings(platform, platform, s);
    }

    // Gives `key` the value, or leaves it out of the file.
    void set(const std::string& key, const std::optional<std::string>& value) {
        if (value) {
            values[key] = *value;
        } else {
            values.erase(key);
        }
    }

    TempFolder dir;
    RecordingPlatform platform;
    AppSettings s;
    std::map<std::string, std::string> values;
};

// The key table the configuration check reads says which keys the loader
// cannot do without.
TEST_F(LoadSettingsTest, TheKeyTableNamesTheKeysWithoutWhichTheLoadStops) {
    ASSERT_EQ(settingKeys().size(), values.size());
    for (const SettingKey& key : settingKeys()) {
        SetUp();
        set(key.name, std::nullopt);
        load();
        EXPECT_EQ(s.InitOK, !key.required) << key.name;
    }
}

// Every folder path ends with exactly one backslash, however the file spells it.
TEST_F(LoadSettingsTest, ACompleteFileFillsEveryField) {
    for (const std::string ending : {"", "\\"}) {
        SetUp();
        for (const char* key : {"ResourcePath", "Velunor", "ProjectPath", "IndividualTemplatePath",
                                "SheetTemplatePath", "ResourceCopyDestPath"})
            values[key] += ending;
        dir.write("resources/usernames.txt", "\"tester\",\"tfolder\"\r\n");
        load();
        SCOPED_TRACE("folders written with '" + ending + "'");
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(s.InitOK);
        EXPECT_TRUE(s.SettingsLoaded);
        EXPECT_EQ(s.ResourcePath, dir / "resources\\");
        EXPECT_EQ(s.Velunor, dir / "velunor\\");
        EXPECT_EQ(s.ProjectPath, dir / "projects\\");
        EXPECT_EQ(s.ProjectRoot, dir / "projects");
        EXPECT_EQ(s.IndividualTemplatePath, dir / "templates\\");
        EXPECT_EQ(s.SheetTemplatePath, dir / "sheet_templates\\");
        EXPECT_EQ(s.ResourceCopyDestPath, dir / "delivery\\");
        EXPECT_EQ(s.OpenInAutoCAD, dir / "bin/acad");  // a program, not a folder: no backslash
        EXPECT_EQ(s.UserName, "tester");
        EXPECT_EQ(s.UserFolder, "tfolder");
        EXPECT_EQ(s.UserDir, dir / "projects\\tfolder");
        EXPECT_TRUE(s.DispCreateProjBtn && s.DispNCSBtn);
        EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "projects" / "tfolder"))
            << "made when missing";
    }
}

TEST_F(LoadSettingsTest, NoConfigurationFileGivesOneMessage) {
    for (const bool folderInItsPlace : {false, true}) {
        SetUp();
        if (folderInItsPlace) dir.mkdir("trv.ini");
        LoadSettings(platform, platform, s);
        EXPECT_EQ(platform.messages, Strings{noIni});
        EXPECT_FALSE(s.InitOK);
        EXPECT_TRUE(s.SettingsLoaded);
        EXPECT_EQ(s.ResourcePath, "");
        EXPECT_EQ(s.UserDir, "");
    }
}

TEST_F(LoadSettingsTest, FlagsAreTrueOnlyForTrueOnOrOne) {
    const std::pair<std::optional<std::string>, bool> cases[] = {
        {"TRUE", true}, {"true", true},   {"On", true},     {"oN", true},  {"1", true},
        {" 1 ", true},  {"\"ON\"", true}, {"yes", false},   {"0", false},  {"", false},
        {"11", false},  {"O N", false},   {"false", false}, {"-1", false}, {std::nullopt, false},
    };
    for (const auto& [value, flag] : cases) {
        for (const std::string key : {"DispCreateProjBtn", "DispNCSBtn"}) {
            SetUp();
            set(key, value);
            load();
            const bool ncs = key == "DispNCSBtn";
            EXPECT_EQ(ncs ? s.DispNCSBtn : s.DispCreateProjBtn, flag)
                << key << "=" << value.value_or("(missing)");
            EXPECT_TRUE(ncs ? s.DispCreateProjBtn : s.DispNCSBtn) << key << ": the other flag is unaffected";
        }
    }
}

// Once per process: a second call shows nothing and changes nothing, also
// after a failed load and when the file has been corrected meanwhile.
TEST_F(LoadSettingsTest, ASecondCallIsSilentAndChangesNothing) {
    const std::function<void(LoadSettingsTest&)> firstLoads[] = {
        [](LoadSettingsTest& t) { t.load(); },
        [](LoadSettingsTest& t) {
            t.values.erase("ProjectPath");
            t.load();
        },
        [](LoadSettingsTest& t) { LoadSettings(t.platform, t.platform, t.s); },  // no file yet
    };
    auto fields = [](const AppSettings& a) {
        return std::tie(a.InitOK, a.ResourcePath, a.ProjectPath, a.OpenInAutoCAD, a.UserDir);
    };
    for (const auto& firstLoad : firstLoads) {
        SetUp();
        firstLoad(*this);
        const AppSettings first = s;
        const Strings messages = platform.messages;
        values["ProjectPath"] = dir / "projects";  // a corrected, different file
        values["ResourcePath"] = dir / "elsewhere";
        values["OpenInAutoCAD"] = "";
        load();
        EXPECT_EQ(platform.messages, messages);
        EXPECT_EQ(fields(s), fields(first));
    }
}

// The end-to-end cases read a table with blank lines, bare fields and rows in
// other letter case; here the edges of the match.
TEST_F(LoadSettingsTest, TheUserTableGivesTheLastExactMatch) {
    struct Case {
        const char* name;
        std::string table;
        std::string user;
        std::string folder;
    };
    // A logon name and its terminator must fit in 50 characters, not bytes;
    // a longer one matches no row, not even one with its first 49.
    const std::string u49(49, 'u'), u50(50, 'u');
    std::string accented;
    for (int i = 0; i < 49; ++i) accented += "\xC3\xA9";
    const Case cases[] = {
        {"49 characters", "\"" + u49 + "\",\"mine\"\r\n", u49, "mine"},
        {"49 characters in 98 bytes", "\"" + accented + "\",\"mine\"\r\n", accented, "mine"},
        {"50 characters", "\"" + u50 + "\",\"long\"\r\n\"" + u49 + "\",\"cut\"\r\n", u50, ""},
        {"listed twice: the later line", "\"tester\",\"first\"\r\n\"bob\",\"b\"\r\n\"tester\",\"second\"\r\n",
         "tester", "second"},
        {"other case does not replace a match", "\"tester\",\"mine\"\r\n\"TESTER\",\"caps\"\r\n", "tester",
         "mine"},
        {"not listed", "\"alice\",\"a\"\r\n", "tester", ""},
        {"a prefix is no match", "\"test\",\"p\"\r\n\"testers\",\"q\"\r\n", "tester", ""},
        {"empty table", "", "tester", ""},
        {"cut short after a match: found so far stays", "\"tester\",\"t\"\r\n\"bob\"", "tester", "t"},
        {"empty logon name matches no empty row", "\"\",\"nobody\"\r\n", "", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        dir.write("resources/usernames.txt", c.table);
        platform.setUserName(c.user);
        load();
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        EXPECT_EQ(s.UserFolder, c.folder) << c.name;
        EXPECT_EQ(s.UserDir, dir / "projects\\" + c.folder) << c.name;
        EXPECT_TRUE(s.InitOK) << c.name;
    }
}

// The user's folder is made when missing, one level deep; when it cannot be
// made the load goes on silently.
TEST_F(LoadSettingsTest, TheUsersFolder) {
    struct Case {
        const char* table;         // the user table's row for the user; nullptr: no table
        const char* resourcePath;  // as trv.ini gives it, below the temporary folder
        const char* projectPath;
        const char* userDir;
        const char* made;     // a folder that must exist afterwards
        const char* notMade;  // a path that must not
    };
    const Case cases[] = {
        {nullptr, "resources", "projects", "projects\\", "projects", ""},
        {"\"tester\",\"t\"", "RESOURCES", "projects", "projects\\t", "projects/t", ""},  // other letter case
        {nullptr, "resources", "new", "new\\", "new", ""},
        {"\"tester\",\"tester\"", "resources", "missing", "missing\\tester", "", "missing"},
        // A folder that is not one plain folder name is no row: as for an unlisted user.
        {"\"tester\",\"deep\\er\"", "resources", "projects", "projects\\", "projects", "projects/deep"},
        {"\"tester\",\"../../escape\"", "resources", "projects", "projects\\", "projects", "escape"},
        {"\"tester\",\"..\"", "resources", "projects", "projects\\", "projects", ""},
        {"\"tester\",\"C:\"", "resources", "projects", "projects\\", "projects", "projects/C:"},
        {"\"tester\",\"ok\"\r\n\"tester\",\"/abs\"", "resources", "projects", "projects\\ok", "projects/ok", ""},
        {"\"tester\",\"taken\"", "resources", "projects", "projects\\taken", "", ""},  // a file in its place
    };
    for (const auto& c : cases) {
        SetUp();
        SCOPED_TRACE(std::string(c.table ? c.table : "no table") + " in " + c.resourcePath + ", " +
                     c.projectPath);
        if (c.table) dir.write("resources/usernames.txt", std::string(c.table) + "\r\n");
        dir.write("projects/taken", "x");
        values["ResourcePath"] = dir / c.resourcePath;
        values["ProjectPath"] = dir / c.projectPath;
        EXPECT_NO_THROW(load());
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(s.InitOK);
        EXPECT_EQ(s.UserDir, dir / c.userDir);
        EXPECT_TRUE(!*c.made || std::filesystem::is_directory(dir.path() / c.made));
        EXPECT_TRUE(!*c.notMade || !std::filesystem::exists(dir.path() / c.notMade));
    }
}

}  // namespace
}  // namespace trv
