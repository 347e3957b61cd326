#include "link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ranktally {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    FollowPalette();
}

void LinkLabel::FollowPalette() {
    // The theme's own colour for links, followed as the theme changes.
    QPalette linked = palette();
    linked.setColor(QPalette::WindowText, linked.color(QPalette::Link));
    setPalette(linked);
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange &&
        palette().color(QPalette::WindowText) != palette().color(QPalette::Link)) {
        FollowPalette();
    } else if (event->type() == QEvent::FontChange && !font().underline()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
    QLabel::changeEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit activated();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace ranktally
