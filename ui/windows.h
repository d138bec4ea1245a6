#pragma once

#include "ui/window_spec.h"

namespace trv::ui {

// The main window: every control it places, at start-up state.
const WindowSpec& form1Spec();

// frmHyperLnkMsg, the modal window shown when the user's folder cannot be
// written; after "Ok" the program ends.
const WindowSpec& hyperLinkMessageSpec();

}  // namespace trv::ui
