#pragma once

#include <windows.h>

namespace trv::win32 {

// Draws the organisation's mark (a north arrow over a scale bar on a drawing
// sheet, in the banner colour) into `area`, keeping its proportions.
void drawLogo(HDC dc, const RECT& area);

}  // namespace trv::win32
