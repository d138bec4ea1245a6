#include "app/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/recording_platform_fixture.h"
#include "platform/temp_folder_fixture.h"

namespace trv {
namespace {

using testing::RecordingPlatform;
using testing::TempFolder;

using Strings = std::vector<std::string>;

class LoadSettingsTest : public ::testing::Test {
public:
    void SetUp() override {
        platform.iniPath = dir / "trv.ini";
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
        for (const char* key : {"ResourcePath", "Velunor", "ProjectPath", "IndividualTemplatePath", "SheetTemplatePath",
                                "ResourceCopyDestPath", "DispCreateProjBtn", "DispNCSBtn", "OpenInAutoCAD"}) {
            const auto it = values.find(key);
            if (it != values.end()) text += std::string(key) + "=" + it->second + "\r\n";
        }
        dir.write("trv.ini", text);
    }

    void load() {
        writeIni();
        LoadSettings(platform, s);
    }

    TempFolder dir;
    RecordingPlatform platform;
    AppSettings s;
    std::map<std::string, std::string> values;
};

TEST_F(LoadSettingsTest, ACompleteFileFillsEveryField) {
    dir.write("resources/usernames.txt", "\"tester\",\"tfolder\"\r\n");
    load();
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
    EXPECT_EQ(s.OpenInAutoCAD, dir / "bin/acad");
    EXPECT_EQ(s.UserName, "tester");
    EXPECT_EQ(s.UserFolder, "tfolder");
    EXPECT_EQ(s.UserDir, dir / "projects\\tfolder");
    EXPECT_TRUE(s.DispCreateProjBtn);
    EXPECT_TRUE(s.DispNCSBtn);
}

TEST_F(LoadSettingsTest, NoConfigurationFileGivesOneMessage) {
    LoadSettings(platform, s);
    EXPECT_EQ(platform.messages, Strings{"INI file is missing. Initialization stoped !!!"});
    EXPECT_FALSE(s.InitOK);
    EXPECT_TRUE(s.SettingsLoaded);
    EXPECT_EQ(s.ResourcePath, "");
    EXPECT_EQ(s.UserDir, "");
}

TEST_F(LoadSettingsTest, AFolderNamedLikeTheConfigurationFileIsNoFile) {
    dir.mkdir("trv.ini");
    LoadSettings(platform, s);
    EXPECT_EQ(platform.messages, Strings{"INI file is missing. Initialization stoped !!!"});
    EXPECT_FALSE(s.InitOK);
}

// What is left of the record after the load stopped at a missing key.
struct Filled {
    bool resource, individual, sheet;
};

TEST_F(LoadSettingsTest, EachMissingRequiredKeyGivesItsOneMessageAndStops) {
    struct Case {
        const char* key;
        const char* message;
        Filled filled;
    };
    const Case cases[] = {
        {"ResourcePath", "QTNResource path is missing. Initialization stoped !!!", {false, false, false}},
        {"ProjectPath", "User path is missing. Initialization stoped !!!", {true, false, false}},
        {"IndividualTemplatePath", "Individual Template path is missing. Initialization stoped !!!",
         {true, false, false}},
        {"SheetTemplatePath", "Sheet Template path is missing. Initialization stoped !!!", {true, true, false}},
        {"ResourceCopyDestPath", "Resource copy destination path is missing. Initialization stoped !!!",
         {true, true, true}},
    };
    // The key left out, given empty, or given as blanks only: all the same.
    const std::optional<std::string> spellings[] = {std::nullopt, "", "   "};
    for (const auto& c : cases) {
        for (const auto& spelling : spellings) {
            SetUp();
            // An empty OpenInAutoCAD would add its warning if the load went on.
            values["OpenInAutoCAD"] = "";
            if (spelling) {
                values[c.key] = *spelling;
            } else {
                values.erase(c.key);
            }
            s = AppSettings{};
            platform.messages.clear();
            load();
            const std::string what = std::string(c.key) + (spelling ? " = '" + *spelling + "'" : " left out");
            EXPECT_EQ(platform.messages, Strings{c.message}) << what;
            EXPECT_FALSE(s.InitOK) << what;
            EXPECT_TRUE(s.SettingsLoaded) << what;
            EXPECT_EQ(s.ResourcePath, c.filled.resource ? dir / "resources\\" : "") << what;
            EXPECT_EQ(s.IndividualTemplatePath, c.filled.individual ? dir / "templates\\" : "") << what;
            EXPECT_EQ(s.SheetTemplatePath, c.filled.sheet ? dir / "sheet_templates\\" : "") << what;
            EXPECT_EQ(s.ResourceCopyDestPath, "") << what;
            // Filled only when every required key was found.
            for (const std::string* field : {&s.Velunor, &s.ProjectPath, &s.ProjectRoot, &s.UserName, &s.UserFolder,
                                             &s.UserDir, &s.OpenInAutoCAD})
                EXPECT_EQ(*field, "") << what;
            EXPECT_FALSE(s.DispCreateProjBtn) << what;
            EXPECT_FALSE(s.DispNCSBtn) << what;
        }
    }
}

TEST_F(LoadSettingsTest, RequiredKeysAreCheckedInTheirOrder) {
    struct Case {
        Strings missing;
        const char* message;
    };
    const Case cases[] = {
        {{"ResourcePath", "ProjectPath", "IndividualTemplatePath", "SheetTemplatePath", "ResourceCopyDestPath"},
         "QTNResource path is missing. Initialization stoped !!!"},
        {{"ProjectPath", "IndividualTemplatePath", "SheetTemplatePath", "ResourceCopyDestPath", "OpenInAutoCAD"},
         "User path is missing. Initialization stoped !!!"},
        {{"ResourceCopyDestPath", "IndividualTemplatePath"},
         "Individual Template path is missing. Initialization stoped !!!"},
        {{"ResourceCopyDestPath", "SheetTemplatePath"}, "Sheet Template path is missing. Initialization stoped !!!"},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const auto& key : c.missing) values.erase(key);
        s = AppSettings{};
        platform.messages.clear();
        load();
        EXPECT_EQ(platform.messages, Strings{c.message}) << c.message;
    }
}

TEST_F(LoadSettingsTest, FolderPathsEndWithExactlyOneBackslash) {
    const char* keys[] = {"ResourcePath", "Velunor", "ProjectPath", "IndividualTemplatePath", "SheetTemplatePath",
                          "ResourceCopyDestPath"};
    for (const char* ending : {"", "\\"}) {
        SetUp();
        for (const char* key : keys) values[key] = dir / key + ending;
        s = AppSettings{};
        load();
        const AppSettings& r = s;
        const std::string* fields[] = {&r.ResourcePath, &r.Velunor, &r.ProjectPath, &r.IndividualTemplatePath,
                                       &r.SheetTemplatePath, &r.ResourceCopyDestPath};
        for (std::size_t i = 0; i < std::size(keys); ++i)
            EXPECT_EQ(*fields[i], dir / keys[i] + "\\") << keys[i] << " written with '" << ending << "'";
        EXPECT_EQ(s.ProjectRoot, dir / "ProjectPath") << "ProjectPath less its backslash";
    }
}

TEST_F(LoadSettingsTest, VelunorMayBeEmpty) {
    for (const std::optional<std::string>& velunor : {std::optional<std::string>(""), std::optional<std::string>()}) {
        SetUp();
        if (velunor) {
            values["Velunor"] = *velunor;
        } else {
            values.erase("Velunor");
        }
        s = AppSettings{};
        platform.messages.clear();
        load();
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_TRUE(s.InitOK);
        EXPECT_EQ(s.Velunor, "") << "no backslash for an empty folder";
    }
}

TEST_F(LoadSettingsTest, FlagsAreTrueOnlyForTrueOnOrOne) {
    struct Case {
        std::optional<std::string> value;
        bool flag;
    };
    const Case cases[] = {
        {"TRUE", true},   {"true", true},  {"True", true},    {"On", true},      {"oN", true},
        {"1", true},      {" 1 ", true},   {"\"ON\"", true},  {"yes", false},    {"0", false},
        {"", false},      {"11", false},   {"TRUE!", false},  {"O N", false},    {"false", false},
        {"-1", false},    {std::nullopt, false},
    };
    for (const auto& c : cases) {
        for (const char* key : {"DispCreateProjBtn", "DispNCSBtn"}) {
            SetUp();
            if (c.value) {
                values[key] = *c.value;
            } else {
                values.erase(key);
            }
            s = AppSettings{};
            load();
            const bool got = std::string(key) == "DispNCSBtn" ? s.DispNCSBtn : s.DispCreateProjBtn;
            EXPECT_EQ(got, c.flag) << key << "=" << c.value.value_or("(missing)");
            // The other flag is unaffected.
            EXPECT_TRUE(std::string(key) == "DispNCSBtn" ? s.DispCreateProjBtn : s.DispNCSBtn) << key;
        }
    }
}

TEST_F(LoadSettingsTest, OpenInAutoCADIsKeptAsRead) {
    values["OpenInAutoCAD"] = "C:\\Program Files\\AutoCAD 2008\\acad.exe";
    load();
    EXPECT_EQ(s.OpenInAutoCAD, "C:\\Program Files\\AutoCAD 2008\\acad.exe");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadSettingsTest, AnEmptyOpenInAutoCADWarnsAndTheLoadGoesOn) {
    values["OpenInAutoCAD"] = "";
    dir.write("resources/usernames.txt", "\"tester\",\"tfolder\"\r\n");
    load();
    EXPECT_EQ(platform.messages, Strings{"Open in AutoCAD path is missing, but you can continue working!!!"});
    EXPECT_EQ(s.OpenInAutoCAD, "");
    EXPECT_TRUE(s.InitOK);
    EXPECT_EQ(s.UserDir, dir / "projects\\tfolder");
    EXPECT_EQ(s.ProjectPath, dir / "projects\\");
}

TEST_F(LoadSettingsTest, ASecondCallIsSilentAndChangesNothing) {
    load();
    const AppSettings first = s;
    ASSERT_TRUE(first.InitOK);
    values["ResourcePath"] = dir / "elsewhere";
    values["OpenInAutoCAD"] = "";
    writeIni();
    LoadSettings(platform, s);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(s.ResourcePath, first.ResourcePath);
    EXPECT_EQ(s.OpenInAutoCAD, first.OpenInAutoCAD);
    EXPECT_EQ(s.UserDir, first.UserDir);
    EXPECT_TRUE(s.InitOK);
}

TEST_F(LoadSettingsTest, ASecondCallAfterAFailedLoadIsSilentAndChangesNothing) {
    values.erase("ProjectPath");
    load();
    ASSERT_EQ(platform.messages.size(), 1u);
    values["ProjectPath"] = dir / "projects";  // corrected while the program runs
    writeIni();
    platform.messages.clear();
    LoadSettings(platform, s);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(s.InitOK);
    EXPECT_EQ(s.ProjectPath, "");
    EXPECT_EQ(s.UserDir, "");
}

TEST_F(LoadSettingsTest, ASecondCallWhenTheFileWasMissingStaysSilent) {
    LoadSettings(platform, s);
    writeIni();
    LoadSettings(platform, s);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(s.InitOK);
}

TEST_F(LoadSettingsTest, TheUserTableGivesTheLastExactMatch) {
    struct Case {
        const char* name;
        std::string table;
        std::string user;
        std::string folder;
    };
    const Case cases[] = {
        {"listed once", "\"alice\",\"a\"\r\n\"tester\",\"t\"\r\n\"bob\",\"b\"\r\n", "tester", "t"},
        {"listed twice: the later line", "\"tester\",\"first\"\r\n\"bob\",\"b\"\r\n\"tester\",\"second\"\r\n",
         "tester", "second"},
        {"only a row in other case", "\"Tester\",\"upper\"\r\n\"TESTER\",\"caps\"\r\n", "tester", ""},
        {"other case does not replace a match", "\"tester\",\"mine\"\r\n\"TESTER\",\"caps\"\r\n", "tester", "mine"},
        {"not listed", "\"alice\",\"a\"\r\n", "tester", ""},
        {"a prefix is no match", "\"test\",\"p\"\r\n\"testers\",\"q\"\r\n", "tester", ""},
        {"bare fields", "tester , tbare \r\n", "tester", "tbare"},
        {"LF line ends", "\"alice\",\"a\"\n\"tester\",\"t\"\n", "tester", "t"},
        {"no final line end", "\"alice\",\"a\"\r\n\"tester\",\"t\"", "tester", "t"},
        {"trailing blank lines", "\"tester\",\"t\"\r\n\r\n\r\n", "tester", "t"},
        {"blank line between rows", "\"alice\",\"a\"\r\n\r\n\"tester\",\"t\"\r\n", "tester", "t"},
        {"empty table", "", "tester", ""},
        {"cut short after a match: found so far stays", "\"tester\",\"t\"\r\n\"bob\"", "tester", "t"},
        {"empty logon name matches no empty row", "\"\",\"nobody\"\r\n", "", ""},
    };
    for (const auto& c : cases) {
        SetUp();
        dir.write("resources/usernames.txt", c.table);
        platform.user = c.user;
        s = AppSettings{};
        platform.messages.clear();
        load();
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        EXPECT_EQ(s.UserFolder, c.folder) << c.name;
        EXPECT_EQ(s.UserDir, dir / "projects\\" + c.folder) << c.name;
        EXPECT_TRUE(s.InitOK) << c.name;
    }
}

TEST_F(LoadSettingsTest, AMissingUserTableLeavesTheUserInTheProjectFolder) {
    load();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(s.UserFolder, "");
    EXPECT_EQ(s.UserDir, s.ProjectPath);
    EXPECT_EQ(s.UserName, "tester");
}

TEST_F(LoadSettingsTest, TheUserTableIsFoundInAResourceFolderSpelledInOtherCase) {
    dir.write("resources/usernames.txt", "\"tester\",\"t\"\r\n");
    values["ResourcePath"] = dir / "RESOURCES";
    load();
    EXPECT_EQ(s.UserFolder, "t");
}

TEST_F(LoadSettingsTest, AMissingUserFolderIsCreatedOneLevelDeep) {
    dir.write("resources/usernames.txt", "\"tester\",\"tfolder\"\r\n");
    load();
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "projects" / "tfolder"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoadSettingsTest, AnUnlistedUserGetsTheProjectsFolderMadeWhenMissing) {
    values["ProjectPath"] = dir / "new_projects";
    load();
    EXPECT_EQ(s.UserDir, dir / "new_projects\\");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "new_projects"));
}

