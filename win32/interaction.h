#pragma once

#include <windows.h>

#include <string>

#include "platform/user_interaction.h"

namespace trv::win32 {

class Renderer;

// What a person sees and answers in the Windows front end: message boxes,
// the shell's "Open with" chooser, modal windows and the progress window.
class Win32Interaction : public UserInteraction {
public:
    Win32Interaction() = default;
    ~Win32Interaction() override;
    Win32Interaction(const Win32Interaction&) = delete;
    Win32Interaction& operator=(const Win32Interaction&) = delete;

    // Modal windows need the renderer; it is made after the interaction.
    void setRenderer(Renderer* renderer) { renderer_ = renderer; }
    // A message box: OK only, no icon, title "TRV".
    void message(const std::string& text) override;
    void chooseProgramFor(const std::string& path) override;
    // Returns, with the windows live, once the window is no longer on show.
    void runModal(const std::string& windowName) override;

    // A long operation: the busy pointer and a progress window with Cancel,
    // which keeps every other window from taking input meanwhile.
    void beginProgress(const std::string& title) override;
    bool progress(int done, const std::string& current) override;
    void endProgress() override;

private:
    static LRESULT CALLBACK progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void askToCancel();

    Renderer* renderer_ = nullptr;
    HWND progress_ = nullptr;
    HWND count_ = nullptr;
    HWND current_ = nullptr;
    HWND cancel_ = nullptr;
    HWND disabledOwner_ = nullptr;
    HFONT font_ = nullptr;
    HCURSOR previousCursor_ = nullptr;
    DWORD lastShown_ = 0;
    bool cancelled_ = false;
};

}  // namespace trv::win32
