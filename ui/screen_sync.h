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

// How the windows look whatever the toolkit: a drop-down opens 17 entries
// tall, and as wide as its widest entry (pixels at 96 dpi) with room for the
// scroll bar; banners and the logo in the organisation's colour.
constexpr int visibleListEntries = 17;
constexpr int dropDownWidth(int widestEntry) { return widestEntry + 24; }
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};
constexpr Colour bannerColour{0x1f, 0x3a, 0x5f};

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

// One window as a renderer keeps it; the renderer's own adds its widgets
// and its `controls` (each a RenderedControl).
struct RenderedWindow {
    WindowModel* model = nullptr;
    const WindowDescription* desc = nullptr;
    bool placed = false;  // put at its first place on the screen
};

// The caption a window shows: its model's, or else the described one.
std::string captionOf(const WindowModel& model, const WindowDescription& desc);

// The rendered control of a window by its name; nullptr when there is none.
template <typename Window>
auto renderedControl(Window& w, const std::string& controlName) -> decltype(&w.controls.front()) {
    for (auto& r : w.controls) {
        if (r.desc->name == controlName) return &r;
    }
    return nullptr;
}

// The user moved the focus to the control `isFocused` picks among a
// renderer's windows (a map of names to owned windows): the models of its
// window follow. False when no control is picked.
template <typename Windows, typename Pick>
bool focusMoved(Windows& windows, Pick isFocused) {
    for (auto& [name, w] : windows) {
        for (auto& r : w->controls) {
            if (!isFocused(r)) continue;
            std::vector<RenderedControl*> all;
            for (auto& other : w->controls) all.push_back(&other);
            userFocused(all, &r);
            return true;
        }
    }
    return false;
}

// A rectangle on the screen in pixels; `right` and `bottom` lie just outside.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
struct ScreenPoint {
    int x = 0;
    int y = 0;
};
// Where the top left corner of a window `width` by `height` goes for the
// window to stand centred over `owner`; the corner, and with it the caption
// the window is taken hold of by, stays inside the `work` area of the screen.
ScreenPoint centredOver(const ScreenRect& owner, int width, int height, const ScreenRect& work);

// The bookkeeping of a renderer's windows, whatever its toolkit: which
// windows get widgets, refreshing them all after every user event, which
// windows came forward since the last refresh, which top-level windows to
// show or hide, and the program's end, announced once. The renderer does the
// toolkit's part through `Widgets`.
class ScreenSync {
public:
    // What a toolkit's renderer does with its windows, by their names.
    class Widgets {
    public:
        // Whether the window has its widgets yet.
        virtual bool built(const std::string& windowName) = 0;
        // Makes the window's widgets when it has none yet, then brings them
        // in line with its model without raising any event.
        virtual void update(const std::string& windowName) = 0;
        // Whether the window's top level is on the screen.
        virtual bool onScreen(const std::string& windowName) = 0;
        // Shows the window's top level (placed on the screen the first time)
        // and brings it forward.
        virtual void show(const std::string& windowName) = 0;
        virtual void hide(const std::string& windowName) = 0;
        // After the windows were shown and hidden.
        virtual void refreshed() {}
        // The program has ended: every window hidden; `first` when this is
        // the first refresh since, to end the front end once.
        virtual void ended(bool first) = 0;
        // An error escaped an event handler.
        virtual void unhandled(const std::string& what) = 0;

    protected:
        ~Widgets() = default;
    };

    ScreenSync(Application& app, Widgets& widgets);
    ~ScreenSync();
    ScreenSync(const ScreenSync&) = delete;
    ScreenSync& operator=(const ScreenSync&) = delete;

    // The start of building a window: its model and description; false for
    // a window the application does not know.
    bool describe(const std::string& windowName, RenderedWindow& w) const;

    // Brings every window in line with the models, without raising any
    // event: the widgets of each window that has or needs them, and which
    // windows are on show. When the program has ended, hides everything.
    void refresh();
    // Runs `handler` as the answer to a user event, then refreshes.
    void dispatch(const std::function<void()>& handler);

    // Whether a modal loop for the window should end.
    bool modalOver(const std::string& windowName) const;

private:
    enum class Step { Keep, Show, Hide };
    // What to do with a window's top level, given whether it is on screen;
    // Show also brings an open window forward when the model showed it again.
    Step step(const std::string& windowName, bool onScreen);
    void showWindows();

    Application& app_;
    Widgets& widgets_;
    std::map<std::string, std::function<void()>> activateHooks_;  // the models' own, put back at the end
    std::set<std::string> comeForward_;                           // windows shown since the last refresh
    bool refreshing_ = false;
    bool endAnnounced_ = false;
};

}  // namespace trv::ui
