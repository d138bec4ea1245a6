#include "win32/self_check.h"

#include <windows.h>

#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include "app/controls.h"
#include "platform/text.h"
#include "ui/font_fitting.h"
#include "ui/screen_sync.h"
#include "win32/renderer.h"
#include "win32/wide.h"

namespace trv::win32 {

namespace {

using ui::ControlKind;
using ui::isListKind;

// The standard control each kind of control is made of.
const char* expectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyBox:
            return "Edit";
        case ControlKind::Button:
            return "Button";
        case ControlKind::ComboBox:
        case ControlKind::PickList:
            return "ComboBox";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::Label:
        case ControlKind::BannerBox:
        case ControlKind::Picture:
            break;
    }
    return "Static";
}

std::string className(HWND hwnd) {
    wchar_t name[64] = {};
    const int n = ::GetClassNameW(hwnd, name, 64);
    return narrow(std::wstring_view(name, n > 0 ? static_cast<std::size_t>(n) : 0));
}

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
    reinterpret_cast<std::set<std::string>*>(texts)->insert(windowText(child));
    return TRUE;
}

// Whether label `b` continues the sentence of label `a` on its line.
bool continues(const ui::ControlDescription& a, const ui::ControlDescription& b) {
    return a.kind == ControlKind::Label && b.kind == ControlKind::Label && a.place.top == b.place.top &&
           a.place.height == b.place.height && a.place.left + a.place.width == b.place.left;
}

// The label before `c` on the same line when `c` continues its sentence.
const ui::ControlDescription* sentenceBefore(const ui::WindowDescription& desc, const ui::ControlDescription& c) {
    for (const auto& other : desc.controls) {
        if (continues(other, c)) return &other;
    }
    return nullptr;
}

bool continued(const ui::WindowDescription& desc, const ui::ControlDescription& c) {
    for (const auto& other : desc.controls) {
        if (continues(c, other)) return true;
    }
    return false;
}

// Whether Tab stops at a control of this kind (labels, banners and pictures take no focus).
bool takesFocus(ControlKind k) {
    return k == ControlKind::TextBox || k == ControlKind::ReadOnlyBox || k == ControlKind::Button || isListKind(k);
}

RECT placeInWindow(HWND control, HWND window) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The differences found in one window, one a line.
class Findings {
public:
    explicit Findings(std::string windowName) : window_(std::move(windowName)) {}
    void add(const std::string& what) { lines_.push_back(window_ + ": " + what); }
    std::vector<std::string> lines() && { return std::move(lines_); }

private:
    std::string window_;
    std::vector<std::string> lines_;
};

std::string placeText(int x, int y, int width, int height) {
    return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
           std::to_string(height);
}

// The window's client size and caption.
void checkFrame(HWND window, const ui::WindowDescription& desc, const WindowModel& model, int dpi,
                Findings& found, std::ostream& table) {
    if (!::IsWindowVisible(window)) found.add("not on show");
    RECT client{};
    ::GetClientRect(window, &client);
    const int width = ui::pixels(desc.clientWidth, dpi);
    const int height = ui::pixels(desc.clientHeight, dpi);
    table << model.name << '\t' << className(window) << '\t' << client.right << 'x' << client.bottom << '\t'
          << '"' << windowText(window) << "\"\n";
    if (client.right != width || client.bottom != height)
        found.add("client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
                  ", expected " + std::to_string(width) + "x" + std::to_string(height));
    const std::string caption = ui::captionOf(model, desc);
    if (windowText(window) != caption)
        found.add("caption \"" + windowText(window) + "\", expected \"" + caption + '"');
}

// Where the control stands. A label that continues a sentence starts where
// the text before it ends; one that is continued ends where the next one starts.
void checkPlace(const RECT& r, const ui::WindowDescription& desc, const ui::ControlDescription& c, int dpi,
                Findings& found) {
    const int x = ui::pixels(c.place.left, dpi);
    const int y = ui::pixels(c.place.top, dpi);
    const int w = ui::pixels(c.place.width, dpi);
    const int h = ui::pixels(c.place.height, dpi);
    const ui::ControlDescription* before = sentenceBefore(desc, c);
    const bool xFits = before ? r.left <= x && r.left > ui::pixels(before->place.left, dpi) : r.left == x;
    const bool widthFits = continued(desc, c) ? r.right - r.left <= w : r.right - r.left == w;
    if (!xFits || r.top != y || !widthFits || r.bottom - r.top != h)
        found.add(c.name + ": at " + placeText(r.left, r.top, r.right - r.left, r.bottom - r.top) +
                  ", expected " + placeText(x, y, w, h));
}

