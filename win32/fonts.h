#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/font_fitting.h"

namespace trv::win32 {

// Text measured with GDI, for the fitting of fonts in ui/: fonts at 96 dpi
// in a memory device context.
class GdiTextMetrics : public ui::TextMetrics {
public:
    GdiTextMetrics();
    ~GdiTextMetrics() override;
    GdiTextMetrics(const GdiTextMetrics&) = delete;
    GdiTextMetrics& operator=(const GdiTextMetrics&) = delete;

    bool installed(const std::string& family) override;
    std::string systemFamily() override;
    double advance(const ui::FontChoice& font, const std::string& text) override;
    double lineSpacing(const ui::FontChoice& font) override;
    double wrappedHeight(const ui::FontChoice& font, const std::string& text, double width) override;

private:
    void select(const ui::FontChoice& font);

    HDC dc_;
    HGDIOBJ original_;
    std::map<std::tuple<std::string, int, bool, int>, HFONT> fonts_;
    std::map<std::string, bool> installed_;
};

// A GDI font for the choice at `dpi`; the caller deletes it.
HFONT createFont(const ui::FontChoice& choice, int dpi, bool underline = false);

}  // namespace trv::win32
