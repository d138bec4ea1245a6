// What the case folders under tests/e2e cannot set up: a project record that
// cannot be read even by an administrator.
#include "tools/documents.h"

#include <gtest/gtest.h>

#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

class LockedRecord : public testing::TestSystem {
public:
    std::string readFile(const std::string& path) override {
        if (path.ends_with("KLV-21400-PB00.txt")) throw RuntimeFailure("locked: " + path);
        return TestSystem::readFile(path);
    }
};

TEST(ProjectsList, ARecordThatCannotBeReadIsLeftOutAndTheOthersAreListed) {
    testing::TempFolder dir;
    AppSettings s;
    s.ResourcePath = dir.str() + "\\";
    const OfficePaths paths(s);
    dir.write("projectscodes/KLV-13000-C000.txt", "\"KLV-13000-C000\",\"HARBOUR\"\r\n");
    dir.write("projectscodes/KLV-21400-PB00.txt", "\"KLV-21400-PB00\",\"DEPOT\"\r\n");
    dir.write("projectscodes/KLV-30000-C000.txt", "\"KLV-30000-C000\",\"DOCK\"\r\n");

    LockedRecord platform;
    EXPECT_EQ(tools::rebuildProjectsList(platform, paths), paths.projectsList());
    EXPECT_EQ(dir.read("klvprojects.txt"),
              "\"KLV-13000-C000\",\"HARBOUR\"\r\n\"KLV-30000-C000\",\"DOCK\"\r\n\r\n");
}

}  // namespace
}  // namespace trv
