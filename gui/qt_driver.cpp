#include "gui/qt_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/controls.h"
#include "gui/renderer.h"

namespace trv::gui {

namespace {

// A mouse button pressed and released at the middle of the widget.
void clickWithMouse(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// The box of a control that takes typing: the line of a drop-down, or the box itself.
QWidget* typingBox(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    return widget;
}

}  // namespace

QWidget* QtDriver::prepare(const cli::ScriptControl& c) {
    renderer_.refresh();
    return renderer_.control(c.window, c.name);
}

void QtDriver::click(const cli::ScriptControl& c) {
    QWidget* widget = prepare(c);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->click();
    } else if (qobject_cast<QLabel*>(widget)) {
        clickWithMouse(widget);
    } else {
        // No other control has a click of its own on screen; its click event
        // is raised as code raises it.
        Control& model = c.model;
        renderer_.dispatch([&model] {
            if (model.enabled) model.click();
        });
    }
}

void QtDriver::choose(const cli::ScriptControl& c, int index) {
    QWidget* widget = prepare(c);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // As the drop-down does when the user picks an entry of its list.
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (list->currentRow() == index) {
            // The entry chosen again: the list's selection stays, and the
            // choice is still made.
            emit list->currentRowChanged(index);
        } else {
            list->setCurrentRow(index);
        }
    }
}

void QtDriver::typeCharacter(const cli::ScriptControl& c, const std::string& character) {
    QWidget* box = typingBox(prepare(c));
    if (!box) return;
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->end(false);
    if (auto* text = qobject_cast<QPlainTextEdit*>(box)) text->moveCursor(QTextCursor::End);
    const QString typed = QString::fromStdString(character);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

void QtDriver::setText(const cli::ScriptControl& c, const std::string& text) {
    QWidget* box = typingBox(prepare(c));
    const QString replaced = QString::fromStdString(text);
    if (auto* line = qobject_cast<QLineEdit*>(box); line && !line->isReadOnly()) {
        line->setText(replaced);
        emit line->textEdited(replaced);
        return;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box); plain && !plain->isReadOnly()) {
        plain->setPlainText(replaced);  // raises textChanged, which the renderer takes as typing
        return;
    }
    // Labels, buttons, read-only boxes and lists that take no typing have no
    // text of their own to set on screen: code sets it on the model.
    Control& model = c.model;
    renderer_.dispatch([&model, text] { model.setText(text); });
}

void QtDriver::close(const std::string& windowName) {
    renderer_.refresh();
    if (QWidget* window = renderer_.window(windowName)) window->close();
}

}  // namespace trv::gui
