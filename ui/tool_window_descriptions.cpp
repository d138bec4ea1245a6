#include <string>
#include <utility>

#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {

namespace {

using K = ControlKind;


// The scales on the left; the size typed on the right of its label, the
// result on the right of the button. The controls are described in their
// tab order: list, size, result, button.
WindowDescription makeTextScale() {
    WindowDescription w;
    w.name = "frmTextScale";
    w.caption = "Text Size Calculator";  // the design sets none; the button's caption tells what it is
    w.clientWidth = 5850;
    w.clientHeight = 3600;
    w.border = BorderStyle::Sizable;
    w.font = layoutFont();
    // Two lines, so that the middle column has room for the button's caption on one.
    w.add(K::Label, "Label1", "Choose the final plotting Scale", {240, 240, 1560, 495});
    // Filled with the scales each time the window is loaded; none chosen.
    w.add(K::ListBox, "lstscales", "", {240, 780, 1560, 2580});
    w.add(K::Label, "Label2", "Enter the text size in mm", {1920, 300, 2520, 255});
    w.add(K::TextBox, "txttextsizein", "", {4560, 240, 1050, 375});
    w.add(K::ReadOnlyBox, "txttextsizeout", "", {4560, 900, 1050, 375});
    w.add(K::Button, "cmdtextcnv", "The text size to enter is :", {1920, 840, 2520, 495});
    return w;
}

// One large button; its caption names the delivery folder once the window is loaded.
WindowDescription makeCopyResources() {
    WindowDescription w;
    w.name = "frmCopyRes";
    w.caption = "Copy resources to a delivery folder";
    w.clientWidth = 4680;
    w.clientHeight = 3090;
    w.border = BorderStyle::Sizable;
    w.font = layoutFont();
    auto& button = w.add(K::Button, "cmdCopyresources", "Copy resources to klv2contractor Folder under ",
                       {352, 577, 3975, 1935});
    button.font = {"Arial", 12, false};
    return w;
}

}  // namespace

const WindowDescription& textScaleDescription() {
    static const WindowDescription desc = makeTextScale();
    return desc;
}

const WindowDescription& copyResourcesDescription() {
    static const WindowDescription desc = makeCopyResources();
    return desc;
}

}  // namespace trv::ui
