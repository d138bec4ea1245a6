#include "win32/interaction.h"

#include "platform/windows_shell.h"
#include "win32/renderer.h"
#include "win32/wide.h"

namespace trv::win32 {

namespace {

const wchar_t progressClass[] = L"TRVProgress";
constexpr int cancelId = 1;

}  // namespace

Win32Interaction::~Win32Interaction() { endProgress(); }

void Win32Interaction::message(const std::string& text) {
    ::MessageBoxW(renderer_ ? renderer_->owner() : nullptr, widen(text).c_str(), L"TRV", MB_OK);
}

void Win32Interaction::chooseProgramFor(const std::string& path) { showOpenWithChooser(path); }

void Win32Interaction::runModal(const std::string& windowName) {
    if (renderer_) renderer_->runModal(windowName);
}

LRESULT CALLBACK Win32Interaction::progressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Interaction*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Cancel, the close box and Esc only ask: the operation stops when it
    // next reports its progress, after the step it is on.
    if (self && (message == WM_CLOSE || (message == WM_COMMAND && (LOWORD(wParam) == cancelId ||
                                                                    LOWORD(wParam) == IDCANCEL)))) {
        self->askToCancel();
        return 0;
    }
    if (message == WM_SETCURSOR && self && !self->cancelled_) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
        return TRUE;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Interaction::askToCancel() {
    if (cancelled_) return;
    cancelled_ = true;
    ::EnableWindow(cancel_, FALSE);
    ::SetWindowTextW(count_, L"Stopping after the current file...");
}

void Win32Interaction::beginProgress(const std::string& title) {
    endProgress();
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Win32Interaction::progressProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = progressClass;
        ::RegisterClassExW(&wc);
        registered = true;
    }
    cancelled_ = false;
    lastShown_ = 0;
    HWND owner = renderer_ ? renderer_->owner() : nullptr;
    RECT client{0, 0, 480, 110};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    ::AdjustWindowRectEx(&client, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    RECT around{};
    if (owner) {
        ::GetWindowRect(owner, &around);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    progress_ = ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, progressClass, widen(title).c_str(), style,
                                  (around.left + around.right - width) / 2, (around.top + around.bottom - height) / 2,
                                  width, height, owner, nullptr, ::GetModuleHandleW(nullptr), this);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font_ = ::CreateFontIndirectW(&metrics.lfMessageFont);
    auto child = [this](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, progress_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                   nullptr);
        ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return c;
    };
    count_ = child(L"Static", L"Entries done: 0", SS_NOPREFIX, 12, 12, 456, 20, 0);
    current_ = child(L"Static", L"", SS_NOPREFIX | SS_PATHELLIPSIS, 12, 40, 456, 20, 0);
    cancel_ = child(L"Button", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, 380, 72, 88, 26, cancelId);
    // Application-modal: while events run between the operation's steps (to
    // repaint) no other window takes a click or a key.
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    ::ShowWindow(progress_, SW_SHOWNORMAL);
    ::UpdateWindow(progress_);
    previousCursor_ = ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
}

bool Win32Interaction::progress(int done, const std::string& current) {
    if (!progress_) return true;
    // Labels change at most every few hundredths of a second: a tree of
    // small files would otherwise spend its time drawing.
    const DWORD now = ::GetTickCount();
    if (lastShown_ == 0 || now - lastShown_ >= 40) {
        lastShown_ = now == 0 ? 1 : now;
        if (!cancelled_) ::SetWindowTextW(count_, (L"Entries done: " + std::to_wstring(done)).c_str());
        ::SetWindowTextW(current_, widen(current).c_str());
    }
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!::IsDialogMessageW(progress_, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return !cancelled_;
}

void Win32Interaction::endProgress() {
    if (!progress_) return;
    if (disabledOwner_) ::EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
    ::DestroyWindow(progress_);
    progress_ = nullptr;
    if (font_) ::DeleteObject(font_);
    font_ = nullptr;
    ::SetCursor(previousCursor_ ? previousCursor_ : ::LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace trv::win32
