#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/windows_shell.h"

namespace trv::win32 {

// Text is UTF-8 inside the program and UTF-16 at the Win32 boundary.
using trv::narrow;
using trv::widen;

// A window's text (GetWindowTextW) in UTF-8.
std::string windowText(HWND hwnd);
void setWindowText(HWND hwnd, const std::string& text);

}  // namespace trv::win32
