#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include "link_label.h"
#include "qt_text.h"
#include "translation.h"

#include <cstdlib>
#include <vector>

// What the window's tests share: a control found by name, a pick and a rate typed as a user
// does, and whether a control shows its text whole. It checks no figure of its own.
namespace form1_testing {

// The offscreen platform says so each time a window asks it for what it does not do (raise,
// grabbing, size hints); every other warning still reaches the test log, and fails the test.
inline void DropPlatformLimits() {
    static QtMessageHandler testLog = nullptr;
    testLog = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith(QLatin1String("This plugin does not support "))) {
                testLog(type, context, text);
            }
        });
}

template <typename T>
T* Child(const QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no control named %s", name);
    }
    return child;
}

// Walks the closed selector to the entry with the arrow keys, as a keyboard user picks.
inline void Pick(const QWidget* window, const char* selector, const QString& entry) {
    auto* combo = Child<QComboBox>(window, selector);
    const int wanted = combo->findText(entry);
    QVERIFY2(wanted >= 0, qPrintable(entry));
    QSignalSpy picked(combo, &QComboBox::activated);
    const int moves = std::abs(wanted - combo->currentIndex());
    while (combo->currentIndex() != wanted) {
        const int before = combo->currentIndex();
        QTest::keyClick(combo, before < wanted ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(combo->currentIndex() != before);
    }
    QCOMPARE(picked.count(), moves);
}

inline void TypeRate(const QWidget* window, const QString& rate) {
    auto* box = Child<QLineEdit>(window, "SKTextBox");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, rate);
    QCOMPARE(box->text(), rate);
}

// A read-only box looks the same scrolled to either end only when the whole text is in view.
inline bool ShowsWhole(QLineEdit* box) {
    box->setCursorPosition(static_cast<int>(box->text().size()));
    const QImage end = box->grab().toImage();
    box->setCursorPosition(0);
    return box->grab().toImage() == end;
}

// Whether the control shows its text whole at this size: a box with its text in view at either
// end; a caption on one line; a wrapped text in the lines Qt breaks it into, within the height
// and none running past the width, as a word too long for the line does.
inline bool ShowsWholeAt(QWidget* control, QSize size) {
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        const QSize shown = box->size();
        box->resize(size);
        const bool whole = ShowsWhole(box);
        box->resize(shown);
        return whole;
    }
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr) {
        qFatal("%s shows no text", qPrintable(control->objectName()));
    }
    if (!label->wordWrap()) {
        return label->sizeHint().width() <= size.width() &&
               label->sizeHint().height() <= size.height();
    }
    const QMargins margins = label->contentsMargins();
    const int room = size.width() - margins.left() - margins.right() - 2 * label->margin();
    // A link the label holds under its own text, in its font, takes the lines after it.
    QString text = label->text();
    int linkHeight = 0;
    if (const auto* link =
            label->findChild<const ranktally::LinkLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        text += QChar::LineSeparator + link->text();
        linkHeight = link->heightForWidth(size.width());
    }
    QTextLayout layout(text, label->font());
    QTextOption wrapped;
    wrapped.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapped);
    layout.beginLayout();
    bool withinWidth = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        withinWidth = withinWidth && line.naturalTextWidth() <= room;
    }
    layout.endLayout();
    return withinWidth && label->heightForWidth(size.width()) + linkHeight <= size.height();
}

inline bool ShowsWhole(QWidget* control) {
    return ShowsWholeAt(control, control->size());
}

// The rows of a fit test, "tag" and "pointSize": every language compiled in, in a small and a
// large font; CTest runs the test again with QT_SCALE_FACTOR=2, the pixels of a high-density
// screen, in the small font.
inline void AddLanguageAndFontRows() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("pointSize");
    const qreal ratio = qApp->devicePixelRatio();
    const std::vector<int> sizes = ratio > 1 ? std::vector<int>{9} : std::vector<int>{9, 24};
    for (const ranktally::Language& language : ranktally::Languages()) {
        for (const int size : sizes) {
            const QString tag = ranktally::ToQString(language.tag);
            QTest::addRow("%s, %d pt, pixel ratio %g", qPrintable(tag), size, ratio) << tag << size;
        }
    }
}

}  // namespace form1_testing
