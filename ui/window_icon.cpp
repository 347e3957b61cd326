#include "window_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "window_icon_pixels.h"

namespace ranktally {
namespace {

class WindowIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest size made that is not smaller than asked for, else the largest.
        const int wanted = std::max(size.width(), size.height());
        const auto made =
            std::find_if(kWindowIconPixels.begin(), kWindowIconPixels.end(),
                         [wanted](const IconPixels& pixels) { return pixels.size >= wanted; });
        const IconPixels& pixels =
            made != kWindowIconPixels.end() ? *made : kWindowIconPixels.back();
        QPixmap pixmap =
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.argb), pixels.size,
                                      pixels.size, QImage::Format_ARGB32));
        return pixels.size == wanted
                   ? pixmap
                   : pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kWindowIconPixels.back().size});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconPixels& pixels : kWindowIconPixels) {
            sizes.append(QSize(pixels.size, pixels.size));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new WindowIconEngine; }
    QString key() const override { return QStringLiteral("RanktallyWindowIcon"); }
    bool isNull() override { return kWindowIconPixels.empty(); }
};

}  // namespace

QIcon WindowIcon() {
    return QIcon(new WindowIconEngine);
}

}  // namespace ranktally
