#pragma once

#include <windows.h>

namespace trv::win32 {

// Draws the organisation's mark, the picture of data/logo.svg that the Qt
// front end shows too, into `area`, centred and keeping its proportions.
void drawLogo(HDC dc, const RECT& area);

}  // namespace trv::win32
