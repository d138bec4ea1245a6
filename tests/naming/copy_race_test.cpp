// Two users creating the same drawing at the same moment: exactly one copy
// wins, the others are told the drawing exists, and the winner's drawing is whole.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <string>
#include <vector>

#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

TEST(DrawingCopy, RacingCopiesToOneNameLeaveExactlyOneWinner) {
#ifdef _WIN32
    GTEST_SKIP() << "the race is run with fork(), which Windows does not have";
#else
    testing::TempFolder dir;
    constexpr int racers = 4;
    constexpr int rounds = 30;
    // Templates of different sizes, large enough that a copy takes several writes.
    std::vector<std::string> contents;
    for (int r = 0; r < racers; ++r) {
        contents.emplace_back(300000 + r * 7919, static_cast<char>('a' + r));
        dir.write("template" + std::to_string(r) + ".dwg", contents.back());
    }
    for (int round = 0; round < rounds; ++round) {
        const std::string target = "KLV-13000-C000-01-A-FP-F1-P" + std::to_string(round) + ".dwg";
        std::vector<pid_t> children;
        for (int r = 0; r < racers; ++r) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                testing::RecordingPlatform platform;
                const auto outcome =
                    platform.copyToNewFile(dir / ("template" + std::to_string(r) + ".dwg"), dir / target);
                ::_exit(outcome == CopyOutcome::Copied ? 0 : outcome == CopyOutcome::TargetExists ? 1 : 2);
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
        EXPECT_EQ(outcomes[0], 1) << "round " << round;
        EXPECT_EQ(outcomes[1], racers - 1) << "round " << round;
        EXPECT_NE(std::find(contents.begin(), contents.end(), dir.read(target)), contents.end())
            << "round " << round << ": the drawing is not one template's bytes";
    }
#endif
}

}  // namespace
}  // namespace trv
