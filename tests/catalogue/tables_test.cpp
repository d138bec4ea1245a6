#include "catalogue/tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace trv::catalogue {
namespace {

struct RowCase {
    const char* name;
    const char* code;
    bool listed;
    const char* modelsFiller;
    const char* designatorsFiller;
    size_t models;
    size_t designators;
};

// The rows in the order cmbdisciplines shows them, then the two unlisted ones.
const RowCase kRows[] = {
    {"Architectural", "A", true, "add_Arch_models", "add_Arch_designators", 11, 7},
    {"Civil", "C", true, "add_Civil_models", "add_Civil_designators", 17, 16},
    {"Electrical", "E", true, "add_Elect_models", "add_Elect_designators", 12, 10},
    {"Equipment", "Q", true, "add_Equipment_models", "", 4, 0},
    {"Fire_Protection", "F", true, "add_FP_models", "add_FP_designators", 7, 3},
    {"Hazardous_Materials", "H", true, "add_Hmat_models", "add_Hmat_designators", 6, 6},
    {"General", "G", true, "add_Gener_models", "add_Gener_designators", 5, 4},
    {"Geotechnical", "B", true, "add_Geot_models", "add_Geot_designators", 9, 1},
    {"Interiors", "I", true, "add_Inter_models", "add_Inter_designators", 9, 5},
    {"Landscape", "L", true, "add_Lands_models", "add_Lands_designators", 8, 4},
    {"Marine_Works", "Y", true, "add_MarineWorks_models", "", 4, 0},
    {"Mechanical", "M", true, "add_Mech_models", "add_Mech_designators", 13, 7},
    {"Plumbing", "P", true, "add_Plumb_models", "add_Plumb_designators", 8, 6},
    {"Roads", "R", true, "add_Roads_models", "", 4, 0},
    {"Structural", "S", true, "add_Struc_models", "add_Struc_designators", 21, 5},
    {"Survey_and_Mapping", "V", true, "add_Smap_models", "add_Smap_designators", 13, 6},
    {"Telecommunication", "T", true, "add_Telecom_models", "add_Telecom_designators", 6, 10},
    {"Combined Disciplines", "X", false, "", "", 0, 0},
    {"Non - Discipline Related", "Z", false, "", "", 0, 0},
};

TEST(DisciplineTable, RowsInListOrderWithCodesFillersAndCounts) {
    const auto& table = disciplines();
    ASSERT_EQ(table.size(), std::size(kRows));
    for (size_t i = 0; i < table.size(); ++i) {
        const RowCase& want = kRows[i];
        const Discipline& got = table[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.code, want.code);
        EXPECT_EQ(got.listed, want.listed);
        EXPECT_EQ(got.modelsFiller, want.modelsFiller);
        EXPECT_EQ(got.designatorsFiller, want.designatorsFiller);
        EXPECT_EQ(got.models.size(), want.models);
        EXPECT_EQ(got.designators.size(), want.designators);
        EXPECT_EQ(findDiscipline(want.name), &got);
    }
}

TEST(DisciplineTable, CodeTestOrderIsAPermutationOfTheRowCodes) {
    std::multiset<char> rowCodes;
    for (const Discipline& d : disciplines()) {
        ASSERT_EQ(d.code.size(), 1u) << d.name;
        rowCodes.insert(d.code[0]);
    }
    EXPECT_EQ(std::set<char>(rowCodes.begin(), rowCodes.end()).size(), rowCodes.size());
    const std::string_view order = disciplineCodeTestOrder();
    EXPECT_EQ(std::multiset<char>(order.begin(), order.end()), rowCodes);
}

TEST(DisciplineLookup, ExactCaseSensitiveNames) {
    const struct {
        const char* text;
        const char* code;
    } cases[] = {
        {"Combined Disciplines", "X"}, {"Non - Discipline Related", "Z"},
        {"Hazardous_Materials", "H"},  {"Survey_and_Mapping", "V"},
        {"Marine_Works", "Y"},         {"architectural", ""},
        {"Architectural ", ""},        {"Fire Protection", ""},
        {"", ""},                      {"X", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(disciplineCodeOf(c.text), c.code);
        EXPECT_EQ(findDiscipline(c.text) != nullptr, *c.code != '\0');
    }
    for (const Discipline& d : disciplines()) {
        EXPECT_EQ(disciplineCodeOf(d.name), d.code) << d.name;
    }
}

TEST(ModelTypes, FirstAndLastEntriesOfEachList) {
    const struct {
        const char* discipline;
        ModelType first;
        ModelType last;
    } cases[] = {
        {"Architectural", {"Floor Plan", "FP"}, {"Demolition_Plan", "XD"}},
        {"General", {"Border Sheet", "BS"}, {"Schedule", "SH"}},
        {"Fire_Protection", {"Fire Alarm_Detection Plan", "FA"}, {"Demolition_Plan", "XD"}},
        {"Roads", {"Road Plan", ""}, {"Demolition_Plan", "XD"}},
        {"Marine_Works", {"Marine Works Plan", ""}, {"Demolition_Plan", "XD"}},
        {"Structural", {"Foundation Plan", "NP"}, {"Demolition_Plan", "XD"}},
        {"Telecommunication", {"Telephone_Data Plan", "TP"}, {"Demolition_Plan", "XD"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.discipline);
        const Discipline* d = findDiscipline(c.discipline);
        ASSERT_NE(d, nullptr);
        ASSERT_FALSE(d->models.empty());
        EXPECT_EQ(std::tie(d->models.front().name, d->models.front().code),
                  std::tie(c.first.name, c.first.code));
        EXPECT_EQ(std::tie(d->models.back().name, d->models.back().code),
                  std::tie(c.last.name, c.last.code));
    }
}

// Name -> code over all disciplines; fails the test when a name carries two codes.
std::map<std::string, std::string> codedNames() {
    std::map<std::string, std::string> codes;
    for (const Discipline& d : disciplines()) {
        for (const ModelType& m : d.models) {
            if (m.code.empty()) continue;
            const auto [it, added] = codes.emplace(m.name, m.code);
            EXPECT_EQ(it->second, m.code) << m.name << " in " << d.name;
        }
    }
    return codes;
}

TEST(ModelTypes, CodesAreTwoCharactersUniquePerListAndOnePerName) {
    std::set<std::string> uncoded;
    for (const Discipline& d : disciplines()) {
        std::set<std::string> seen;
        for (const ModelType& m : d.models) {
            SCOPED_TRACE(d.name + " / " + m.name);
            EXPECT_FALSE(m.name.empty() || m.name.front() == ' ' || m.name.back() == ' ');
            if (m.code.empty()) {
                uncoded.insert(m.name);
                continue;
            }
            EXPECT_EQ(m.code.size(), 2u);
            EXPECT_TRUE(seen.insert(m.code).second) << "code repeated: " << m.code;
        }
    }
    EXPECT_EQ(uncoded, (std::set<std::string>{"Marine Works Plan", "Road Plan"}));

    // Codes are shared between names; these sharings are intended.
    std::map<std::string, std::set<std::string>> namesOfCode;
    for (const auto& [name, code] : codedNames()) namesOfCode[code].insert(name);
    EXPECT_EQ(namesOfCode["FP"],
              (std::set<std::string>{"Fire Suppression Plan", "Floor Plan", "Framing Plan"}));
    EXPECT_EQ(namesOfCode["RP"], (std::set<std::string>{"Furniture Plan", "Roof Plan"}));
    EXPECT_EQ(namesOfCode["SP"].size(), 5u);
    EXPECT_TRUE(namesOfCode["SP"].contains("Superstructure"));
}

TEST(Designators, TrailingBlanksAreKeptOnExactlyFourEntries) {
    std::set<std::string> endInBlank;
    for (const Discipline& d : disciplines()) {
        for (const std::string& e : d.designators) {
            if (!e.empty() && e.back() == ' ') endInBlank.insert(e);
        }
    }
    EXPECT_EQ(endInBlank,
              (std::set<std::string>{"Civil Navigationt ", "Civil Security ",
                                     "Electrical Cathodic protection ",
                                     "Mechanical Hydraulic Systems "}));
    const Discipline* civil = findDiscipline("Civil");
    ASSERT_NE(civil, nullptr);
    EXPECT_EQ(civil->designators.at(13), "Civil Security ");
    EXPECT_EQ(civil->designators.at(13).size(), 15u);
    const Discipline* hazmat = findDiscipline("Hazardous_Materials");
    ASSERT_NE(hazmat, nullptr);
    EXPECT_EQ(hazmat->designators.front(), "All Hazardous Materials");
}

TEST(SheetTypes, TenEntriesEachLeadByItsDigit) {
    const auto& list = sheetTypes();
    ASSERT_EQ(list.size(), 10u);
    for (size_t i = 0; i < list.size(); ++i) {
        ASSERT_GE(list[i].size(), 3u);
        EXPECT_EQ(list[i][0], static_cast<char>('0' + i)) << list[i];
        EXPECT_EQ(list[i][1], ':') << list[i];
        EXPECT_NE(list[i][2], ' ') << list[i];
    }
    EXPECT_EQ(list[1], "1:Layouts&site plans");
    EXPECT_EQ(list[7], "7:Spare");
}

TEST(ModelsButton, RefillsEveryListedDisciplineButEquipmentMarineWorksAndRoads) {
    const std::set<std::string> leftAlone = {"Equipment", "Marine_Works", "Roads"};
    int refilled = 0;
    for (const Discipline& d : disciplines()) {
        const bool want = d.listed && !leftAlone.contains(d.name);
        EXPECT_EQ(modelsButtonRefills(d.name), want) << d.name;
        refilled += want ? 1 : 0;
    }
    EXPECT_EQ(refilled, 14);
    EXPECT_FALSE(modelsButtonRefills("architectural"));
    EXPECT_FALSE(modelsButtonRefills(""));
}

// Reads records of the strict form "name","code" CR LF, the form the file is shipped in.
std::vector<std::pair<std::string, std::string>> readCodeFile(const std::string& text) {
    static const std::regex record("\"([^\"]*)\",\"([^\"]*)\"\r\n");
    std::vector<std::pair<std::string, std::string>> records;
    std::smatch m;
    auto from = text.cbegin();
    while (std::regex_search(from, text.cend(), m, record, std::regex_constants::match_continuous)) {
        records.emplace_back(m[1], m[2]);
        from = m[0].second;
    }
    EXPECT_EQ(from, text.cend()) << "malformed record at offset " << (from - text.cbegin());
    return records;
}

TEST(ShippedCodeFile, HoldsOneRecordPerCodedNameWithItsCode) {
    std::ifstream in(TRV_SOURCE_DIR "/demo/office/resources/vb_server/modelfilescodes.txt",
                     std::ios::binary);
    ASSERT_TRUE(in) << "modelfilescodes.txt not found";
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::map<std::string, std::string> shipped;
    for (const auto& [name, code] : readCodeFile(text)) {
        EXPECT_TRUE(shipped.emplace(name, code).second) << "repeated record: " << name;
    }
    EXPECT_EQ(shipped, codedNames());
}

}  // namespace
}  // namespace trv::catalogue
