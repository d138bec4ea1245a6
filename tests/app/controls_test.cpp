#include "app/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trv {
namespace {

TEST(Control, ChoosingFromCodeRaisesTheClickHandlerNested) {
    Control projects("cmbProjectCode");
    Control types("cmbdesignasbuilt");
    projects.loadItems({"KLV-13000-C000", "KLV-21400-PB00"});
    types.loadItems({"Design Drawings", "As-Built Drawings"});
    std::vector<std::string> trace;
    projects.onClick = [&] {
        trace.push_back("project " + projects.text());
        types.setListIndex(1);  // a handler that chooses in another list
        trace.push_back("project done, type is " + types.text());
    };
    types.onClick = [&] { trace.push_back("type " + types.text()); };

    projects.setListIndex(1);
    const std::vector<std::string> expected = {"project KLV-21400-PB00", "type As-Built Drawings",
                                               "project done, type is As-Built Drawings"};
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(projects.listIndex(), 1);
    EXPECT_EQ(types.listIndex(), 1);
}

TEST(Control, ChoosingTheSameEntryAgainRaisesClickAgain) {
    // A restored choice re-selects an entry the user may already have: the
    // handler must still run (the project is accepted again).
    Control list("cmbProjectCode");
    list.loadItems({"A", "B"});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setListIndex(0);
    list.setListIndex(0);
    EXPECT_EQ(clicks, 2);
}

TEST(Control, ChoosingNothingEmptiesTheTextWithoutAClick) {
    Control list("cmbdisciplines");
    list.loadItems({"Architectural", "Civil"});
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setListIndex(1);
    for (int index : {-1, 2, 99}) {
        list.setListIndex(1);
        clicks = 0;
        list.setListIndex(index);
        EXPECT_EQ(list.listIndex(), -1) << index;
        EXPECT_EQ(list.text(), "") << index;
        EXPECT_EQ(clicks, 0) << index;
    }
}

TEST(Control, SetTextRaisesChangeOnlyOnARealChange) {
    Control box("txtfacilitynb");
    std::vector<std::string> seen;
    box.onChange = [&] { seen.push_back(box.text()); };
    for (const char* text : {"0", "01", "01", "", "", "01"}) box.setText(text);
    const std::vector<std::string> expected = {"0", "01", "", "01"};
    EXPECT_EQ(seen, expected);
}

TEST(Control, ChangeHandlerSeesTheNewText) {
    Control box("txtfacilitynb");
    std::string seen;
    box.onChange = [&] { seen = box.text(); };
    box.setText("07");
    EXPECT_EQ(seen, "07");
}

TEST(Control, TypedTextThatIsNoEntryLeavesNoIndex) {
    Control list("cmbdisciplines");
    list.loadItems({"Architectural", "Civil"});
    list.setListIndex(0);
    ASSERT_EQ(list.listIndex(), 0);

    list.setText("Architectural");  // the chosen entry's own text: still chosen
    EXPECT_EQ(list.listIndex(), 0);
    list.setText("Architect");
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "Architect");
    list.setText("Civil");  // typing an entry's text does not choose it
    EXPECT_EQ(list.listIndex(), -1);
}

TEST(Control, ClearEmptiesItemsTextAndIndex) {
    Control list("cmbSheettype");
    list.loadItems({"0:General", "1:Layouts"});
    list.setListIndex(1);
    list.clear();
    EXPECT_TRUE(list.items().empty());
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.listIndex(), -1);
    list.addItem("2:Plans");
    EXPECT_EQ(list.listIndex(), -1) << "a list filled by code shows no entry";
    EXPECT_EQ(list.text(), "");
}

TEST(Control, DesignTimeValuesRaiseNoEvents) {
    Control list("cmbAutocadversion");
    int events = 0;
    list.onClick = [&] { ++events; };
    list.onChange = [&] { ++events; };
    list.loadItems({"AutoCAD 2007"});
    list.loadText("AutoCad 2007");
    EXPECT_EQ(events, 0);
    EXPECT_EQ(list.text(), "AutoCad 2007");
    EXPECT_EQ(list.listIndex(), -1);
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
    EXPECT_EQ(set.all()[0]->name(), "cmdcancel");
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
    EXPECT_FALSE(w.loaded);
    EXPECT_FALSE(w.visible);
    w.show();
    EXPECT_EQ(loads, 2) << "an unloaded window loads again";
    EXPECT_EQ(activations, 4);
}

}  // namespace
}  // namespace trv
