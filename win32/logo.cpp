#include "win32/logo.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace trv::win32 {

namespace {

const COLORREF navy = RGB(0x1f, 0x3a, 0x5f);
const COLORREF pale = RGB(0x9f, 0xb3, 0xc8);
const COLORREF paper = RGB(0xf5, 0xf7, 0xfa);
const COLORREF white = RGB(0xff, 0xff, 0xff);

// The mark is drawn on an 80 x 120 grid, scaled into the control.
struct Grid {
    double scale;
    double left;
    double top;
    int x(double v) const { return static_cast<int>(std::lround(left + v * scale)); }
    int y(double v) const { return static_cast<int>(std::lround(top + v * scale)); }
    POINT at(double vx, double vy) const { return {x(vx), y(vy)}; }
};

HPEN pen(const Grid& g, double width, COLORREF colour) {
    LOGBRUSH brush{BS_SOLID, colour, 0};
    const auto w = static_cast<DWORD>(std::max(1L, std::lround(width * g.scale)));
    return ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, w, &brush, 0, nullptr);
}

// Selects a pen and a brush for one shape and puts the old ones back.
class Ink {
public:
    Ink(HDC dc, HPEN pen, HBRUSH brush)
        : dc_(dc), pen_(pen), brush_(brush), oldPen_(::SelectObject(dc, pen)), oldBrush_(::SelectObject(dc, brush)) {}
    ~Ink() {
        ::SelectObject(dc_, oldPen_);
        ::SelectObject(dc_, oldBrush_);
        ::DeleteObject(pen_);
        if (brush_ != ::GetStockObject(NULL_BRUSH)) ::DeleteObject(brush_);
    }
    Ink(const Ink&) = delete;
    Ink& operator=(const Ink&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

HBRUSH noFill() { return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)); }

void line(HDC dc, const Grid& g, double x1, double y1, double x2, double y2) {
    ::MoveToEx(dc, g.x(x1), g.y(y1), nullptr);
    ::LineTo(dc, g.x(x2), g.y(y2));
}

void circle(HDC dc, const Grid& g, double cx, double cy, double r) {
    ::Ellipse(dc, g.x(cx - r), g.y(cy - r), g.x(cx + r), g.y(cy + r));
}

}  // namespace

void drawLogo(HDC dc, const RECT& area) {
    const double width = area.right - area.left;
    const double height = area.bottom - area.top;
    const double scale = std::min(width / 80.0, height / 120.0);
    const Grid g{scale, area.left + (width - 80 * scale) / 2, area.top + (height - 120 * scale) / 2};

    {
        Ink ink(dc, pen(g, 2, navy), ::CreateSolidBrush(paper));
        const int corner = std::max(2, g.x(10) - g.x(0));
        ::RoundRect(dc, g.x(3), g.y(3), g.x(77), g.y(117), corner, corner);
    }
    {
        Ink ink(dc, pen(g, 2.6, navy), noFill());
        line(dc, g, 35, 11, 35, 23);
        line(dc, g, 35, 11, 45, 23);
        line(dc, g, 45, 11, 45, 23);
    }
    {
        Ink ink(dc, pen(g, 2, navy), noFill());
        circle(dc, g, 40, 57, 23);
    }
    {
        Ink ink(dc, pen(g, 1, pale), noFill());
        circle(dc, g, 40, 57, 17);
    }
    {
        Ink ink(dc, pen(g, 1, navy), ::CreateSolidBrush(navy));
        const POINT east[] = {g.at(40, 29), g.at(51, 73), g.at(40, 64)};
        ::Polygon(dc, east, 3);
    }
    {
        Ink ink(dc, pen(g, 1.6, navy), ::CreateSolidBrush(white));
        const POINT west[] = {g.at(40, 29), g.at(29, 73), g.at(40, 64)};
        ::Polygon(dc, west, 3);
    }
    {
        Ink ink(dc, pen(g, 1.5, navy), ::CreateSolidBrush(white));
        ::Rectangle(dc, g.x(13), g.y(91), g.x(67), g.y(98));
    }
    for (const double left : {13.0, 40.0}) {
        Ink ink(dc, pen(g, 1, navy), ::CreateSolidBrush(navy));
        ::Rectangle(dc, g.x(left), g.y(91), g.x(left + 13.5), g.y(98));
    }
    {
        Ink ink(dc, pen(g, 1.2, navy), noFill());
        for (const double x : {13.0, 40.0, 67.0}) line(dc, g, x, 104, x, 108);
        line(dc, g, 13, 106, 67, 106);
    }
}

}  // namespace trv::win32
