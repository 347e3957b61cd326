#pragma once

#include <QIcon>

namespace ranktally {

// The window's icon, from the pixels the build made of the project's SVG. Each size becomes a
// pixmap only when the window system asks for it, so that a window system that shows no icon
// costs nothing; decoding an image file would load Qt's image plugins.
QIcon WindowIcon();

}  // namespace ranktally
