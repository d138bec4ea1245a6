// The model file code file shipped with the office resources gives every
// model file type of every discipline its catalogue code, as the lookup
// reads it when a name is composed.
#include <gtest/gtest.h>

#include "app/program.h"
#include "support/recording_platform.h"
#include "catalogue/tables.h"
#include "naming/name_composition.h"

namespace trv {
namespace {

class ModelCodeLookup : public ::testing::Test {
protected:
    void SetUp() override {
        // The settings as a loaded configuration leaves them, pointing at the demo resources.
        p.settings.SettingsLoaded = true;
        p.settings.InitOK = true;
        p.settings.ResourcePath = std::string(TRV_SOURCE_DIR) + "/demo/office/resources\\";
    }
    testing::RecordingPlatform platform;
    Program p{platform, platform};
};

// Every type gets a two-character code, so every model name TRV composes has
// the length the naming check accepts: the catalogue's code where it has one,
// and the office's own for the two types it leaves uncoded.
TEST_F(ModelCodeLookup, EveryListedTypeOfEveryDisciplineFindsItsCatalogueCode) {
    int looked = 0;
    for (const auto& discipline : catalogue::disciplines()) {
        for (const auto& model : discipline.models) {
            const std::string code = modeltypecode1(platform, p.paths, model.name);
            EXPECT_EQ(code.size(), 2u) << discipline.name << " / " << model.name << ": " << code;
            if (!model.code.empty()) {
                EXPECT_EQ(code, model.code) << discipline.name << " / " << model.name;
            }
            ++looked;
        }
    }
    EXPECT_EQ(looked, 157);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ModelCodeLookup, AMissingCodeFileIsAFailureOfTheComposition) {
    p.settings.ResourcePath = std::string(TRV_SOURCE_DIR) + "/no-such-folder\\";
    EXPECT_THROW(modeltypecode1(platform, p.paths, "Floor Plan"), RuntimeFailure);
}

}  // namespace
}  // namespace trv
