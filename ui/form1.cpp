#include "form1.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <stdexcept>

#include "accessible_controls.h"
#include "kept_size.h"
#include "line_box.h"
#include "link_label.h"
#include "note_marker.h"
#include "plan_form.h"
#include "qt_text.h"
#include "qt_text_measure.h"
#include "result_face.h"
#include "selector.h"
#include "selector_entries.h"
#include "translation.h"
#include "window_icon.h"

using ranktally::Input;
using ranktally::Result;
using ranktally::ToQString;

namespace {

// A line edit keeps an undo entry for every character typed or removed, without limit; past
// about this many the rate box's history starts afresh, so that memory stays flat however long
// the window is used.
constexpr int kRateUndoCharacters = 10000;

// A control as the design describes it, named after it; the window places it.
QWidget* MakeControl(QWidget* parent, const ranktally::ControlDesign& design) {
    const QString text = ToQString(ranktally::Translated(design.text));
    QWidget* control = nullptr;
    switch (design.kind) {
        case ranktally::ControlKind::Selector:
            control = new ranktally::Selector(parent);
            break;
        case ranktally::ControlKind::RateBox:
        case ranktally::ControlKind::ResultBox: {
            auto* box = new ranktally::LineBox(text, parent);
            box->setReadOnly(design.kind == ranktally::ControlKind::ResultBox);
            control = box;
            break;
        }
        case ranktally::ControlKind::Caption:
            control = new QLabel(text, parent);
            break;
        case ranktally::ControlKind::Warning:
        case ranktally::ControlKind::Credit: {
            auto* label = design.kind == ranktally::ControlKind::Warning
                              ? new ranktally::NoticeLabel(text, parent)
                              : new QLabel(text, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // The warning is hidden while it has nothing to say.
            if (text.isEmpty()) {
                label->hide();
            }
            control = label;
            break;
        }
        case ranktally::ControlKind::Heading:
        case ranktally::ControlKind::DateBox:
        case ranktally::ControlKind::Button:
        case ranktally::ControlKind::Notice:
        case ranktally::ControlKind::Table:
            throw std::invalid_argument("the form has no control of this kind");
    }
    control->setObjectName(ToQString(design.name));
    return control;
}

// A screen reader announces the control by its caption, without the colon.
void Caption(QLabel* label, const ranktally::ControlDesign& caption, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(ToQString(ranktally::AccessibleName(caption)));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), handlers_(*this, DecimalSeparator()) {
    ranktally::InstallAccessibleControls();
    setWindowTitle(ToQString(ranktally::kWindowTitle));
    // The window keeps the size its contents need, so it offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(ranktally::WindowIcon());
    CreateControls();
    Form_Load();

    connect(CurrentLevelCombo, &QComboBox::activated, this, &Form1::CurrentLevelCombo_Click);
    connect(TargetLevelCombo, &QComboBox::activated, this, &Form1::TargetLevelCombo_Click);
    connect(HourPlayCombo, &QComboBox::activated, this, &Form1::HourPlayCombo_Click);
    connect(SKTextBox, &QLineEdit::textChanged, this, &Form1::SKTextBox_Change);
    for (QComboBox* selector : {CurrentLevelCombo, TargetLevelCombo, HourPlayCombo}) {
        connect(selector, &QComboBox::currentIndexChanged, this,
                [selector] { ranktally::AnnouncePick(selector); });
    }
    create();
    new ranktally::KeptSize(this, [this] { return DesignedSize(); });
}

void Form1::CreateControls() {
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        controls_[index] = MakeControl(this, ranktally::kForm1Controls[index]);
    }
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        if (const ranktally::ControlDesign* caption = ranktally::CaptionOf(design.name)) {
            Caption(static_cast<QLabel*>(Control(caption->name)), *caption, Control(design.name));
        }
    }
    CurrentLevelCombo = static_cast<QComboBox*>(Control("CurrentLevelCombo"));
    TargetLevelCombo = static_cast<QComboBox*>(Control("TargetLevelCombo"));
    HourPlayCombo = static_cast<QComboBox*>(Control("HourPlayCombo"));
    SKTextBox = static_cast<QLineEdit*>(Control("SKTextBox"));
    WarningLabel = static_cast<QLabel*>(Control("WarningLabel"));
    PaintResultBoxes();
    SKTextBox->installEventFilter(this);
    rateNote_.emplace(SKTextBox, QStringLiteral("RateMarker"));
    planLink_ = new ranktally::LinkLabel(ToQString(ranktally::Translated(ranktally::kPlanLinkText)),
                                         Control("Label1"));
    planLink_->setObjectName(QStringLiteral("PlanLink"));
    connect(planLink_, &ranktally::LinkLabel::activated, this, &Form1::Label1_Click);

