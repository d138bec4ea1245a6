#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trv {

// A control of a window as the handlers see it. It behaves as a desktop
// control does, because the handlers depend on it:
// - choosing a list entry from code raises the click handler at once,
//   nested inside the running handler;
// - setting the text from code raises the change handler when the text
//   actually changes;
// - a drop-down that accepts typing can hold text that is no entry; its
//   listIndex is then -1;
// - a list filled by code shows no entry and empty text until one is chosen.
class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }

    const std::string& text() const { return text_; }
    // Replaces the whole text; raises the change handler when it changed.
    // In a list the text no longer names a chosen entry.
    void setText(const std::string& text);

    bool visible = true;
    bool enabled = true;
    bool focused = false;

    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    // Chooses entry `index` (as a user's pick would) and raises the click
    // handler; -1 chooses nothing and empties the text.
    void setListIndex(int index);
    void addItem(const std::string& item) { items_.push_back(item); }
    // Empties the list: no entry, empty text.
    void clear();
    // Empties the list, then fills it with `entries`.
    void setItems(std::vector<std::string> entries);

    // The control's events; empty when nothing handles them.
    std::function<void()> onClick;
    std::function<void()> onChange;

    // A click by the user or by code.
    void click() {
        if (onClick) onClick();
    }

    // A design-time value applied when the window is loaded: no event.
    void loadText(const std::string& text) {
        text_ = text;
        listIndex_ = -1;
    }
    void loadItems(std::vector<std::string> items) {
        items_ = std::move(items);
        listIndex_ = -1;
    }

private:
    std::string name_;
    std::string text_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

// The controls of one window, found by name.
class ControlSet {
public:
    Control& add(const std::string& name);
    Control* find(const std::string& name);
    const Control* find(const std::string& name) const;
    Control& operator[](const std::string& name);
    const std::vector<Control*>& all() const { return order_; }

private:
    std::map<std::string, std::unique_ptr<Control>> byName_;
    std::vector<Control*> order_;
};

// A window: its controls, and whether it is loaded and on show. Closing a
// window unloads it; the object and its fields stay.
struct WindowModel {
    explicit WindowModel(std::string windowName) : name(std::move(windowName)) {}
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;
    virtual ~WindowModel() = default;

    std::string name;
    std::string caption;
    bool loaded = false;
    bool visible = false;
    ControlSet controls;

    // Runs when the window is loaded for display (before it shows).
    std::function<void()> onLoad;
    // Runs each time the window becomes the active one.
    std::function<void()> onActivate;

    // Loads the window when needed and shows it; an open window comes forward.
    void show();
    void hide() { visible = false; }
    void unload() {
        visible = false;
        loaded = false;
    }
};

}  // namespace trv
