#include "naming/name_composition.h"

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "support/recording_platform.h"
#include "support/temp_folder.h"

namespace trv {
namespace {

using testing::RecordingPlatform;
using testing::TempFolder;

// The user code is checked as it enters the name, upper-cased; bytes that are
// not UTF-8 never pass, whatever upper-casing would make of them (only typed
// text reaches a dialog, so no script can play these).
TEST(NameComposition, AUserCodeThatIsNotTextGivesNoName) {
    const std::string refusal =
        "Error : The user code is not valid text (UTF-8) and cannot be used in a file or folder name.";
    const std::pair<const char*, std::string> cases[] = {
        {"\xC3\xA9" "1", "KLV-13000-C000-01-C-RP-\xC3\x89" "1-QX"},
        {"\xC0\x80", refusal},                          // NUL in two bytes
        {"\xC0\xAF", refusal},                          // "/" in two bytes
        {"\xC0\x80z", "KLV-13000-C000-01-C-RP-00-00"},  // three characters: refused by the dialog's rule
    };
    TempFolder dir;
    RecordingPlatform platform;
    platform.setSettingsFile(dir / "trv.ini");
    dir.write("trv.ini", "[Paths]\r\nResourcePath=" + (dir / "resources") + "\r\nProjectPath=" + (dir / "projects") +
                             "\r\nIndividualTemplatePath=t\r\nSheetTemplatePath=s\r\nResourceCopyDestPath=d\r\n");
    dir.write("resources/vb_server/modelfilescodes.txt", "\"Road Plan\",\"RP\"\r\n");
    dir.write("projects/PROJECTS/curproject.txt", "\"KLV-13000-C000\",\"HARBOUR\",\"KLV-13000-C000\"\r\n");
    Program p{platform, platform};
    p.loadSettings();
    for (const auto& [fbnumber, expected] : cases) {
        ModelNameRequest r{"", "Civil", "Road Plan", "01", naming::UserCodeDialogKind::OtherDisciplines,
                           {"", fbnumber, "qx"}, "", {}};
        const auto c = composeModelFileName(platform, p.paths, r);
        EXPECT_EQ(c.value ? *c.value : c.messages.back(), expected) << fbnumber;
    }
}

}  // namespace
}  // namespace trv
