#pragma once

#include <map>
#include <string>

#include "app/hyperlink_window.h"
#include "app/main_window_state.h"
#include "app/office_paths.h"
#include "app/settings.h"
#include "platform/platform.h"

namespace trv {

// One running program: the settings, the main window and the other windows,
// and the platform they all use.
struct Program {
    Program(Platform& p, UserInteraction& u);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& platform;
    UserInteraction& ui;
    AppSettings settings;
    MainWindowState form1;
    HyperLinkWindow hyperlnk;
    OfficePaths paths{settings};

    // Every window of the program by name, for unloading at exit and for the
    // front ends. Subsystems add the windows they own.
    std::map<std::string, WindowModel*> windows;
    void addWindow(WindowModel& window) { windows[window.name] = &window; }

    // Set when the program has ended; the front end then closes.
    bool ended = false;

    void loadSettings() { LoadSettings(platform, ui, settings); }
    // Ends the program: every other window is unloaded, then the main window.
    // Closing the main window, its Cancel button and the path-problem window
    // all end it this way.
    void end();
    void message(const std::string& text) { ui.message(text); }
};

// Shows the path-problem window modally; when the user has closed it the
// program ends.
void showPathProblemAndEnd(Program& p, const std::string& linkPath, const std::string& messageText);

}  // namespace trv
