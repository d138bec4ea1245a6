#include "app/controls.h"

#include <stdexcept>

namespace trv {

void Control::setText(const std::string& text) {
    if (listIndex_ >= 0 && (listIndex_ >= static_cast<int>(items_.size()) || items_[listIndex_] != text))
        listIndex_ = -1;
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
}

void Control::setListIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        listIndex_ = -1;
        text_.clear();
        return;
    }
    listIndex_ = index;
    text_ = items_[index];
    if (onClick) onClick();
}

void Control::clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
}

void Control::setItems(std::vector<std::string> entries) {
    clear();
    items_ = std::move(entries);
}

Control& ControlSet::add(const std::string& name) {
    auto& slot = byName_[name];
    if (slot) throw std::logic_error("control " + name + " declared twice");
    slot = std::make_unique<Control>(name);
    order_.push_back(slot.get());
    return *slot;
}

Control* ControlSet::find(const std::string& name) {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second.get();
}

const Control* ControlSet::find(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second.get();
}

Control& ControlSet::operator[](const std::string& name) {
    if (Control* c = find(name)) return *c;
    throw std::logic_error("no control " + name);
}

void WindowModel::show() {
    if (!loaded) {
        loaded = true;
        if (onLoad) onLoad();
    }
    visible = true;
    if (onActivate) onActivate();
}

}  // namespace trv
