// trv: the Qt front end. It reads trv.ini beside the executable, runs the
// main window's start-up sequence and shows the windows.
#include <QApplication>

#include "gui/gui_interaction.h"
#include "platform/native_platform.h"
#include "gui/renderer.h"
#include "ui/application.h"

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
    renderer.refresh();
    return QApplication::exec();
}