TEST_F(LoadSettingsTest, AUserFolderThatCannotBeMadeIsIgnored) {
    struct Case {
        const char* name;
        std::function<void(LoadSettingsTest&)> prepare;
        std::filesystem::path mustNotExist;
    };
    const Case cases[] = {
        {"projects folder missing",
         [](LoadSettingsTest& t) {
             // The user's folder lies one level below a missing projects folder.
             t.dir.write("resources/usernames.txt", "\"tester\",\"tester\"\r\n");
             t.values["ProjectPath"] = t.dir / "missing";
         },
         "missing"},
        {"user folder two levels down",
         [](LoadSettingsTest& t) { t.dir.write("resources/usernames.txt", "\"tester\",\"deep\\er\"\r\n"); },
         "projects/deep"},
        {"a file in place of the user folder",
         [](LoadSettingsTest& t) {
             t.dir.write("resources/usernames.txt", "\"tester\",\"taken\"\r\n");
             t.dir.write("projects/taken", "x");
         },
         ""},
    };
    for (const auto& c : cases) {
        SetUp();
        c.prepare(*this);
        s = AppSettings{};
        platform.messages.clear();
        EXPECT_NO_THROW(load()) << c.name;
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        EXPECT_TRUE(s.InitOK) << c.name;
        if (!c.mustNotExist.empty()) {
            EXPECT_FALSE(std::filesystem::exists(dir.path() / c.mustNotExist)) << c.name;
        }
    }
}

