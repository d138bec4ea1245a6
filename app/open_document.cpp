#include "app/open_document.h"

#include <exception>

namespace trv {

void openWithChooser(UserInteraction& ui, const std::string& strFilePathToOpen) {
    try {
        ui.chooseProgramFor(strFilePathToOpen);
    } catch (const std::exception&) {
        ui.message("Unknown error opening file !!!");
    }
}

void openDocumentOrChooser(Platform& platform, UserInteraction& ui, const std::string& path,
                           const std::string& failureText) {
    const int result = platform.openDocument(path);
    if (result == shellNoAssociation) {
        openWithChooser(ui, path);
    } else if (result < shellHandedOver) {
        ui.message(failureText + std::to_string(result) + ")");
    }
}

}  // namespace trv
