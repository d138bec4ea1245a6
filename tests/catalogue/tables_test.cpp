#include "catalogue/tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace trv::catalogue {
namespace {

// The lists' entries are printed in full by the end-to-end cases; here the
// rules that hold across the tables.
TEST(DisciplineTable, RowsCarryTheirLettersInListOrderAndOnlyXAndZAreUnlisted) {
    std::string codes, unlisted;
    for (const Discipline& d : disciplines()) {
        ASSERT_EQ(d.code.size(), 1u) << d.name;
        codes += d.code;
        if (!d.listed) unlisted += d.code;
        EXPECT_EQ(findDiscipline(d.name), &d);
        EXPECT_EQ(disciplineCodeOf(d.name), d.code) << d.name;
    }
    EXPECT_EQ(codes, "ACEQFHGBILYMPRSVTXZ");  // in the order cmbdisciplines shows them
    EXPECT_EQ(unlisted, "XZ");
}

TEST(DisciplineLookup, ExactCaseSensitiveNames) {
    for (const char* text : {"architectural", "Architectural ", "Fire Protection", "", "X"}) {
        EXPECT_EQ(disciplineCodeOf(text), "") << text;
        EXPECT_EQ(findDiscipline(text), nullptr) << text;
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

TEST(SheetTypes, TenEntriesEachLedByItsDigit) {
    const auto& list = sheetTypes();
    ASSERT_EQ(list.size(), 10u);
    for (size_t i = 0; i < list.size(); ++i) {
        ASSERT_GE(list[i].size(), 3u);
        EXPECT_EQ(list[i][0], static_cast<char>('0' + i)) << list[i];
        EXPECT_EQ(list[i][1], ':') << list[i];
        EXPECT_NE(list[i][2], ' ') << list[i];
    }
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
    std::ifstream in(TRV_SOURCE_DIR "/demo/office/resources/vb_server/modelfilescodes.txt", std::ios::binary);
    ASSERT_TRUE(in) << "modelfilescodes.txt not found";
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::map<std::string, std::string> shipped;
    for (const auto& [name, code] : readCodeFile(text)) {
        EXPECT_TRUE(shipped.emplace(name, code).second) << "repeated record: " << name;
    }
    // The catalogue's codes, and one of the office's own for each type the
    // catalogue leaves uncoded, so that every model name has its full length.
    auto expected = codedNames();
    for (const Discipline& d : disciplines()) {
        for (const ModelType& m : d.models) {
            if (!m.code.empty()) continue;
            EXPECT_EQ(shipped[m.name].size(), 2u) << m.name;
            expected[m.name] = shipped[m.name];
        }
    }
    EXPECT_EQ(shipped, expected);
}

}  // namespace
}  // namespace trv::catalogue
