#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "form_design.h"
#include "form_handlers.h"

class QComboBox;
class QLabel;
class QLineEdit;

// The calculator's one window: its controls, their layout, and the handlers that hand every pick
// and edit to the calculator. What the figures and the warning say is the calculator's business.
class Form1 : public QWidget, public ranktally::FormWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    std::string InputText(ranktally::Input input) const override;
    void SetResultText(ranktally::Result result, std::string_view text) override;
    void SetWarningCaption(std::string_view caption) override;
    void SetOuterHeight(int twips) override;
    void LayOut() override;
    void ShowRateNote(std::string_view note) override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Form_Load();
    void CurrentLevelCombo_Click();
    void TargetLevelCombo_Click();
    void HourPlayCombo_Click();
    void SKTextBox_Change();
    void BoundRateUndoHistory();
    void PlaceRateMarker();
    void PlaceNoteBalloon();
    void KeepNormalState(Qt::WindowState state);
    QSize DesignedSize() const;
    std::string DecimalSeparator() const;

    void PaintResultBoxes();
    QWidget* Control(std::string_view name) const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QComboBox* CurrentLevelCombo;
    QComboBox* TargetLevelCombo;
    QComboBox* HourPlayCombo;
    QLineEdit* SKTextBox;
    QLineEdit* SKNeededTextBox;
    QLineEdit* HoursNeededTextBox;
    QLineEdit* DaysNeededTextBox;
    QLabel* WarningLabel;
    std::array<QWidget*, ranktally::kForm1Controls.size()> controls_{};
    QLabel* rateMarker_ = nullptr;
    QLabel* noteBalloon_ = nullptr;

    ranktally::TwipsScale scale_;
    int outerHeightTwips_ = ranktally::kCompactHeightTwips;
    int previousRateLength_ = 0;
    int rateUndoCharacters_ = 0;
    ranktally::FormHandlers handlers_;
};
