// What the case folders under tests/e2e cannot set up: an old report that
// cannot be deleted even by an administrator, and one that another check of
// the same project deletes between the test and the removal.
#include "check/naming_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

class OldReport : public testing::TestSystem {
public:
    bool removedByAnother = false;  // otherwise it cannot be removed at all
    int listings = 0;
    void removeFile(const std::string& path) override {
        if (!removedByAnother) throw RuntimeFailure("in use: " + path);
        std::filesystem::remove(nativePath(path));
        TestSystem::removeFile(path);  // no such file any more
    }
    std::vector<std::string> listFiles(const std::string& folder) override {
        ++listings;
        return TestSystem::listFiles(folder);
    }
};

TEST(NamingCheck, AnOldReportThatStaysStopsTheCheckAndOneAlreadyGoneDoesNot) {
    for (const bool removedByAnother : {false, true}) {
        SCOPED_TRACE(removedByAnother ? "removed by another check" : "cannot be removed");
        testing::TempFolder dir;
        AppSettings s;
        s.ProjectPath = dir.str() + "\\";
        s.ProjectRoot = dir.str();
        s.UserFolder = "tester";
        s.UserDir = s.ProjectPath + s.UserFolder;
        const OfficePaths paths(s);
        dir.write("tester/PROJECTS/curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\",\"KLV-13000-C000\"\r\n");
        dir.write("PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt", "last week");
        dir.write("PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES/x.dwg", "");

        OldReport platform;
        platform.removedByAnother = removedByAnother;
        const auto outcome = check::runNamingCheck(platform, paths, "Design Drawings");
        if (removedByAnother) {
            ASSERT_TRUE(outcome.value);
            EXPECT_TRUE(outcome.value->reportWritten);
            EXPECT_FALSE(outcome.value->findings.empty());
            continue;
        }
        EXPECT_EQ(outcome.messages, std::vector<std::string>{"Error in analyzing files names(naming check) !!!"});
        EXPECT_FALSE(outcome.value);
        EXPECT_EQ(platform.listings, 0);
        EXPECT_EQ(dir.read("PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt"), "last week");
    }
}

}  // namespace
}  // namespace trv
