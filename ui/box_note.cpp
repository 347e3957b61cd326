#include "box_note.h"

#include <QIcon>
#include <QLineEdit>
#include <QStyle>

#include "accessible_controls.h"
#include "note_marker.h"
#include "qt_text.h"

namespace ranktally {

BoxNote::BoxNote(QLineEdit* box, QString markerName)
    : box_(box), markerName_(std::move(markerName)) {}

void BoxNote::Show(std::string_view note) {
    const QString text = ToQString(note);
    box_->setToolTip(text);
    box_->setAccessibleDescription(text);
    if (!note.empty() && marker_ == nullptr) {
        marker_ = new NoticeLabel(box_);
        marker_->setObjectName(markerName_);
    }
    if (marker_ == nullptr) {
        return;
    }
    marker_->setToolTip(text);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4 hands AT-SPI a changed description in a form Orca cannot read, so the marker is
    // the notice a screen reader hears; it speaks a notice as it shows, not as its name
    // changes, so a changed note shows anew.
    marker_->setAccessibleName(text);
    marker_->hide();
#endif
    marker_->setVisible(!note.empty());
    Place();
}

void BoxNote::Place() {
    if (marker_ == nullptr) {
        return;
    }
    const NoteMarkerPlace place =
        PlaceNoteMarker({box_->width(), box_->height()}, box_->fontMetrics().height());
    const QIcon icon = QIcon::fromTheme(QStringLiteral("dialog-warning"),
                                        box_->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    const PixelRect& marker = place.marker;
    marker_->setPixmap(icon.pixmap(marker.width, marker.height));
    marker_->setGeometry(marker.left, marker.top, marker.width, marker.height);
    box_->setTextMargins(0, 0, marker_->isVisibleTo(box_) ? place.textMargin : 0, 0);
}

}  // namespace ranktally
