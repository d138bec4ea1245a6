// trv: the Qt front end. It reads trv.ini beside the executable, runs the
// main window's start-up sequence and shows the windows.
#include <QApplication>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/options.h"
#include "gui/gui_interaction.h"
#include "gui/play.h"
#include "gui/renderer.h"
#include "gui/widgets.h"
#include "platform/native_platform.h"
#include "ui/application.h"

namespace {

const char* const helpText =
    "usage: trv [--help | --version]\n"
    "       trv play SCRIPT [--ini PATH] [--user NAME] [--screenshots DIR]\n"
    "\n"
    "TRV gives the CAD drawings of a design office their standard names, creates\n"
    "them from the office's templates and opens them in the CAD program.\n"
    "\n"
    "It reads its folders from trv.ini in the folder of the program and opens\n"
    "the main window; it takes no files. Qt's own options (such as -platform or\n"
    "-style) are accepted.\n"
    "\n"
    "  --help, -h   shows this help\n"
    "  --version    shows the version\n"
    "  play         plays a trv-cli script through the windows on the display and\n"
    "               prints the same transcript as trv-cli; with --screenshots, each\n"
    "               `snap NAME WINDOW` line writes DIR/NAME.png from the screen\n"
    "\n"
    "Exit status: 0 when the program ended normally or showed the help or the\n"
    "version, 2 for an unknown option; play: as trv-cli play.\n";

// A program of the Windows GUI subsystem has no console of its own: what it
// writes goes to the console it was started from, if any.
void useParentConsole() {
#ifdef _WIN32
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* ignored = nullptr;
        (void)::freopen_s(&ignored, "CONOUT$", "w", stdout);
        (void)::freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
#endif
}
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
    // --version and --help are answered before Qt starts: they need no display.
    for (int i = 1; i < argc; ++i) {
        const bool version = std::strcmp(argv[i], "--version") == 0;
        if (version || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            useParentConsole();
            std::fputs(version ? "trv " TRV_VERSION "\n" : helpText, stdout);
            return 0;
        }
    }

    QApplication qtApp(argc, argv);  // takes Qt's own options out of argv
    // The same for a played script: it shows the windows the user sees.
    QApplication::setApplicationName(QStringLiteral("TRV"));
    QApplication::setApplicationVersion(QStringLiteral(TRV_VERSION));
    // The desktop entry (trv.desktop) the desktop matches the windows with.
    QGuiApplication::setDesktopFileName(QStringLiteral("trv"));
    QApplication::setWindowIcon(trv::gui::applicationIcon());
    // The program ends when its model says so (Cancel, the close box, the
    // path-problem window), not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::vector<std::string> args = trv::cli::utf8Arguments(argc, argv);
    if (!args.empty() && args.front() == "play") {
        useParentConsole();
        const auto call = trv::cli::parseArguments(args, true);
        if (call.action != trv::cli::Invocation::Action::Play) {
            std::fputs("usage: trv play SCRIPT [--ini PATH] [--user NAME] [--screenshots DIR]\n", stderr);
            return 2;
        }
        return trv::gui::play(call.play);
    }
    if (argc > 1) {
        useParentConsole();
        std::fprintf(stderr, "trv: unknown option '%s' (see trv --help)\n", argv[1]);
        return 2;
    }

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
