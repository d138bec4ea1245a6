#pragma once

#include <QFont>
#include <map>
#include <string>

#include "ui/font_fitting.h"
#include "ui/window_description.h"

namespace trv::gui {

// Text measured with Qt's font metrics, for the fitting of fonts in ui/.
class QtTextMetrics : public ui::TextMetrics {
public:
    bool installed(const std::string& family) override;
    std::string systemFamily() override;
    double advance(const ui::FontChoice& font, const std::string& text) override;
    double lineSpacing(const ui::FontChoice& font) override;
    double wrappedHeight(const ui::FontChoice& font, const std::string& text, double width) override;
};

QFont toQFont(const ui::FontChoice& choice);
ui::FontChoice choiceOf(const QFont& font);

// The fonts of one window's controls as Qt fonts (see ui::fitFonts).
struct WindowFonts {
    QFont window;
    std::map<std::string, QFont> controls;  // every control, by name

    const QFont& of(const std::string& controlName) const;
};

WindowFonts fitFonts(const ui::WindowDescription& desc);

// Whether a control's caption has room in it when drawn in `font`.
bool captionFits(const ui::ControlDescription& control, const QFont& font);

// Whether a label is tall enough for more than one line of `font`.
bool isMultiLine(const ui::ControlDescription& control, const QFont& font);

}  // namespace trv::gui
