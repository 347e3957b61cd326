#pragma once

#include <QPalette>
#include <QWidget>

namespace ranktally {

// A box that shows a result, not an input: the window's button colour behind its text. Only the
// base role is set, so the box follows the rest of the theme as it changes; set it again when the
// window's palette changes.
inline void PaintAsResult(QWidget& box, const QWidget& window) {
    QPalette face;
    face.setColor(QPalette::Base, window.palette().color(QPalette::Button));
    box.setPalette(face);
}

}  // namespace ranktally
