// Creating internal project codes: the race of several managers for one code,
// and the names a record cannot hold.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/records.h"
#include "projects/project_creation.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

TEST(ProjectCreation, RacingCreatorsOfOneCodeLeaveExactlyOneProjectWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "the race is run with fork(), which Windows does not have";
#else
    testing::TempFolder dir;
    dir.mkdir("resources/projectscodes");
    dir.mkdir("resources/style_sheets");
    dir.write("resources/Units.txt", "\"Roads Unit\",\"RDU\"\r\n");
    const std::string sheetTemplate(300000, 't');  // several writes long
    dir.write("sheet_templates/KLV_TEMPLATE.dwg", sheetTemplate);
    AppSettings settings;
    settings.ResourcePath = dir / "resources" + "\\";
    settings.SheetTemplatePath = dir / "sheet_templates" + "\\";
    const OfficePaths paths(settings);

    constexpr int racers = 4;
    constexpr int rounds = 20;
    std::map<std::string, std::string> winners;  // code -> its record line
    for (int round = 0; round < rounds; ++round) {
        const std::string serial = std::string(round < 10 ? "00" : "0") + std::to_string(round);
        const std::string code = "KLV-13" + serial + "-C000";
        std::vector<pid_t> children;
        for (int r = 0; r < racers; ++r) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                testing::TestSystem platform;
                const ProjectRequest request{
                    {"13", serial, 0, "000"}, "racer " + std::to_string(r), "Roads Unit"};
                const auto created = createProject(platform, paths, request);
                ::_exit(created.value                        ? 0
                        : created.reason == Reason::Exists ? 1
                                                           : 2);
            }
            children.push_back(pid);
        }
        int outcomes[3] = {0, 0, 0};
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 2);
            ++outcomes[WEXITSTATUS(status)];
        }
        EXPECT_EQ(outcomes[0], 1) << code;
        EXPECT_EQ(outcomes[1], racers - 1) << code;
        const std::string record = dir.read("resources/projectscodes/" + code + ".txt");
        FieldReader fields(record);
        const auto read = fields.next(2);
        EXPECT_EQ(read[0], code);
        EXPECT_EQ(recordLine({code, read[1]}), record) << "one whole record";
        winners[code] = recordLine({code, read[1], code});
        EXPECT_EQ(dir.read("resources/style_sheets/" + code + ".dwg"), sheetTemplate);
    }
    // The projects list holds exactly the winners' lines; the losers wrote nothing.
    std::multimap<std::string, std::string> listed;
    std::istringstream list(dir.read("resources/klvprojects.txt"));
    for (std::string line; std::getline(list, line);) listed.emplace(line.substr(1, 14), line + "\n");
    ASSERT_EQ(listed.size(), winners.size());
    for (const auto& [code, line] : winners) EXPECT_EQ(listed.find(code)->second, line);
    EXPECT_EQ(dir.entries("resources/projectscodes").size(), std::size_t(rounds)) << "no other file";
    EXPECT_EQ(dir.entries("resources/style_sheets").size(), std::size_t(rounds)) << "no other file";
#endif
}

TEST(ProjectCreation, OnlyNamesARecordFieldCanHoldAreStorable) {
    const std::pair<const char*, bool> cases[] = {
        {"HARBOUR TERMINAL, PHASE 2 (NORTH)", true},
        {"Quai d'Orsay \xe2\x80\x93 B\xc3\xa2t. 5", true},  // – â
        {"\xc2\xa0NO-BREAK SPACE", true},
        {"", true},
        {"PIER \"7\"", false},
        {"PIER\r7", false},
        {"PIER\n7", false},
        {"PIER\t7", false},
        {"PIER\x7f", false},
        {"PIER\xc2\x85-7", false},  // the next-line control character
    };
    for (const auto& [name, storable] : cases) EXPECT_EQ(isStorableProjectName(name), storable) << name;
}

}  // namespace
}  // namespace trv
