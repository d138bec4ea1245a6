#pragma once

#include "cli/options.h"

namespace trv::gui {

// `trv play SCRIPT [--ini PATH] [--user NAME] [--screenshots DIR]`: plays a
// trv-cli script through the Qt widgets (QtDriver) on the display and prints
// the same transcript as trv-cli. Message boxes are written to the
// transcript and shown on the screen, then closed; the progress window of a
// long operation shows as it does for the user.
//
// With --screenshots, `snap NAME WINDOW` waits until the window is on the
// screen and has painted itself there, then writes DIR/NAME.png with the
// window's pixels as the display shows them (grabbed from the screen, not
// drawn by the widget), DIR/NAME.drawn.png with the window as it draws
// itself (for comparison) and DIR/NAME.rect ("x y width height" in the
// screen's pixels). WINDOW `message` photographs the next message box,
// `progress` the progress window at its next step. `enlarge WINDOW` makes
// a window large enough for all its controls, as the user would by dragging
// its border.
//
// Returns the exit status: that of the script (see cli::Player::play), or
// 1 when a window could not be photographed.
int play(const cli::PlayCommand& command);

}  // namespace trv::gui
