#include "app/program.h"

namespace trv {

Program::Program(Platform& p, UserInteraction& u) : platform(p), ui(u) {
    addWindow(form1);
    addWindow(hyperlnk);
}

void Program::end() {
    for (auto& [name, window] : windows) {
        if (window != &form1) window->unload();
    }
    form1.unload();
    ended = true;
}

void showPathProblemAndEnd(Program& p, const std::string& linkPath, const std::string& messageText) {
    p.hyperlnk.LinkPath = linkPath;
    p.hyperlnk.MessageText = messageText;
    p.hyperlnk.show();
    p.ui.runModal(p.hyperlnk.name);
    p.hyperlnk.unload();
    p.end();
}

}  // namespace trv
