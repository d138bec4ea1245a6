#include "ui/screen_sync.h"

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

ScreenSync::ScreenSync(Application& app) : app_(app) {
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

bool ScreenSync::needsWidgets(const std::string& windowName, bool built) const {
    const WindowModel* model = app_.window(windowName);
    return model && (built || model->visible);
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

bool ScreenSync::announceEnd() {
    if (!app_.program().ended || endAnnounced_) return false;
    endAnnounced_ = true;
    return true;
}

}  // namespace trv::ui
