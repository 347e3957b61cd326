#pragma once

#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "box_note.h"
#include "form_design.h"
#include "plan_form_design.h"
#include "plan_handlers.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ranktally {

class PlanStepsModel;

// The plan window beside the form: the planner's controls laid out by the form's fitting rule,
// the steps in a table, days in the user's regional format, and the day made anew at local
// midnight. What it shows, and when, is the plan handlers' business; what the form's rate box
// does with a rate it hands over is the form's.
class PlanForm : public QWidget, public PlanView {
    Q_OBJECT

public:
    // The form's four inputs as they are now, in the order of Input.
    PlanForm(const std::array<std::string, 4>& formInputs, QWidget* parent);
    ~PlanForm() override;

    void FormInputChanged(Input input, std::string_view text);

    void ShowText(std::string_view control, std::string_view text) override;
    void ShowNote(std::string_view control, std::string_view note) override;
    void ShowArrival(const Arrival& arrival) override;
    void ShowSteps(const std::vector<PlanStep>& steps) override;
    void EnableControl(std::string_view control, bool enabled) override;

signals:
    // "Use as my rate": the whole rate, for the form's rate box as a user's edit.
    void rateToUse(const QString& rate);

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    void PaintResultBoxes();
    void LayOut();
    void WaitForMidnight();
    void UseRateButton_Click();
    QWidget* Control(std::string_view name) const;
    std::string DecimalSeparator() const;

    std::array<QWidget*, kPlanFormControls.size()> controls_{};
    std::map<std::string, BoxNote, std::less<>> notes_;
    PlanStepsModel* steps_ = nullptr;
    QTimer midnight_;
    QSize size_;
    std::optional<Arrival> arrival_;
    // Made once the controls it tells are there.
    std::optional<PlanHandlers> handlers_;
};

}  // namespace ranktally
