#include "gui/gui_interaction.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QStringList>
#include <QtDebug>
#include <algorithm>

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

// The window of a long operation: how far it has got, the step at hand, and
// Cancel. Cancel (also the close box and Esc) only asks: the operation stops
// when it next reports its progress, after the step it is on.
class ProgressWindow : public QDialog {
public:
    // Without a parent, so that nothing else owns it; centred on `owner`.
    ProgressWindow(const QString& title, const QWidget* owner) {
        setWindowTitle(title);
        setWindowModality(Qt::ApplicationModal);
        auto* layout = new QVBoxLayout(this);
        count_ = new QLabel(this);
        current_ = new QLabel(this);
        current_->setTextFormat(Qt::PlainText);
        current_->setMinimumWidth(440);
        cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
        cancel_->setObjectName(QStringLiteral("cancel"));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel_);
        layout->addWidget(count_);
        layout->addWidget(current_);
        layout->addLayout(buttons);
        connect(cancel_, &QPushButton::clicked, this, [this] { askToCancel(); });
        count_->setText(QStringLiteral("Entries done: 0"));
        adjustSize();
        if (owner) move(owner->geometry().center() - rect().center());
    }

    // Labels change at most every few hundredths of a second: a tree of
    // small files would otherwise spend its time drawing.
    void report(int done, const QString& current) {
        if (sinceShown_.isValid() && sinceShown_.elapsed() < 40) return;
        sinceShown_.restart();
        if (!cancelled_) count_->setText(QStringLiteral("Entries done: %1").arg(done));
        current_->setText(current_->fontMetrics().elidedText(current, Qt::ElideMiddle, std::max(current_->width(), 440)));
    }
    bool cancelled() const { return cancelled_; }

    void reject() override { askToCancel(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        askToCancel();
    }

private:
    void askToCancel() {
        if (cancelled_) return;
        cancelled_ = true;
        cancel_->setEnabled(false);
        count_->setText(QStringLiteral("Stopping after the current file..."));
    }

    QLabel* count_;
    QLabel* current_;
    QPushButton* cancel_;
    QElapsedTimer sinceShown_;
    bool cancelled_ = false;
};

GuiInteraction::GuiInteraction(NativePlatform& platform) : platform_(platform) {}
GuiInteraction::~GuiInteraction() = default;

void GuiInteraction::beginProgress(const std::string& title) {
    endProgress();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    progress_ = std::make_unique<ProgressWindow>(QString::fromStdString(title), ownerWindow());
    progress_->show();
    // The pointer and the window show before the work starts.
    QCoreApplication::processEvents();
}

bool GuiInteraction::progress(int done, const std::string& current) {
    if (!progress_) return true;
    progress_->report(done, QString::fromStdString(current));
    // Repaints, and a click on Cancel; the window's modality keeps every
    // other window from taking input meanwhile.
    QCoreApplication::processEvents();
    return !progress_->cancelled();
}

void GuiInteraction::endProgress() {
    if (!progress_) return;
    progress_->hide();
    progress_.reset();
    QApplication::restoreOverrideCursor();
}

std::unique_ptr<QMessageBox> messageBox(const std::string& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("TRV"), QString::fromStdString(text),
                                             QMessageBox::Ok, ownerWindow());
    box->setTextFormat(Qt::PlainText);
    return box;
}

void GuiInteraction::message(const std::string& text) { messageBox(text)->exec(); }

QWidget* GuiInteraction::progressWindow() const { return progress_.get(); }

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
