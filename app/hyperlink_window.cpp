#include "app/hyperlink_window.h"

#include "app/open_document.h"

namespace trv {

HyperLinkWindow::HyperLinkWindow() : WindowModel("frmHyperLnkMsg") {}

void frmHyperLnkMsg_Form_Activate(HyperLinkWindow& w) { w.Label4.setText(w.MessageText); }

void frmHyperLnkMsg_Label1_Click(HyperLinkWindow& w, Platform& platform, UserInteraction& ui) {
    if (!platform.fileExists(w.LinkPath)) {
        ui.message("Can not find file " + platform.displayPath(w.LinkPath));
        return;
    }
    openDocumentOrChooser(platform, ui, w.LinkPath, "Unknown error during ShellExecute(");
}

void frmHyperLnkMsg_Command1_Click(HyperLinkWindow& w) { w.unload(); }

}  // namespace trv
