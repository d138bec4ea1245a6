#include "gui/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace trv::gui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool QtTextMetrics::installed(const std::string& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(qs(family), Qt::CaseInsensitive);
}

std::string QtTextMetrics::systemFamily() {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family().toStdString();
}

double QtTextMetrics::advance(const ui::FontChoice& font, const std::string& text) {
    return QFontMetricsF(toQFont(font)).horizontalAdvance(qs(text));
}

double QtTextMetrics::lineSpacing(const ui::FontChoice& font) { return QFontMetricsF(toQFont(font)).lineSpacing(); }

double QtTextMetrics::wrappedHeight(const ui::FontChoice& font, const std::string& text, double width) {
    return QFontMetricsF(toQFont(font)).boundingRect(QRectF(0, 0, width, 100000), Qt::TextWordWrap, qs(text)).height();
}

QFont toQFont(const ui::FontChoice& c) {
    QFont f(qs(c.family));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(c.pixelSize);
    f.setBold(c.bold);
    f.setStretch(c.stretch == 100 ? int(QFont::Unstretched) : c.stretch);
    return f;
}

ui::FontChoice choiceOf(const QFont& font) {
    const int stretch = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    return {font.family().toStdString(), font.pixelSize(), font.bold(), stretch};
}

const QFont& WindowFonts::of(const std::string& controlName) const {
    const auto it = controls.find(controlName);
    return it == controls.end() ? window : it->second;
}

WindowFonts fitFonts(const ui::WindowDescription& desc) {
    QtTextMetrics metrics;
    const ui::WindowFonts chosen = ui::fitFonts(desc, metrics);
    WindowFonts fonts;
    fonts.window = toQFont(chosen.window);
    for (const auto& [name, choice] : chosen.controls) fonts.controls[name] = toQFont(choice);
    return fonts;
}

bool captionFits(const ui::ControlDescription& control, const QFont& font) {
    QtTextMetrics metrics;
    return ui::captionFits(control, choiceOf(font), metrics);
}

bool isMultiLine(const ui::ControlDescription& control, const QFont& font) {
    QtTextMetrics metrics;
    return ui::isMultiLine(control, choiceOf(font), metrics);
}

}  // namespace trv::gui
