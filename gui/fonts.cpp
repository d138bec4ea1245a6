#include "gui/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <QtMath>
#include <vector>

namespace trv::gui {

namespace {

using ui::ControlKind;

constexpr double pixelsPerPoint = 96.0 / 72.0;
constexpr int smallestPixelSize = 8;

bool installed(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

// The installed family for a named one; `exact` tells whether the metrics
// are those the layout was made for.
QString familyFor(QString wanted, bool& exact) {
    if (wanted.isEmpty()) wanted = QStringLiteral("MS Sans Serif");
    exact = true;
    if (installed(wanted)) return wanted;
    if (wanted.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 &&
        installed(QStringLiteral("Microsoft Sans Serif")))
        return QStringLiteral("Microsoft Sans Serif");
    exact = false;
    // Arial's metric twins first, then common sans families.
    for (const char* candidate : {"Liberation Sans", "Arimo", "Helvetica", "Noto Sans", "DejaVu Sans"}) {
        if (installed(QLatin1String(candidate))) return QLatin1String(candidate);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

struct Choice {
    QString family;
    bool exact = true;
    int pixelSize = 11;
    bool bold = false;
};

Choice choiceFor(const ui::FontDescription& own, const ui::FontDescription& windowFont) {
    Choice c;
    c.family =
        familyFor(QString::fromStdString(own.family.empty() ? windowFont.family : own.family), c.exact);
    const int points =
        own.pointSize > 0 ? own.pointSize : (windowFont.pointSize > 0 ? windowFont.pointSize : 8);
    c.pixelSize = qRound(points * pixelsPerPoint);
    c.bold = own.bold || (own.family.empty() && own.pointSize == 0 && windowFont.bold);
    return c;
}

QFont makeFont(const Choice& c, int pixelSize, int stretch) {
    QFont f(c.family);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(c.bold);
    f.setStretch(stretch);
    return f;
}

// The fonts to try, largest first. A stand-in family may also be narrowed
// (its condensed face) and made a pixel or two smaller.
std::vector<QFont> candidates(const Choice& c, int lowestSize) {
    std::vector<QFont> fonts{makeFont(c, c.pixelSize, QFont::Unstretched)};
    if (c.exact) {
        for (int px = c.pixelSize - 1; px >= lowestSize; --px)
            fonts.push_back(makeFont(c, px, QFont::Unstretched));
        return fonts;
    }
    fonts.push_back(makeFont(c, c.pixelSize, QFont::SemiCondensed));
    for (int px = c.pixelSize - 1; px >= lowestSize; --px) {
        fonts.push_back(makeFont(c, px, QFont::Unstretched));
        fonts.push_back(makeFont(c, px, QFont::SemiCondensed));
    }
    return fonts;
}

bool usesWindowFont(const ui::ControlDescription& c) { return c.font.family.empty() && c.font.pointSize == 0; }

bool hasCaptionToFit(const ui::ControlDescription& c) {
    return !c.caption.empty() && (c.kind == ControlKind::Label || c.kind == ControlKind::Button ||
                                  c.kind == ControlKind::BannerBox);
}

// Fits a wrapped text into a box: every word on a line of its own at most.
bool wrappedFits(const QFontMetricsF& fm, const QString& text, double width, double height) {
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (fm.horizontalAdvance(word) > width) return false;
    }
    const QRectF used = fm.boundingRect(QRectF(0, 0, width, 100000), Qt::TextWordWrap, text);
    return used.height() <= height + 0.5;
}

}  // namespace

const QFont& WindowFonts::of(const std::string& controlName) const {
    const auto it = controls.find(controlName);
    return it == controls.end() ? window : it->second;
}

bool isMultiLine(const ui::ControlDescription& control, const QFont& font) {
    const double height = control.place.height / double(ui::twipsPerPixel);
    return height >= 2 * QFontMetricsF(font).lineSpacing();
}

bool captionFits(const ui::ControlDescription& c, const QFont& font) {
    if (!hasCaptionToFit(c)) return true;
    const QFontMetricsF fm(font);
    const QString text = QString::fromStdString(c.caption);
    const double width = c.place.width / double(ui::twipsPerPixel);
    const double height = c.place.height / double(ui::twipsPerPixel);
    switch (c.kind) {
        case ControlKind::Label:
            if (isMultiLine(c, font)) return wrappedFits(fm, text, width, height);
            return fm.horizontalAdvance(text) <= width;
        case ControlKind::Button:
            // Room inside the bevel; a second line when the button is tall enough.
            return wrappedFits(fm, text.trimmed(), width - 8, height - 4);
        case ControlKind::BannerBox:
            return fm.horizontalAdvance(text.trimmed()) <= width - 4;
        default:
            return true;
    }
}

WindowFonts fitFonts(const ui::WindowDescription& desc) {
    WindowFonts result;
    const Choice windowChoice = choiceFor({}, desc.font);

    // The window's font: the largest that leaves the fewest captions without room.
    const auto windowCandidates = candidates(windowChoice, windowChoice.pixelSize - 1);
    std::size_t fewest = SIZE_MAX;
    for (const QFont& font : windowCandidates) {
        std::size_t misfits = 0;
        for (const auto& c : desc.controls) {
            if (usesWindowFont(c) && !captionFits(c, font)) ++misfits;
        }
        if (misfits < fewest) {
            fewest = misfits;
            result.window = font;
        }
        if (misfits == 0) break;
    }

    for (const auto& c : desc.controls) {
        std::vector<QFont> fonts;
        if (usesWindowFont(c)) {
            // Smaller than the window's font only where the caption needs it.
            const auto all = candidates(windowChoice, smallestPixelSize);
            bool reached = false;
            for (const QFont& f : all) {
                if (f == result.window) reached = true;
                if (reached) fonts.push_back(f);
            }
            if (fonts.empty()) fonts.push_back(result.window);
        } else {
            const Choice own = choiceFor(c.font, desc.font);
            fonts = candidates(own, smallestPixelSize);
        }
        QFont chosen = fonts.front();
        for (const QFont& f : fonts) {
            chosen = f;
            if (captionFits(c, f)) break;
        }
        result.controls[c.name] = chosen;
    }
    return result;
}

}  // namespace trv::gui
