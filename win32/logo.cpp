#include "win32/logo.h"

#include <algorithm>
#include <cmath>

#include "win32/resources.h"

namespace trv::win32 {

void drawLogo(HDC dc, const RECT& area) {
    // The bitmap is data/logo.svg drawn at build time at twice the size of
    // the main window's picture at 96 dpi, so that it stays sharp on larger
    // screens too.
    static const HBITMAP logo = static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP bitmap{};
    if (!logo || !::GetObjectW(logo, sizeof bitmap, &bitmap) || bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0) return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const double scale = std::min(double(width) / bitmap.bmWidth, double(height) / bitmap.bmHeight);
    const int w = static_cast<int>(std::lround(bitmap.bmWidth * scale));
    const int h = static_cast<int>(std::lround(bitmap.bmHeight * scale));
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, logo);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, area.left + (width - w) / 2, area.top + (height - h) / 2, w, h, source, 0, 0, bitmap.bmWidth,
                 bitmap.bmHeight, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

}  // namespace trv::win32
