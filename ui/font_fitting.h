#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/window_description.h"

namespace trv::ui {

// Pixels at `dpi` for a length in twips (15 twips to a pixel at 96 dpi), rounded.
int pixels(int twips, int dpi = 96);

// A font as the fitting below chooses it; each front end makes its own font
// object from it. Sizes are in pixels at 96 dpi, as the twips positions are.
struct FontChoice {
    std::string family;
    int pixelSize = 11;
    bool bold = false;
    int stretch = 100;  // width in percent of the face's normal width
    bool operator==(const FontChoice&) const = default;
};

// The narrowed face a stand-in family may take (a semi-condensed width).
constexpr int semiCondensed = 87;

// How wide and tall text is in a font, as the front end's toolkit measures it.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual bool installed(const std::string& family) = 0;
    // The toolkit's general-purpose family: the last resort of a stand-in.
    virtual std::string systemFamily() = 0;
    virtual double advance(const FontChoice& font, const std::string& text) = 0;
    virtual double lineSpacing(const FontChoice& font) = 0;
    // The height of `text` wrapped at its blanks into lines `width` wide.
    virtual double wrappedHeight(const FontChoice& font, const std::string& text, double width) = 0;
};

// The fonts of one window's controls.
//
// The windows were laid out for 8 pt "MS Sans Serif", which is not installed
// everywhere. When a named family is missing a sans family stands in, and
// because every stand-in is wider, the window's font is then chosen among a
// few sizes and widths as the one that leaves the fewest captions without
// room; a caption that still has no room gets a smaller font of its own.
struct WindowFonts {
    FontChoice window;
    std::map<std::string, FontChoice> controls;  // every control, by name

    const FontChoice& of(const std::string& controlName) const;
};

WindowFonts fitFonts(const WindowDescription& desc, TextMetrics& metrics);

// Whether a control's caption has room in it when drawn in `font`.
bool captionFits(const ControlDescription& control, const FontChoice& font, TextMetrics& metrics);

// Whether a label is tall enough for more than one line of `font`.
bool isMultiLine(const ControlDescription& control, const FontChoice& font, TextMetrics& metrics);

// Whether a text box has room for two lines of `font` and its frame: it is
// then a multi-line box.
bool isMultiLineBox(const ControlDescription& control, const FontChoice& font, TextMetrics& metrics);

// One sentence may be split over labels that touch on one line, so that only
// a part of it is a link. The layout assumed the narrow Windows font; in any
// other font each label starts where the text before it ends, with a blank
// between words, so that the sentence reads as one line.
struct SentencePart {
    const ControlDescription* desc = nullptr;
    std::string text;  // as shown now
    FontChoice font;
    int left = 0;   // pixels at 96 dpi, where it stands now
    int width = 0;  // pixels at 96 dpi
};
// Where each single-line label stands, in the order given (pixels at 96
// dpi): a label that continues another starts where its text ends; a label
// that another continues ends where that one starts, so that none covers
// the next. Labels that are no part of a sentence keep their place.
struct SentencePlace {
    int left = 0;
    int width = 0;
};
std::vector<SentencePlace> flowSentences(const std::vector<SentencePart>& labels, TextMetrics& metrics);

}  // namespace trv::ui
