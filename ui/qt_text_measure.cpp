#include "qt_text_measure.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace ranktally {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What QLabel itself takes for plain text: the text's bounding box in the label's alignment,
// wrapped at the width when the label wraps, within its margins.
QSize LabelSize(const QLabel& label, const QString& text, int width) {
    const QMargins margins = label.contentsMargins();
    int flags = int(label.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter));
    if (label.wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    const int room = width - 2 * label.margin() - margins.left() - margins.right();
    const QRect box = label.fontMetrics().boundingRect(0, 0, room, 2000, flags, text);
    return box.size() + QSize(2 * label.margin() + margins.left() + margins.right(),
                              2 * label.margin() + margins.top() + margins.bottom());
}

}  // namespace

QtTextMeasure::QtTextMeasure(const QWidget& window)
    : window_(window), figureMetrics_(Widget(kResultControls.front()).fontMetrics()) {}

const QWidget& QtTextMeasure::Widget(std::string_view name) const {
    return *window_.findChild<const QWidget*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

int QtTextMeasure::FigureWidth(std::string_view figure) const {
    // A single character's advance comes from the font's cache, without shaping a text.
    if (figure.size() == 1) {
        return figureMetrics_.horizontalAdvance(QLatin1Char(figure.front()));
    }
    return figureMetrics_.horizontalAdvance(ToQString(figure));
}

PixelSize QtTextMeasure::Needed(const ControlDesign& control, std::string_view text) const {
    const QWidget& widget = Widget(control.name);
    const QString shown = ToQString(text);
    const QFontMetrics metrics = widget.fontMetrics();
    // A line edit's size hint is the width of 17 'x' plus its frame and margins; that overhead,
    // the text's own width and the cursor after it are what a figure needs to show whole,
    // whichever end the cursor stands at.
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        const QSize hint = edit->sizeHint();
        const int overhead = hint.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
        const int cursor = edit->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, edit);
        return {overhead + metrics.horizontalAdvance(shown) + cursor, hint.height()};
    }
    // A selector's face: its style's frame and arrow around the entry, as QComboBox sizes it.
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.currentText = shown;
        const QSize contents(
            metrics.boundingRect(shown).width(),
            std::max(int(std::ceil(QFontMetricsF(combo->font()).height())), 14) + 2);
        const QSize size =
            combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, combo);
        return {size.width(), size.height()};
    }
    // A caption on one line: its text's advance and the font's height, within its margins.
    const QMargins margins = widget.contentsMargins();
    return {metrics.horizontalAdvance(shown) + margins.left() + margins.right(),
            metrics.height() + margins.top() + margins.bottom()};
}

int QtTextMeasure::HeightForWidth(const ControlDesign& control, std::string_view text,
                                  int width) const {
    return LabelSize(static_cast<const QLabel&>(Widget(control.name)), ToQString(text), width)
        .height();
}

}  // namespace ranktally
