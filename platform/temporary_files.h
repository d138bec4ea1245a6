#pragma once

#include <string_view>

namespace trv {

// A file that must appear whole (a saved choice, a new drawing, a delivered
// copy) is written under a temporary name in its target folder first, then
// renamed. The names are TRV's own: ".trv-" and six letters or digits
// (mkstemp, POSIX), or ".trv-" process "-" time "-" counter ".tmp" (Windows).
// Listings of drawings and records never show them.
bool isTemporaryFileName(std::string_view name);

// A temporary file this old (in seconds) was left by a process killed while
// writing; the next writer in its folder removes it.
inline constexpr int staleTemporarySeconds = 60;

}  // namespace trv
