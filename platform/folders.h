#pragma once

#include <string>

#include "platform/platform.h"

namespace trv {

// Makes a folder ready as the folder test does: created (one level) when it
// is not found; any other failure, and a failed creation, are left alone.
void ensureFolder(Platform& platform, const std::string& path);

}  // namespace trv
