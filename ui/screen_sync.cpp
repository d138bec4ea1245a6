#include "ui/screen_sync.h"

#include <algorithm>
#include <exception>

#include "app/program.h"
#include "ui/application.h"

namespace trv::ui {

ControlView viewOf(const Control& m, ControlKind kind) {
    ControlView v;
    v.items = m.items();
    v.listIndex = m.listIndex();
    v.enabled = m.enabled;
    v.visible = m.visible;
    if ((kind == ControlKind::PickList || kind == ControlKind::ListBox) && m.listIndex() < 0) {
        // No entry chosen: a list that takes no typing cannot show other text
        // as its own; a pick list shows it as a hint.
        if (kind == ControlKind::PickList) v.cue = m.text();
    } else {
        v.text = m.text();
    }
    return v;
}

bool RenderedControl::takeFocus() {
    const bool take = model && model->focused && !focusApplied;
    focusApplied = model && model->focused;
    return take;
}

void userFocused(std::vector<RenderedControl*> window, const RenderedControl* now) {
    for (RenderedControl* other : window) {
        if (!other->model) continue;
        other->model->focused = other == now;
        other->focusApplied = other->model->focused;
    }
}

std::string captionOf(const WindowModel& model, const WindowDescription& desc) {
    return model.caption.empty() ? desc.caption : model.caption;
}

ScreenPoint centredOver(const ScreenRect& owner, int width, int height, const ScreenRect& work) {
    const int x = (owner.left + owner.right) / 2 - width / 2;
    const int y = (owner.top + owner.bottom) / 2 - height / 2;
    return {std::max(x, work.left), std::max(y, work.top)};
}

ScreenSync::ScreenSync(Application& app, Widgets& widgets) : app_(app), widgets_(widgets) {
    // WindowModel::show() activates the window each time, also when it is
    // already open: that is when it comes forward.
    for (const auto& name : app_.windowNames()) {
        WindowModel* model = app_.window(name);
        if (!model) continue;
        activateHooks_[name] = model->onActivate;
        model->onActivate = [this, name, previous = model->onActivate] {
            if (previous) previous();
            comeForward_.insert(name);
        };
    }
}

ScreenSync::~ScreenSync() {
    for (auto& [name, hook] : activateHooks_) {
        if (WindowModel* model = app_.window(name)) model->onActivate = hook;
    }
}

bool ScreenSync::describe(const std::string& windowName, RenderedWindow& w) const {
    w.model = app_.window(windowName);
    w.desc = app_.desc(windowName);
    return w.model && w.desc;
}

void ScreenSync::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    if (app_.program().ended) {
        widgets_.ended(!endAnnounced_);
        endAnnounced_ = true;
    } else {
        for (const auto& name : app_.windowNames()) {
            // A window gets its widgets when it first shows.
            const WindowModel* model = app_.window(name);
            if (model && (model->visible || widgets_.built(name))) widgets_.update(name);
        }
        showWindows();
    }
    widgets_.refreshed();
    refreshing_ = false;
}

void ScreenSync::dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // Handlers deal with their own errors; one that escapes must not
        // cross the toolkit's event loop.
        widgets_.unhandled(e.what());
    }
    refresh();
}

void ScreenSync::showWindows() {
    for (const auto& name : app_.windowNames()) {
        if (!widgets_.built(name)) continue;
        switch (step(name, widgets_.onScreen(name))) {
            case Step::Show:
                widgets_.show(name);
                break;
            case Step::Hide:
                widgets_.hide(name);
                break;
            case Step::Keep:
                break;
        }
    }
    comeForward_.clear();
}

ScreenSync::Step ScreenSync::step(const std::string& windowName, bool onScreen) {
    const WindowModel* model = app_.window(windowName);
    const bool forward = comeForward_.erase(windowName) > 0;
    if (!model) return Step::Keep;
    if (model->visible && (forward || !onScreen)) return Step::Show;
    if (!model->visible && onScreen) return Step::Hide;
    return Step::Keep;
}

bool ScreenSync::modalOver(const std::string& windowName) const {
    const WindowModel* model = app_.window(windowName);
    return !model || !model->visible || app_.program().ended;
}

}  // namespace trv::ui
