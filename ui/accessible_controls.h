#pragma once

#include <QLabel>

class QComboBox;

namespace ranktally {

// A label, text or picture, that screen readers hear as a notification when it shows (a picture
// by its accessible name), and that they do not find while it is hidden. It decides nothing about
// when it shows.
class NoticeLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// Installs what screen readers on Linux are told about the window's selectors and notices beyond
// what Qt tells them: a selector gives its caption as its name and its picked entry as its text,
// with one child for each entry. Call once, before any window is built.
void InstallAccessibleControls();

// Tells a screen reader which entry the focused selector now shows, as it would hear a move
// through an open list; a selector without focus or without a picked entry says nothing. Only
// before Qt 6.5, whose selectors do not tell it themselves.
void AnnouncePick(QComboBox* selector);

}  // namespace ranktally
