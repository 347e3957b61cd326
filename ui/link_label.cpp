#include "link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <limits>

namespace ranktally {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QRect LinkLabel::TextRect(int width) const {
    return fontMetrics().boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2),
                                      kFlags, text_);
}

int LinkLabel::heightForWidth(int width) const {
    return TextRect(width).height();
}

QSize LinkLabel::sizeHint() const {
    return fontMetrics().size(0, text_);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit activated();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit activated();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Underlined in the theme's colour for links, read at each paint, so a change of theme or
    // font needs nothing more than the repaint Qt makes for it.
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(palette().color(QPalette::Link));
    const int flags = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) | kFlags;
    painter.drawText(rect(), flags, text_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = TextRect(width()).adjusted(0, 0, 1, 0) & rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace ranktally
