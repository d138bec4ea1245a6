#include <algorithm>
#include <string>
#include <utility>

#include "ui/window_description.h"
#include "ui/windows.h"

namespace trv::ui {

namespace {

using K = ControlKind;

FontDescription arialFont() { return {"Arial", 8, false}; }

// The grid the four dialogs share: a margin all round, a label line, the
// list below it, and columns a gap apart.
constexpr int margin = 240;
constexpr int labelHeight = 255;
constexpr int listWidth = 1800;
constexpr int listHeight = 315;
constexpr int labelToList = 45;
constexpr int rowGap = 225;
constexpr int columnGap = 360;
constexpr int buttonWidth = 1200;
constexpr int buttonHeight = 375;

constexpr int firstColumn = margin;
constexpr int secondColumn = firstColumn + listWidth + columnGap;
constexpr int firstLabelTop = margin;
constexpr int firstListTop = firstLabelTop + labelHeight + labelToList;
constexpr int secondLabelTop = firstListTop + listHeight + rowGap;
constexpr int secondListTop = secondLabelTop + labelHeight + labelToList;
constexpr int twoColumnWidth = secondColumn + listWidth + margin;

WindowDescription dialog(std::string name, std::string caption, const FontDescription& font) {
    WindowDescription w;
    w.name = std::move(name);
    w.caption = std::move(caption);
    w.border = BorderStyle::FixedDialog;
    w.modal = false;
    w.font = font;
    return w;
}

// A list with its label above it. The lists start empty: the dialog fills
// them each time it is loaded.
void addLabelledList(WindowDescription& w, std::string labelName, std::string labelText, std::string listName,
                     int left, int labelTop, int labelWidth = listWidth) {
    w.add(K::Label, std::move(labelName), std::move(labelText),
               {left, labelTop, labelWidth, labelHeight});
    w.add(K::ComboBox, std::move(listName), "",
               {left, labelTop + labelHeight + labelToList, listWidth, listHeight});
}

void addApply(WindowDescription& w, Twips place) {
    w.add(K::Button, "Command1", "Apply", place);
}

// Drawing type top left, its number top right, the part number below the
// drawing type with "Apply" beside it.
WindowDescription typeNumberPartDialog(std::string name, std::string caption, std::string typeList,
                                std::string numberLabel, int numberLabelWidth) {
    WindowDescription w = dialog(std::move(name), std::move(caption), arialFont());
    addLabelledList(w, "Label1", "Drawing Type", std::move(typeList), firstColumn, firstLabelTop);
    addLabelledList(w, "Label2", std::move(numberLabel), "cmbfbnumber", secondColumn, firstLabelTop,
                    numberLabelWidth);
    addLabelledList(w, "Label3", "Part Number", "cmbpartnb", firstColumn, secondLabelTop);
    // Level with the part list.
    addApply(w, {secondColumn, secondListTop + (listHeight - buttonHeight) / 2, buttonWidth, buttonHeight});
    w.clientWidth = secondColumn + std::max(listWidth, numberLabelWidth) + margin;
    w.clientHeight = secondListTop + listHeight + margin;
    return w;
}

// Two lists side by side, "Apply" centred below them.
WindowDescription twoListDialog(std::string name, std::string caption, const FontDescription& font, std::string firstLabel,
                         std::string secondLabel) {
    WindowDescription w = dialog(std::move(name), std::move(caption), font);
    addLabelledList(w, "Label1", std::move(firstLabel), "cmbfbnumber", firstColumn, firstLabelTop);
    addLabelledList(w, "Label2", std::move(secondLabel), "cmbpartnb", secondColumn, firstLabelTop);
    w.clientWidth = twoColumnWidth;
    addApply(w, {(twoColumnWidth - buttonWidth) / 2, secondLabelTop, buttonWidth, buttonHeight});
    w.clientHeight = secondLabelTop + buttonHeight + margin;
    return w;
}

}  // namespace

const WindowDescription& architectureDialogDescription() {
    // The number's label needs a little more than its list's width.
    static const WindowDescription desc = typeNumberPartDialog("frmArchitecture", "Architectural", "cmbDrawingtype",
                                                        "Floor/basement  Number", 2055);
    return desc;
}

const WindowDescription& legElevDialogDescription() {
    // The longest label of the dialogs: it runs well past its list.
    static const WindowDescription desc =
        typeNumberPartDialog("frmLegElev", "Elevation Legend schedule", "cmbElevLeg",
                             "Elevation/Detail/Legend/Schedule Number", 3240);
    return desc;
}

const WindowDescription& sectionsDialogDescription() {
    static const WindowDescription desc =
        twoListDialog("frmSections", "Sections", arialFont(), "Sections:", "Part Number");
    return desc;
}

const WindowDescription& otherDisciplinesDialogDescription() {
    static const WindowDescription desc = twoListDialog("frmOtherDiscip", "Other disciplines", layoutFont(),
                                                 "The Two First Digits", "The Two Second Digits");
    return desc;
}

}  // namespace trv::ui
