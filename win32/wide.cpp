#include "win32/wide.h"

namespace trv::win32 {

std::string windowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return narrow(text);
}

void setWindowText(HWND hwnd, const std::string& text) { ::SetWindowTextW(hwnd, widen(text).c_str()); }

}  // namespace trv::win32
