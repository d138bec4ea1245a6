#include "win32/fonts.h"

#include <cmath>

#include "win32/wide.h"

namespace trv::win32 {

namespace {

LOGFONTW logFont(const ui::FontChoice& c, int dpi, bool underline) {
    LOGFONTW lf{};
    // A negative height asks for the character height without the leading,
    // as a pixel size does elsewhere.
    lf.lfHeight = -static_cast<LONG>(std::lround(c.pixelSize * dpi / 96.0));
    lf.lfWeight = c.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = widen(c.family).substr(0, LF_FACESIZE - 1);
    face.copy(lf.lfFaceName, face.size());
    return lf;
}

int CALLBACK foundFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

HFONT createFont(const ui::FontChoice& choice, int dpi, bool underline) {
    LOGFONTW lf = logFont(choice, dpi, underline);
    if (choice.stretch != 100) {
        // GDI narrows a face by its average character width.
        HFONT normal = ::CreateFontIndirectW(&lf);
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, normal);
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        ::DeleteObject(normal);
        lf.lfWidth = std::lround(tm.tmAveCharWidth * choice.stretch / 100.0);
    }
    return ::CreateFontIndirectW(&lf);
}

GdiTextMetrics::GdiTextMetrics() : dc_(::CreateCompatibleDC(nullptr)), original_(::GetCurrentObject(dc_, OBJ_FONT)) {}

GdiTextMetrics::~GdiTextMetrics() {
    ::SelectObject(dc_, original_);
    for (auto& [key, font] : fonts_) ::DeleteObject(font);
    ::DeleteDC(dc_);
}

bool GdiTextMetrics::installed(const std::string& family) {
    const auto known = installed_.find(family);
    if (known != installed_.end()) return known->second;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = widen(family).substr(0, LF_FACESIZE - 1);
    face.copy(lf.lfFaceName, face.size());
    bool found = false;
    ::EnumFontFamiliesExW(dc_, &lf, foundFamily, reinterpret_cast<LPARAM>(&found), 0);
    installed_[family] = found;
    return found;
}

std::string GdiTextMetrics::systemFamily() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return "Tahoma";
    return narrow(metrics.lfMessageFont.lfFaceName);
}

void GdiTextMetrics::select(const ui::FontChoice& font) {
    auto& slot = fonts_[{font.family, font.pixelSize, font.bold, font.stretch}];
    if (!slot) slot = createFont(font, 96);
    ::SelectObject(dc_, slot);
}

double GdiTextMetrics::advance(const ui::FontChoice& font, const std::string& text) {
    select(font);
    const std::wstring w = widen(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    return size.cx;
}

double GdiTextMetrics::lineSpacing(const ui::FontChoice& font) {
    select(font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc_, &tm);
    return tm.tmHeight + tm.tmExternalLeading;
}

double GdiTextMetrics::wrappedHeight(const ui::FontChoice& font, const std::string& text, double width) {
    select(font);
    const std::wstring w = widen(text);
    RECT area{0, 0, static_cast<LONG>(width), 100000};
    ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return area.bottom - area.top;
}

}  // namespace trv::win32