// The standard control it is made of.
void checkClass(HWND h, const ui::ControlDescription& c, Findings& found) {
    const std::string wantedClass = expectedClass(c.kind);
    if (!equalsNoCase(className(h), wantedClass))
        found.add(c.name + ": class " + className(h) + ", expected " + wantedClass);
}

// Its visibility, enabled state, entries and text, and that the text is
// found among the window's children.
void checkContent(HWND h, const ui::ControlDescription& c, const Control* m,
                  const std::set<std::string>& texts, Findings& found) {
    const bool visible = (::GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool wantedVisible = m ? m->visible : c.visible;
    if (visible != wantedVisible)
        found.add(c.name + (visible ? ": shown, expected hidden" : ": hidden, expected shown"));
    if (m && (::IsWindowEnabled(h) != FALSE) != m->enabled)
        found.add(c.name + (m->enabled ? ": disabled, expected enabled" : ": enabled, expected disabled"));
    if (m && isListKind(c.kind)) {
        const bool combo = c.kind != ControlKind::ListBox;
        const auto count = ::SendMessageW(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        if (count != static_cast<LRESULT>(m->items().size()))
            found.add(c.name + ": " + std::to_string(count) + " entries, expected " +
                      std::to_string(m->items().size()));
    }
    if (c.kind == ControlKind::ListBox || c.kind == ControlKind::Picture) return;
    std::string wantedText;
    if (m) {
        wantedText = ui::viewOf(*m, c.kind).text;
    } else if (c.kind == ControlKind::Label || c.kind == ControlKind::Button) {
        wantedText = c.caption;
    }
    const std::string text = windowText(h);
    if (text != wantedText) found.add(c.name + ": text \"" + text + "\", expected \"" + wantedText + '"');
    if (wantedVisible && !wantedText.empty() && texts.count(wantedText) == 0)
        found.add(c.name + ": no child window has the text \"" + wantedText + '"');
}

// Tab, as the dialog manager moves it, goes from control to control in the
// order of the description (those shown and enabled) and comes round.
void checkTabOrder(Renderer& renderer, const std::string& windowName, const ui::WindowDescription& desc,
                   Findings& found) {
    HWND window = renderer.window(windowName);
    std::vector<std::pair<HWND, std::string>> stops;
    for (const auto& c : desc.controls) {
        HWND h = renderer.control(windowName, c.name);
        if (h && takesFocus(c.kind) && ::IsWindowVisible(h) && ::IsWindowEnabled(h)) stops.emplace_back(h, c.name);
    }
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const auto& wanted = stops[(i + 1) % stops.size()];
        HWND next = ::GetNextDlgTabItem(window, stops[i].first, FALSE);
        if (next == wanted.first) continue;
        std::string reached = "nothing";
        for (const auto& stop : stops)
            if (stop.first == next) reached = stop.second;
        found.add("Tab from " + stops[i].second + " goes to " + reached + ", expected " + wanted.second);
    }
}

}  // namespace

std::vector<std::string> checkWindow(Renderer& renderer, ui::Application& app, const std::string& windowName,
                                     std::ostream& table) {
    Findings found(windowName);
    const ui::WindowDescription* desc = app.desc(windowName);
    WindowModel* model = app.window(windowName);
    HWND window = renderer.window(windowName);
    if (!desc || !model || !window) {
        found.add("no such window");
        return std::move(found).lines();
    }
    const int dpi = renderer.dpi(windowName);
    checkFrame(window, *desc, *model, dpi, found, table);
    std::set<std::string> texts;
    ::EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&texts));
    for (const auto& c : desc->controls) {
        HWND h = renderer.control(windowName, c.name);
        if (!h) {
            found.add(c.name + ": no control");
            continue;
        }
        const RECT r = placeInWindow(h, window);
        const bool visible = (::GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0;
        table << "  " << c.name << '\t' << className(h) << '\t' << r.left << ',' << r.top << ' '
              << r.right - r.left << 'x' << r.bottom - r.top << '\t' << '"' << windowText(h) << '"'
              << (visible ? "" : "\thidden") << '\n';
        checkClass(h, c, found);
        checkPlace(r, *desc, c, dpi, found);
        checkContent(h, c, model->controls.find(c.name), texts, found);
    }
    checkTabOrder(renderer, windowName, *desc, found);
    return std::move(found).lines();
}

}  // namespace trv::win32
