#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/fonts.h"
#include "ui/application.h"
#include "ui/screen_sync.h"

class QEventLoop;
class QWidget;

namespace trv {
class Control;
struct WindowModel;
}  // namespace trv

namespace trv::gui {

class FormWidget;

// Shows the windows of an Application as Qt widgets. It knows no window in
// particular: each window's description gives the widgets and their places,
// the window's model gives their content. User events go to the control
// models; after every event the widgets of every window are brought in line
// with the models again, so a handler never has to think about the screen.
class Renderer : public QObject, private ui::ScreenSync::Widgets {
    Q_OBJECT
public:
    explicit Renderer(ui::Application& app, QObject* parent = nullptr);
    ~Renderer() override;

    // The top-level widget of a window, built on first use; nullptr for a
    // window the application does not know.
    QWidget* window(const std::string& windowName);
    // The widget of a control; nullptr when there is none.
    QWidget* control(const std::string& windowName, const std::string& controlName);

    // Brings the widgets of every window in line with the models, without
    // raising any event: content, visibility, enabled state, focus, and which
    // windows are on show. When the program has ended, hides everything and
    // announces the end once.
    void refresh() { sync_.refresh(); }

    // Runs `handler` as the answer to a user event, then refreshes.
    void dispatch(const std::function<void()>& handler) { sync_.dispatch(handler); }

    // Shows a window modally and returns when its model is no longer on show
    // (or the program has ended); the widgets stay live meanwhile.
    void runModal(const std::string& windowName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The program has ended: the front end quits.
    void programEnded();

private:
    struct Rendered : ui::RenderedControl {
        QWidget* widget = nullptr;
    };
    struct Window : ui::RenderedWindow {
        FormWidget* widget = nullptr;
        std::vector<Rendered> controls;
    };

    // The toolkit's part of refreshing the windows.
    bool built(const std::string& windowName) override { return windows_.count(windowName) > 0; }
    void update(const std::string& windowName) override;
    bool onScreen(const std::string& windowName) override;
    void show(const std::string& windowName) override;
    void hide(const std::string& windowName) override;
    void refreshed() override;
    void ended(bool first) override;
    void unhandled(const std::string& what) override;

    Window* build(const std::string& windowName);
    QWidget* makeWidget(Window& w, const ui::ControlDescription& desc, Control* model, const WindowFonts& fonts);
    // One widget per control kind, its signals wired to the model.
    QWidget* makeLabel(QWidget* parent, const ui::ControlDescription& c, Control* model, const QFont& font);
    QWidget* makeTextBox(QWidget* parent, const ui::ControlDescription& c, Control* model, const QFont& font);
    QWidget* makeBanner(QWidget* parent);
    QWidget* makeButton(QWidget* parent, Control* model);
    QWidget* makeDropDown(QWidget* parent, const ui::ControlDescription& c, Control* model);
    QWidget* makeListBox(QWidget* parent, Control* model);
    // The user events, each dispatched to the model.
    std::function<void()> clickOf(Control* model);
    std::function<void(const QString&)> typingInto(Control* model);
    std::function<void(int)> choiceIn(Control* model);
    void refreshWindow(Window& w);
    void refreshControl(Rendered& r);
    void flowSentences(Window& w);
    void closeBox(Window& w);
    void placeOnScreen(Window& w);
    void userFocused(QWidget* now);

    ui::Application& app_;
    std::map<std::string, std::unique_ptr<Window>> windows_;
    std::unique_ptr<FormWidget> mainWidget_;  // owns the other windows' widgets
    std::vector<std::pair<std::string, QPointer<QEventLoop>>> modalLoops_;
    ui::ScreenSync sync_;
};

}  // namespace trv::gui
