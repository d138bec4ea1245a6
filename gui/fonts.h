#pragma once

#include <QFont>
#include <map>
#include <string>

#include "ui/window_description.h"

namespace trv::gui {

// The fonts of one window's controls.
//
// The windows were laid out for 8 pt "MS Sans Serif", which is not installed
// outside Windows. When a named family is missing a sans family stands in,
// and because every stand-in is wider, the window's font is then chosen among
// a few sizes and widths as the one that leaves the fewest captions without
// room; a caption that still has no room gets a smaller font of its own.
// Sizes are in pixels at 96 dpi, as the twips positions are.
struct WindowFonts {
    QFont window;
    std::map<std::string, QFont> controls;  // every control, by name

    const QFont& of(const std::string& controlName) const;
};

WindowFonts fitFonts(const ui::WindowDescription& desc);

// Whether a control's caption has room in it when drawn in `font`.
bool captionFits(const ui::ControlDescription& control, const QFont& font);

// Whether a label or box is tall enough for more than one line of `font`.
bool isMultiLine(const ui::ControlDescription& control, const QFont& font);

}  // namespace trv::gui
