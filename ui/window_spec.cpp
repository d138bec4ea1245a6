#include "ui/window_spec.h"

namespace trv::ui {

// Control names are matched exactly, as every other name in the program is.
const ControlSpec* WindowSpec::find(const std::string& controlName) const {
    for (const ControlSpec& control : controls) {
        if (control.name == controlName) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace trv::ui
