#pragma once

#include <string>

#include "platform/native_platform.h"

namespace trv::gui {

class Renderer;

// The platform as the Qt front end runs it: the operating system's files and
// shell, with Qt message boxes, the chooser of programs and modal windows.
class GuiPlatform : public NativePlatform {
public:
    // Modal windows need the renderer; it is made after the platform.
    void setRenderer(Renderer* renderer) { renderer_ = renderer; }

    // A message box: OK only, no icon, title "TRV".
    void message(const std::string& text) override;
    // The installed applications for the file's type, or any program file.
    void chooseProgramFor(const std::string& path) override;
    // Blocks, with the windows live, until the window is no longer on show.
    void runModal(const std::string& windowName) override;

private:
    Renderer* renderer_ = nullptr;
};

}  // namespace trv::gui
