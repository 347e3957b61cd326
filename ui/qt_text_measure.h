#pragma once

#include <QFontMetricsF>
#include <QString>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form_design.h"

class QWidget;

namespace ranktally {

// How big a window's Qt controls must be for a text in their fonts. It places nothing.
class QtTextMeasure : public TextMeasure {
public:
    // The window's controls, in the order of its design; figures are measured in its first
    // result box.
    QtTextMeasure(std::span<const ControlDesign> design, std::span<QWidget* const> controls);

    int FigureWidth(std::string_view figure) const override;
    PixelSize Needed(const ControlDesign& control, std::string_view text) const override;
    int HeightForWidth(const ControlDesign& control, std::string_view text,
                       int width) const override;

private:
    // A font's character advances, each measured once: a text's width is their sum, without
    // shaping the text. That is not less than the shaped width in a font that kerns only to
    // tighten, as fonts do for the design's Latin texts: Latin-1, the dashes and the ellipsis
    // ("Plan the climb…"). Quotation marks are not summed, as a font may kern "„A" wider; any other
    // text is shaped.
    class Advances {
    public:
        explicit Advances(const QFont& font);
        int Of(QStringView text);

    private:
        static constexpr std::array<char16_t, 3> kSpacedPunctuation = {u'\u2013', u'\u2014',
                                                                       u'\u2026'};
        qreal* Known(QChar c);

        QFontMetricsF metrics_;
        std::array<qreal, 256 + kSpacedPunctuation.size()> advances_;
    };

    // A wrapped text cut where a line may break, as Qt breaks lines: after a space or a hyphen,
    // between ideographs. Each piece's width without its closing spaces, and theirs, which a line
    // that ends there does not show.
    struct Piece {
        int width;
        int spaces;
        bool endsLine;  // at a line feed
    };
    struct Pieces {
        const QWidget* label;
        std::string text;
        std::vector<Piece> pieces;
    };

    const QWidget& Widget(std::string_view name) const;
    int Width(const QWidget& widget, QStringView text) const;
    const Pieces& PiecesOf(const QWidget& label, std::string_view text) const;

    std::span<const ControlDesign> design_;
    std::span<QWidget* const> controls_;
    const QWidget& figureBox_;
    // One a font; the window's controls share one or two.
    mutable std::vector<std::pair<QFont, Advances>> advances_;
    // The fitting asks for the same wrapped texts at one width after another: one a control.
    mutable std::vector<Pieces> pieces_;
};

}  // namespace ranktally
