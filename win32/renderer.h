#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/font_fitting.h"
#include "ui/screen_sync.h"

namespace trv::win32 {

class GdiTextMetrics;

// Shows the windows of an Application as Win32 windows and standard
// controls. It knows no window in particular: each window's description
// gives the controls, their places (twips, scaled to the window's dpi) and
// fonts, the window's model gives their content. User events go to the
// control models; after every event the controls of every window are
// brought in line with the models again, as the Qt renderer does.
class Renderer : private ui::ScreenSync::Widgets {
public:
    explicit Renderer(ui::Application& app);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The top-level window of a window model, made on first use; nullptr
    // for a window the application does not know.
    HWND window(const std::string& windowName);
    // The native control of a window's control; nullptr when there is none.
    HWND control(const std::string& windowName, const std::string& controlName);
    // The control's number among its window's children (its WM_COMMAND id).
    static int controlId(std::size_t index) { return firstControlId + static_cast<int>(index); }

    // Brings every window in line with the models without raising any
    // event; when the program has ended, hides everything and posts the
    // end of the message loop once.
    void refresh() { sync_.refresh(); }
    // Runs `handler` as the answer to a user event, then refreshes.
    void dispatch(const std::function<void()>& handler) { sync_.dispatch(handler); }
    // Shows a window modally: the other windows take no input until its
    // model is no longer on show (or the program has ended).
    void runModal(const std::string& windowName);
    // The message loop, until the program ends.
    int run();

    // The window that owns a message box now: the active one of ours.
    HWND owner() const;
    // The dpi the window is laid out for.
    int dpi(const std::string& windowName);

private:
    static constexpr int firstControlId = 100;

    struct Rendered : ui::RenderedControl {
        HWND hwnd = nullptr;
        HFONT font = nullptr;
        bool multiLine = false;
        std::string cue;  // the hint a pick list shows
        int left = 0;   // pixels at 96 dpi; the labels of a sentence move and narrow
        int width = 0;
    };
    struct Window : ui::RenderedWindow {
        HWND hwnd = nullptr;
        HWND tooltip = nullptr;
        std::vector<Rendered> controls;
        ui::WindowFonts fonts;
        int dpi = 96;
    };

    // The toolkit's part of refreshing the windows.
    bool built(const std::string& windowName) override { return windows_.count(windowName) > 0; }
    void update(const std::string& windowName) override;
    bool onScreen(const std::string& windowName) override;
    void show(const std::string& windowName) override;
    void hide(const std::string& windowName) override;
    void ended(bool first) override;
    void unhandled(const std::string& what) override;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(Window& w, UINT message, WPARAM wParam, LPARAM lParam);
    Window* build(const std::string& windowName);
    void makeControl(Window& w, std::size_t index);
    void layout(Window& w);
    void applyFonts(Window& w);
    void refreshWindow(Window& w);
    void refreshControl(Window& w, Rendered& r);
    void flowSentences(Window& w);
    void placeOnScreen(Window& w);
    void command(Window& w, int id, int code);
    void noteFocus();
    Window* windowOf(HWND hwnd);
    bool drawItem(Window& w, const DRAWITEMSTRUCT& item);

    ui::Application& app_;
    std::unique_ptr<GdiTextMetrics> metrics_;
    std::map<std::string, std::unique_ptr<Window>> windows_;
    std::vector<std::string> modalWindows_;
    HWND main_ = nullptr;
    HWND lastFocus_ = nullptr;
    HBRUSH face_;
    ui::ScreenSync sync_;
    int applying_ = 0;  // notifications of changes made by the renderer itself are no user events
};

}  // namespace trv::win32
