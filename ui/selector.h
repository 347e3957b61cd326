#pragma once

#include <QComboBox>
#include <QListView>

namespace ranktally {

// The list a selector opens. Typing in it goes to the first entry that starts with the typed text
// when no entry is picked yet; it knows nothing of what the entries mean.
class EntryListView : public QListView {
public:
    using QListView::QListView;

    void keyboardSearch(const QString& search) override;
};

// A drop-down list of fixed entries whose open list is an EntryListView, made the first time the
// list opens: most windows are closed without it ever opening. It knows nothing of its entries.
class Selector : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;

private:
    bool searchingView_ = false;
};

}  // namespace ranktally
