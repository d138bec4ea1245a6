#pragma once

#include <windows.h>

#include "cli/player.h"

namespace trv::win32 {

class Renderer;

// The script player's actions as Windows messages to the native controls,
// which answer them as they answer the user: a click is BM_CLICK (a label's
// click its STN_CLICKED), a choice the list's selection and its
// CBN_SELCHANGE / LBN_SELCHANGE, typing EM_REPLACESEL and a replaced text
// WM_SETTEXT, each with its EN_CHANGE (CBN_EDITCHANGE in a drop-down).
// The renderer then runs the handlers and refreshes as for any user event.
class NativeDriver : public cli::ControlDriver {
public:
    explicit NativeDriver(Renderer& renderer) : renderer_(renderer) {}

    void click(const cli::ScriptControl& c) override;
    void choose(const cli::ScriptControl& c, int index) override;
    void typeCharacter(const cli::ScriptControl& c, const std::string& character) override;
    void setText(const cli::ScriptControl& c, const std::string& text) override;
    void close(const std::string& windowName) override;

private:
    // The control on screen as the models stand now.
    HWND prepare(const cli::ScriptControl& c);

    Renderer& renderer_;
};

}  // namespace trv::win32
