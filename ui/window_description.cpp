#include "ui/window_description.h"

namespace trv::ui {

// Control names are matched exactly, as every other name in the program is.
const ControlDescription* WindowDescription::find(const std::string& controlName) const {
    for (const ControlDescription& control : controls) {
        if (control.name == controlName) {
            return &control;
        }
    }
    return nullptr;
}

ControlDescription& WindowDescription::add(ControlKind kind, std::string controlName, std::string caption,
                                           Twips place) {
    ControlDescription c;
    c.name = std::move(controlName);
    c.kind = kind;
    c.caption = std::move(caption);
    c.place = place;
    controls.push_back(std::move(c));
    return controls.back();
}

}  // namespace trv::ui
