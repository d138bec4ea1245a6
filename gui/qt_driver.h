#pragma once

#include "cli/player.h"

class QWidget;

namespace trv::gui {

class Renderer;

// The script player's actions sent to the Qt widgets, which answer them as
// they answer the user: a click is the button's own click() (a label's a
// mouse click on it), a choice the list's selection with the signal a
// user's choice raises, typing one key event per character into the box,
// a replaced text the box's text set as an edit. The renderer's wiring then
// runs the handlers and refreshes as for any user event.
class QtDriver : public cli::ControlDriver {
public:
    explicit QtDriver(Renderer& renderer) : renderer_(renderer) {}

    void click(const cli::ScriptControl& c) override;
    void choose(const cli::ScriptControl& c, int index) override;
    void typeCharacter(const cli::ScriptControl& c, const std::string& character) override;
    void setText(const cli::ScriptControl& c, const std::string& text) override;
    void close(const std::string& windowName) override;

private:
    // The control's widget as the models stand now.
    QWidget* prepare(const cli::ScriptControl& c);

    Renderer& renderer_;
};

}  // namespace trv::gui
