#include "selector.h"

#include <QItemSelectionModel>

namespace ranktally {

void EntryListView::keyboardSearch(const QString& search) {
    // An opened list makes its first entry current, unpicked and unmarked, and a search then
    // starts past it: "1" would land on "10".
    if (!selectionModel()->hasSelection()) {
        selectionModel()->clearCurrentIndex();
    }
    QListView::keyboardSearch(search);
}

void Selector::showPopup() {
    if (!searchingView_) {
        searchingView_ = true;
        setView(new EntryListView(this));
    }
    QComboBox::showPopup();
}

}  // namespace ranktally
