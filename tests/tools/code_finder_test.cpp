// The code finder where the end-to-end cases cannot show it, and the code
// list shipped with the demo office.
#include "tools/code_finder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "app/program.h"
#include "catalogue/tables.h"
#include "platform/records.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

std::string shipped(const std::string& file) {
    return testing::TempFolder::slurp(std::string(TRV_SOURCE_DIR) + "/demo/office/resources/vb_server/" + file);
}

// Without a configuration the finder stays enabled; its list's path would
// be relative to wherever the program started, so nothing is read.
TEST(CodeFinder, WithoutAResourceFolderNothingIsReadFromWhereTheProgramStarted) {
    testing::TempFolder dir;
    dir.write("vb_server/FindModelFilesCodes2.csv", "\"A\",\"FP\",\"Floor Plan\",\"Architectural\"\r\n");
    testing::RecordingPlatform platform;  // no trv.ini beside the program
    Program p{platform, platform};
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    p.loadSettings();
    p.form1.txtmodelfilecodes.setText("AFP");
    Command2_Click(p);
    std::filesystem::current_path(before);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"INI file is missing. Initialization stoped !!!",
                                        "Missing file : " + platform.displayPath("vb_server\\FindModelFilesCodes2.csv")}));
}

// Every model file type of every discipline has one record, spelled with the
// discipline's designator and the code that the names the program builds carry.
TEST(ShippedCodeList, EveryModelFileTypeHasOneRecordWithTheCodesOfTheCodeFile) {
    std::map<std::string, std::string> codeOfName;
    FieldReader codes(shipped("modelfilescodes.txt"));
    while (!codes.atEnd()) {
        const auto record = codes.next(2);
        codeOfName[record[0]] = record[1];
    }

    std::set<std::pair<std::string, std::string>> listed;  // discipline, model file type
    FieldReader list(shipped("FindModelFilesCodes2.csv"));
    while (!list.atEnd()) {
        const auto record = list.next(4);
        SCOPED_TRACE(record[0] + "," + record[1] + "," + record[2] + "," + record[3]);
        const catalogue::Discipline* discipline = catalogue::findDiscipline(record[3]);
        ASSERT_NE(discipline, nullptr);
        EXPECT_EQ(record[0], discipline->code);
        // The catalogue leaves two types uncoded; the code file may name them.
        const auto it = codeOfName.find(record[2]);
        if (it != codeOfName.end()) {
            EXPECT_EQ(record[1], it->second);
        }
        EXPECT_EQ(record[1].size(), 2u);
        EXPECT_TRUE(listed.insert({record[3], record[2]}).second) << "listed twice";
    }

    std::set<std::pair<std::string, std::string>> offered;
    for (const auto& discipline : catalogue::disciplines())
        for (const auto& model : discipline.models) offered.insert({discipline.name, model.name});
    EXPECT_EQ(listed, offered);
}

}  // namespace
}  // namespace trv
