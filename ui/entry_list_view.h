#pragma once

#include <QListView>

namespace ranktally {

// The list a selector opens. Typing in it goes to the first entry that starts with the typed text
// when no entry is picked yet; it knows nothing of what the entries mean.
class EntryListView : public QListView {
public:
    using QListView::QListView;

    void keyboardSearch(const QString& search) override;
};

}  // namespace ranktally
