#pragma once

#include "ui/window_description.h"

namespace trv::ui {

// The main window: every control it places, at start-up state.
const WindowDescription& form1Description();

// frmHyperLnkMsg, the modal window shown when the user's folder cannot be
// written; after "Ok" the program ends.
const WindowDescription& hyperLinkMessageDescription();

// The user code dialogs that "Press for User Codes" opens; not modal.
const WindowDescription& architectureDialogDescription();      // frmArchitecture
const WindowDescription& legElevDialogDescription();           // frmLegElev
const WindowDescription& sectionsDialogDescription();          // frmSections
const WindowDescription& otherDisciplinesDialogDescription();  // frmOtherDiscip

// frmfacilprojcode, where a project manager creates an internal project
// code; not modal. Further fields lie below its opening size.
const WindowDescription& projectCodeDescription();
// The text size calculator frmTextScale and the delivery screen frmCopyRes; not modal.
const WindowDescription& textScaleDescription();
const WindowDescription& copyResourcesDescription();

}  // namespace trv::ui
