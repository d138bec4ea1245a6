// Two users creating the same drawing at the same moment: exactly one copy
// wins, the other fails, and the winner's drawing is whole.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/native_platform.h"

namespace trv {
namespace {

struct QuietPlatform : NativePlatform {
    void message(const std::string&) override {}
    void chooseProgramFor(const std::string&) override {}
    void runModal(const std::string&) override {}
};

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(DrawingCopy, RacingCopiesToOneNameLeaveExactlyOneWinner) {
#ifdef _WIN32
    GTEST_SKIP() << "the race is run with fork(), which Windows does not have";
#else
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("trv-race-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    constexpr int racers = 4;
    constexpr int rounds = 30;
    // Templates of different sizes, large enough that a copy takes several writes.
    std::vector<std::string> contents;
    for (int r = 0; r < racers; ++r) {
        std::string bytes(300000 + r * 7919, static_cast<char>('a' + r));
        contents.push_back(bytes);
        std::ofstream(dir / ("template" + std::to_string(r) + ".dwg"), std::ios::binary) << bytes;
    }
    for (int round = 0; round < rounds; ++round) {
        const fs::path target = dir / ("KLV-13000-C000-01-A-FP-F1-P" + std::to_string(round) + ".dwg");
        std::vector<pid_t> children;
        for (int r = 0; r < racers; ++r) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                QuietPlatform platform;
                const auto outcome = platform.copyToNewFile(
                    (dir / ("template" + std::to_string(r) + ".dwg")).string(), target.string());
                ::_exit(outcome == CopyOutcome::Copied ? 0 : outcome == CopyOutcome::TargetExists ? 1 : 2);
            }
            children.push_back(pid);
        }
        int winners = 0, losers = 0;
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status));
            if (WEXITSTATUS(status) == 0) ++winners;
            if (WEXITSTATUS(status) == 1) ++losers;
        }
        EXPECT_EQ(winners, 1) << "round " << round;
        EXPECT_EQ(losers, racers - 1) << "round " << round;
        const std::string written = slurp(target);
        EXPECT_NE(std::find(contents.begin(), contents.end(), written), contents.end())
            << "round " << round << ": the drawing is not one template's bytes";
    }
    fs::remove_all(dir);
#endif
}

TEST(DrawingCopy, NeverReplacesAnExistingDrawingNamedInOtherLetterCase) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "trv-copy-case";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "template.dwg", std::ios::binary) << "new";
    std::ofstream(dir / "KLV-A.dwg", std::ios::binary) << "existing work";
    QuietPlatform platform;
    EXPECT_EQ(platform.copyToNewFile((dir / "template.dwg").string(), (dir / "klv-a.DWG").string()),
              CopyOutcome::TargetExists);
    EXPECT_EQ(slurp(dir / "KLV-A.dwg"), "existing work");
    EXPECT_EQ(platform.copyToNewFile((dir / "missing.dwg").string(), (dir / "other.dwg").string()),
              CopyOutcome::Failed);
    EXPECT_FALSE(fs::exists(dir / "other.dwg"));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace trv
