#include "gui/gui_interaction.h"

#include <QApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStringList>
#include <QtDebug>

#include "gui/program_chooser.h"
#include "gui/renderer.h"
#include "platform/windows_shell.h"

namespace trv::gui {

namespace {

QWidget* ownerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace

void GuiInteraction::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TRV"), QString::fromStdString(text), QMessageBox::Ok,
                    ownerWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void GuiInteraction::chooseProgramFor(const std::string& path) {
#ifdef _WIN32
    // Windows has the chooser the program was made for: the shell's "Open with".
    showOpenWithChooser(path);
#else
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw RuntimeFailure("no window system for the chooser of programs");
    const std::string native = platform_.nativePath(path);
    const QString file = QString::fromStdString(native);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    std::vector<std::string> typeNames{type.name().toStdString()};
    for (const QString& alias : type.aliases()) typeNames.push_back(alias.toStdString());
    ProgramChooser chooser(file, applicationsFor(typeNames, applicationFolders()), ownerWindow());
    if (chooser.exec() != QDialog::Accepted) return;

    if (const auto app = chooser.chosenApplication()) {
        const auto command = commandFor(*app, native);
        QStringList arguments;
        if (command)
            for (auto it = command->begin() + 1; it != command->end(); ++it)
                arguments.push_back(QString::fromStdString(*it));
        if (!command || !QProcess::startDetached(QString::fromStdString(command->front()), arguments))
            throw RuntimeFailure("cannot start " + app->name);
    } else if (!chooser.chosenProgram().isEmpty()) {
        platform_.startProgram(chooser.chosenProgram().toStdString(), path);
    }
#endif
}

void GuiInteraction::runModal(const std::string& windowName) {
    if (!renderer_) {
        qWarning("TRV: no renderer to show %s", windowName.c_str());
        return;
    }
    renderer_->runModal(windowName);
}

}  // namespace trv::gui
