#include "naming/names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/text.h"

namespace trv::naming {
namespace {

TEST(FacilityNumber, PaddedAndUpperCased) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"7", "07"},           {"", "00"}, {"b2", "B2"}, {"01", "01"}, {"é", "0É"}, {"123", std::nullopt},
        {"ab ", std::nullopt},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(padFacilityNumber(typed), expected) << typed;
}

TEST(SafeNames, RefusesWhatCannotStandInAWindowsFileName) {
    for (const char* bad : {"a/b", "a\\b", "c:", "*", "a?", "\"", "<", ">", "|", "tab\there", "\x01", "\x7f",
                            "\xC0\xAF", "a\xC3"})
        EXPECT_FALSE(isSafeNamePart(bad)) << bad;
    for (const char* good : {"Floor Plan", "Fire_Protection", "01", "Riser_One-Line Diagrams", "É", ""})
        EXPECT_TRUE(isSafeNamePart(good)) << good;
    EXPECT_FALSE(isSafeFolderName("."));
    EXPECT_FALSE(isSafeFolderName(".."));
    EXPECT_TRUE(isSafeFolderName("..a"));
}

TEST(UserCodeDialog, ChosenByDisciplineAndModelType) {
    using K = UserCodeDialogKind;
    const struct {
        const char* discipline;
        const char* model;
        K expected;
    } cases[] = {
        {"Architectural", "Demolition_Plan", K::Architecture},
        {"Architectural", "Legend", K::LegElev},
        {"", "Legend", K::LegElev},
        {"Mechanical", "Sections", K::Sections},
        {"Civil", "Demolition_Plan", K::OtherDisciplines},
        {"Structural", "Floor Plan", K::None},
        {"Equipment", "Equipment Plan", K::None},
        // Comparisons are exact: letter case and blanks count.
        {"Architectural", "floor plan", K::None},
        {"Architectural", "Floor Plan ", K::None},
        {"architectural", "Floor Plan", K::None},
        {"architectural", "Road Plan", K::OtherDisciplines},
        {"Structural", "legend", K::OtherDisciplines},
        {"Architectural ", "Demolition_Plan", K::OtherDisciplines},
    };
    for (const auto& c : cases)
        EXPECT_EQ(userCodeDialogFor(c.discipline, c.model), c.expected) << c.discipline << " / " << c.model;
}

