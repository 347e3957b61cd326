#include "line_box.h"

#include <QFocusEvent>

namespace ranktally {

void LineBox::focusInEvent(QFocusEvent* event) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && text().isEmpty()) {
        // There is nothing to select: focused for another reason, the box selects nothing.
        QFocusEvent untabbed(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&untabbed);
        return;
    }
#endif
    QLineEdit::focusInEvent(event);
}

}  // namespace ranktally
