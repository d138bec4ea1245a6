// The resource delivery on real temporary folders, where the end-to-end
// cases cannot reach: the progress hook and Cancel, links inside a tree,
// and the report of files that could not be copied.
#include "delivery/copy_resources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/program.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

namespace fs = std::filesystem;

// Records the progress calls among the messages, and cancels at a given call.
class ProgressRecorder : public testing::RecordingPlatform {
public:
    std::vector<std::string> log;
    int cancelAt = -1;  // the progress call (from 0) that answers "stop"
    int calls = 0;

    void message(const std::string& text) override { log.push_back("message: " + text); }
    void beginProgress(const std::string& title) override { log.push_back("begin: " + title); }
    bool progress(int done, const std::string& current) override {
        log.push_back(std::to_string(done) + " " + fs::path(current).filename().string());
        return calls++ != cancelAt;
    }
    void endProgress() override { log.push_back("end"); }
};

class Delivery : public ::testing::Test {
protected:
    void SetUp() override {
        dir.mkdir("delivery");
        dir.mkdir("velunor");
        auto& s = p.settings;
        s.SettingsLoaded = s.InitOK = true;
        s.ResourcePath = dir / "resources\\";
        s.Velunor = dir / "velunor\\";
        s.ResourceCopyDestPath = dir / "delivery\\";
        window.caption = "Copy resources to a delivery folder";
    }
    void deliver() { cmdCopyresources_Click(p, window); }
    std::string delivered(const std::string& relative) const {
        return dir / ("delivery/klv2contractor/klv_resources/" + relative);
    }

    testing::TempFolder dir;
    ProgressRecorder ui;
    Program p{ui, ui};
    CopyResourcesWindow window;
};

TEST_F(Delivery, EveryEntryIsAnnouncedBeforeItIsCopiedAndCancelStopsBeforeTheNext) {
    dir.write("resources/standard_documents/a.doc", "a");
    dir.write("resources/standard_documents/b.doc", "b");
    dir.write("resources/standard_documents/c.doc", "c");
    dir.write("resources/AEC_Resources/d.dwg", "d");
    dir.write("resources/username1.txt", "u");
    ui.cancelAt = 2;
    deliver();
    EXPECT_EQ(ui.log, (std::vector<std::string>{"begin: Copy resources to a delivery folder", "0 a.doc", "1 b.doc",
                                                "2 c.doc", "end", "message: Copied 2 files.",
                                                "message: The copy was cancelled: the delivery folder is not complete."}));
    EXPECT_TRUE(fs::exists(delivered("Standard_documents/b.doc")));
    EXPECT_FALSE(fs::exists(delivered("Standard_documents/c.doc")));
    EXPECT_FALSE(fs::exists(delivered("AEC_Resources/d.dwg")));
    EXPECT_FALSE(fs::exists(delivered("username.txt")));
}

TEST_F(Delivery, AnUnreachableDestinationEndsTheProgressBeforeItsMessage) {
    p.settings.ResourceCopyDestPath = dir / "missing\\";
    dir.write("resources/standard_documents/a.doc", "a");
    deliver();
    ASSERT_EQ(ui.log.size(), 3u);
    EXPECT_EQ(ui.log[1], "end");
    EXPECT_EQ(ui.log[2].rfind("message: Destination path(", 0), 0u) << ui.log[2];
    EXPECT_FALSE(dir.exists("missing"));
}

#ifndef _WIN32
// Symbolic links stand for what the POSIX file system can hold; on Windows a
// junction is listed as a link to a folder in the same way.
TEST_F(Delivery, ALinkToAFolderAboveIsCountedButNeverFollowed) {
    dir.write("resources/standard_documents/a.doc", "a");
    fs::create_directory_symlink(dir.path() / "resources" / "standard_documents",
                                 dir.path() / "resources" / "standard_documents" / "loop");
    deliver();
    EXPECT_EQ(ui.log.back(), "message: Copied 2 files.");
    EXPECT_EQ(testing::TempFolder::slurp(delivered("Standard_documents/a.doc")), "a");
    EXPECT_FALSE(fs::exists(delivered("Standard_documents/loop")));
}

TEST_F(Delivery, AFileThatCannotBeReadIsCountedAndReported) {
    dir.write("resources/AEC_Resources/ok.dwg", "ok");
    fs::create_symlink(dir.path() / "gone", dir.path() / "resources" / "AEC_Resources" / "unreadable.dwg");
    deliver();
    EXPECT_EQ(ui.log[ui.log.size() - 2], "message: Copied 2 files.");
    EXPECT_EQ(ui.log.back(), "message: Could not copy 1 files: " + dir.str() + "/resources/AEC_Resources/unreadable.dwg");
    EXPECT_TRUE(fs::exists(delivered("AEC_Resources/ok.dwg")));
}
#endif

}  // namespace
}  // namespace trv
