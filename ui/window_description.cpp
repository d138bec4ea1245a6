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

}  // namespace trv::ui
