#include "win32/renderer.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <exception>

#include "app/controls.h"
#include "app/program.h"
#include "platform/text.h"
#include "win32/fonts.h"
#include "win32/logo.h"
#include "win32/wide.h"

namespace trv::win32 {

namespace {

using ui::ControlKind;
using ui::isDropDown;

const wchar_t windowClass[] = L"TRVWindow";
using ui::visibleListEntries;

HINSTANCE instance() { return ::GetModuleHandleW(nullptr); }

// Functions of later Windows versions are looked up, so that the program
// still starts on earlier ones (at the system's dpi there).
template <typename Function>
Function user32Function(const char* name) {
    const FARPROC found = ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

int dpiOf(HWND hwnd) {
    static const auto getDpiForWindow = user32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (hwnd && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(hwnd)) return static_cast<int>(dpi);
    }
    HDC dc = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    ::ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

SIZE outerSize(int clientWidth, int clientHeight, HWND hwnd, int dpi) {
    static const auto adjust =
        user32Function<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    if (adjust) {
        adjust(&r, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}

int scaled(int pixels96, int dpi) { return static_cast<int>(std::lround(pixels96 * dpi / 96.0)); }

bool shownStyle(HWND hwnd) { return (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

std::vector<std::string> entriesOf(HWND list, bool combo) {
    const auto count = ::SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    std::vector<std::string> entries;
    for (WPARAM i = 0; i < static_cast<WPARAM>(std::max<LRESULT>(count, 0)); ++i) {
        const auto length = ::SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        ::SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        entries.push_back(narrow(text));
    }
    return entries;
}

// The wheel turning over a closed list would choose another entry, and with
// it run the list's handler, while the user only meant to scroll.
LRESULT CALLBACK listWithoutWheel(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_MOUSEWHEEL && !::SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0)) return 0;
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

Renderer::Renderer(ui::Application& app)
    : app_(app),
      metrics_(std::make_unique<GdiTextMetrics>()),
      face_(::GetSysColorBrush(COLOR_BTNFACE)),
      sync_(app, *this) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Renderer::windowProc;
        wc.hInstance = instance();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = ::LoadIconW(instance(), MAKEINTRESOURCEW(1));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = windowClass;
        ::RegisterClassExW(&wc);
        registered = true;
    }
    const auto names = app_.windowNames();
    if (!names.empty()) build(names.front());
}

Renderer::~Renderer() {
    for (auto& [name, w] : windows_) {
        if (w->hwnd != main_) ::DestroyWindow(w->hwnd);
    }
    if (main_) ::DestroyWindow(main_);
    for (auto& [name, w] : windows_) {
        for (auto& r : w->controls) {
            if (r.font) ::DeleteObject(r.font);
        }
    }
}

HWND Renderer::window(const std::string& windowName) {
    Window* w = build(windowName);
    return w ? w->hwnd : nullptr;
}

HWND Renderer::control(const std::string& windowName, const std::string& controlName) {
    Window* w = build(windowName);
    const Rendered* r = w ? ui::renderedControl(*w, controlName) : nullptr;
    return r ? r->hwnd : nullptr;
}

int Renderer::dpi(const std::string& windowName) {
    Window* w = build(windowName);
    return w ? w->dpi : 96;
}

Renderer::Window* Renderer::windowOf(HWND hwnd) {
    for (auto& [name, w] : windows_) {
        if (w->hwnd == hwnd) return w.get();
    }
    return nullptr;
}

Renderer::Window* Renderer::build(const std::string& windowName) {
    if (const auto it = windows_.find(windowName); it != windows_.end()) return it->second.get();
    auto w = std::make_unique<Window>();
    if (!sync_.describe(windowName, *w)) return nullptr;
    const ui::WindowDescription* desc = w->desc;
    const bool fixed = desc->border == ui::BorderStyle::FixedDialog;
    const DWORD style = (fixed ? WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT | (fixed ? WS_EX_DLGMODALFRAME : 0);
    const std::string caption = ui::captionOf(*w->model, *desc);
    // The other windows belong to the main window: they stay above it and
    // have no button of their own on the task bar.
    w->hwnd = ::CreateWindowExW(exStyle, windowClass, widen(caption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr, instance(), this);
    if (!w->hwnd) return nullptr;
    if (!main_) main_ = w->hwnd;
    w->dpi = dpiOf(w->hwnd);
    const SIZE outer = outerSize(ui::pixels(desc->clientWidth, w->dpi), ui::pixels(desc->clientHeight, w->dpi),
                                 w->hwnd, w->dpi);
    ::SetWindowPos(w->hwnd, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    w->fonts = ui::fitFonts(*desc, *metrics_);
    w->controls.resize(desc->controls.size());
    Window* raw = w.get();
    windows_[windowName] = std::move(w);
    ++applying_;
    for (std::size_t i = 0; i < desc->controls.size(); ++i) makeControl(*raw, i);
    // A label fills its background; where it touches a box below it, the
    // box's frame stays on top. Labels take no focus, so the tab order (the
    // order of the other controls) is unchanged.
    for (const auto& r : raw->controls) {
        if (r.hwnd && r.desc->kind == ControlKind::Label)
            ::SetWindowPos(r.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    applyFonts(*raw);
    layout(*raw);
    --applying_;
    refreshWindow(*raw);
    return raw;
}

void Renderer::makeControl(Window& w, std::size_t index) {
    const ui::ControlDescription& c = w.desc->controls[index];
    Rendered& r = w.controls[index];
    r.desc = &c;
    r.model = w.model->controls.find(c.name);
    r.left = ui::pixels(c.place.left);
    r.width = ui::pixels(c.place.width);
    const ui::FontChoice& font = w.fonts.of(c.name);

    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    const wchar_t* cls = L"Static";
    switch (c.kind) {
        case ControlKind::Label:
            r.multiLine = ui::isMultiLine(c, font, *metrics_);
            style |= SS_NOPREFIX | SS_NOTIFY | (r.multiLine ? SS_LEFT : SS_LEFTNOWORDWRAP);
            break;
        case ControlKind::BannerBox:
        case ControlKind::Picture:
            style |= SS_OWNERDRAW;
            break;
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyBox: {
            cls = L"Edit";
            exStyle = WS_EX_CLIENTEDGE;
            style |= WS_TABSTOP;
            const bool readOnly = c.kind == ControlKind::ReadOnlyBox;
            r.multiLine = ui::isMultiLineBox(c, font, *metrics_);
            if (r.multiLine) {
                style |= ES_MULTILINE | ES_AUTOVSCROLL | (readOnly ? 0 : ES_WANTRETURN);
            } else {
                style |= ES_AUTOHSCROLL;
            }
            if (readOnly) style |= ES_READONLY;
            break;
        }
        case ControlKind::Button:
            cls = L"Button";
            // A long caption wraps onto a second line where the button is tall enough.
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
            break;
        case ControlKind::ComboBox:
        case ControlKind::PickList:
            cls = L"ComboBox";
            style |= WS_TABSTOP | WS_VSCROLL |
                     (c.kind == ControlKind::ComboBox ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
            break;
        case ControlKind::ListBox:
            cls = L"ListBox";
            exStyle = WS_EX_CLIENTEDGE;
            style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            break;
    }
    if (!r.model) {
        // A control without a model shows its design-time state and raises nothing.
        if (c.visible) style |= WS_VISIBLE;
    }
    const std::wstring caption = r.model ? std::wstring() : widen(c.caption);
    r.hwnd = ::CreateWindowExW(exStyle, cls, caption.c_str(), style, 0, 0, 0, 0, w.hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(index))), instance(), nullptr);
    if (!r.hwnd) return;
    if (isDropDown(c.kind)) {
        ::SendMessageW(r.hwnd, CB_SETMINVISIBLE, visibleListEntries, 0);
        ::SetWindowSubclass(r.hwnd, listWithoutWheel, 1, 0);
    }
    if (!c.tooltip.empty()) {
        if (!w.tooltip) {
            w.tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w.hwnd, nullptr,
                                          instance(), nullptr);
        }
        std::wstring tip = widen(c.tooltip);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = w.hwnd;
        info.uId = reinterpret_cast<UINT_PTR>(r.hwnd);
        info.lpszText = tip.data();
        ::SendMessageW(w.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void Renderer::applyFonts(Window& w) {
    for (auto& r : w.controls) {
        if (!r.hwnd) continue;
        HFONT old = r.font;
        r.font = createFont(w.fonts.of(r.desc->name), w.dpi, r.desc->link);
        ::SendMessageW(r.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(r.font), TRUE);
        if (old) ::DeleteObject(old);
    }
}

void Renderer::layout(Window& w) {
    for (auto& r : w.controls) {
        if (!r.hwnd) continue;
        const ui::Twips& t = r.desc->place;
        const int x = scaled(r.left, w.dpi);
        const int y = ui::pixels(t.top, w.dpi);
        const int width = scaled(r.width, w.dpi);
        const int height = ui::pixels(t.height, w.dpi);
        if (isDropDown(r.desc->kind)) {
            // A drop-down's height includes its open list. The closed box gets
            // the described height through the height of its selection field,
            // set until the box measures right: the border the box adds, and
            // what a set height gives, differ between systems.
            const auto item = ::SendMessageW(r.hwnd, CB_GETITEMHEIGHT, 0, 0);
            ::MoveWindow(r.hwnd, x, y, width, height + visibleListEntries * static_cast<int>(item) + 2, FALSE);
            LRESULT field = ::SendMessageW(r.hwnd, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
            for (int tries = 0; tries < 4 && field > 0; ++tries) {
                RECT closed{};
                ::GetWindowRect(r.hwnd, &closed);
                const int off = height - (closed.bottom - closed.top);
                if (off == 0 || field + off <= 0) break;
                field += off;
                ::SendMessageW(r.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
            }
        } else {
            ::MoveWindow(r.hwnd, x, y, width, height, FALSE);
        }
    }
    ::InvalidateRect(w.hwnd, nullptr, TRUE);
}

void Renderer::update(const std::string& windowName) {
    if (Window* w = build(windowName)) refreshWindow(*w);
}

void Renderer::refreshWindow(Window& w) {
    ++applying_;
    const std::string title = ui::captionOf(*w.model, *w.desc);
    if (windowText(w.hwnd) != title) setWindowText(w.hwnd, title);
    for (auto& r : w.controls) {
        if (r.model && r.hwnd) refreshControl(w, r);
    }
    flowSentences(w);
    --applying_;
}

void Renderer::refreshControl(Window& w, Rendered& r) {
    const ui::ControlView v = ui::viewOf(*r.model, r.desc->kind);
    HWND h = r.hwnd;
    switch (r.desc->kind) {
        case ControlKind::Label:
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyBox:
        case ControlKind::Button:
        case ControlKind::BannerBox:
        case ControlKind::Picture:
            if (windowText(h) != v.text) {
                setWindowText(h, v.text);
                if (r.desc->kind == ControlKind::BannerBox) ::InvalidateRect(h, nullptr, TRUE);
            }
            break;
        case ControlKind::ComboBox:
        case ControlKind::PickList: {
            if (entriesOf(h, true) != v.items) {
                ::SendMessageW(h, CB_RESETCONTENT, 0, 0);
                double widest = 0;
                for (const auto& item : v.items) {
                    ::SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
                    widest = std::max(widest, metrics_->advance(w.fonts.of(r.desc->name), item));
                }
                // The open list is as wide as its longest entry, like the
                // windows' lists of long sheet-type names.
                ::SendMessageW(
                    h, CB_SETDROPPEDWIDTH,
                    static_cast<WPARAM>(scaled(ui::dropDownWidth(static_cast<int>(widest)), w.dpi)), 0);
            }
            if (::SendMessageW(h, CB_GETCURSEL, 0, 0) != v.listIndex)
                ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(v.listIndex), 0);
            if (r.desc->kind == ControlKind::ComboBox) {
                if (windowText(h) != v.text) setWindowText(h, v.text);
            } else if (r.cue != v.cue) {
                r.cue = v.cue;
                ::SendMessageW(h, CB_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(widen(v.cue).c_str()));
            }
            break;
        }
        case ControlKind::ListBox:
            if (entriesOf(h, false) != v.items) {
                ::SendMessageW(h, LB_RESETCONTENT, 0, 0);
                for (const auto& item : v.items)
                    ::SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
            }
            if (::SendMessageW(h, LB_GETCURSEL, 0, 0) != v.listIndex)
                ::SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(v.listIndex), 0);
            break;
    }
    if ((::IsWindowEnabled(h) != FALSE) != v.enabled) ::EnableWindow(h, v.enabled ? TRUE : FALSE);
    if (shownStyle(h) != v.visible) ::ShowWindow(h, v.visible ? SW_SHOWNA : SW_HIDE);
    if (r.takeFocus()) {
        // A window not on show yet takes the focus when it shows.
        if (::IsWindowVisible(w.hwnd)) {
            ::SetFocus(h);
        } else {
            r.focusApplied = false;
        }
    }
}

void Renderer::flowSentences(Window& w) {
    std::vector<Rendered*> labels;
    std::vector<ui::SentencePart> parts;
    for (auto& r : w.controls) {
        if (!r.hwnd || r.desc->kind != ControlKind::Label || r.multiLine) continue;
        labels.push_back(&r);
        parts.push_back({r.desc, windowText(r.hwnd), w.fonts.of(r.desc->name), r.left, r.width});
    }
    // A label fills its background: the labels of one sentence must not cover each other.
    const std::vector<ui::SentencePlace> place = ui::flowSentences(parts, *metrics_);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        Rendered& r = *labels[i];
        if (r.left == place[i].left && r.width == place[i].width) continue;
        r.left = place[i].left;
        r.width = place[i].width;
        ::SetWindowPos(r.hwnd, nullptr, scaled(r.left, w.dpi), ui::pixels(r.desc->place.top, w.dpi),
                       scaled(r.width, w.dpi), ui::pixels(r.desc->place.height, w.dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool Renderer::onScreen(const std::string& windowName) {
    return ::IsWindowVisible(windows_.at(windowName)->hwnd) != FALSE;
}

void Renderer::show(const std::string& windowName) {
    Window& w = *windows_.at(windowName);
    placeOnScreen(w);
    ::ShowWindow(w.hwnd, SW_SHOWNORMAL);
    ::SetWindowPos(w.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(w.hwnd);
    ::SetActiveWindow(w.hwnd);
    // The focus a handler gave before the window showed.
    for (auto& r : w.controls) {
        if (r.takeFocus()) ::SetFocus(r.hwnd);
    }
}

void Renderer::hide(const std::string& windowName) { ::ShowWindow(windows_.at(windowName)->hwnd, SW_HIDE); }

void Renderer::ended(bool first) {
    for (auto& [name, w] : windows_) ::ShowWindow(w->hwnd, SW_HIDE);
    if (first) ::PostQuitMessage(0);
}

void Renderer::unhandled(const std::string& what) {
    ::OutputDebugStringW((L"TRV: unhandled error in an event handler: " + widen(what) + L"\n").c_str());
}

void Renderer::placeOnScreen(Window& w) {
    if (w.placed) return;
    w.placed = true;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(main_ ? main_ : w.hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT owner = monitor.rcWork;
    if (w.hwnd != main_ && main_ && ::IsWindowVisible(main_)) ::GetWindowRect(main_, &owner);
    RECT own{};
    ::GetWindowRect(w.hwnd, &own);
    auto rect = [](const RECT& r) { return ui::ScreenRect{r.left, r.top, r.right, r.bottom}; };
    const ui::ScreenPoint corner =
        ui::centredOver(rect(owner), own.right - own.left, own.bottom - own.top, rect(monitor.rcWork));
    ::SetWindowPos(w.hwnd, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Renderer::command(Window& w, int id, int code) {
    if (applying_ > 0 || id < firstControlId) return;
    const auto index = static_cast<std::size_t>(id - firstControlId);
    if (index >= w.controls.size()) return;
    Rendered& r = w.controls[index];
    Control* m = r.model;
    if (!m) return;
    HWND h = r.hwnd;
    auto click = [this, m] {
        dispatch([m] {
            if (m->enabled) m->click();
        });
    };
    auto typed = [this, m, h] {
        const std::string text = windowText(h);
        dispatch([m, text] { m->setText(text); });
    };
    switch (r.desc->kind) {
        case ControlKind::Button:
            if (code == BN_CLICKED) click();
            break;
        case ControlKind::Label:
            if (code == STN_CLICKED) click();
            break;
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyBox:
            if (code == EN_CHANGE) typed();
            break;
        case ControlKind::ComboBox:
        case ControlKind::PickList:
            if (code == CBN_SELCHANGE) {
                const int chosen = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
                dispatch([m, chosen] { m->setListIndex(chosen); });
            } else if (code == CBN_EDITCHANGE) {
                typed();
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                const int chosen = static_cast<int>(::SendMessageW(h, LB_GETCURSEL, 0, 0));
                dispatch([m, chosen] { m->setListIndex(chosen); });
            }
            break;
        default:
            break;
    }
}

void Renderer::noteFocus() {
    HWND focus = ::GetFocus();
    if (focus == lastFocus_) return;
    lastFocus_ = focus;
    // Which control now has the focus, as the window's model should know
    // it (the edit part of a drop-down is the drop-down's).
    for (HWND h = focus; h; h = ::GetParent(h)) {
        if (ui::focusMoved(windows_, [h](const Rendered& r) { return r.hwnd == h; })) return;
        if (windowOf(h)) return;
    }
}

bool Renderer::drawItem(Window& w, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_STATIC) return false;
    const auto index = static_cast<std::size_t>(static_cast<int>(item.CtlID) - firstControlId);
    if (index >= w.controls.size()) return false;
    const Rendered& r = w.controls[index];
    RECT area = item.rcItem;
    ::FillRect(item.hDC, &area, face_);
    if (r.desc->kind == ControlKind::Picture) {
        drawLogo(item.hDC, area);
        return true;
    }
    // A banner: centred, its blanks around it kept in its text but not
    // shifting it off the centre.
    const std::wstring text = widen(trimBlanks(windowText(r.hwnd)));
    HGDIOBJ old = ::SelectObject(item.hDC, r.font);
    ::SetBkMode(item.hDC, TRANSPARENT);
    constexpr ui::Colour banner = ui::bannerColour;
    ::SetTextColor(item.hDC, ::IsWindowEnabled(r.hwnd) ? RGB(banner.red, banner.green, banner.blue)
                                                       : ::GetSysColor(COLOR_GRAYTEXT));
    area.left += 2;
    area.right -= 2;
    ::DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(item.hDC, old);
    return true;
}

LRESULT CALLBACK Renderer::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Renderer*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    Window* w = self ? self->windowOf(hwnd) : nullptr;
    if (!w) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(*w, message, wParam, lParam);
}

LRESULT Renderer::handle(Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) command(w, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE: {
            // The close box is an event of the window's model: the window
            // itself never closes, the renderer hides it when the model says so.
            const std::string name = w.model->name;
            dispatch([this, name] { app_.close(name); });
            return 0;
        }
        case WM_DRAWITEM:
            if (drawItem(w, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLORSTATIC: {
            // Labels on the window's face; a link in the highlight colour.
            // Read-only boxes keep the system's colours.
            const HWND from = reinterpret_cast<HWND>(lParam);
            for (const auto& r : w.controls) {
                if (r.hwnd != from || r.desc->kind != ControlKind::Label) continue;
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, ::GetSysColor(r.desc->link ? COLOR_HIGHLIGHT : COLOR_WINDOWTEXT));
                ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(face_);
            }
            break;
        }
        case WM_SETCURSOR: {
            const HWND over = reinterpret_cast<HWND>(wParam);
            for (const auto& r : w.controls) {
                if (r.hwnd == over && r.desc->link && LOWORD(lParam) == HTCLIENT) {
                    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        }
        case WM_DPICHANGED: {
            // Moved to a screen of another dpi: the same layout at its scale.
            w.dpi = HIWORD(wParam);
            ++applying_;
            applyFonts(w);
            layout(w);
            --applying_;
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(w.hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                           suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(w.hwnd, message, wParam, lParam);
}

void Renderer::runModal(const std::string& windowName) {
    Window* w = build(windowName);
    if (!w) return;
    refresh();
    if (sync_.modalOver(windowName)) return;
    // The other windows take no input meanwhile.
    std::vector<HWND> disabled;
    for (auto& [name, other] : windows_) {
        if (other->hwnd != w->hwnd && ::IsWindowEnabled(other->hwnd)) {
            ::EnableWindow(other->hwnd, FALSE);
            disabled.push_back(other->hwnd);
        }
    }
    modalWindows_.push_back(windowName);
    MSG msg{};
    while (!sync_.modalOver(windowName)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HWND active = ::GetActiveWindow();
        if (!active || !::IsDialogMessageW(active, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        noteFocus();
    }
    modalWindows_.pop_back();
    for (HWND h : disabled) ::EnableWindow(h, TRUE);
    refresh();
}

int Renderer::run() {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND active = ::GetActiveWindow();
        if (!active || !::IsDialogMessageW(active, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        noteFocus();
    }
    return static_cast<int>(msg.wParam);
}

HWND Renderer::owner() const {
    HWND active = ::GetActiveWindow();
    for (const auto& [name, w] : windows_) {
        if (w->hwnd == active && ::IsWindowVisible(active)) return active;
    }
    return main_ && ::IsWindowVisible(main_) ? main_ : nullptr;
}

}  // namespace trv::win32
