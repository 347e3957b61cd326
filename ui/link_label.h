#pragma once

#include <QString>
#include <QWidget>

namespace ranktally {

// A line of plain text that looks and acts as a link: the keyboard reaches it, Enter, Space or a
// click activates it, and screen readers hear a link. What it opens is its owner's business.
// It paints its own text: a QLabel that takes focus lays its text out as a whole text document,
// which start-up would pay for.
class LinkLabel : public QWidget {
    Q_OBJECT

public:
    LinkLabel(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Wrapped at words, as a plain label wraps its text.
    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QRect TextRect(int width) const;

    QString text_;
};

}  // namespace ranktally
