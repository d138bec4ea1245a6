#pragma once

#include "ui/window_spec.h"

namespace trv::ui {

// The main window: every control it places, at start-up state.
const WindowSpec& form1Spec();

// frmHyperLnkMsg, the modal window shown when the user's folder cannot be
// written; after "Ok" the program ends.
const WindowSpec& hyperLinkMessageSpec();

// The user code dialogs that "Press for User Codes" opens; not modal.
const WindowSpec& architectureDialogSpec();      // frmArchitecture
const WindowSpec& legElevDialogSpec();           // frmLegElev
const WindowSpec& sectionsDialogSpec();          // frmSections
const WindowSpec& otherDisciplinesDialogSpec();  // frmOtherDiscip

}  // namespace trv::ui
