#include "gui/play.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>

#include "cli/command_line.h"
#include "cli/player.h"
#include "gui/gui_interaction.h"
#include "gui/qt_driver.h"
#include "gui/renderer.h"
#include "ui/application.h"

#ifdef TRV_WITH_XCB
#include <xcb/xcb.h>
#endif

namespace trv::gui {

namespace {

// Counts the paint events a widget receives.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWatch() override { widget_->removeEventFilter(this); }
    bool painted() const { return painted_; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) painted_ = true;
        return false;
    }

private:
    QWidget* widget_;
    bool painted_ = false;
};

// Whether another window stands over part of `window` on the X display
// (a window manager places and stacks new windows as it sees fit). False
// where the display is not X.
bool coveredOnX(QWidget* window) {
#ifdef TRV_WITH_XCB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return false;
    xcb_connection_t* c = x11->connection();
    auto tree = [c](xcb_window_t w) {
        return std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)>(
            xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
    };
    // The window's frame: its ancestor among the root's children.
    xcb_window_t top = static_cast<xcb_window_t>(window->winId());
    xcb_window_t root = 0;
    for (;;) {
        const auto up = tree(top);
        if (!up) return false;
        root = up->root;
        if (up->parent == root || up->parent == XCB_WINDOW_NONE) break;
        top = up->parent;
    }
    const qreal ratio = window->devicePixelRatioF();
    const QRect area(window->mapToGlobal(QPoint(0, 0)) * ratio, window->size() * ratio);
    const auto stack = tree(root);  // the root's children, bottom to top
    if (!stack) return false;
    const xcb_window_t* children = xcb_query_tree_children(stack.get());
    const int count = xcb_query_tree_children_length(stack.get());
    const auto at = std::find(children, children + count, top);
    for (auto above = at == children + count ? at : at + 1; above < children + count; ++above) {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, *above), nullptr), &std::free);
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
            attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
            continue;
        const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> place(
            xcb_get_geometry_reply(c, xcb_get_geometry(c, *above), nullptr), &std::free);
        if (place && area.intersects(QRect(place->x, place->y, place->width + 2 * place->border_width,
                                           place->height + 2 * place->border_width)))
            return true;
    }
#else
    (void)window;
#endif
    return false;
}

// Runs the program's events until `window` is on the screen, in front of
// every other window, and has then painted itself there in full; the paint
// is put on the display before the events that caused it are done. False
// when that has not happened within ten seconds.
bool waitUntilPainted(QWidget* window) {
    bool late = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [&late] { late = true; });
    deadline.start(10000);
    auto exposed = [window] { return window->windowHandle() && window->windowHandle()->isExposed(); };
    while (!late && !exposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The window manager stacks the window in its own time, and tells the
    // program nothing of other windows: the stacking is looked at again
    // every few hundredths of a second.
    QTimer look;
    look.start(20);
    while (!late && coveredOnX(window)) {
        window->raise();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The whole window asked to paint, as any change of its content asks.
    const PaintWatch watch(window);
    window->update();
    while (!late && !watch.painted()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !late;
}

// The share of pixels that differ between two pictures of one window (1
// when their sizes differ).
double differingShare(const QPixmap& a, const QPixmap& b) {
    const QImage x = a.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage y = b.toImage().convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull()) return 1.0;
    qint64 differ = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) differ += (p[col] & 0xFFFFFF) != (q[col] & 0xFFFFFF);
    }
    return double(differ) / (double(x.width()) * x.height());
}

// The screenshots of `snap`, and the windows that show without the script
// naming them: message boxes and the progress window.
class Snapshots {
public:
    Snapshots(Renderer& renderer, QString folder) : renderer_(renderer), folder_(std::move(folder)) {}

    // `snap NAME WINDOW`; the text of a script error, or nothing.
    std::string snap(const std::string& name, const std::string& windowName) {
        if (windowName == "message" || windowName == "progress") {
            armed_[windowName] = name;
            return {};
        }
        renderer_.refresh();
        QWidget* window = renderer_.window(windowName);
        if (!window || !window->isVisible()) return windowName + " is not on show";
        photograph(name, window);
        return {};
    }

    // A message box or the progress window (`kind`) is on show.
    void shown(const std::string& kind, QWidget* window) {
        const auto armed = armed_.find(kind);
        if (armed == armed_.end()) {
            // Shown as the user would see it, but with nothing to wait for.
            if (kind == "message") waitUntilPainted(window);
            return;
        }
        const std::string name = armed->second;
        armed_.erase(armed);
        photograph(name, window);
    }

    // A problem found, as "CHECK NAME: what"; the play then fails.
    void problem(const std::string& name, const std::string& what) {
        std::cout << "CHECK " << name << ": " << what << '\n';
        failed_ = true;
    }

