#include "form1.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QWindow>

#include "accessible_controls.h"
#include "entry_list_view.h"
#include "level_table.h"
#include "numeric_text.h"
#include "window_icon_pixels.h"

using ranktally::Input;
using ranktally::Placement;
using ranktally::Result;
using ranktally::TwipsRect;

namespace {

constexpr int kClientWidthTwips = 3330;
// The outer heights count the title bar and borders, which the window manager draws here; the
// design's client area is 2400 twips high within the compact outer height.
constexpr int kFrameHeightTwips = ranktally::kCompactHeightTwips - 2400;
constexpr int kHoursPerDayCount = 24;
// A line edit keeps an undo entry for every character typed or removed, without limit; past
// about this many the rate box's history starts afresh, so that memory stays flat however long
// the window is used.
constexpr int kRateUndoCharacters = 10000;
// FormatGeneral writes at most this many significant digits.
constexpr int kSignificantDigits = 15;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Sized for its longest entry ("220") without measuring all 220 entries at start-up.
QComboBox* MakeSelector(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setView(new ranktally::EntryListView(combo));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(3);
    return combo;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, bool readOnly) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(readOnly);
    return box;
}

// A screen reader announces the control by its caption, without the colon.
void Caption(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text();
    name.chop(1);
    control->setAccessibleName(name);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Entries(int count, const std::string& separator) {
    QStringList entries;
    entries.reserve(count);
    for (double counter = 1; counter <= count; ++counter) {
        entries.append(QString::fromStdString(ranktally::FormatGeneral(counter, separator)));
    }
    return entries;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), calculator_(*this, locale().decimalPoint().toStdString()) {
    ranktally::InstallAccessibleControls();
    setWindowTitle(QStringLiteral("Ranktally"));
    // The window keeps the size its contents need, so it offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // Built from pixels in the program: decoding an image would load Qt's image plugins, which
    // costs more start-up time than the rest of the window.
    QIcon icon;
    for (const ranktally::IconPixels& pixels : ranktally::kWindowIconPixels) {
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.argb),
                                                 pixels.size, pixels.size, QImage::Format_ARGB32)));
    }
    setWindowIcon(icon);
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
    connect(windowHandle(), &QWindow::windowStateChanged, this, &Form1::KeepNormalState);
}

