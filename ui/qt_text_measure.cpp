#include "qt_text_measure.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "qt_text.h"

namespace ranktally {

QtTextMeasure::Advances::Advances(const QFont& font) : metrics_(font) {
    advances_.fill(-1);
}

qreal* QtTextMeasure::Advances::Known(QChar c) {
    if (c.unicode() < 256) {
        return &advances_[c.unicode()];
    }
    const auto* spaced =
        std::find(kSpacedPunctuation.begin(), kSpacedPunctuation.end(), c.unicode());
    return spaced == kSpacedPunctuation.end()
               ? nullptr
               : &advances_[256 + static_cast<std::size_t>(spaced - kSpacedPunctuation.begin())];
}

int QtTextMeasure::Advances::Of(QStringView text) {
    qreal width = 0;
    for (const QChar c : text) {
        qreal* advance = Known(c);
        if (advance == nullptr) {
            return static_cast<int>(std::ceil(metrics_.horizontalAdvance(text.toString())));
        }
        if (*advance < 0) {
            *advance = metrics_.horizontalAdvance(c);
        }
        width += *advance;
    }
    // Whole pixels a character would lose up to a pixel each: the fractions add up first.
    return static_cast<int>(std::ceil(width));
}

namespace {

std::string_view FirstResultBox(std::span<const ControlDesign> design) {
    for (const ControlDesign& control : design) {
        if (control.kind == ControlKind::ResultBox) {
            return control.name;
        }
    }
    throw std::invalid_argument("a window's design without a result box measures no figure");
}

}  // namespace

QtTextMeasure::QtTextMeasure(std::span<const ControlDesign> design,
                             std::span<QWidget* const> controls)
    : design_(design), controls_(controls), figureBox_(Widget(FirstResultBox(design))) {}

const QWidget& QtTextMeasure::Widget(std::string_view name) const {
    return *controls_[IndexOf(design_, name)];
}

int QtTextMeasure::Width(const QWidget& widget, QStringView text) const {
    const QFont& font = widget.font();
    for (auto& [known, advances] : advances_) {
        if (known == font) {
            return advances.Of(text);
        }
    }
    return advances_.emplace_back(font, Advances(font)).second.Of(text);
}

int QtTextMeasure::FigureWidth(std::string_view figure) const {
    return Width(figureBox_, ToQString(figure));
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
        return {overhead + Width(*edit, shown) + cursor, hint.height()};
    }
    // A button's face: its style's bevel around the text, as QPushButton sizes it.
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = shown;
        const QSize contents(Width(*button, shown), std::max(metrics.height(), 14));
        const QSize size =
            button->style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, button);
        return {size.width(), size.height()};
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
    return {Width(widget, shown) + margins.left() + margins.right(),
            metrics.height() + margins.top() + margins.bottom()};
}

const QtTextMeasure::Pieces& QtTextMeasure::PiecesOf(const QWidget& label,
                                                     std::string_view text) const {
    const auto known = std::find_if(pieces_.begin(), pieces_.end(),
                                    [&label](const Pieces& cut) { return cut.label == &label; });
    if (known != pieces_.end() && known->text == text) {
        return *known;
    }
    Pieces measured{&label, std::string(text), {}};
    const QString shown = ToQString(text);
    // QLabel's lines (QTextLayout) break where QTextBoundaryFinder finds a place, and after any
    // space but a no-break one, even where the finder finds none ("22 ~", "actuel :").
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, shown);
    const auto space = [&shown](qsizetype at) {
        return shown[at].isSpace() && shown[at].decompositionTag() != QChar::NoBreak;
    };
    qsizetype start = 0;
    qsizetype spaces = 0;  // where the spaces closing the piece begin
    for (qsizetype at = 1; at <= shown.size(); ++at) {
        if (!space(at - 1)) {
            spaces = at;
        }
        breaks.setPosition(at);
        const bool afterSpaces = at < shown.size() && space(at - 1) && !space(at);
        if (at < shown.size() && !afterSpaces && !breaks.isAtBoundary()) {
            continue;
        }
        const QStringView piece = QStringView(shown).mid(start, at - start);
        const int width = Width(label, piece.first(spaces - start));
        const bool endsLine = piece.contains(QLatin1Char('\n'));
        measured.pieces.push_back({width, endsLine ? 0 : Width(label, piece) - width, endsLine});
        start = spaces = at;
    }
    if (known == pieces_.end()) {
        return pieces_.emplace_back(std::move(measured));
    }
    *known = std::move(measured);
    return *known;
}

int QtTextMeasure::HeightForWidth(const ControlDesign& control, std::string_view text,
                                  int width) const {
    // In lines no wider than the room, broken as QLabel breaks them; a piece wider than the room
    // never fits, since QLabel would cut it.
    const auto& label = static_cast<const QLabel&>(Widget(control.name));
    const QMargins margins = label.contentsMargins();
    const int room = width - 2 * label.margin() - margins.left() - margins.right();
    int lines = 1;
    int line = 0;
    int spaces = 0;
    for (const Piece& piece : PiecesOf(label, text).pieces) {
        if (piece.width > room) {
            return std::numeric_limits<int>::max();
        }
        if (line > 0 && line + spaces + piece.width > room) {
            ++lines;
            line = piece.width;
        } else {
            line += spaces + piece.width;
        }
        spaces = piece.spaces;
        if (piece.endsLine) {
            ++lines;
            line = 0;
        }
    }
    return lines * label.fontMetrics().lineSpacing() + 2 * label.margin() + margins.top() +
           margins.bottom();
}

}  // namespace ranktally
