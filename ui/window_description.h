#pragma once

#include <string>
#include <vector>

namespace trv::ui {

// What kind of control a window description places. The kinds are the ones
// the windows use; the GUI picks a widget for each.
enum class ControlKind {
    Label,
    TextBox,         // editable text box
    ReadOnlyBox,     // text box the user cannot edit
    BannerBox,       // read-only, borderless banner text
    Button,
    ComboBox,        // drop-down list that also accepts typed text
    PickList,        // drop-down list that only lets the user pick an entry
    ListBox,         // plain list box
    Picture,
};

// Whether a control of this kind holds entries (a drop-down or a list box).
inline bool isListKind(ControlKind k) {
    return k == ControlKind::ComboBox || k == ControlKind::PickList || k == ControlKind::ListBox;
}
// Whether it is a drop-down list (with or without typing).
inline bool isDropDown(ControlKind k) { return k == ControlKind::ComboBox || k == ControlKind::PickList; }
// Whether the user can type into it (an editable box or a drop-down that takes text).
inline bool acceptsTyping(ControlKind k) { return k == ControlKind::TextBox || k == ControlKind::ComboBox; }

// Where a control sits, in twips (1440 to the inch; 15 twips to a pixel at 96 dpi).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontDescription {
    std::string family;  // empty: the window's default font
    int pointSize = 0;   // 0: the default size
    bool bold = false;
};

// One control of a window as it stands at design time. `caption` is the
// design-time caption of a button or label, or the design-time text of a box
// or list. `items` are design-time entries of a list.
struct ControlDescription {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    Twips place;
    FontDescription font;
    bool visible = true;
    std::vector<std::string> items;
    std::string tooltip;
    bool link = false;  // drawn as a link: underlined, highlight colour, hand pointer
};

enum class BorderStyle { Sizable, FixedDialog };

struct WindowDescription {
    std::string name;
    std::string caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    BorderStyle border = BorderStyle::Sizable;
    bool modal = false;
    FontDescription font;  // default font of the window's controls
    std::vector<ControlDescription> controls;

    const ControlDescription* find(const std::string& controlName) const;
    // Appends a control and hands it back for the properties that are not
    // common to all. The reference is only good until the next call.
    ControlDescription& add(ControlKind kind, std::string controlName, std::string caption, Twips place);
};

constexpr int twipsPerPixel = 15;

// The font the windows were laid out in (8 pt MS Sans Serif); their sizes assume it.
inline FontDescription layoutFont() { return {"MS Sans Serif", 8, false}; }

}  // namespace trv::ui
