#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/controls.h"
#include "ui/window_description.h"

namespace trv::ui {

class Application;

// What a control's widget should show for its model, whatever the toolkit.
struct ControlView {
    std::string text;  // the text of a box, label or button; the text part of an editable list
    std::string cue;   // a pick list's text that names no entry, shown greyed as a hint
    std::vector<std::string> items;
    int listIndex = -1;
    bool enabled = true;
    bool visible = true;
};

ControlView viewOf(const Control& model, ControlKind kind);

// One control as a renderer keeps it: its model (none for a description
// control that has no model) and whether the model's focus has been given
// to the widget.
struct RenderedControl {
    Control* model = nullptr;
    const ControlDescription* desc = nullptr;
    bool focusApplied = false;

    // Focus moves when a handler gives it, not on every refresh: true once
    // after the model got the focus, when the widget should take it.
    bool takeFocus();
};

// The user moved the focus to `now`, one of `window`'s controls (nullptr:
// none of them): the models follow.
void userFocused(std::vector<RenderedControl*> window, const RenderedControl* now);

// The bookkeeping of a renderer's windows, whatever its toolkit: which
// windows came forward since the last refresh, which top-level windows to
// show or hide, and the program's end, announced once.
class ScreenSync {
public:
    explicit ScreenSync(Application& app);
    ~ScreenSync();
    ScreenSync(const ScreenSync&) = delete;
    ScreenSync& operator=(const ScreenSync&) = delete;

    // A window gets its widgets when it first shows.
    bool needsWidgets(const std::string& windowName, bool built) const;

    enum class Step { Keep, Show, Hide };
    // What to do with a window's top level, given whether it is on screen;
    // Show also brings an open window forward when the model showed it again.
    Step step(const std::string& windowName, bool onScreen);
    // After the windows have been stepped.
    void stepped() { comeForward_.clear(); }

    // Whether a modal loop for the window should end.
    bool modalOver(const std::string& windowName) const;

    // True the first time it is asked after the program ended.
    bool announceEnd();

private:
    Application& app_;
    std::map<std::string, std::function<void()>> activateHooks_;  // the models' own, put back at the end
    std::set<std::string> comeForward_;                           // windows shown since the last refresh
    bool endAnnounced_ = false;
};

}  // namespace trv::ui