    // Whether every window asked for was photographed.
    bool failed() {
        for (const auto& [kind, name] : armed_) problem(name, "no " + kind + " window was shown");
        armed_.clear();
        return failed_;
    }

private:
    void photograph(const std::string& name, QWidget* window) {
        window->raise();
        if (!waitUntilPainted(window))
            return problem(name, "the window was not painted in front of the others within ten seconds");
        // The window as the screen shows it, beside the window as it draws
        // itself: a window the display does not show keeps whatever was
        // there before. A change still on its way to the display (the focus
        // frame of a window just made active) is waited for, a little.
        QPixmap shot;
        QPixmap drawn;
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            QScreen* screen = window->screen();
            shot = screen ? screen->grabWindow(window->winId()) : QPixmap();
            drawn = window->grab();
            if (shot.isNull() || differingShare(shot, drawn) < 0.005 || waited.elapsed() > 3000) break;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        const QString file = QDir(folder_).filePath(QString::fromStdString(name));
        if (shot.isNull() || !shot.save(file + QStringLiteral(".png"))) return problem(name, "no screenshot was taken");
        if (!drawn.save(file + QStringLiteral(".drawn.png"))) return problem(name, "cannot draw the window");
        const qreal ratio = window->devicePixelRatioF();
        const QPoint at = window->mapToGlobal(QPoint(0, 0)) * ratio;
        QFile rect(file + QStringLiteral(".rect"));
        if (!rect.open(QIODevice::WriteOnly)) return problem(name, "cannot write " + rect.fileName().toStdString());
        rect.write(QStringLiteral("%1 %2 %3 %4\n")
                       .arg(at.x())
                       .arg(at.y())
                       .arg(qRound(window->width() * ratio))
                       .arg(qRound(window->height() * ratio))
                       .toUtf8());
    }

    Renderer& renderer_;
    QString folder_;
    std::map<std::string, std::string> armed_;  // "message" or "progress" -> the snap's name
    bool failed_ = false;
};

// What a person would see, written to the transcript as trv-cli writes it;
// message boxes and the progress window are also shown on the screen.
class PlayInteraction : public cli::ScriptInteraction {
public:
    PlayInteraction(cli::ScriptSystem& system, std::ostream& out) : ScriptInteraction(system, out), screen_(system) {}
    void setSnapshots(Snapshots* snapshots) { snapshots_ = snapshots; }

    void message(const std::string& text) override {
        ScriptInteraction::message(text);
        // Shown until it has painted, then closed as its OK would close it.
        const auto box = messageBox(text);
        box->show();
        if (snapshots_) snapshots_->shown("message", box.get());
    }
    void beginProgress(const std::string& title) override { screen_.beginProgress(title); }
    bool progress(int done, const std::string& current) override {
        const bool goOn = screen_.progress(done, current);
        if (QWidget* window = screen_.progressWindow(); window && snapshots_) snapshots_->shown("progress", window);
        return goOn;
    }
    void endProgress() override { screen_.endProgress(); }

private:
    GuiInteraction screen_;  // the progress window
    Snapshots* snapshots_ = nullptr;
};

// `enlarge WINDOW`: the window made large enough for every control, as the
// user drags its border out; the text of a script error, or nothing.
std::string enlarge(Renderer& renderer, const ui::Application& app, const std::string& windowName) {
    const ui::WindowDescription* desc = app.desc(windowName);
    QWidget* window = renderer.window(windowName);
    if (!desc || !window) return "unknown window " + windowName;
    int right = 0;
    int bottom = 0;
    for (const auto& c : desc->controls) {
        right = std::max(right, ui::pixels(c.place.left + c.place.width));
        bottom = std::max(bottom, ui::pixels(c.place.top + c.place.height));
    }
    // The margin the controls keep from the window's edges.
    const QSize wanted(std::max(window->width(), right + 16), std::max(window->height(), bottom + 16));
    window->resize(wanted);
    if (window->size() != wanted) return windowName + " cannot be enlarged";
    return {};
}

}  // namespace

int play(const cli::PlayCommand& command) {
    cli::ScriptSystem platform(std::cout);
    PlayInteraction interaction(platform, std::cout);
    if (command.ini) platform.setSettingsFile(*command.ini);
    if (command.user) platform.setUserName(*command.user);
    const auto lines = cli::readScript(command.script);
    if (!lines) {
        std::cerr << "trv: cannot read " << command.script << '\n';
        return 2;
    }
    ui::Application app(platform, interaction);
    Renderer renderer(app);
    QtDriver driver(renderer);
    cli::Player player(app, platform, interaction, std::cout, &driver);
    std::unique_ptr<Snapshots> snapshots;
    if (command.screenshots) {
        snapshots = std::make_unique<Snapshots>(renderer, QString::fromStdString(*command.screenshots));
        player.addCommand("snap", 2, [&snapshots](const std::vector<std::string>& words) {
            return snapshots->snap(words[1], words[2]);
        });
    }
    player.addCommand("enlarge", 1,
                      [&renderer, &app](const std::vector<std::string>& words) { return enlarge(renderer, app, words[1]); });
    // Message boxes are shown whether or not they are photographed.
    Snapshots shownOnly(renderer, QString());
    interaction.setSnapshots(snapshots ? snapshots.get() : &shownOnly);
    int status = player.play(*lines);
    if (status == 0 && snapshots && snapshots->failed()) status = 1;
    std::cout.flush();
    return status;
}

}  // namespace trv::gui
