#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace trv {

// Makes a folder ready as the folder test does: created (one level) when it
// is not found; any other failure, and a failed creation, are left alone.
void ensureFolder(Platform& platform, const std::string& path);

// Makes a tree of folders ready, `folders` listed parents first, each as
// ensureFolder does, with the fewest calls: the deepest are tested first
// (when they are there, so is every folder above them), and a folder in one
// just made is made without a test (nothing can be in a new folder).
void ensureFolders(Platform& platform, const std::vector<std::string>& folders);

}  // namespace trv
