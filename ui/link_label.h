#pragma once

#include <QLabel>

namespace ranktally {

// A line of plain text that looks and acts as a link: the keyboard reaches it, Enter, Space or a
// click activates it, and screen readers hear a link. What it opens is its owner's business.
// Plain, it lays out no rich text, which a link in a label's own text would load at start-up.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void activated();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowPalette();
};

}  // namespace ranktally
