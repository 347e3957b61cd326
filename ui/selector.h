#pragma once

#include <QComboBox>

namespace ranktally {

// A drop-down list of fixed entries. Typing in its opened list goes to the first entry that starts
// with the typed text when no entry is picked yet; the list is watched for that from its first
// opening, since most windows close without it ever opening. It knows nothing of its entries.
class Selector : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watchingList_ = false;
};

}  // namespace ranktally
