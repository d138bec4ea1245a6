#pragma once

#include <functional>
#include <map>
#include <string>

#include "app/program.h"
#include "delivery/copy_resources.h"
#include "naming/user_code_dialogs.h"
#include "projects/project_creation_window.h"
#include "tools/text_scale.h"
#include "ui/window_description.h"

namespace trv::ui {

enum class ControlEvent { Click, Change };

// One control event and the handler it calls: the wiring of the program, one
// row per event. `handler` is the handler's name as its function is spelled.
struct EventBinding {
    std::string window;
    std::string control;
    ControlEvent event;
    std::string handler;
    std::function<void()> call;
};

// The whole program put together: the windows of every subsystem, their
// descriptions, and each control's events wired to its handler. Both front
// ends (the GUI and trv-cli) run one of these.
class Application {
public:
    Application(Platform& platform, UserInteraction& ui);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Program& program() { return program_; }
    UserCodeDialogs& dialogs() { return dialogs_; }

    // Loads the main window: its design-time state, then the start-up sequence.
    void start();

    WindowModel* window(const std::string& name);
    const WindowDescription* desc(const std::string& windowName) const;
    // The close box of a window: closing the main window ends the program,
    // any other window is unloaded.
    void close(const std::string& windowName);

    // The windows in a stable order, the main window first.
    std::vector<std::string> windowNames() const;
    // Every control event the program handles, as wired.
    const std::vector<EventBinding>& events() const { return events_; }

private:
    void addWindow(WindowModel& window, const WindowDescription& desc);
    // Wires the control events of the table, and the windows' own events
    // (loading, activation).
    void wireEvents();
    void wireWindowEvents();

    Program program_;
    UserCodeDialogs dialogs_;
    ProjectCodeWindow projectCode_;
    TextScaleWindow textScale_;
    CopyResourcesWindow copyResources_;
    std::map<std::string, const WindowDescription*> descriptions_;
    std::vector<std::string> order_;
    std::vector<EventBinding> events_;
};

// Gives a window's controls their design-time captions, entries and visibility.
void loadDesign(const WindowDescription& desc, WindowModel& window);

}  // namespace trv::ui
