#pragma once

#include <QString>

#include <string_view>

class QLabel;
class QLineEdit;

namespace ranktally {

// The note of a box: its hover text, its description for a screen reader, and the marker at the
// box's end that shows there is one. When the note changes, and what it says, is the caller's.
class BoxNote {
public:
    BoxNote(QLineEdit* box, QString markerName);

    void Show(std::string_view note);
    // After the box's size or font changed.
    void Place();
    // Made on the first note, so that a box that never has one loads no icon.
    QLabel* Marker() const { return marker_; }

private:
    QLineEdit* box_;
    QString markerName_;
    QLabel* marker_ = nullptr;
};

}  // namespace ranktally
