#pragma once

#include <string>

#include "platform/native_platform.h"
#include "platform/user_interaction.h"

namespace trv::gui {

class Renderer;

// What a person sees and answers in the Qt front end: message boxes, the
// chooser of programs and modal windows. Programs chosen in the chooser are
// started through the operating system's port.
class GuiInteraction : public UserInteraction {
public:
    explicit GuiInteraction(NativePlatform& platform) : platform_(platform) {}

    // Modal windows need the renderer; it is made after the interaction.
    void setRenderer(Renderer* renderer) { renderer_ = renderer; }
    // A message box: OK only, no icon, title "TRV".
    void message(const std::string& text) override;
    // The installed applications for the file's type, or any program file.
    void chooseProgramFor(const std::string& path) override;
    // Blocks, with the windows live, until the window is no longer on show.
    void runModal(const std::string& windowName) override;

private:
    NativePlatform& platform_;
    Renderer* renderer_ = nullptr;
};

}  // namespace trv::gui