TEST_F(LoadSettingsTest, AnOverlongLogonNameMatchesNoRow) {
    struct Case {
        std::size_t length;
        bool matches;
    };
    for (const Case c : {Case{49, true}, Case{50, false}, Case{80, false}}) {
        SetUp();
        const std::string name(c.length, 'u');
        dir.write("resources/usernames.txt", "\"" + name + "\",\"long\"\r\n\"" + name.substr(0, 49) + "\",\"cut\"\r\n");
        platform.user = name;
        s = AppSettings{};
        load();
        EXPECT_EQ(s.UserFolder, c.matches ? "cut" : "") << c.length;
        EXPECT_EQ(GetNetworkLogonName(platform), c.matches ? name : "") << c.length;
    }
}

TEST(GetNetworkLogonName, CountsCharactersNotBytes) {
    RecordingPlatform platform;
    std::string name;
    for (int i = 0; i < 49; ++i) name += "\xC3\xA9";  // 49 characters, 98 bytes
    platform.user = name;
    EXPECT_EQ(GetNetworkLogonName(platform), name);
}

TEST(INIRead, GivesTheEmptyStringForAMissingFile) {
    TempFolder dir;
    RecordingPlatform platform;
    EXPECT_EQ(INIRead(platform, "Paths", "ResourcePath", dir / "trv.ini"), "");
    dir.write("trv.ini", "[paths]\nresourcepath = \"R:\\res\" \n");
    EXPECT_EQ(INIRead(platform, "Paths", "ResourcePath", dir / "trv.ini"), "R:\\res");
    EXPECT_EQ(INIRead(platform, "Paths", "ResourcePath", dir / "TRV.INI"), "R:\\res") << "names without case";
}

TEST(OpenWithChooser, ShowsTheChooserOrItsCatchAllMessage) {
    RecordingPlatform platform;
    openWithChooser(platform, "R:\\res\\klvprojects.txt");
    EXPECT_EQ(platform.chooserCalls, Strings{"R:\\res\\klvprojects.txt"});
    EXPECT_TRUE(platform.messages.empty());

    platform.chooserFails = true;
    openWithChooser(platform, "R:\\res\\x.doc");
    EXPECT_EQ(platform.messages, Strings{"Unknown error opening file !!!"});
}

}  // namespace
}  // namespace trv
