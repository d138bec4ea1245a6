#pragma once

#include <memory>
#include <string>

#include "platform/native_platform.h"

class QMessageBox;
class QWidget;
#include "platform/user_interaction.h"

namespace trv::gui {

class Renderer;
class ProgressWindow;

// What a person sees and answers in the Qt front end: message boxes, the
// chooser of programs and modal windows. Programs chosen in the chooser are
// started through the operating system's port.
class GuiInteraction : public UserInteraction {
public:
    explicit GuiInteraction(NativePlatform& platform);

    // Modal windows need the renderer; it is made after the interaction.
    void setRenderer(Renderer* renderer) { renderer_ = renderer; }
    // A message box: OK only, no icon, title "TRV".
    void message(const std::string& text) override;
    // The installed applications for the file's type, or any program file.
    void chooseProgramFor(const std::string& path) override;
    // Blocks, with the windows live, until the window is no longer on show.
    void runModal(const std::string& windowName) override;

    // A long operation: the busy pointer and a progress window with Cancel.
    // The window is application-modal, so while events run between the
    // operation's steps (to repaint) no other window takes a click or a key.
    void beginProgress(const std::string& title) override;
    // Shows the count and the step at hand; false once Cancel was pressed.
    bool progress(int done, const std::string& current) override;
    void endProgress() override;
    // The progress window while a long operation runs; nullptr otherwise.
    QWidget* progressWindow() const;

    GuiInteraction(const GuiInteraction&) = delete;
    GuiInteraction& operator=(const GuiInteraction&) = delete;
    ~GuiInteraction() override;

private:
    NativePlatform& platform_;
    Renderer* renderer_ = nullptr;
    std::unique_ptr<ProgressWindow> progress_;
};

// A message box as TRV shows it: OK only, no icon, the title "TRV", over the
// window in front.
std::unique_ptr<QMessageBox> messageBox(const std::string& text);

}  // namespace trv::gui
