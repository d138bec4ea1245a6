#pragma once

namespace trv {

// The program's version as the main window shows it; the version marker left
// in each project folder is named after it.
inline constexpr const char* versionLabel = "Version 5.0";

}  // namespace trv
