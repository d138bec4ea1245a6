#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ui/application.h"

namespace trv::win32 {

class Renderer;

// Compares a window on screen with its description and its model, through
// the Win32 API only: the window's client size and caption, and for every
// control of the description the native control made for it (class, place
// and size at the window's dpi, text, visibility, enabled state, number of
// entries), and that the control is found by its text among the window's
// children (EnumChildWindows, GetWindowText). Writes the table of controls
// to `table`; returns the differences, one a line.
std::vector<std::string> checkWindow(Renderer& renderer, ui::Application& app, const std::string& windowName,
                                     std::ostream& table);

}  // namespace trv::win32
