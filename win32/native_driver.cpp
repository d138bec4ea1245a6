#include "win32/native_driver.h"

#include "app/controls.h"
#include "win32/renderer.h"
#include "win32/wide.h"

namespace trv::win32 {

namespace {

using ui::ControlKind;

// A notification as the control sends it to its window.
void notify(HWND control, int code) {
    const int id = ::GetDlgCtrlID(control);
    ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

// The edit box inside a drop-down that takes typing.
HWND editOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

HWND NativeDriver::prepare(const cli::ScriptControl& c) {
    renderer_.refresh();
    return renderer_.control(c.window, c.name);
}

void NativeDriver::click(const cli::ScriptControl& c) {
    HWND h = prepare(c);
    if (h && c.kind == ControlKind::Button) {
        // A button takes a click in the active window.
        ::SetActiveWindow(::GetAncestor(h, GA_ROOT));
        ::SendMessageW(h, BM_CLICK, 0, 0);
    } else if (h && c.kind == ControlKind::Label) {
        notify(h, STN_CLICKED);
    } else {
        // No other control has a click of its own on screen; its click event
        // is raised as code raises it.
        Control& model = c.model;
        renderer_.dispatch([&model] {
            if (model.enabled) model.click();
        });
    }
}

void NativeDriver::choose(const cli::ScriptControl& c, int index) {
    HWND h = prepare(c);
    if (!h) return;
    if (c.kind == ControlKind::ListBox) {
        ::SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(h, LBN_SELCHANGE);
    } else {
        ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notify(h, CBN_SELCHANGE);
    }
}

void NativeDriver::typeCharacter(const cli::ScriptControl& c, const std::string& character) {
    HWND h = prepare(c);
    if (!h) return;
    const bool dropDown = c.kind == ControlKind::ComboBox;
    HWND box = dropDown ? editOf(h) : h;
    if (!box) return;
    const int end = ::GetWindowTextLengthW(box);
    ::SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(end), end);
    ::SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(widen(character).c_str()));
    notify(h, dropDown ? CBN_EDITCHANGE : EN_CHANGE);
}

void NativeDriver::setText(const cli::ScriptControl& c, const std::string& text) {
    HWND h = prepare(c);
    const bool box = c.kind == ControlKind::TextBox || c.kind == ControlKind::ReadOnlyBox;
    if (h && (box || c.kind == ControlKind::ComboBox)) {
        setWindowText(h, text);
        notify(h, box ? EN_CHANGE : CBN_EDITCHANGE);
        return;
    }
    // Labels, buttons and lists that take no typing have no text of their
    // own to set on screen: code sets it on the model.
    Control& model = c.model;
    renderer_.dispatch([&model, text] { model.setText(text); });
}

void NativeDriver::close(const std::string& windowName) {
    renderer_.refresh();
    if (HWND h = renderer_.window(windowName)) ::SendMessageW(h, WM_CLOSE, 0, 0);
}

}  // namespace trv::win32
