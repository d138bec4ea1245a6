// The corrected names the check suggests: only where every rule then holds
// and no other file has the name.
#include "check/finding_details.h"

#include <gtest/gtest.h>

#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv::check {
namespace {

TEST(FindingDetails, ANameIsSuggestedOnlyWhenItIsCertain) {
    testing::TempFolder dir;
    testing::TestSystem platform;
    AppSettings settings;
    const OfficePaths paths(settings);
    const CheckSubject subject{"KLV-13000-C000", "KLV-13000-C000", "DESIGN"};
    const std::string folder = dir / "Architectural/MODEL_FILES";
    dir.write("Architectural/MODEL_FILES/KLV-13000-C000-01-A-FP-F1-P0.dwg", "");
    const struct {
        const char* file;
        Rule rule;
        std::optional<std::string> suggested;
    } cases[] = {
        {"klv-13000-c000-01-a-rp-f1-p0.dwg", Rule::ProjectCode, "KLV-13000-C000-01-A-RP-F1-P0.dwg"},
        {"KLV-13001-C000-01-A-RP-F1-P0.dwg", Rule::ProjectCode, "KLV-13000-C000-01-A-RP-F1-P0.dwg"},
        {"KLV-13001-C000-01-a-rp-f1-p0.bak", Rule::ProjectCode, "KLV-13000-C000-01-A-RP-F1-P0.bak"},
        {"KLV-13000-CA000-01-A-RP-F1-P0.dwg", Rule::ProjectCode, "KLV-13000-C000-01-A-RP-F1-P0.dwg"},
        {"klv-13000-c000-01-a-fp-f1-p0.dwg", Rule::ProjectCode, std::nullopt},  // the name is taken
        {"KLV-13000-C000-01-S-RP-F1-P0.dwg", Rule::Designator, std::nullopt},
        {"KLV-13000-C000-01-C-UP-01-02.dwg", Rule::ModelType, std::nullopt},
        {"x.dwg", Rule::Length, std::nullopt},
        {"", Rule::MissingFolder, std::nullopt},
    };
    for (const auto& c : cases) {
        const Finding f{c.rule, "Architectural", FolderKind::Model, folder, c.file};
        EXPECT_EQ(suggestedName(platform, paths, f, subject), c.suggested) << c.file;
    }
    const Finding civil{Rule::ModelType, "Architectural", FolderKind::Model, folder, "KLV-13000-C000-01-C-UP-01-02.dwg"};
    EXPECT_EQ(expectedForm(civil, subject),
              "a model file type code of Architectural: RP, FP, CP, QP, AC, DT, EL, LG, SC, SH, XD; UP is a code of "
              "Survey_and_Mapping, Civil; the name fits the model folder of Civil");
}

}  // namespace
}  // namespace trv::check