void Form1::CreateControls() {
    Label8 = MakeLabel(this, "Label8", tr("Current level:"));
    CurrentLevelCombo = MakeSelector(this, "CurrentLevelCombo");
    Label5 = MakeLabel(this, "Label5", tr("Target level:"));
    TargetLevelCombo = MakeSelector(this, "TargetLevelCombo");
    Label6 = MakeLabel(this, "Label6", tr("Hours played per day:"));
    HourPlayCombo = MakeSelector(this, "HourPlayCombo");
    Label7 = MakeLabel(this, "Label7", tr("Average SK/XP per hour:"));
    SKTextBox = MakeBox(this, "SKTextBox", false);
    SKTextBox->setText(QStringLiteral("10000"));
    Label4 = MakeLabel(this, "Label4", tr("SK/XP needed:"));
    SKNeededTextBox = MakeBox(this, "SKNeededTextBox", true);
    Label3 = MakeLabel(this, "Label3", tr("Hours needed:"));
    HoursNeededTextBox = MakeBox(this, "HoursNeededTextBox", true);
    Label2 = MakeLabel(this, "Label2", tr("Days Needed:"));
    DaysNeededTextBox = MakeBox(this, "DaysNeededTextBox", true);
    WarningLabel = new ranktally::NoticeLabel(this);
    WarningLabel->setObjectName(QStringLiteral("WarningLabel"));
    WarningLabel->hide();
    WarningLabel->setWordWrap(true);
    WarningLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = MakeLabel(this, "Label1", tr("by the Ranktally team"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Caption(Label8, CurrentLevelCombo);
    Caption(Label5, TargetLevelCombo);
    Caption(Label6, HourPlayCombo);
    Caption(Label7, SKTextBox);
    Caption(Label4, SKNeededTextBox);
    Caption(Label3, HoursNeededTextBox);
    Caption(Label2, DaysNeededTextBox);
    PaintResultBoxes();

    // The designed order: the results sit between the current and the target level.
    setTabOrder(CurrentLevelCombo, DaysNeededTextBox);
    setTabOrder(DaysNeededTextBox, HoursNeededTextBox);
    setTabOrder(HoursNeededTextBox, SKNeededTextBox);
    setTabOrder(SKNeededTextBox, TargetLevelCombo);
    setTabOrder(TargetLevelCombo, HourPlayCombo);
    setTabOrder(HourPlayCombo, SKTextBox);
    CurrentLevelCombo->setFocus();

    placements_ = {
        {Label8, TwipsRect{0, 104, 1066, 221}},
        {CurrentLevelCombo, TwipsRect{1869, 104, 716, 315}},
        {Label5, TwipsRect{0, 415, 1066, 221}},
        {TargetLevelCombo, TwipsRect{1869, 415, 716, 315}},
        {Label6, TwipsRect{0, 720, 1650, 330}},
        {HourPlayCombo, TwipsRect{1869, 726, 716, 315}},
        // Designed 1890 wide, running 21 twips under the rate box; it stops where the box starts.
        {Label7, TwipsRect{0, 1035, 1869, 225}},
        {SKTextBox, TwipsRect{1869, 1038, 1417, 285}},
        {Label4, TwipsRect{0, 1453, 1300, 221}},
        {SKNeededTextBox, TwipsRect{1869, 1453, 1417, 285}},
        {Label3, TwipsRect{0, 1764, 1417, 221}},
        {HoursNeededTextBox, TwipsRect{1869, 1764, 1417, 285}},
        {Label2, TwipsRect{0, 2076, 1300, 221}},
        {DaysNeededTextBox, TwipsRect{1869, 2076, 1417, 285}},
        {WarningLabel, TwipsRect{0, 2387, 3286, 995}},
        // Designed 720 wide, running 30 twips past the client area; it stops at its edge.
        {Label1, TwipsRect{2640, 105, 690, 840}},
    };
}

void Form1::Form_Load() {
    const std::string separator = locale().decimalPoint().toStdString();
    const QStringList levels = Entries(ranktally::kLevelCount, separator);
    CurrentLevelCombo->addItems(levels);
    TargetLevelCombo->addItems(levels);
    HourPlayCombo->addItems(Entries(kHoursPerDayCount, separator));
    CurrentLevelCombo->setCurrentIndex(-1);
    TargetLevelCombo->setCurrentIndex(-1);
    HourPlayCombo->setCurrentIndex(HourPlayCombo->findText(QStringLiteral("1")));
    // A selector's size follows its longest entry, so the layout waits for the lists.
    LayOut();
    calculator_.Recalculate();
}

void Form1::CurrentLevelCombo_Click() {
    calculator_.Recalculate();
}

void Form1::TargetLevelCombo_Click() {
    if (calculator_.TargetLevel() < ranktally::kFirstSkLevel + 1) {
        calculator_.ClearWarning();
    }
    calculator_.Recalculate();
}

void Form1::HourPlayCombo_Click() {
    calculator_.Recalculate();
}

void Form1::SKTextBox_Change() {
    calculator_.Recalculate();
    BoundRateUndoHistory();
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

std::string Form1::InputText(Input input) const {
    switch (input) {
        case Input::CurrentLevel:
            return CurrentLevelCombo->currentText().toStdString();
        case Input::Rate:
            return SKTextBox->text().toStdString();
        case Input::HoursPerDay:
            return HourPlayCombo->currentText().toStdString();
        case Input::TargetLevel:
            return TargetLevelCombo->currentText().toStdString();
    }
    return {};
}

QLineEdit* Form1::ResultBox(Result result) const {
    switch (result) {
        case Result::PointsNeeded:
            return SKNeededTextBox;
        case Result::HoursNeeded:
            return HoursNeededTextBox;
        case Result::DaysNeeded:
            return DaysNeededTextBox;
    }
    return nullptr;
}

void Form1::SetResultText(Result result, std::string_view text) {
    // Every rewrite, even of the same text, reaches a screen reader as a deletion and an insertion.
    QLineEdit* box = ResultBox(result);
    const QString shown = ToQString(text);
    if (box->text() != shown) {
        box->setText(shown);
        box->setCursorPosition(0);
    }
}

void Form1::SetWarningCaption(std::string_view caption) {
    WarningLabel->setText(ToQString(caption));
    WarningLabel->setVisible(!caption.empty());
}

void Form1::SetOuterHeight(int twips) {
    outerHeightTwips_ = twips;
    setFixedSize(DesignedSize());
}

void Form1::KeepNormalState(Qt::WindowState state) {
    // Nothing gains from a larger window, but a Wayland compositor that has been asked to maximize
    // it (Qt's own title bar has the button) ends the connection when the window keeps a size
    // other than the one it configured. So the window lets go of its size and asks at once to be
    // normal again; it holds its size anew once it is back at it.
    if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QMetaObject::invokeMethod(this, &QWidget::showNormal, Qt::QueuedConnection);
    } else if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Other window systems hold no maximize back; the size can be held again at once.
        setFixedSize(DesignedSize());
    }
}

void Form1::resizeEvent(QResizeEvent* event) {
    // On Wayland only the compositor's answer brings the window back to its size: holding it at
    // once, on the request to be normal, could meet a maximize still on its way.
    if (event->size() == DesignedSize()) {
        setFixedSize(DesignedSize());
    }
    QWidget::resizeEvent(event);
}

QSize Form1::DesignedSize() const {
    return {geometry_.ToPixels(kClientWidthTwips),
            geometry_.ToPixels(outerHeightTwips_ - kFrameHeightTwips)};
}

void Form1::LayOut() {
    geometry_ = ranktally::TwipsGeometry::Fitting(placements_, WidestFigure());
    for (const Placement& placement : placements_) {
        placement.widget->setGeometry(geometry_.ToPixels(placement.rect));
    }
    SetOuterHeight(outerHeightTwips_);
}

QString Form1::WidestFigure() const {
    const QFontMetrics metrics(SKNeededTextBox->font());
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest)) {
            widest = QLatin1Char(digit);
        }
    }
    // The longest texts FormatGeneral writes: a negative fraction just above 1E-4, and a negative
    // exponent form with three exponent digits.
    const QString separator = locale().decimalPoint();
    const QString positional = QStringLiteral("-0") + separator + QStringLiteral("000") +
                               QString(kSignificantDigits, widest);
    const QString exponent = QStringLiteral("-") + widest + separator +
                             QString(kSignificantDigits - 1, widest) + QStringLiteral("E-") +
                             QString(3, widest);
    return metrics.horizontalAdvance(positional) > metrics.horizontalAdvance(exponent) ? positional
                                                                                       : exponent;
}

void Form1::PaintResultBoxes() {
    // Only the base role is set, so the boxes follow the rest of the theme as it changes.
    QPalette face;
    face.setColor(QPalette::Base, palette().color(QPalette::Button));
    for (QLineEdit* box : {SKNeededTextBox, HoursNeededTextBox, DaysNeededTextBox}) {
        box->setPalette(face);
    }
}

void Form1::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
            LayOut();
            break;
        case QEvent::PaletteChange:
            PaintResultBoxes();
            break;
        case QEvent::LocaleChange:
            calculator_.SetDecimalSeparator(locale().decimalPoint().toStdString());
            LayOut();
            calculator_.Recalculate();
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}
