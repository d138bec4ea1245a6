// The model file code file shipped with the office resources gives every
// model file type of every discipline its catalogue code, as the lookup
// reads it when a name is composed.
#include <gtest/gtest.h>

#include "app/program.h"
#include "support/recording_platform.h"
#include "catalogue/choices.h"
#include "catalogue/tables.h"

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
            SCOPED_TRACE(discipline.name + " / " + model.name);
            p.form1.cmbModels.setText(model.name);
            p.form1.modelTypeCode = "stale";
            modeltypecode1(p);
            EXPECT_EQ(p.form1.modelTypeCode.size(), 2u) << p.form1.modelTypeCode;
            if (!model.code.empty()) {
                EXPECT_EQ(p.form1.modelTypeCode, model.code);
            }
            ++looked;
        }
    }
    EXPECT_EQ(looked, 157);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ModelCodeLookup, AMissingCodeFileIsAFailureOfTheComposition) {
    p.settings.ResourcePath = std::string(TRV_SOURCE_DIR) + "/no-such-folder\\";
    p.form1.cmbModels.setText("Floor Plan");
    EXPECT_THROW(modeltypecode1(p), RuntimeFailure);
    EXPECT_EQ(p.form1.modelTypeCode, "");
}

}  // namespace
}  // namespace trv
