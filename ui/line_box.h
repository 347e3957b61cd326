#pragma once

#include <QLineEdit>

namespace ranktally {

// A one-line box, as QLineEdit is, that Tab reaching it while it is empty leaves without a
// selection to report: Qt 6.4 reports the selection Tab makes before it reports the focus, and
// Orca 43, hearing of an empty selection first, takes the box for the one it already spoke of and
// says nothing of it. It changes nothing else.
class LineBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ranktally
