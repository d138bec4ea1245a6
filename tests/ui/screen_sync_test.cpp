#include "ui/screen_sync.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/program.h"
#include "support/recording_platform.h"
#include "ui/application.h"

namespace trv::ui {
namespace {

// A toolkit that writes down what it is asked to do.
class RecordedWidgets : public ScreenSync::Widgets {
public:
    std::set<std::string> made, shown;
    std::string calls;

    bool built(const std::string& w) override { return made.count(w) > 0; }
    void update(const std::string& w) override {
        made.insert(w);
        note("update " + w);
    }
    bool onScreen(const std::string& w) override { return shown.count(w) > 0; }
    void show(const std::string& w) override {
        shown.insert(w);
        note("show " + w);
    }
    void hide(const std::string& w) override {
        shown.erase(w);
        note("hide " + w);
    }
    void ended(bool first) override { note(first ? "end" : "ended"); }
    void unhandled(const std::string& what) override { note("error " + what); }
    std::string take() { return std::exchange(calls, {}); }

private:
    void note(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
};

TEST(ScreenSync, WidgetsFollowTheModelsAndTheEndIsAnnouncedOnce) {
    testing::RecordingPlatform platform;
    Application app{platform, platform};
    RecordedWidgets widgets;
    ScreenSync sync(app, widgets);
    WindowModel& window = *app.window("frmArchitecture");

    sync.refresh();
    EXPECT_EQ(widgets.take(), "");  // no window shown, none built
    sync.dispatch([&] { window.show(); });
    EXPECT_EQ(widgets.take(), "update frmArchitecture, show frmArchitecture");
    sync.refresh();
    EXPECT_EQ(widgets.take(), "update frmArchitecture");  // on show already
    sync.dispatch([&] { window.show(); });
    EXPECT_EQ(widgets.take(), "update frmArchitecture, show frmArchitecture");  // comes forward
    sync.dispatch([&] {
        window.hide();
        throw std::runtime_error("lost");
    });
    EXPECT_EQ(widgets.take(), "error lost, update frmArchitecture, hide frmArchitecture");
    EXPECT_TRUE(sync.modalOver("frmArchitecture"));

    app.program().ended = true;
    sync.refresh();
    sync.refresh();
    EXPECT_EQ(widgets.take(), "end, ended");
}

TEST(ScreenSync, AWindowStandsCentredOverItsOwnerWithItsCaptionOnTheScreen) {
    const ScreenRect work{0, 0, 1000, 800};
    struct Case {
        ScreenRect owner;
        int width, height, x, y;
    };
    const Case cases[] = {
        {{100, 100, 500, 400}, 200, 100, 200, 200},
        {{0, 0, 1000, 800}, 1001, 799, 0, 1},
        {{0, 0, 300, 200}, 500, 400, 0, 0},  // larger than its owner at the screen's corner
    };
    for (const Case& c : cases) {
        const ScreenPoint corner = centredOver(c.owner, c.width, c.height, work);
        EXPECT_EQ(corner.x, c.x) << c.width;
        EXPECT_EQ(corner.y, c.y) << c.width;
    }
}

}  // namespace
}  // namespace trv::ui
