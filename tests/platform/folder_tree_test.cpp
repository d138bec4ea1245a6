// The operations the resource delivery walks and copies trees with, on real
// temporary folders, on both systems: every entry listed with its kind,
// files copied over older ones, and the identity that tells whether two
// paths reach one folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/native_platform_fixture.h"

namespace trv {
namespace {

namespace fs = std::filesystem;
using testing::winPath;
using Kind = Platform::EntryKind;

class FolderTree : public testing::NativePlatformFixture {
protected:
    std::vector<std::pair<std::string, Kind>> entries(const std::string& path) {
        std::vector<std::pair<std::string, Kind>> out;
        for (const auto& e : platform.listEntries(path)) out.emplace_back(e.name, e.kind);
        return out;
    }
};

TEST_F(FolderTree, ListingGivesEveryEntryWithItsKindInUpperCaseNameOrder) {
    dir.write("tree/b.txt", "b");
    dir.write("tree/.hidden", "h");
    dir.write("tree/c/inner.txt", "i");
    dir.mkdir("tree/A");
    const std::vector<std::pair<std::string, Kind>> expected = {
        {".hidden", Kind::File}, {"A", Kind::Folder}, {"b.txt", Kind::File}, {"c", Kind::Folder}};
    EXPECT_EQ(entries(winPath(dir, "tree")), expected);
    EXPECT_EQ(entries(winPath(dir, "TREE\\")), expected);
    EXPECT_TRUE(entries(winPath(dir, "missing")).empty());
    EXPECT_TRUE(entries(winPath(dir, "tree\\b.txt")).empty());
}

TEST_F(FolderTree, CopyReplacesTheWholeTargetOrLeavesEverythingAsItWas) {
    dir.write("src/short.txt", "new");
    dir.write("dst/short.txt", "an older and longer content");
    dir.mkdir("src/folder");
    dir.mkdir("dst/taken.txt");
    dir.write("src/taken.txt", "x");
    struct Case {
        const char* name;
        std::string from, to;
        bool copied;
    };
    const Case cases[] = {
        {"a new file", winPath(dir, "src\\short.txt"), winPath(dir, "dst\\fresh.txt"), true},
        {"over an older file, found in other case", winPath(dir, "SRC\\short.txt"), winPath(dir, "dst\\SHORT.TXT"),
         true},
        {"a missing source", winPath(dir, "src\\none.txt"), winPath(dir, "dst\\none.txt"), false},
        {"a folder as source", winPath(dir, "src\\folder"), winPath(dir, "dst\\folder"), false},
        {"a folder in the target's place", winPath(dir, "src\\taken.txt"), winPath(dir, "dst\\taken.txt"), false},
        {"a missing target folder", winPath(dir, "src\\short.txt"), winPath(dir, "nowhere\\short.txt"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(platform.copyFileReplacing(c.from, c.to), c.copied) << c.name;
    EXPECT_EQ(dir.read("dst/fresh.txt"), "new");
    EXPECT_EQ(dir.read("dst/short.txt"), "new");
    EXPECT_TRUE(fs::is_directory(dir.path() / "dst" / "taken.txt"));
    // The stored name is kept, and no temporary file is left behind.
    EXPECT_EQ(dir.entries("dst"), (std::set<std::string>{"fresh.txt", "short.txt", "taken.txt"}));
}

TEST_F(FolderTree, ATreeCopyNamesItsFileAsToldAndReplacesOnlyWhenTold) {
    dir.write("src/new.txt", "new");
    dir.write("dst/old.txt", "old");
    dir.mkdir("dst/folder.txt");
    struct Case {
        const char* name;
        std::string to;  // relative, '/' between folders
        bool replace;
        CopyOutcome outcome;
        const char* left;  // what the target holds afterwards
    };
    const Case cases[] = {
        {"a free name", "dst/fresh.txt", false, CopyOutcome::Copied, "new"},
        {"a name taken meanwhile", "dst/old.txt", false, CopyOutcome::TargetExists, "old"},
        {"a file to replace", "dst/fresh.txt", true, CopyOutcome::Copied, "new"},
        {"a folder in the file's place", "dst/folder.txt", true, CopyOutcome::Failed, nullptr},
        {"a missing folder", "none/x.txt", false, CopyOutcome::Failed, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform.copyFileAs(winPath(dir, "src\\new.txt"), dir / c.to, c.replace), c.outcome) << c.name;
        if (c.left) {
            EXPECT_EQ(dir.read(c.to), c.left) << c.name;
        }
    }
    EXPECT_EQ(dir.entries("dst"), (std::set<std::string>{"folder.txt", "fresh.txt", "old.txt"}));
}

TEST_F(FolderTree, LinksToFoldersAreToldApartAndNeverTakenForFolders) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows; junctions are told by their reparse tag";
#else
    dir.write("tree/real/file.txt", "f");
    fs::create_directory_symlink(dir.path() / "tree", dir.path() / "tree" / "real" / "up");
    fs::create_symlink(dir.path() / "tree" / "real" / "file.txt", dir.path() / "tree" / "real" / "to-file");
    fs::create_symlink(dir.path() / "tree" / "gone", dir.path() / "tree" / "real" / "dangling");
    const std::vector<std::pair<std::string, Kind>> expected = {
        {"dangling", Kind::FileLink}, {"file.txt", Kind::File}, {"to-file", Kind::FileLink}, {"up", Kind::FolderLink}};
    EXPECT_EQ(entries(winPath(dir, "tree\\real")), expected);
    EXPECT_TRUE(platform.copyFileReplacing(winPath(dir, "tree\\real\\to-file"), winPath(dir, "copy.txt")));
    EXPECT_EQ(dir.read("copy.txt"), "f");
    EXPECT_FALSE(platform.copyFileReplacing(winPath(dir, "tree\\real\\dangling"), winPath(dir, "copy2.txt")));
    EXPECT_EQ(platform.resolvedPath(winPath(dir, "tree\\real\\up")), platform.resolvedPath(winPath(dir, "tree")));
#endif
}

}  // namespace
}  // namespace trv
