#include "gui/widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QSvgRenderer>

namespace trv::gui {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame only
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    p.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(),
                   caption, QPalette::ButtonText);
}

void BannerText::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void BannerText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect area = rect().adjusted(2, 0, -2, 0);
    const QString shown = fontMetrics().elidedText(text_.trimmed(), Qt::ElideRight, area.width());
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

LogoWidget::LogoWidget(QWidget* parent)
    : QWidget(parent), svg_(new QSvgRenderer(QStringLiteral(":/trv/logo.svg"), this)) {
    svg_->setAspectRatioMode(Qt::KeepAspectRatio);
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    svg_->render(&p, QRectF(rect()));
}

QIcon applicationIcon() { return QIcon(QStringLiteral(":/trv/icons/trv.svg")); }

void FormWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (onCloseBox) onCloseBox();
}

}  // namespace trv::gui
