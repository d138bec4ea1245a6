// The text size calculator: every scale once, the rounding of the output
// pattern, and the forms of input it takes and refuses.
#include "tools/text_scale.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "support/recording_platform.h"

namespace trv {
namespace {

const char* const numericMessage = "Error : Wrong input for size. Numeric input is expected.";

TEST(TextSize, ConvertsForTheChosenScaleAndWritesThePattern) {
    struct Row {
        const char* size;
        const char* scale;
        const char* output;  // nullptr: the numeric message
    };
    const Row rows[] = {
        // Every scale once.
        {"2.5", "1:10", "0.025"},
        {"2.5", "1:20", "0.05"},
        {"2.5", "1:30", "0.075"},
        {"2.5", "1:40", "0.1"},
        {"2.5", "1:50", "0.125"},
        {"2.5", "1:100", "0.25"},
        {"2.5", "1:200", "0.5"},
        {"2.5", "1:500", "1.25"},
        {"2.5", "1:1000", "2.5"},
        {"2.5", "1:2000", "5."},
        {"2.5", "1:2500", "6.25"},
        {"2.5", "1:5000", "12.5"},
        {"2.5", "1:10000", "25."},
        // The screen's own cases.
        {"3", "1:30", "0.09"},
        {"0.01", "1:10", "0.0001"},
        {"1.234567", "1:1000", "1.23457"},
        {"-2.5", "1:100", "-.25"},
        {"2.5", "", "0."},
        {"2.5", "1:100 ", "0."},
        // Rounding at the fifth decimal, on the value as written with 15 digits.
        {"0.000015", "1:1000", "0.00002"},
        {"1.000005", "1:1000", "1.00001"},
        {"-0.000015", "1:1000", "-.00002"},
        {"0.000004", "1:1000", "0."},
        {"-0.000004", "1:1000", "0."},
        {"0.0000051", "1:10", "0."},
        {"99999.999996", "1:1000", "100000."},
        {"0.1", "1:30", "0.003"},
        // Large values: digits past the 15th are zeros, never an exponent.
        {"1e20", "1:1000", "100000000000000000000."},
        {"123456789012345678", "1:1000", "123456789012346000."},
        {"1e308", "1:10000", nullptr},
        // The forms of a number.
        {" \t2.5 ", "1:1000", "2.5"},
        {"+2.5", "1:1000", "2.5"},
        {".5", "1:1000", "0.5"},
        {"5.", "1:1000", "5."},
        {"2.5e1", "1:1000", "25."},
        {"25E-1", "1:1000", "2.5"},
        {"1e-400", "1:1000", "0."},
        {"1e400", "1:1000", nullptr},
        {"", "1:1000", nullptr},
        {" ", "1:1000", nullptr},
        {"abc", "1:1000", nullptr},
        {"2,5", "1:1000", nullptr},
        {"inf", "1:1000", nullptr},
        {"nan", "1:1000", nullptr},
        {"0x1A", "1:1000", nullptr},
        {"1e", "1:1000", nullptr},
        {"1e+", "1:1000", nullptr},
        {".", "1:1000", nullptr},
        {"-", "1:1000", nullptr},
        {"1.2.3", "1:1000", nullptr},
        {"- 2.5", "1:1000", nullptr},
        {"1 000", "1:1000", nullptr},
        {"2.5mm", "1:1000", nullptr},
    };
    for (const Row& row : rows) {
        const auto result = convertTextSize(row.size, row.scale);
        SCOPED_TRACE(std::string("\"") + row.size + "\" at \"" + row.scale + "\"");
        if (row.output) {
            EXPECT_EQ(result.value, std::optional<std::string>(row.output));
            EXPECT_TRUE(result.messages.empty());
        } else {
            EXPECT_FALSE(result.value);
            EXPECT_EQ(result.messages, std::vector<std::string>{numericMessage});
        }
    }
}

TEST(TextScaleWindowHandler, ARefusedSizeKeepsTheOutputAndPutsTheFocusInTheInput) {
    testing::RecordingPlatform platform;
    Program p{platform, platform};
    TextScaleWindow w;
    fillScaleList(w);
    w.lstscales.setListIndex(5);
    w.txttextsizein.setText("2.5");
    cmdtextcnv_Click(p, w);
    cmdtextcnv_Click(p, w);
    EXPECT_EQ(w.txttextsizeout.text(), "0.25");
    w.txttextsizein.setText("2.5 mm");
    cmdtextcnv_Click(p, w);
    EXPECT_EQ(platform.messages, std::vector<std::string>{numericMessage});
    EXPECT_EQ(w.txttextsizeout.text(), "0.25");
    EXPECT_TRUE(w.txttextsizein.focused);
}

}  // namespace
}  // namespace trv
