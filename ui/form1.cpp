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
#include <QStyle>
#include <QWindow>

#include <optional>

#include "accessible_controls.h"
#include "entry_list_view.h"
#include "level_table.h"
#include "qt_text_measure.h"
#include "rate_reading.h"
#include "window_icon_pixels.h"

using ranktally::Input;
using ranktally::Result;

namespace {

// A line edit keeps an undo entry for every character typed or removed, without limit; past
// about this many the rate box's history starts afresh, so that memory stays flat however long
// the window is used.
constexpr int kRateUndoCharacters = 10000;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(ToQString(ranktally::DesignOf(name).text), parent);
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
    auto* box = new QLineEdit(ToQString(ranktally::DesignOf(name).text), parent);
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

QStringList Entries(int count, const std::string& separator) {
    QStringList entries;
    for (const std::string& entry : ranktally::ListEntries(count, separator)) {
        entries.append(QString::fromStdString(entry));
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
    Label8 = MakeLabel(this, "Label8");
    CurrentLevelCombo = MakeSelector(this, "CurrentLevelCombo");
    Label5 = MakeLabel(this, "Label5");
    TargetLevelCombo = MakeSelector(this, "TargetLevelCombo");
    Label6 = MakeLabel(this, "Label6");
    HourPlayCombo = MakeSelector(this, "HourPlayCombo");
    Label7 = MakeLabel(this, "Label7");
    SKTextBox = MakeBox(this, "SKTextBox", false);
    Label4 = MakeLabel(this, "Label4");
    SKNeededTextBox = MakeBox(this, "SKNeededTextBox", true);
    Label3 = MakeLabel(this, "Label3");
    HoursNeededTextBox = MakeBox(this, "HoursNeededTextBox", true);
    Label2 = MakeLabel(this, "Label2");
    DaysNeededTextBox = MakeBox(this, "DaysNeededTextBox", true);
    WarningLabel = new ranktally::NoticeLabel(this);
    WarningLabel->setObjectName(QStringLiteral("WarningLabel"));
    WarningLabel->hide();
    WarningLabel->setWordWrap(true);
    WarningLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = MakeLabel(this, "Label1");
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

    QWidget* previous = nullptr;
    for (const std::string_view name : ranktally::kTabOrder) {
        QWidget* control = Control(name);
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    Control(ranktally::kTabOrder.front())->setFocus();
}

QWidget* Form1::Control(std::string_view name) const {
    return findChild<QWidget*>(ToQString(name), Qt::FindDirectChildrenOnly);
}

void Form1::Form_Load() {
    const std::string separator = locale().decimalPoint().toStdString();
    const QStringList levels = Entries(ranktally::kLevelCount, separator);
    CurrentLevelCombo->addItems(levels);
    TargetLevelCombo->addItems(levels);
    HourPlayCombo->addItems(Entries(ranktally::kHoursPerDayCount, separator));
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
    calculator_.TargetLevelPicked();
}

void Form1::HourPlayCombo_Click() {
    calculator_.Recalculate();
}

void Form1::SKTextBox_Change() {
    calculator_.Recalculate();
    ShowRateReading();
    BoundRateUndoHistory();
}

void Form1::ShowRateReading() {
    const std::optional<std::string> note = ranktally::RateReadingNote(
        SKTextBox->text().toStdString(), locale().decimalPoint().toStdString());
    const QString text = note ? ToQString(*note) : QString();
    // A screen reader speaks a new description of the focused box: once, as the marker appears
    // or says something new, not at every keystroke.
    if (text == SKTextBox->accessibleDescription()) {
        return;
    }
    // Made on first need, so that a start-up with a plain rate loads no icon.
    if (note && rateMarker_ == nullptr) {
        rateMarker_ = new ranktally::NoticeLabel(SKTextBox);
        rateMarker_->setObjectName(QStringLiteral("RateMarker"));
    }
    if (rateMarker_ != nullptr) {
        // The marker is the notice a screen reader hears as it appears: Qt 6.4 hands AT-SPI a
        // changed description in a form Orca cannot read.
        rateMarker_->setAccessibleName(text);
        rateMarker_->setToolTip(text);
        rateMarker_->setVisible(note.has_value());
        PlaceRateMarker();
    }
    SKTextBox->setToolTip(text);
    SKTextBox->setAccessibleDescription(text);
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

void Form1::PlaceRateMarker() {
    if (rateMarker_ == nullptr) {
        return;
    }
    // At the box's right end, inside its frame, the size of the box's text.
    const int size = SKTextBox->fontMetrics().height();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("dialog-warning"),
                                        style()->standardIcon(QStyle::SP_MessageBoxWarning));
    rateMarker_->setPixmap(icon.pixmap(size, size));
    const int gap = (SKTextBox->height() - size) / 2;
    rateMarker_->setGeometry(SKTextBox->width() - size - gap, gap, size, size);
    SKTextBox->setTextMargins(0, 0, rateMarker_->isVisibleTo(SKTextBox) ? size + gap : 0, 0);
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
    return {scale_.ToPixels(ranktally::kClientWidthTwips),
            scale_.ToPixels(ranktally::ClientHeightTwips(outerHeightTwips_))};
}

void Form1::LayOut() {
    const ranktally::QtTextMeasure measure(*this, WidestFigure());
    scale_ = ranktally::TwipsScale::Fitting(ranktally::kForm1Controls, measure);
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        const ranktally::PixelRect rect = scale_.ToPixels(design.rect);
        Control(design.name)->setGeometry(rect.left, rect.top, rect.width, rect.height);
    }
    PlaceRateMarker();
    SetOuterHeight(outerHeightTwips_);
}

QString Form1::WidestFigure() const {
    const QFontMetrics metrics(SKNeededTextBox->font());
    char widest = '0';
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) >
            metrics.horizontalAdvance(QLatin1Char(widest))) {
            widest = digit;
        }
    }
    QString wider;
    for (const std::string& figure :
         ranktally::WidestFigures(widest, locale().decimalPoint().toStdString())) {
        const QString text = QString::fromStdString(figure);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(wider)) {
            wider = text;
        }
    }
    return wider;
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
            ShowRateReading();
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}
