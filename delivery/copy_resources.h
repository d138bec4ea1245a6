#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/outcome.h"
#include "delivery/folder_copy.h"

namespace trv {

struct Program;
class OfficePaths;

// frmCopyRes: one large button that copies the resources, the CAD
// standards and the program into the delivery tree "klv2contractor".
struct CopyResourcesWindow : WindowModel {
    CopyResourcesWindow() : WindowModel("frmCopyRes") {}
    Control& cmdCopyresources = controls.add("cmdCopyresources");
};

// What a delivery did.
struct Delivery {
    // Entries listed in the five folder trees (the single files do not count).
    int copied = 0;
    // Source files that exist but could not be copied, and source folders
    // that could not be listed, as the user reads paths.
    std::vector<std::string> failed;
    bool cancelled = false;
};

// Makes the delivery tree under the delivery folder and copies the plan into
// it: the five folder trees, counted, then the three single files; its
// messages say how many were copied, which failed and whether it was
// cancelled. Refused (nothing created or copied) when the delivery folder
// cannot be reached, or when a folder of the delivery tree and a folder it
// copies lie one inside the other.
Outcome<Delivery> copyResourcesToDelivery(Platform& platform, const OfficePaths& paths, const CopyProgress& progress);

// The main window's "Copy resources " button shows the screen, not modally.
void cmdCopyres_Click(CopyResourcesWindow& w);
// The screen is loaded: the button names the delivery folder.
void frmCopyRes_Form_Load(Program& p, CopyResourcesWindow& w);
// The delivery, with the busy pointer and the progress of the front end.
void cmdCopyresources_Click(Program& p, CopyResourcesWindow& w);

}  // namespace trv