TEST(UserCode, DerivedFromDialogResults) {
    using K = UserCodeDialogKind;
    const struct {
        K kind;
        DialogResults results;
        const char* expected;
    } cases[] = {
        {K::Architecture, {"Floor", "1", "0"}, "F1-P0"},
        {K::Architecture, {"Basement", "2", "1"}, "B2-P1"},
        {K::Architecture, {"", "3", "1"}, "3-P1"},
        {K::Architecture, {"Floor", "12", "0"}, "00-00"},  // refused by the dialog
        {K::Architecture, {"", "", ""}, "00-00"},          // never applied
        {K::LegElev, {"Elevations", "1", "0"}, "E1-P0"},
        {K::LegElev, {"Legend", "2", "0"}, "L2-P0"},
        {K::LegElev, {"Schedule", "3", "0"}, "S3-P0"},
        {K::LegElev, {"Details", "3", "1"}, "D3-P1"},
        {K::LegElev, {"Details", "3", "12"}, "00-00"},
        {K::Sections, {"Sections", "AA", "1"}, "AA-P1"},
        {K::Sections, {"Sections", "AAA", "1"}, "00-00"},
        {K::OtherDisciplines, {"", "01", "02"}, "01-02"},
        {K::OtherDisciplines, {"", "1X", "XX"}, "1X-XX"},
        {K::OtherDisciplines, {"", "123", "4"}, "00-00"},  // would otherwise be the five characters 123-4
        {K::OtherDisciplines, {"", "", ""}, "-"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(userCodeFrom(c.kind, c.results), c.expected)
            << c.results.tdrawingtype << "/" << c.results.fbnumber << "/" << c.results.partnumber;
    }
}

// A typed user code read back into the entries of its dialog gives the same
// code again through "Apply" and the derivation.
TEST(UserCode, ReadBackIntoDialogEntries) {
    using K = UserCodeDialogKind;
    const struct {
        K kind;
        const char* typed;
        std::optional<DialogResults> entries;
    } cases[] = {
        {K::Architecture, "F1-P0", DialogResults{"Floor", "1", "0"}},
        {K::Architecture, "b2-p1", DialogResults{"Basement", "2", "1"}},
        {K::LegElev, "D3-P1", DialogResults{"Details", "3", "1"}},
        {K::LegElev, "s1-p2", DialogResults{"Schedule", "1", "2"}},
        {K::Sections, "AA-P1", DialogResults{"", "AA", "1"}},
        {K::OtherDisciplines, "1X-02", DialogResults{"", "1X", "02"}},
        {K::Architecture, "F1", std::nullopt},
        {K::OtherDisciplines, "0102", std::nullopt},
        {K::None, "F1-P0", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto entries = dialogEntriesOf(c.kind, c.typed);
        ASSERT_EQ(entries.has_value(), c.entries.has_value()) << c.typed;
        if (!entries) continue;
        EXPECT_EQ(std::tie(entries->tdrawingtype, entries->fbnumber, entries->partnumber),
                  std::tie(c.entries->tdrawingtype, c.entries->fbnumber, c.entries->partnumber))
            << c.typed;
        const auto applied = applyDialogEntries(c.kind, *entries);
        EXPECT_EQ(userCodeFrom(c.kind, applied.stored), toUpper(c.typed));
    }
}

TEST(ModelName, ComposedAndUpperCased) {
    EXPECT_EQ(composeModelName("KLV-13000-C000", "01", "A", "FP", "F1-P0"), "KLV-13000-C000-01-A-FP-F1-P0");
    EXPECT_EQ(composeModelName("klv-13000-c000", "b2", "s", "sp", "1x-xx"), "KLV-13000-C000-B2-S-SP-1X-XX");
    // A user code that is not five characters long is replaced.
    EXPECT_EQ(composeModelName("KLV-13000-C000", "01", "A", "FP", "-P"), "KLV-13000-C000-01-A-FP-00-00");
    EXPECT_EQ(composeModelName("KLV-13000-C000", "01", "A", "FP", "F12-P0"), "KLV-13000-C000-01-A-FP-00-00");
    // No designator: two hyphens side by side.
    EXPECT_EQ(composeModelName("KLV-13000-C000", "01", "", "FP", "F1-P0"), "KLV-13000-C000-01--FP-F1-P0");
    EXPECT_EQ(composeModelName("KLV-13000-C000", "01", "A", "FP", "F1-P0").size() + 4, 32u);
    EXPECT_EQ(composeModelName("KLV-13000-PB00", "01", "A", "FP", "F1-P0").size() + 4, 32u);
    EXPECT_EQ(composeModelName("KLV-13000-PB000", "01", "A", "FP", "F1-P0").size() + 4, 33u);
}

TEST(SheetNumber, TypedFormDddX) {
    for (const char* ok : {"101-a", "123- ", "000-0", "999-É"}) EXPECT_TRUE(isSheetNumberForm(ok)) << ok;
    for (const char* bad : {"12-34", "1234", "1234-", "101-ab", "a01-1", "10a-1", "101_1", "", "１01-1"})
        EXPECT_FALSE(isSheetNumberForm(bad)) << bad;
}

TEST(SheetNumber, NameBase) {
    EXPECT_EQ(sheetNameBase("KLV-13000-C000", "01", "A", 1), "KLV-13000-C000-01-A-1");
    EXPECT_EQ(sheetNameBase("KLV-13000-C000", "01", "X", -1), "KLV-13000-C000-01-X--1");
}

TEST(SheetNumber, NextFreeNumberInAFolder) {
    const std::string base = "KLV-13000-C000-01-A-1";
    const struct {
        std::vector<std::string> files;
        std::optional<std::string> expected;  // none: the number cannot be calculated
    } cases[] = {
        {{}, "000"},
        {{base + "000.dwg"}, "001"},
        {{base + "000.dwg", base + "003.dwg", base + "002-A.dwg"}, "004"},
        {{base + "099.dwg", base + "100.dwg"}, "101"},
        {{base + "100.dwg", base + "099.dwg"}, "101"},  // the listing order does not matter
        {{base + "999.dwg"}, "1000"},
        {{base + "999.dwg", base + "1000.dwg"}, "1001"},
        {{base + "1000.dwg", base + "1001.bak"}, "1002"},
        {{base + "009.dwg"}, "010"},
        {{base + "041.bak", base + "007.dwl"}, "042"},  // other extensions take part
        {{"klv-13000-c000-01-a-1005.dwg"}, "006"},      // names in other letter case too
        {{base + "005-b.dwg", base + "004.dwg"}, "006"},
        {{base + "099.dwg", base + "101-é.dwg"}, "102"},  // positions count characters, not bytes
        {{base + "ABC.dwg"}, std::nullopt},
        {{base + "000.dwg", base + "0 1.dwg"}, std::nullopt},  // a blank is no digit
        {{base + "+12.dwg"}, std::nullopt},
        {{base + "1e2.dwg"}, std::nullopt},
        // A number too large to be increased is left out, however many digits it has.
        {{base + "9223372036854775807.dwg"}, "000"},
        {{base + "004.dwg", base + "9223372036854775807.dwg"}, "005"},
        {{base + "9223372036854775808.dwg", base + "004.dwg"}, "005"},
        {{base + "004.dwg", base + "123456789012345678901.dwg"}, "005"},
        {{base + "9223372036854775806.dwg"}, "9223372036854775807"},
        {{base + "0000000000000000000000012.dwg"}, "013"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextSheetNumber(c.files, base), c.expected) << (c.files.empty() ? "" : c.files.back());
}

TEST(FileName, LastComponentWithoutExtension) {
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"C:\\a\\b.c.dwg", "b"}, {"x", "x"}, {"x.dwg", "x"}, {"\\a\\", ""}, {"a\\.dwg", ""}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFileName(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace trv::naming
