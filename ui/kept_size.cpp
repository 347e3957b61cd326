#include "kept_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

namespace ranktally {

KeptSize::KeptSize(QWidget* window, std::function<QSize()> size)
    : QObject(window), window_(window), size_(std::move(size)) {
    window->installEventFilter(this);
    connect(window->windowHandle(), &QWindow::windowStateChanged, this, &KeptSize::KeepNormalState);
}

void KeptSize::Hold() {
    window_->setFixedSize(size_());
}

void KeptSize::KeepNormalState(Qt::WindowState state) {
    // Nothing gains from a larger window, but a Wayland compositor that has been asked to maximize
    // it (Qt's own title bar has the button) ends the connection when the window keeps a size
    // other than the one it configured. So the window lets go of its size and asks at once to be
    // normal again; it holds its size anew once it is back at it.
    if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen) {
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QMetaObject::invokeMethod(window_, &QWidget::showNormal, Qt::QueuedConnection);
    } else if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Other window systems hold no maximize back; the size can be held again at once.
        Hold();
    }
}

bool KeptSize::eventFilter(QObject* watched, QEvent* event) {
    // On Wayland only the compositor's answer brings the window back to its size: holding it at
    // once, on the request to be normal, could meet a maximize still on its way.
    if (watched == window_ && event->type() == QEvent::Resize &&
        static_cast<QResizeEvent*>(event)->size() == size_()) {
        Hold();
    }
    return false;
}

}  // namespace ranktally