    // The credit's corner takes focus by its link.
    QWidget* previous = nullptr;
    for (const std::string_view name : ranktally::kTabOrder) {
        QWidget* control = name == "Label1" ? planLink_ : Control(name);
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    Control(ranktally::kTabOrder.front())->setFocus();
}

QWidget* Form1::Control(std::string_view name) const {
    return controls_[ranktally::IndexOf(name)];
}

void Form1::Form_Load() {
    for (const ranktally::SelectorDesign& design : ranktally::kSelectors) {
        auto* selector = static_cast<QComboBox*>(Control(design.name));
        ranktally::GiveEntries(*selector, design);
        selector->setCurrentIndex(design.startingPick);
    }
    handlers_.Loaded();
}

void Form1::CurrentLevelCombo_Click() {
    InputChanged(Input::CurrentLevel, CurrentLevelCombo->currentText());
}

void Form1::TargetLevelCombo_Click() {
    InputChanged(Input::TargetLevel, TargetLevelCombo->currentText());
}

void Form1::HourPlayCombo_Click() {
    InputChanged(Input::HoursPerDay, HourPlayCombo->currentText());
}

void Form1::SKTextBox_Change() {
    InputChanged(Input::Rate, SKTextBox->text());
    BoundRateUndoHistory();
}

void Form1::InputChanged(Input input, const QString& text) {
    const std::string reported = text.toStdString();
    handlers_.InputChanged(input, reported);
    if (plan_ != nullptr) {
        plan_->FormInputChanged(input, reported);
    }
}

void Form1::Label1_Click() {
    if (plan_ == nullptr) {
        std::array<std::string, 4> inputs;
        for (const Input input : ranktally::kInputs) {
            const QWidget* control = Control(ranktally::ControlOf(input));
            const auto* box = qobject_cast<const QLineEdit*>(control);
            inputs[static_cast<std::size_t>(input)] =
                (box != nullptr ? box->text()
                                : static_cast<const QComboBox*>(control)->currentText())
                    .toStdString();
        }
        plan_ = new ranktally::PlanForm(inputs, this);
        connect(plan_, &ranktally::PlanForm::rateToUse, this, &Form1::UseRate);
    }
    plan_->show();
    plan_->raise();
    plan_->activateWindow();
}

void Form1::UseRate(const QString& rate) {
    // As a user's edit, which the box's own undo takes back.
    SKTextBox->selectAll();
    SKTextBox->insert(rate);
}

std::string Form1::DecimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

void Form1::ShowRateNote(std::string_view note) {
    rateNote_->Show(note);
    PlaceNoteBalloon();
}

void Form1::ShowNoteBalloon(std::string_view note) {
    if (note.empty()) {
        if (noteBalloon_ != nullptr) {
            noteBalloon_->hide();
        }
        return;
    }
    // A keyboard user sees no tooltip: the note stands in a balloon just under the marker,
    // reaching out of the window rather than over the figures.
    if (noteBalloon_ == nullptr) {
        noteBalloon_ = new QLabel(this, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        noteBalloon_->setObjectName(QStringLiteral("RateNoteBalloon"));
        noteBalloon_->setAttribute(Qt::WA_ShowWithoutActivating);
        noteBalloon_->setForegroundRole(QPalette::ToolTipText);
        noteBalloon_->setBackgroundRole(QPalette::ToolTipBase);
        noteBalloon_->setAutoFillBackground(true);
        noteBalloon_->setFrameStyle(QFrame::Box | QFrame::Plain);
        noteBalloon_->setMargin(style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth));
        noteBalloon_->setWordWrap(true);
        // The box's description already speaks the note.
        noteBalloon_->setAccessibleName(QStringLiteral(" "));
    }
    noteBalloon_->setText(ToQString(note));
    noteBalloon_->show();
    PlaceNoteBalloon();
}

void Form1::PlaceNoteBalloon() {
    if (noteBalloon_ == nullptr || noteBalloon_->isHidden()) {
        return;
    }
    noteBalloon_->setFont(SKTextBox->font());
    const int frame = 2 * (noteBalloon_->margin() + noteBalloon_->frameWidth());
    const int width = std::min(noteBalloon_->fontMetrics().horizontalAdvance(noteBalloon_->text()),
                               noteBalloon_->fontMetrics().averageCharWidth() *
                                   ranktally::kNoteBalloonCharacters) +
                      frame;
    noteBalloon_->resize(width, noteBalloon_->heightForWidth(width));
    noteBalloon_->move(
        SKTextBox->mapToGlobal(QPoint(rateNote_->Marker()->x(), SKTextBox->height())));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SKTextBox &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        handlers_.RateFocusChanged(event->type() == QEvent::FocusIn);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::moveEvent(QMoveEvent* event) {
    PlaceNoteBalloon();
    QWidget::moveEvent(event);
}

void Form1::BoundRateUndoHistory() {
    // Counts each edit as the old and the new text together, more than the characters it can
    // add to the history, so that the bound holds whatever the edit was.
    const int length = static_cast<int>(SKTextBox->text().size());
    rateUndoCharacters_ += previousRateLength_ + length;
    previousRateLength_ = length;
    if (rateUndoCharacters_ < kRateUndoCharacters) {
        return;
    }
    rateUndoCharacters_ = 0;
    const QSignalBlocker quiet(SKTextBox);
    const int cursor = SKTextBox->cursorPosition();
    SKTextBox->setText(SKTextBox->text());  // starts the undo history afresh
    SKTextBox->setCursorPosition(cursor);
}

void Form1::ShowResult(Result result, std::string_view text) {
    auto* box = static_cast<QLineEdit*>(Control(ranktally::ControlOf(result)));
    box->setText(ToQString(text));
    box->setCursorPosition(0);
}

void Form1::ShowWarning(std::string_view caption) {
    WarningLabel->setText(ToQString(caption));
    WarningLabel->setVisible(!caption.empty());
}

void Form1::SetOuterHeight(int twips) {
    outerHeightTwips_ = twips;
    setFixedSize(DesignedSize());
}

void Form1::PlaceCreditLink() {
    // Under the credit's own lines, in its font; the fitting made room for both.
    auto* credit = static_cast<QLabel*>(Control("Label1"));
    const int top = credit->heightForWidth(credit->width());
    planLink_->setGeometry(0, top, credit->width(), credit->height() - top);
}

QSize Form1::DesignedSize() const {
    const ranktally::PixelSize size = ranktally::ClientSize(scale_, outerHeightTwips_);
    return {size.width, size.height};
}

void Form1::LayOut(std::string_view decimalSeparator) {
    const ranktally::QtTextMeasure measure(ranktally::kForm1Controls, controls_);
    scale_ = ranktally::TwipsScale::Fitting(ranktally::kForm1Controls, measure, decimalSeparator);
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        const ranktally::PixelRect rect = scale_.ToPixels(design.rect);
        Control(design.name)->setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
    rateNote_->Place();
    PlaceNoteBalloon();
    PlaceCreditLink();
}

void Form1::PaintResultBoxes() {
    for (const std::string_view name : ranktally::kResultControls) {
        ranktally::PaintAsResult(*Control(name), *this);
    }
}

void Form1::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
            handlers_.FontChanged();
            break;
        case QEvent::PaletteChange:
            PaintResultBoxes();
            break;
        case QEvent::LocaleChange:
            handlers_.DecimalSeparatorChanged(DecimalSeparator());
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}
