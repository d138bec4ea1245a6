// trv-demo-cad: the demo office's stand-in for the CAD program. TRV starts it
// with the path of a drawing, as it would start the CAD program; it says which
// drawing it was asked to open, in a window when there is a display and on
// standard output always. The demo office's drawings are text files, so it
// shows their first lines too.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>

namespace {

QString firstLines(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&file);
    QStringList lines;
    while (!in.atEnd() && lines.size() < count) lines << in.readLine();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv) {
    const QString drawing = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool exists = !drawing.isEmpty() && QFileInfo(drawing).isFile();
    std::printf("Demo CAD program: asked to open %s%s\n", argc > 1 ? argv[1] : "(no drawing)",
                exists ? "" : " (not found)");
    std::fflush(stdout);
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return 0;
#endif

    QApplication app(argc, argv);
    QString text = QStringLiteral("TRV asked the CAD program to open this drawing:\n\n%1\n\n").arg(drawing);
    text += exists ? QStringLiteral("It begins with:\n%1\n\n").arg(firstLines(drawing, 3))
                   : QStringLiteral("There is no such file.\n\n");
    text += QStringLiteral(
        "This window stands in for the CAD program in TRV's demo office. In an office, OpenInAutoCAD in "
        "trv.ini names the CAD program itself.");
    QMessageBox box(exists ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("Demo CAD program"), text, QMessageBox::Ok);
    box.exec();
    return 0;
}
