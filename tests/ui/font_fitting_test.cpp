// The fitting of fonts and the flow of a sentence over labels, over text
// metrics where every character is half the font's pixel size wide.
#include "ui/font_fitting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace trv::ui {
namespace {

class HalfWidthMetrics : public TextMetrics {
public:
    std::set<std::string> families{"Liberation Sans"};
    bool installed(const std::string& family) override { return families.count(family) > 0; }
    std::string systemFamily() override { return "System"; }
    double advance(const FontChoice& f, const std::string& text) override {
        return static_cast<double>(text.size()) * f.pixelSize / 2.0 * f.stretch / 100.0;
    }
    double lineSpacing(const FontChoice& f) override { return f.pixelSize + 2; }
    double wrappedHeight(const FontChoice& f, const std::string& text, double width) override {
        const double perLine = width / advance(f, "x");
        return std::max(1.0, std::ceil(static_cast<double>(text.size()) / perLine)) * lineSpacing(f);
    }
};

ControlDescription label(std::string name, std::string caption, Twips place) {
    ControlDescription c;
    c.name = std::move(name);
    c.caption = std::move(caption);
    c.place = place;
    return c;
}

TEST(FontFitting, AStandInIsNarrowedOrMadeSmallerOnlyWhereACaptionNeedsIt) {
    WindowDescription w;
    w.font = {"MS Sans Serif", 8, false};  // 11 px, not installed here
    w.controls = {label("roomy", "abcd", {0, 0, 1500, 255}),         // 100 px for 22 px of text
                  label("tight", "abcdefghijkl", {0, 0, 945, 255})};  // 63 px for 66 px of text
    HalfWidthMetrics metrics;
    const WindowFonts fonts = fitFonts(w, metrics);
    EXPECT_EQ(fonts.window, (FontChoice{"Liberation Sans", 11, false, semiCondensed}));
    EXPECT_EQ(fonts.of("roomy"), fonts.window);
    EXPECT_TRUE(captionFits(w.controls[1], fonts.of("tight"), metrics));

    metrics.families.insert("MS Sans Serif");  // the layout's own font is made smaller, never narrowed
    EXPECT_EQ(fitFonts(w, metrics).window, (FontChoice{"MS Sans Serif", 10, false, 100}));
}

TEST(FontFitting, ASentenceOverLabelsReadsAsOneLineAndNoLabelCoversTheNext) {
    const auto a = label("a", "", {0, 0, 1500, 255}), b = label("b", "", {1500, 0, 1500, 255}),
               c = label("c", "", {3000, 0, 1500, 255}), elsewhere = label("d", "", {4500, 300, 1500, 255});
    HalfWidthMetrics metrics;
    const FontChoice f{"Liberation Sans", 10, false, 100};
    const auto place = flowSentences({{&c, "end.", f, 200, 100}, {&a, "(See ", f, 0, 100},
                                      {&b, "this", f, 100, 100}, {&elsewhere, "x", f, 300, 100}},
                                     metrics);
    // "(See " ends with its blank; "this" gets one added before "end.".
    EXPECT_EQ(place[1].left, 0);
    EXPECT_EQ(place[1].width, 25);
    EXPECT_EQ(place[2].left, 25);
    EXPECT_EQ(place[2].width, 25);
    EXPECT_EQ(place[0].left, 50);
    EXPECT_EQ(place[0].width, 100);
    EXPECT_EQ(place[3].left, 300);
}

}  // namespace
}  // namespace trv::ui
