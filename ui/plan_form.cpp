#include "plan_form.h"

#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "accessible_controls.h"
#include "kept_size.h"
#include "line_box.h"
#include "plan_steps_model.h"
#include "qt_dates.h"
#include "qt_text.h"
#include "qt_text_measure.h"
#include "result_face.h"
#include "translation.h"
#include "window_icon.h"

namespace ranktally {
namespace {

constexpr std::string_view kPlanNote = "PlanNoteLabel";

CivilDate Today() {
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

// The plan window's controls measured as the form's are, and its days in the user's regional
// format.
class PlanTextMeasure : public QtTextMeasure {
public:
    using QtTextMeasure::QtTextMeasure;

    // Every day of 2888, a leap year of the widest digits, so every month and weekday.
    std::string WidestDate() const override {
        const QLocale system = QLocale::system();
        std::string widest;
        int widestWidth = -1;
        for (QDate day(2888, 1, 1); day.year() == 2888; day = day.addDays(1)) {
            std::string text = system.toString(day, QLocale::LongFormat).toStdString();
            if (const int width = FigureWidth(text); width > widestWidth) {
                widestWidth = width;
                widest = std::move(text);
            }
        }
        return widest;
    }
};

QWidget* MakeControl(QWidget* parent, const ControlDesign& design, PlanStepsModel* steps) {
    const QString text = ToQString(Translated(design.text));
    QWidget* control = nullptr;
    switch (design.kind) {
        case ControlKind::Caption:
        case ControlKind::Heading:
            control = new QLabel(text, parent);
            break;
        case ControlKind::RateBox:
        case ControlKind::ResultBox:
        case ControlKind::DateBox: {
            auto* box = new LineBox(parent);
            box->setReadOnly(design.kind != ControlKind::RateBox);
            control = box;
            break;
        }
        case ControlKind::Button:
            control = new QPushButton(text, parent);
            break;
        case ControlKind::Notice: {
            // Hidden while it has nothing to say; the design's text is only the longest it says.
            auto* label = new NoticeLabel(parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->hide();
            control = label;
            break;
        }
        case ControlKind::Table: {
            auto* table = new QTableView(parent);
            table->setModel(steps);
            table->verticalHeader()->hide();
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            table->setSelectionMode(QAbstractItemView::SingleSelection);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            // Tab leaves the table for the next control; the arrows walk its cells.
            table->setTabKeyNavigation(false);
            table->setWordWrap(false);
            table->setAlternatingRowColors(true);
            control = table;
            break;
        }
        case ControlKind::Selector:
        case ControlKind::Warning:
        case ControlKind::Credit:
            throw std::invalid_argument("the plan window has no control of this kind");
    }
    control->setObjectName(ToQString(design.name));
    return control;
}

}  // namespace

PlanForm::PlanForm(const std::array<std::string, 4>& formInputs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    // Like the form, it keeps the size its contents need, so it offers no maximize button.
    setObjectName(QStringLiteral("PlanForm"));
    setWindowTitle(ToQString(Translated(kPlanWindowTitle)));
    setWindowIcon(WindowIcon());
    // Closing the form ends the program whether or not the plan is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    steps_ = new PlanStepsModel(this);
    CreateControls();
    handlers_.emplace(*this, DecimalSeparator(), formInputs, Today());
    for (const ControlDesign& design : kPlanFormControls) {
        if (design.kind == ControlKind::RateBox) {
            auto* box = static_cast<QLineEdit*>(Control(design.name));
            connect(box, &QLineEdit::textChanged, this,
                    [this, name = design.name](const QString& text) {
                        handlers_->InputChanged(name, text.toStdString());
                    });
        }
    }
    connect(static_cast<QPushButton*>(Control("UseRateButton")), &QPushButton::clicked, this,
            &PlanForm::UseRateButton_Click);
    midnight_.setSingleShot(true);
    connect(&midnight_, &QTimer::timeout, this, [this] {
        handlers_->DayChanged(Today());
        WaitForMidnight();
    });
    WaitForMidnight();
    LayOut();
    create();
    new KeptSize(this, [this] { return size_; });
}

PlanForm::~PlanForm() = default;

void PlanForm::CreateControls() {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        controls_[index] = MakeControl(this, kPlanFormControls[index], steps_);
    }
    PaintResultBoxes();
    for (const ControlDesign& design : kPlanFormControls) {
        QWidget* control = Control(design.name);
        if (design.kind == ControlKind::RateBox || design.name == "MeasuredRateTextBox") {
            notes_.try_emplace(std::string(design.name), static_cast<QLineEdit*>(control),
                               ToQString(design.name) + QStringLiteral("Marker"));
        }
        if (const ControlDesign* caption = CaptionOf(kPlanFormControls, design.name)) {
            static_cast<QLabel*>(Control(caption->name))->setBuddy(control);
            control->setAccessibleName(ToQString(AccessibleName(*caption)));
        }
    }
    QFont heading = Control(kReadingsName)->font();
    heading.setBold(true);
    Control(kReadingsName)->setFont(heading);
    Control("EarnedTextBox")->setFocus();
}

void PlanForm::PaintResultBoxes() {
    for (const ControlDesign& design : kPlanFormControls) {
        if (design.kind == ControlKind::ResultBox || design.kind == ControlKind::DateBox) {
            PaintAsResult(*Control(design.name), *this);
        }
    }
}

QWidget* PlanForm::Control(std::string_view name) const {
    return controls_[IndexOf(kPlanFormControls, name)];
}

std::string PlanForm::DecimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

void PlanForm::FormInputChanged(Input input, std::string_view text) {
    handlers_->FormInputChanged(input, text);
}

void PlanForm::ShowText(std::string_view control, std::string_view text) {
    auto* box = static_cast<QLineEdit*>(Control(control));
    box->setText(ToQString(text));
    box->setCursorPosition(0);
}

void PlanForm::ShowNote(std::string_view control, std::string_view note) {
    if (control == kPlannerName) {
        auto* label = static_cast<QLabel*>(Control(kPlanNote));
        label->setText(ToQString(note));
        label->setVisible(!note.empty());
        return;
    }
    notes_.find(control)->second.Show(note);
}

void PlanForm::ShowArrival(const Arrival& arrival) {
    arrival_ = arrival;
    ShowText("ArrivalTextBox",
             DateText(arrival, QLocale::system(), QLocale::LongFormat).toStdString());
}

void PlanForm::ShowSteps(const std::vector<PlanStep>& steps) {
    steps_->SetSteps(steps);
    static_cast<QTableView*>(Control("PlanSteps"))->resizeColumnsToContents();
}

void PlanForm::EnableControl(std::string_view control, bool enabled) {
    Control(control)->setEnabled(enabled);
}

void PlanForm::UseRateButton_Click() {
    if (const auto& rate = handlers_->RateToUse()) {
        emit rateToUse(ToQString(*rate));
    }
}

void PlanForm::WaitForMidnight() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    // A second past it, so that the day read then is the new one.
    midnight_.start(static_cast<int>(now.msecsTo(midnight)) + 1000);
}

void PlanForm::LayOut() {
    const PlanTextMeasure measure(kPlanFormControls, controls_);
    const TwipsScale scale = TwipsScale::Fitting(kPlanFormControls, measure, DecimalSeparator());
    for (const ControlDesign& design : kPlanFormControls) {
        const PixelRect rect = scale.ToPixels(design.rect);
        Control(design.name)->setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
    for (auto& [name, note] : notes_) {
        note.Place();
    }
    size_ = QSize(scale.ToPixels(kPlanClientWidthTwips), scale.ToPixels(kPlanClientHeightTwips));
    setFixedSize(size_);
}

void PlanForm::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
            LayOut();
            break;
        case QEvent::PaletteChange:
            PaintResultBoxes();
            break;
        case QEvent::LocaleChange:
            handlers_->DecimalSeparatorChanged(DecimalSeparator());
            steps_->SetDateLocale(QLocale::system());
            if (arrival_) {
                ShowArrival(*arrival_);
            }
            break;
        case QEvent::ActivationChange:
            // A day that passed while the machine slept, or as the clock was set.
            if (isActiveWindow()) {
                handlers_->DayChanged(Today());
            }
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

}  // namespace ranktally
