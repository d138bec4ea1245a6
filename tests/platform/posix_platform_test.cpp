// What only the POSIX platform does, on real temporary folders: permissions
// taken away, execute permission, folders opened like documents. What both
// platforms share is in native_platform_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/native_platform_fixture.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#endif

namespace trv {
namespace {

using testing::winPath;

class PosixPlatform : public testing::NativePlatformFixture {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "these tests check the POSIX platform; the Windows one is checked in tests/windows";
#endif
    }

    static bool runningAsRoot() {
#ifndef _WIN32
        return ::geteuid() == 0;
#else
        return false;
#endif
    }
};

TEST_F(PosixPlatform, PresenceTestNeverFailsOnAFolderWithoutAccess) {
    if (runningAsRoot()) GTEST_SKIP() << "root ignores folder permissions, so no access can be taken away";
    dir.write("locked/curproject.txt", "x");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::none);
    bool present = true;
    EXPECT_NO_THROW(present = platform.isPresent(winPath(dir, "locked\\curproject.txt")));
    EXPECT_FALSE(present);
}

TEST_F(PosixPlatform, FolderTestOfAFolderWithoutPermissionIsAnotherFailure) {
    if (runningAsRoot()) GTEST_SKIP() << "root ignores folder permissions, so no access can be taken away";
    dir.mkdir("locked");
    std::filesystem::permissions(dir.path() / "locked", std::filesystem::perms::owner_read);
    EXPECT_EQ(platform.testFolder(winPath(dir, "locked")), FolderTest::OtherFailure);
}

TEST_F(PosixPlatform, ReplaceFileGivesReadableFiles) {
#ifndef _WIN32
    platform.replaceFile(winPath(dir, "facilnumber.txt"), "\"01\"\r\n");
    struct stat st{};
    ASSERT_EQ(::stat((dir.path() / "facilnumber.txt").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IRUSR);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
#endif
}

TEST_F(PosixPlatform, StartingAFileWithoutExecutePermissionFails) {
    dir.write("drawing.dwg", "x");
    dir.write("bin/not-executable", "#!/bin/sh\n");
    EXPECT_THROW(platform.startProgram(winPath(dir, "bin\\not-executable"), winPath(dir, "drawing.dwg")),
                 RuntimeFailure);
}

// A copy that runs out of room part-way (the process may write no more than
// 64 KiB to a file) fails, takes its own partial file away and leaves every
// other file as it was.
TEST_F(PosixPlatform, ACopyThatFailsPartWayRemovesOnlyItsOwnPartialFile) {
#ifndef _WIN32
    dir.write("template.dwg", std::string(1 << 20, 'x'));
    dir.write("colleague.dwg", "a colleague's drawing");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 64 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    CopyOutcome outcome = CopyOutcome::Copied;
    try {
        outcome = platform.copyToNewFile(winPath(dir, "template.dwg"), winPath(dir, "new.dwg"));
    } catch (const RuntimeFailure&) {
        outcome = CopyOutcome::Failed;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(outcome, CopyOutcome::Failed);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"template.dwg", "colleague.dwg"}));
    EXPECT_EQ(dir.read("colleague.dwg"), "a colleague's drawing");
#endif
}

// An append that the drive cannot take whole (here the file size limit, as a
// full drive would) leaves the file as it was, not with half a line.
TEST_F(PosixPlatform, AnAppendThatFailsPartWayLeavesTheFileAsItWas) {
#ifndef _WIN32
    const std::string list(4000, 'L');
    dir.write("klvprojects.txt", list + "\r\n");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    bool failed = false;
    try {
        platform.appendToFile(winPath(dir, "klvprojects.txt"), "\"KLV-13777-C000\",\"" + std::string(200, 'N') + "\"\r\n");
    } catch (const RuntimeFailure&) {
        failed = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failed);
    EXPECT_EQ(dir.read("klvprojects.txt"), list + "\r\n");
#endif
}

// A copy killed part-way (by the signal of the file size limit) leaves no
// drawing, not even a partial one, under the drawing's name: only a temporary
// file that no listing shows and that the next copy into the folder removes
// once it is stale.
TEST_F(PosixPlatform, AKilledCopyNeverLeavesAPartialDrawing) {
#ifndef _WIN32
    const std::string drawing(1 << 20, 'd');
    dir.write("template.dwg", drawing);
    dir.mkdir("SHEET_FILES");
    const std::string name = "KLV-13000-C000-01-A-2000.dwg";
    const std::string target = winPath(dir, "SHEET_FILES\\" + name);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const rlimit noCore{0, 0}, small{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        platform.copyToNewFile(winPath(dir, "template.dwg"), target);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the copy was not killed part-way";
    EXPECT_FALSE(dir.exists("SHEET_FILES/" + name));
    EXPECT_TRUE(platform.listFiles(winPath(dir, "SHEET_FILES")).empty());
    for (const auto& left : dir.entries("SHEET_FILES"))
        std::filesystem::last_write_time(dir.path() / "SHEET_FILES" / left,
                                         std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));

    ASSERT_EQ(platform.copyToNewFile(winPath(dir, "template.dwg"), target), CopyOutcome::Copied);
    EXPECT_EQ(dir.entries("SHEET_FILES"), (std::set<std::string>{name}));
    EXPECT_EQ(dir.read("SHEET_FILES/" + name), drawing);
#endif
}

// A POSIX folder may hold names that differ only in case, where a Windows
// one holds one: a name spelled in yet another case finds the first of them
// in listing order, whether the folders above it are spelled as stored or not;
// a name spelled as stored finds itself.
TEST_F(PosixPlatform, OfNamesDifferingOnlyInCaseTheFirstInListingOrderIsFound) {
    dir.write("Units/units.txt", "lower");
    dir.write("Units/Units.txt", "mixed");
    dir.write("Units/UNITS.TXT", "upper");
    const std::pair<const char*, const char*> cases[] = {
        {"Units\\Units.txt", "mixed"},
        {"Units\\uNITS.txt", "upper"},
        {"UNITS\\uNITS.txt", "upper"},
        {"UNITS\\units.txt", "lower"},
    };
    for (const auto& [path, content] : cases) EXPECT_EQ(platform.readFile(winPath(dir, path)), content) << path;
}

// (On Windows the shell opens a folder in a window of its own.)
TEST_F(PosixPlatform, OpeningAFolderReportsFileNotFound) {
    dir.mkdir("a_folder.doc");
    EXPECT_EQ(platform.openDocument(winPath(dir, "a_folder.doc")), shellFileNotFound);
}

}  // namespace
}  // namespace trv
