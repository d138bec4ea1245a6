#include "app/hyperlink_window.h"

#include "app/settings.h"
#include "platform/platform.h"

namespace trv {

HyperLinkWindow::HyperLinkWindow() : WindowModel("frmHyperLnkMsg") {}

void frmHyperLnkMsg_Form_Activate(HyperLinkWindow& w) { w.Label4.setText(w.MessageText); }

void openDocumentOrChooser(Platform& platform, const std::string& path) {
    const int result = platform.openDocument(path);
    if (result == shellNoAssociation) {
        openWithChooser(platform, path);
    } else if (result < shellHandedOver) {
        platform.message("Unknown error during ShellExecute(" + std::to_string(result) + ")");
    }
}

void frmHyperLnkMsg_Label1_Click(HyperLinkWindow& w, Platform& platform) {
    if (!platform.fileExists(w.LinkPath)) {
        platform.message("Can not find file " + platform.displayPath(w.LinkPath));
        return;
    }
    openDocumentOrChooser(platform, w.LinkPath);
}

void frmHyperLnkMsg_Command1_Click(HyperLinkWindow& w) { w.unload(); }

}  // namespace trv
