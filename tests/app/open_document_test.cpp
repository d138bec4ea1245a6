#include "app/open_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_platform.h"

namespace trv {
namespace {

using testing::RecordingPlatform;
using Strings = std::vector<std::string>;

TEST(OpenWithChooser, ShowsTheChooserOrItsCatchAllMessage) {
    RecordingPlatform platform;
    openWithChooser(platform, "R:\\res\\klvprojects.txt");
    EXPECT_EQ(platform.chooserCalls, Strings{"R:\\res\\klvprojects.txt"});
    EXPECT_TRUE(platform.messages.empty());

    platform.chooserFails = true;
    openWithChooser(platform, "R:\\res\\x.doc");
    EXPECT_EQ(platform.messages, Strings{"Unknown error opening file !!!"});
}


}  // namespace
}  // namespace trv
