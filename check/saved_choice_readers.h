#pragma once

#include <optional>
#include <string>

#include "app/office_paths.h"
#include "platform/platform.h"

// Readers of the saved choices that the naming check needs, by value.
namespace trv::check {

struct CurrentProject {
    std::string projectCode;
    std::string projectName;
    std::string internalCode;
};

// The three fields of curproject.txt; nothing when the file fails the
// presence test, cannot be read, or holds fewer fields.
std::optional<CurrentProject> readCurrentProject(Platform& platform, const OfficePaths& paths);

// The drawing type of curdrawingtype.txt, read as the sheet numbering reads
// it (presence test, first field); nothing when the file is absent or
// unreadable, or holds anything but "DESIGN" or "AS-BUILT".
std::optional<std::string> readSavedDrawingType(Platform& platform, const OfficePaths& paths);

}  // namespace trv::check
