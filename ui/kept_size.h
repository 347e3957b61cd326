#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

namespace ranktally {

// Holds a window at the size its contents need against a request to maximize it or fill the
// screen, a Wayland compositor's among them. What that size is stays its owner's business.
class KeptSize : public QObject {
public:
    // The window must have its native window already (QWidget::create()).
    KeptSize(QWidget* window, std::function<QSize()> size);

    // Holds the window at its size as it is now, as after a change of its contents or font.
    void Hold();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepNormalState(Qt::WindowState state);

    QWidget* window_;
    std::function<QSize()> size_;
};

}  // namespace ranktally
