#include "ui/font_fitting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "platform/text.h"

namespace trv::ui {

namespace {

using K = ControlKind;

constexpr double pixelsPerPoint = 96.0 / 72.0;
constexpr int smallestPixelSize = 8;

struct Wanted {
    std::string family;
    bool exact = true;  // the metrics are those the layout was made for
    int pixelSize = 11;
    bool bold = false;
};

// The installed family for a named one.
std::string familyFor(std::string wanted, bool& exact, TextMetrics& metrics) {
    if (wanted.empty()) wanted = "MS Sans Serif";
    exact = true;
    if (metrics.installed(wanted)) return wanted;
    if (equalsNoCase(wanted, "MS Sans Serif") && metrics.installed("Microsoft Sans Serif"))
        return "Microsoft Sans Serif";
    exact = false;
    // Arial's metric twins first, then common sans families.
    for (const char* candidate : {"Liberation Sans", "Arimo", "Helvetica", "Noto Sans", "DejaVu Sans"}) {
        if (metrics.installed(candidate)) return candidate;
    }
    return metrics.systemFamily();
}

Wanted wantedFor(const FontDescription& own, const FontDescription& windowFont, TextMetrics& metrics) {
    Wanted w;
    w.family = familyFor(own.family.empty() ? windowFont.family : own.family, w.exact, metrics);
    const int points = own.pointSize > 0 ? own.pointSize : (windowFont.pointSize > 0 ? windowFont.pointSize : 8);
    w.pixelSize = static_cast<int>(std::lround(points * pixelsPerPoint));
    w.bold = own.bold || (own.family.empty() && own.pointSize == 0 && windowFont.bold);
    return w;
}

// The fonts to try, largest first. A stand-in family may also be narrowed
// and made a pixel or two smaller.
std::vector<FontChoice> candidates(const Wanted& w, int lowestSize) {
    auto font = [&w](int px, int stretch) { return FontChoice{w.family, px, w.bold, stretch}; };
    std::vector<FontChoice> fonts{font(w.pixelSize, 100)};
    if (w.exact) {
        for (int px = w.pixelSize - 1; px >= lowestSize; --px) fonts.push_back(font(px, 100));
        return fonts;
    }
    fonts.push_back(font(w.pixelSize, semiCondensed));
    for (int px = w.pixelSize - 1; px >= lowestSize; --px) {
        fonts.push_back(font(px, 100));
        fonts.push_back(font(px, semiCondensed));
    }
    return fonts;
}

bool usesWindowFont(const ControlDescription& c) { return c.font.family.empty() && c.font.pointSize == 0; }

bool hasCaptionToFit(const ControlDescription& c) {
    return !c.caption.empty() && (c.kind == K::Label || c.kind == K::Button || c.kind == K::BannerBox);
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char ch : text) {
        if (ch == ' ') {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

// Fits a wrapped text into a box: every word on a line of its own at most.
bool wrappedFits(TextMetrics& m, const FontChoice& f, const std::string& text, double width, double height) {
    for (const std::string& word : words(text)) {
        if (m.advance(f, word) > width) return false;
    }
    return m.wrappedHeight(f, text, width) <= height + 0.5;
}

double pixelsF(int twips) { return twips / double(twipsPerPixel); }

}  // namespace

int pixels(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / (96.0 * twipsPerPixel))); }

const FontChoice& WindowFonts::of(const std::string& controlName) const {
    const auto it = controls.find(controlName);
    return it == controls.end() ? window : it->second;
}

bool isMultiLine(const ControlDescription& control, const FontChoice& font, TextMetrics& metrics) {
    return pixelsF(control.place.height) >= 2 * metrics.lineSpacing(font);
}

bool isMultiLineBox(const ControlDescription& control, const FontChoice& font, TextMetrics& metrics) {
    return pixels(control.place.height) >= 2 * std::ceil(metrics.lineSpacing(font)) + 8;
}

bool captionFits(const ControlDescription& c, const FontChoice& font, TextMetrics& m) {
    if (!hasCaptionToFit(c)) return true;
    const double width = pixelsF(c.place.width);
    const double height = pixelsF(c.place.height);
    switch (c.kind) {
        case K::Label:
            if (isMultiLine(c, font, m)) return wrappedFits(m, font, c.caption, width, height);
            return m.advance(font, c.caption) <= width;
        case K::Button:
            // Room inside the bevel; a second line when the button is tall enough.
            return wrappedFits(m, font, trimBlanks(c.caption), width - 8, height - 4);
        case K::BannerBox:
            return m.advance(font, trimBlanks(c.caption)) <= width - 4;
        default:
            return true;
    }
}

WindowFonts fitFonts(const WindowDescription& desc, TextMetrics& metrics) {
    WindowFonts result;
    const Wanted windowWanted = wantedFor({}, desc.font, metrics);

    // The window's font: the largest that leaves the fewest captions without room.
    std::size_t fewest = SIZE_MAX;
    for (const FontChoice& font : candidates(windowWanted, windowWanted.pixelSize - 1)) {
        std::size_t misfits = 0;
        for (const auto& c : desc.controls) {
            if (usesWindowFont(c) && !captionFits(c, font, metrics)) ++misfits;
        }
        if (misfits < fewest) {
            fewest = misfits;
            result.window = font;
        }
        if (misfits == 0) break;
    }

    for (const auto& c : desc.controls) {
        std::vector<FontChoice> fonts;
        if (usesWindowFont(c)) {
            // Smaller than the window's font only where the caption needs it.
            const auto all = candidates(windowWanted, smallestPixelSize);
            const auto from = std::find(all.begin(), all.end(), result.window);
            fonts.assign(from, all.end());
            if (fonts.empty()) fonts.push_back(result.window);
        } else {
            fonts = candidates(wantedFor(c.font, desc.font, metrics), smallestPixelSize);
        }
        FontChoice chosen = fonts.front();
        for (const FontChoice& f : fonts) {
            chosen = f;
            if (captionFits(c, f, metrics)) break;
        }
        result.controls[c.name] = chosen;
    }
    return result;
}

std::vector<SentencePlace> flowSentences(const std::vector<SentencePart>& labels, TextMetrics& metrics) {
    std::vector<SentencePlace> place(labels.size());
    std::vector<std::size_t> order(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) place[i] = {labels[i].left, labels[i].width};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Twips& x = labels[a].desc->place;
        const Twips& y = labels[b].desc->place;
        return std::pair(x.top, x.left) < std::pair(y.top, y.left);
    });
    for (std::size_t k = 1; k < order.size(); ++k) {
        const SentencePart& before = labels[order[k - 1]];
        const SentencePart& after = labels[order[k]];
        const Twips& a = before.desc->place;
        const Twips& b = after.desc->place;
        if (a.top != b.top || a.height != b.height || a.left + a.width != b.left) continue;
        const std::string& text = before.text;
        double end = metrics.advance(before.font, text);
        const bool blank = (!text.empty() && text.back() == ' ') || (!after.text.empty() && after.text.front() == ' ');
        if (!text.empty() && !blank) end += metrics.advance(before.font, " ");
        SentencePlace& first = place[order[k - 1]];
        SentencePlace& next = place[order[k]];
        next.left = first.left + std::min(static_cast<int>(end), before.width);
        first.width = next.left - first.left;
    }
    return place;
}

}  // namespace trv::ui
