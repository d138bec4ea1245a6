#pragma once

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

class QSvgRenderer;

namespace trv::gui {

// A label that reports a click, as the windows' labels do (the link of the
// path-problem window is one).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A push button whose caption wraps when it does not fit on one line: the
// layout gives several buttons two lines of height for a long caption, and
// QPushButton itself never wraps. text() stays the whole caption.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Borderless read-only banner text, centred. Blanks around the text are kept
// in text() but do not shift it off the centre.
class BannerText : public QWidget {
    Q_OBJECT
public:
    explicit BannerText(QWidget* parent = nullptr) : QWidget(parent) {}
    QString text() const { return text_; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

// The program's mark, drawn from data/logo.svg (compiled in as a Qt resource).
class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* svg_;
};

// A top-level window. Its close box is an event of the window's model, so the
// widget itself never closes: the renderer hides it when the model says so.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    FormWidget(QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, flags) {}
    std::function<void()> onCloseBox;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// TRV's icon (data/icons/trv.svg, compiled in), for every window.
QIcon applicationIcon();

}  // namespace trv::gui
