#include "selector.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace ranktally {

void Selector::showPopup() {
    if (!watchingList_) {
        watchingList_ = true;
        view()->installEventFilter(this);
    }
    QComboBox::showPopup();
}

bool Selector::eventFilter(QObject* watched, QEvent* event) {
    // An opened list makes its first entry current, unpicked and unmarked, and a search by the
    // typed text then starts past it: "1" would land on "10".
    if (watched == view() && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent*>(event)->text().isEmpty() &&
        !view()->selectionModel()->hasSelection()) {
        view()->selectionModel()->clearCurrentIndex();
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace ranktally
