// trv: the Qt front end. It reads trv.ini beside the executable, runs the
// main window's start-up sequence and shows the windows.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "gui/gui_interaction.h"
#include "platform/native_platform.h"
#include "gui/renderer.h"
#include "ui/application.h"

namespace {

// For timing the start (scripts/bench): with TRV_QUIT_AFTER_FIRST_PAINT set
// in the environment, the program ends once the main window has been painted.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the paint itself finishes first.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRV"));
    // The program ends when its model says so (Cancel, the close box, the
    // path-problem window), not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    trv::NativePlatform platform;
    trv::gui::GuiInteraction interaction(platform);
    trv::ui::Application app(platform, interaction);
    trv::gui::Renderer renderer(app);
    interaction.setRenderer(&renderer);
    QObject::connect(&renderer, &trv::gui::Renderer::programEnded, &qtApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    app.start();
    if (app.program().ended) return 0;
    QuitAfterFirstPaint quitAfterFirstPaint;
    if (std::getenv("TRV_QUIT_AFTER_FIRST_PAINT"))
        if (QWidget* main = renderer.window(app.program().form1.name))
            main->installEventFilter(&quitAfterFirstPaint);
    renderer.refresh();
    return QApplication::exec();
}
