#pragma once

#include <functional>
#include <map>
#include <string>

#include "app/hyperlink_window.h"
#include "app/main_window_state.h"
#include "app/office_paths.h"
#include "app/settings.h"
#include "platform/platform.h"

namespace trv {

// Procedures of the subsystems above this layer that the start-up sequence
// and the saved-choice readers call. The program's assembly connects them;
// one left unconnected does nothing.
struct Procedures {
    std::function<void()> FillProjectList;
    std::function<void()> fillCodeLists;         // the four small code lists
    std::function<void()> fillDisciplineList;    // the seventeen disciplines
    std::function<void()> fillSheetTypeList;     // the ten sheet types
    std::function<void()> disciplinecode1;       // discipline code from the list's text
};

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
    Procedures procs;
    OfficePaths paths{settings};

    // Every window of the program by name, for unloading at exit and for the
    // front ends. Subsystems add the windows they own.
    std::map<std::string, WindowModel*> windows;
    void addWindow(WindowModel& window) { windows[window.name] = &window; }

    // Set when the program has ended; the front end then closes.
    bool ended = false;

    void loadSettings() { LoadSettings(platform, ui, settings); }
    void message(const std::string& text) { ui.message(text); }
};

}  // namespace trv
