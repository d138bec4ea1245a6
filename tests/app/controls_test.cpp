#include "app/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

using Strings = std::vector<std::string>;

TEST(Control, ChoosingFromCodeRaisesTheClickHandlerNested) {
    Control projects("cmbProjectCode");
    Control types("cmbdesignasbuilt");
    projects.loadItems({"KLV-13000-C000", "KLV-21400-PB00"});
    types.loadItems({"Design Drawings", "As-Built Drawings"});
    Strings trace;
    projects.onClick = [&] {
        trace.push_back("project " + projects.text());
        types.setListIndex(1);  // a handler that chooses in another list
        trace.push_back("project done, type is " + types.text());
    };
    types.onClick = [&] { trace.push_back("type " + types.text()); };

    projects.setListIndex(1);
    EXPECT_EQ(trace, (Strings{"project KLV-21400-PB00", "type As-Built Drawings",
                              "project done, type is As-Built Drawings"}));
    EXPECT_EQ(projects.listIndex(), 1);
    EXPECT_EQ(types.listIndex(), 1);
}

// A restored choice re-selects an entry the user may already have: the
// handler must still run. An index out of range chooses nothing, silently.
TEST(Control, EveryChoiceOfAnEntryClicksAndNoChoiceEmptiesTheText) {
    Control list("cmbdisciplines");
    list.loadItems({"Architectural", "Civil"});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    const struct {
        int index;
        int clicks;  // in total so far
        const char* text;
    } steps[] = {{1, 1, "Civil"},         {1, 2, "Civil"}, {-1, 2, ""},
                 {0, 3, "Architectural"}, {2, 3, ""},      {99, 3, ""}};
    for (const auto& s : steps) {
        list.setListIndex(s.index);
        EXPECT_EQ(clicks, s.clicks) << s.index;
        EXPECT_EQ(list.text(), s.text) << s.index;
        EXPECT_EQ(list.listIndex(), s.text[0] ? s.index : -1) << s.index;
    }
}

TEST(Control, SetTextRaisesChangeOnlyOnARealChangeAndTheHandlerSeesTheNewText) {
    Control box("txtfacilitynb");
    Strings seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    for (const char* text : {"0", "01", "01", "", "", "01"}) box.setText(text);
    EXPECT_EQ(seen, (Strings{"0", "01", "", "01"}));
}

TEST(Control, TypedTextThatIsNoEntryLeavesNoIndex) {
    Control list("cmbdisciplines");
    list.loadItems({"Architectural", "Civil"});
    list.setListIndex(0);
    list.setText("Architectural");  // the chosen entry's own text: still chosen
    EXPECT_EQ(list.listIndex(), 0);
    list.setText("Architect");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "Architect");
    list.setText("Civil");  // typing an entry's text does not choose it
    EXPECT_EQ(list.listIndex(), -1);
}

TEST(Control, ClearAndDesignTimeValuesLeaveNoEntryChosenAndRaiseNoEvents) {
    Control list("cmbSheettype");
    int events = 0;
    list.loadItems({"0:General", "1:Layouts"});
    list.setListIndex(1);
    list.onClick = [&] { ++events; };
    list.onChange = [&] { ++events; };
    list.clear();
    EXPECT_TRUE(list.items().empty());
    EXPECT_EQ(list.text(), "");
    list.addItem("2:Plans");
    EXPECT_EQ(list.listIndex(), -1) << "a list filled by code shows no entry";
    EXPECT_EQ(list.text(), "");

    list.loadItems({"AutoCAD 2007"});
    list.loadText("AutoCad 2007");
    EXPECT_EQ(list.text(), "AutoCad 2007");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(events, 0);
}

TEST(ControlSet, FindsControlsByNameAndRefusesTwins) {
    ControlSet set;
    Control& a = set.add("cmdcancel");
    set.add("Command2");
    EXPECT_EQ(&set["cmdcancel"], &a);
    EXPECT_EQ(set.find("cmdCancel"), nullptr) << "names are exact";
    EXPECT_THROW(set["missing"], std::logic_error);
    EXPECT_THROW(set.add("cmdcancel"), std::logic_error);
    ASSERT_EQ(set.all().size(), 2u);
    EXPECT_EQ(set.all()[1]->name(), "Command2");
}

TEST(WindowModel, ShowLoadsOnceAndActivatesEveryTime) {
    WindowModel w("frmTextScale");
    int loads = 0, activations = 0;
    w.onLoad = [&] { ++loads; };
    w.onActivate = [&] {
        ++activations;
        EXPECT_TRUE(w.loaded);
    };
    w.show();
    w.show();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(activations, 2);
    EXPECT_TRUE(w.visible);

    w.hide();
    EXPECT_FALSE(w.visible);
    w.show();
    EXPECT_EQ(loads, 1) << "a hidden window stays loaded";

    w.unload();
    EXPECT_FALSE(w.loaded || w.visible);
    w.show();
    EXPECT_EQ(loads, 2) << "an unloaded window loads again";
    EXPECT_EQ(activations, 4);
}

}  // namespace
}  // namespace trv
