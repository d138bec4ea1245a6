// trv-cli controls: the controls of the windows as the descriptions place
// them, named as a script names them.
#include <algorithm>
#include <ostream>

#include "cli/commands/commands.h"
#include "cli/commands/session.h"
#include "cli/script.h"
#include "ui/application.h"

namespace trv::cli {
namespace {

std::string kindName(ui::ControlKind kind) {
    using K = ui::ControlKind;
    switch (kind) {
        case K::Label:
            return "label";
        case K::TextBox:
            return "text box";
        case K::ReadOnlyBox:
            return "read-only box";
        case K::BannerBox:
            return "banner";
        case K::Button:
            return "button";
        case K::ComboBox:
            return "combo box";
        case K::PickList:
            return "pick list";
        case K::ListBox:
            return "list box";
        case K::Picture:
            return "picture";
    }
    return {};
}

}  // namespace

int controlsCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() > 1) return badArguments(err, "controls takes at most one window");
    Session s(a);
    // The windows are built, not loaded: nothing is read from the office.
    ui::Application app(s.platform, s.ui);
    std::vector<std::string> windows = app.windowNames();
    if (!a.words.empty()) {
        if (!app.desc(a.words[0])) {
            std::string names;
            for (const auto& w : windows) names += ' ' + w;
            return badArguments(err, "no window " + a.words[0] + "; the windows are" + names);
        }
        windows = {a.words[0]};
    }
    if (a.has("--events")) {
        // The wiring itself: the table the program connects its events by.
        for (const ui::EventBinding& e : app.events()) {
            if (std::find(windows.begin(), windows.end(), e.window) == windows.end()) continue;
            out << (e.window == "Form1" ? "" : e.window + ".") << e.control << "  "
                << (e.event == ui::ControlEvent::Click ? "click" : "change") << "  " << e.handler << '\n';
        }
        return statusClean;
    }
    for (const std::string& window : windows) {
        const ui::WindowDescription& d = *app.desc(window);
        out << window << " \"" << escapeLineBreaks(d.caption) << "\"\n";
        // The main window's controls go by their own name, the others' by window and name.
        const std::string prefix = window == "Form1" ? "" : window + ".";
        for (const ui::ControlDescription& c : d.controls) {
            out << "  " << prefix << c.name << "  " << kindName(c.kind) << "  \"" << escapeLineBreaks(c.caption)
                << '"' << (c.visible ? "" : "  hidden") << '\n';
        }
    }
    return statusClean;
}

}  // namespace trv::cli
