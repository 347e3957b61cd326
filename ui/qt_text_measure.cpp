#include "qt_text_measure.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace ranktally {

const QWidget& QtTextMeasure::Widget(const ControlDesign& control) const {
    const QString name = QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
    return *window_.findChild<const QWidget*>(name, Qt::FindDirectChildrenOnly);
}

PixelSize QtTextMeasure::Needed(const ControlDesign& control) const {
    const QWidget& widget = Widget(control);
    // A line edit's size hint is the width of 17 'x' plus its frame and margins; that overhead,
    // the figure's own width and the cursor after it are what a figure needs to show whole,
    // whichever end the cursor stands at.
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        const QFontMetrics metrics(edit->font());
        const QSize hint = edit->sizeHint();
        const int overhead = hint.width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
        const int cursor = edit->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, edit);
        return {overhead + metrics.horizontalAdvance(widestFigure_) + cursor, hint.height()};
    }
    const QSize hint = widget.sizeHint();
    return {hint.width(), hint.height()};
}

int QtTextMeasure::HeightForWidth(const ControlDesign& control, int width) const {
    return Widget(control).heightForWidth(width);
}

}  // namespace ranktally
