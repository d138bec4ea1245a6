#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/outcome.h"

namespace trv {

struct Program;

// frmTextScale: the text height to type into a drawing for a plotted height
// in millimetres and a plot scale.
struct TextScaleWindow : WindowModel {
    TextScaleWindow() : WindowModel("frmTextScale") {}
    Control& Label1 = controls.add("Label1");
    Control& lstscales = controls.add("lstscales");
    Control& Label2 = controls.add("Label2");
    Control& txttextsizein = controls.add("txttextsizein");
    Control& txttextsizeout = controls.add("txttextsizeout");
    Control& cmdtextcnv = controls.add("cmdtextcnv");
};

// A number as the calculator reads it, the same whatever the user's locale:
// optional blanks, an optional sign, digits with at most one point (at least
// one digit), an optional exponent (e or E, an optional sign, digits),
// optional blanks. Nothing when the text is no such number or its value is
// beyond the range of a double; a value too small for a double is 0.
std::optional<double> parseSize(std::string_view text);

// The value as the pattern "#########.#####" writes it: rounded, as written
// with 15 significant digits, half away from zero to at most five decimals,
// without trailing zeros, always with the point ("5."), with digits past
// the 15th significant one written as zeros and never as an exponent; "0" is
// put in front only when the text begins with the point (".25" gives
// "0.25", "-.25" stays). A value that rounds to zero gives "0.".
std::string formatTextSize(double value);

// Converts the typed size for the chosen scale entry: the output box's new
// text, or the message that refuses the input (the focus back in its box).
// An entry that is no scale (nothing chosen) gives the result 0.
Outcome<std::string> convertTextSize(std::string_view sizeText, std::string_view scale);

// The window is loaded: the scales listed, none chosen.
void fillScaleList(TextScaleWindow& w);
// The main window's "Text Size Calculator" shows the screen, not modally.
void cmdtxtscale_Click(TextScaleWindow& w);
// "The text size to enter is :".
void cmdtextcnv_Click(Program& p, TextScaleWindow& w);

}  // namespace trv
