#include "app/main_window_state.h"

namespace trv {

void MainWindowState::dropComposedNames() {
    txtModelname.setText("");
    txtSheetname.setText("");
    userCode.clear();
}

void MainWindowState::showProject(const Project& shown) {
    txtprojname.setText(shown.name);
    txtprojfacilcode.setText(shown.internalCode);
}

void MainWindowState::showCurrentProject(const Project& shown, const std::string& code) {
    showProject(shown);
    txtcurrentproj.setText(code);
}

void MainWindowState::showSheetName(const std::string& name) {
    sheetName = name;
    txtSheetname.setText(name);
}

bool MainWindowState::requireProject(Control& choice, UserInteraction& ui) {
    if (!txtcurrentproj.text().empty()) return true;
    choice.setText("");
    ui.message("Please, select project code first.");
    return false;
}

}  // namespace trv
