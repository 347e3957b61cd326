#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "box_note.h"
#include "form_design.h"
#include "form_handlers.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ranktally {
class LinkLabel;
class PlanForm;
}  // namespace ranktally

// The calculator's one window: its controls, their layout, and the handlers that hand every pick
// and edit to the form. What the figures, the warning and the note say, and when they change, is
// the form's business.
class Form1 : public QWidget, public ranktally::FormView {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    void ShowResult(ranktally::Result result, std::string_view text) override;
    void ShowWarning(std::string_view caption) override;
    void SetOuterHeight(int twips) override;
    void LayOut(std::string_view decimalSeparator) override;
    void ShowRateNote(std::string_view note) override;
    void ShowNoteBalloon(std::string_view note) override;

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Form_Load();
    void CurrentLevelCombo_Click();
    void TargetLevelCombo_Click();
    void HourPlayCombo_Click();
    void SKTextBox_Change();
    void Label1_Click();
    void InputChanged(ranktally::Input input, const QString& text);
    void UseRate(const QString& rate);
    void PlaceCreditLink();
    void BoundRateUndoHistory();
    void PlaceNoteBalloon();
    QSize DesignedSize() const;
    std::string DecimalSeparator() const;

    void PaintResultBoxes();
    QWidget* Control(std::string_view name) const;

    // In the design's order; the ones the handlers and the warning use by name too.
    std::array<QWidget*, ranktally::kForm1Controls.size()> controls_{};
    QComboBox* CurrentLevelCombo;
    QComboBox* TargetLevelCombo;
    QComboBox* HourPlayCombo;
    QLineEdit* SKTextBox;
    QLabel* WarningLabel;
    std::optional<ranktally::BoxNote> rateNote_;
    // After the credit, in Label1's corner.
    ranktally::LinkLabel* planLink_ = nullptr;
    // Made when first opened, never at start.
    ranktally::PlanForm* plan_ = nullptr;
    QLabel* noteBalloon_ = nullptr;

    ranktally::TwipsScale scale_;
    int outerHeightTwips_ = ranktally::kCompactHeightTwips;
    int previousRateLength_ = 0;
    int rateUndoCharacters_ = 0;
    ranktally::FormHandlers handlers_;
};
