#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "calculator.h"
#include "climbs.h"
#include "form1.h"
#include "form1_driver.h"
#include "qt_text_measure.h"
#include "translation.h"

namespace {

const QString kWarning = QString::fromUtf8(ranktally::kWarningMessage.data(),
                                           qsizetype(ranktally::kWarningMessage.size()));

}  // namespace

// Drives the window through its selectors and rate box as a user does, and reads what it shows.
class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startUp();
    void climbs_data();
    void climbs();
    void pickThroughThePopup();
    void warningGrowsAndShrinksTheWindow();
    void noFigureGoesStaleWhileTheRateIsCleared();
    void overflowingRateShowsOverflowThenRecovers();
    void commaLocale();
    void rateBoxSaysHowItRead_data();
    void rateBoxSaysHowItRead();
    void noteShownByKeyboardFocus();
    void localeChangesWhileOpen();
    void undoAfterALongSession();
    void typingInTheOpenedEmptyList_data();
    void typingInTheOpenedEmptyList();
    void maximizeRequestKeepsTheSize();
    void nothingIsCut_data();
    void nothingIsCut();
    void boxMeasureShowsFiguresWhole_data();
    void boxMeasureShowsFiguresWhole();
    void accessibleNames_data();
    void accessibleNames();
    void tabOrder();
    void screenReaderFindsPicksAndTheWarning();

private:
    template <typename T>
    T* Child(const char* name) {
        return form1_testing::Child<T>(window_.get(), name);
    }
    QString Shown(const char* name) { return Child<QLineEdit>(name)->text(); }
    void Pick(const char* selector, const QString& entry) {
        form1_testing::Pick(window_.get(), selector, entry);
    }
    void TypeRate(const QString& rate) { form1_testing::TypeRate(window_.get(), rate); }
    void Rebuild();
    bool Activated();

    std::unique_ptr<Form1> window_;
    QFont initialFont_;
};

void TestForm1::initTestCase() {
    // These tests read the window in English; other languages have tests of their own.
    ranktally::UseLanguage(ranktally::Languages().front());
    initialFont_ = QApplication::font();
    form1_testing::DropPlatformLimits();
}

void TestForm1::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    Rebuild();
}

void TestForm1::cleanup() {
    window_.reset();
    QLocale::setDefault(QLocale::c());
    // A default QFont is the application's font of the moment, not the one it started with.
    QApplication::setFont(initialFont_);
}

void TestForm1::Rebuild() {
    window_ = std::make_unique<Form1>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

// A Wayland compositor alone decides which window has the keyboard; Qt cannot ask for it there.
bool TestForm1::Activated() {
    window_->activateWindow();
    return QTest::qWaitFor([this] { return window_->isActiveWindow(); }, 2000);
}

void TestForm1::startUp() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Ranktally"));
    QVERIFY(!window_->windowIcon().isNull());
    for (const char* name : {"CurrentLevelCombo", "TargetLevelCombo"}) {
        QCOMPARE(Child<QComboBox>(name)->count(), 220);
        QCOMPARE(Child<QComboBox>(name)->currentText(), QString());
        QVERIFY(!Child<QComboBox>(name)->isEditable());
    }
    QCOMPARE(Child<QComboBox>("CurrentLevelCombo")->itemText(219), QStringLiteral("220"));
    QCOMPARE(Child<QComboBox>("HourPlayCombo")->count(), 24);
    QCOMPARE(Child<QComboBox>("HourPlayCombo")->itemText(23), QStringLiteral("24"));
    QCOMPARE(Child<QComboBox>("HourPlayCombo")->currentText(), QStringLiteral("1"));
    QCOMPARE(Shown("SKTextBox"), QStringLiteral("10000"));
    // The results read as part of the window face; the rate box, which takes typing, does not.
    const QColor face = window_->palette().color(QPalette::Button);
    const auto middleRight = [](QWidget* box) {
        return box->grab().toImage().pixelColor(box->width() - 6, box->height() / 2);
    };
    for (const char* name : {"SKNeededTextBox", "HoursNeededTextBox", "DaysNeededTextBox"}) {
        QCOMPARE(Shown(name), QStringLiteral("0"));
        QVERIFY(Child<QLineEdit>(name)->isReadOnly());
        QCOMPARE(middleRight(Child<QLineEdit>(name)), face);
    }
    QVERIFY(middleRight(Child<QLineEdit>("SKTextBox")) != face);
    QCOMPARE(Child<QLabel>("WarningLabel")->text(), QString());
    QCOMPARE(window_->focusWidget(), Child<QComboBox>("CurrentLevelCombo"));
}

void TestForm1::climbs_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("hoursNeeded");
    QTest::addColumn<QString>("daysNeeded");
    QTest::addColumn<bool>("warning");

    for (const ranktally::testing_data::Climb& climb : ranktally::testing_data::kClimbs) {
        if (climb.inWindows) {
            QTest::newRow(climb.name)
                << climb.current << climb.target << climb.hours << climb.rate << climb.points
                << climb.hoursNeeded << climb.daysNeeded << climb.warning;
        }
    }
}

void TestForm1::climbs() {
    QFETCH(QString, current);
    QFETCH(QString, target);
    QFETCH(QString, hours);
    QFETCH(QString, rate);
    Pick("CurrentLevelCombo", current);
    Pick("TargetLevelCombo", target);
    Pick("HourPlayCombo", hours);
    TypeRate(rate);
    QTEST(Shown("SKNeededTextBox"), "points");
    QTEST(Shown("HoursNeededTextBox"), "hoursNeeded");
    QTEST(Shown("DaysNeededTextBox"), "daysNeeded");
    QFETCH(bool, warning);
    QCOMPARE(Child<QLabel>("WarningLabel")->text(), warning ? kWarning : QString());
}

void TestForm1::pickThroughThePopup() {
    auto* combo = Child<QComboBox>("TargetLevelCombo");
    combo->showPopup();
    auto* list = qobject_cast<QListView*>(combo->view());
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex entry = combo->model()->index(9, 0);
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QCOMPARE(combo->currentText(), QStringLiteral("10"));
    QCOMPARE(Shown("SKNeededTextBox"), QStringLiteral("38650"));
}

void TestForm1::warningGrowsAndShrinksTheWindow() {
    const QSize compact = window_->size();
    // The designed client area, 3330 by 2400 twips, to a pixel.
    QVERIFY(std::abs(compact.height() * 3330 - compact.width() * 2400) <= 3330 + 2400);
    const auto inView = [&](const char* name) {
        return window_->rect().contains(Child<QWidget>(name)->geometry());
    };
    for (const char* name :
         {"CurrentLevelCombo", "TargetLevelCombo", "HourPlayCombo", "SKTextBox", "SKNeededTextBox",
          "HoursNeededTextBox", "DaysNeededTextBox", "Label1", "Label2", "Label7"}) {
        QVERIFY2(inView(name), name);
    }
    QVERIFY(!inView("WarningLabel"));

    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    QCOMPARE(window_->width(), compact.width());
    QVERIFY(window_->height() > compact.height());
    QVERIFY(inView("WarningLabel"));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());

    Pick("TargetLevelCombo", "200");
    QCOMPARE(window_->size(), compact);
    QCOMPARE(Child<QLabel>("WarningLabel")->text(), QString());
}

void TestForm1::noFigureGoesStaleWhileTheRateIsCleared() {
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    const QSize expanded = window_->size();
    QTest::keyClick(Child<QLineEdit>("SKTextBox"), Qt::Key_End);
    for (int key = 0; key < 5; ++key) {
        QTest::keyClick(Child<QLineEdit>("SKTextBox"), Qt::Key_Backspace);
    }
    QCOMPARE(Shown("SKTextBox"), QString());
    QCOMPARE(Shown("SKNeededTextBox"), QStringLiteral("2076261991"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("Unlimited"));
    QCOMPARE(Shown("DaysNeededTextBox"), QStringLiteral("Unlimited"));
    QCOMPARE(window_->size(), expanded);

    Pick("TargetLevelCombo", "200");
    QCOMPARE(Shown("SKNeededTextBox"), QStringLiteral("2061326950"));
    QCOMPARE(Child<QLabel>("WarningLabel")->text(), QString());
    QVERIFY(window_->height() < expanded.height());
}

void TestForm1::overflowingRateShowsOverflowThenRecovers() {
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    TypeRate(QStringLiteral("1e400"));
    QCOMPARE(Shown("SKNeededTextBox"), QStringLiteral("2076261991"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("Overflow"));
    QCOMPARE(Shown("DaysNeededTextBox"), QStringLiteral("Overflow"));
    QCOMPARE(Child<QLabel>("WarningLabel")->text(), kWarning);
    for (int key = 0; key < 3; ++key) {
        QTest::keyClick(Child<QLineEdit>("SKTextBox"), Qt::Key_Backspace);
    }
    QCOMPARE(Shown("SKTextBox"), QStringLiteral("1e"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("2076261991"));
}

void TestForm1::commaLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Rebuild();
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("0,145"));
    // A comma typed into the rate still ends the number.
    TypeRate(QStringLiteral("2,5"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("725"));
    TypeRate(QStringLiteral("3"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("483,333333333333"));
}

void TestForm1::rateBoxSaysHowItRead_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("hoursNeeded");
    QTest::addColumn<QString>("note");

    // Typed as people write numbers: the figures stay as read, and the box says how.
    QTest::newRow("grouping comma") << false << "10,000"
                                    << "145"
                                    << "Read as 10: everything from \",\" on is ignored.";
    QTest::newRow("German grouping period") << true << "10.000"
                                            << "145"
                                            << "Read as 10: \".\" is read as the decimal point.";
    QTest::newRow("negative") << false << "-5000"
                              << "-0.29"
                              << "Read as -5000: a negative rate gives negative hours and days.";
    // Wholly a number, or empty: nothing to say.
    QTest::newRow("plain") << false << "10000"
                           << "0.145"
                           << "";
    QTest::newRow("empty") << false << ""
                           << "Unlimited"
                           << "";
}

void TestForm1::rateBoxSaysHowItRead() {
    QFETCH(bool, german);
    if (german) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Rebuild();
    }
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    // The marker comes and goes with the text: first a text that needs it, then the row's.
    TypeRate(QStringLiteral("5x"));
    QFETCH(QString, rate);
    auto* box = Child<QLineEdit>("SKTextBox");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, rate);
    QTEST(Shown("HoursNeededTextBox"), "hoursNeeded");
    QFETCH(QString, note);
    QCOMPARE(box->accessibleDescription(), note);
    QCOMPARE(box->toolTip(), note);
    auto* marker = box->findChild<QLabel*>(QStringLiteral("RateMarker"));
    QCOMPARE(marker != nullptr && marker->isVisible(), !note.isEmpty());
    if (marker != nullptr && marker->isVisible()) {
        // Inside the box, clear of its text.
        QVERIFY(box->rect().contains(marker->geometry()));
        QVERIFY(box->textMargins().right() >= marker->width());
        QCOMPARE(QAccessible::queryAccessibleInterface(marker)->text(QAccessible::Name), note);
    }
}

void TestForm1::noteShownByKeyboardFocus() {
    // A keyboard user never hovers: the note shows beside the box while it has the focus.
    if (!Activated()) {
        QSKIP("the window system gave the window no keyboard focus");
    }
    const auto balloon = [this] {
        return window_->findChild<QLabel*>(QStringLiteral("RateNoteBalloon"));
    };
    auto* box = Child<QLineEdit>("SKTextBox");
    box->setFocus(Qt::TabFocusReason);
    TypeRate(QStringLiteral("10k"));
    QVERIFY(balloon() != nullptr && balloon()->isVisible());
    QCOMPARE(balloon()->text(), QStringLiteral("Read as 10: everything from \"k\" on is ignored."));
    // Under the marker, reaching out of the window rather than over the figures to its left.
    auto* marker = box->findChild<QLabel*>(QStringLiteral("RateMarker"));
    QCOMPARE(balloon()->pos(), box->mapToGlobal(QPoint(marker->x(), box->height())));
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!balloon()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(balloon()->isVisible());
    TypeRate(QStringLiteral("10"));
    QVERIFY(!balloon()->isVisible());
}

void TestForm1::localeChangesWhileOpen() {
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "2");
    Pick("HourPlayCombo", "3");
    TypeRate(QStringLiteral("2.5x"));
    window_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Shown("DaysNeededTextBox"), QStringLiteral("193,333333333333"));
    // The note is written anew in the new separator.
    QCOMPARE(Child<QLineEdit>("SKTextBox")->accessibleDescription(),
             QStringLiteral("Read as 2,5: \".\" is read as the decimal point; everything from "
                            "\"x\" on is ignored."));
    TypeRate(QStringLiteral("3"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("483,333333333333"));
}

void TestForm1::undoAfterALongSession() {
    // The rate box forgets old edits now and then to stay small; the last ones still undo.
    auto* box = Child<QLineEdit>("SKTextBox");
    constexpr int kEdits = 3000;
    for (int edit = 0; edit < kEdits; ++edit) {
        TypeRate(QString::number(edit));
    }
    TypeRate(QStringLiteral("50000"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("5000"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("50000"));
    QCOMPARE(Shown("HoursNeededTextBox"), QStringLiteral("0"));
    int undone = 0;
    while (box->isUndoAvailable() && undone <= kEdits) {
        box->undo();
        ++undone;
    }
    QVERIFY2(undone < kEdits / 2, qPrintable(QString::number(undone)));
}

void TestForm1::typingInTheOpenedEmptyList_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("picked");

    // The first entry that starts with what was typed.
    QTest::newRow("1") << "1"
                       << "1";
    QTest::newRow("2") << "2"
                       << "2";
    QTest::newRow("typed on to 10") << "10"
                                    << "10";
    QTest::newRow("typed on to 100") << "100"
                                     << "100";
}

void TestForm1::typingInTheOpenedEmptyList() {
    auto* combo = Child<QComboBox>("TargetLevelCombo");
    combo->showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
    QFETCH(QString, typed);
    QTest::keyClicks(combo->view(), typed);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTEST(combo->currentText(), "picked");
}

void TestForm1::maximizeRequestKeepsTheSize() {
    const QSize compact = window_->size();
    window_->showMaximized();
    // A Wayland compositor checks the size when the window next draws itself.
    window_->update();
    QTest::qWait(100);
    QTRY_COMPARE(window_->windowState(), Qt::WindowNoState);
    QTRY_COMPARE(window_->size(), compact);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestForm1::nothingIsCut_data() {
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("hours");

    // The longest figures: 16 characters, a negative one, exponent forms.
    QTest::newRow("default font, long fraction") << 0 << "10000"
                                                 << "24";
    QTest::newRow("default font, negative") << 0 << "-3"
                                            << "1";
    QTest::newRow("default font, tiny exponent") << 0 << "-3e305"
                                                 << "7";
    // Larger fonts grow the whole window.
    QTest::newRow("14 points, tiny exponent") << 14 << "-3e305"
                                              << "7";
    QTest::newRow("24 points, negative") << 24 << "-3"
                                         << "1";
}

void TestForm1::nothingIsCut() {
    QFETCH(int, pointSize);
    if (pointSize > 0) {
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        QCoreApplication::processEvents();
        QCOMPARE(Child<QLabel>("Label8")->font().pointSize(), pointSize);
    }
    Pick("CurrentLevelCombo", "1");
    Pick("TargetLevelCombo", "220");
    QFETCH(QString, hours);
    Pick("HourPlayCombo", hours);
    QFETCH(QString, rate);
    TypeRate(rate);

    for (const char* name : {"SKNeededTextBox", "HoursNeededTextBox", "DaysNeededTextBox"}) {
        QVERIFY2(form1_testing::ShowsWhole(Child<QLineEdit>(name)), qPrintable(Shown(name)));
    }
    const int inputColumn = Child<QWidget>("SKTextBox")->x();
    for (const char* name :
         {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
        const auto* caption = Child<QLabel>(name);
        QVERIFY2(caption->sizeHint().width() <= std::min(caption->width(), inputColumn), name);
        QVERIFY2(caption->sizeHint().height() <= caption->height(), name);
    }
    for (const char* name : {"WarningLabel", "Label1"}) {
        auto* wrapped = Child<QLabel>(name);
        QVERIFY2(form1_testing::ShowsWhole(wrapped), name);
        QVERIFY2(window_->rect().contains(wrapped->geometry()), name);
    }
    // The link stands under the credit's own lines, whole within the credit's corner.
    const auto* credit = Child<QLabel>("Label1");
    const auto* link = Child<ranktally::LinkLabel>("PlanLink");
    QVERIFY(link->y() >= credit->heightForWidth(credit->width()));
    QVERIFY(credit->rect().contains(link->geometry()));
    QVERIFY(link->heightForWidth(link->width()) <= link->height());
    for (const char* name : {"CurrentLevelCombo", "TargetLevelCombo", "HourPlayCombo"}) {
        auto* combo = Child<QComboBox>(name);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        QVERIFY2(combo->fontMetrics().horizontalAdvance(combo->itemText(combo->count() - 1)) <=
                     field.width(),
                 name);
    }
}

void TestForm1::boxMeasureShowsFiguresWhole_data() {
    QTest::addColumn<int>("pointSize");
    // Sizes at which a figure's advances add up to a fraction of a pixel, and at which the
    // measure has no pixel to spare.
    for (const int size : {10, 11, 13, 14, 17, 24}) {
        QTest::addRow("%d points", size) << size;
    }
}

void TestForm1::boxMeasureShowsFiguresWhole() {
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    Rebuild();
    std::array<QWidget*, ranktally::kForm1Controls.size()> controls{};
    std::transform(ranktally::kForm1Controls.begin(), ranktally::kForm1Controls.end(),
                   controls.begin(), [this](const ranktally::ControlDesign& design) {
                       return Child<QWidget>(std::string(design.name).c_str());
                   });
    const ranktally::QtTextMeasure measure(ranktally::kForm1Controls, controls);
    auto* box = Child<QLineEdit>("SKNeededTextBox");
    for (const char* figure : {"-0.000888888888888888", "-8.88888888888888E-888", "2076261991",
                               "207626.1991", "0.145"}) {
        box->setText(QString::fromLatin1(figure));
        box->resize(measure.Needed(ranktally::DesignOf("SKNeededTextBox"), figure).width,
                    box->height());
        QVERIFY2(form1_testing::ShowsWhole(box), figure);
    }
    // The credit and its link: a line feed ends a line however wide the room.
    const ranktally::ControlDesign& credit = ranktally::DesignOf("Label1");
    const int wide = 100 * Child<QLabel>("Label1")->fontMetrics().averageCharWidth();
    QCOMPARE(measure.HeightForWidth(credit, "by\nPlan", wide) -
                 measure.HeightForWidth(credit, "by Plan", wide),
             Child<QLabel>("Label1")->fontMetrics().lineSpacing());
    // Latin texts with the punctuation whose advances are added up, and quotation marks, which
    // are not: never narrower than drawn.
    const QFontMetricsF caption(Child<QLabel>("Label2")->font());
    for (const char* text : {"climb\u2026", "Aufstieg planen\u2026", "\u201EAufstieg\u201C",
                             "Ranktally \u2013 Plan \u2014 1"}) {
        QVERIFY2(measure.Needed(ranktally::DesignOf("Label2"), text).width >=
                     caption.horizontalAdvance(QString::fromUtf8(text)),
                 text);
    }
}

void TestForm1::accessibleNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");

    QTest::newRow("current level") << "CurrentLevelCombo"
                                   << "Label8"
                                   << "Current level";
    QTest::newRow("target level") << "TargetLevelCombo"
                                  << "Label5"
                                  << "Target level";
    QTest::newRow("hours per day") << "HourPlayCombo"
                                   << "Label6"
                                   << "Hours played per day";
    QTest::newRow("rate") << "SKTextBox"
                          << "Label7"
                          << "Average SK/XP per hour";
    QTest::newRow("points") << "SKNeededTextBox"
                            << "Label4"
                            << "SK/XP needed";
    QTest::newRow("hours") << "HoursNeededTextBox"
                           << "Label3"
                           << "Hours needed";
    QTest::newRow("days") << "DaysNeededTextBox"
                          << "Label2"
                          << "Days Needed";
}

void TestForm1::accessibleNames() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    auto* widget = Child<QWidget>(qPrintable(control));
    QCOMPARE(Child<QLabel>(qPrintable(caption))->buddy(), widget);
    QTEST(widget->accessibleName(), "name");
    // Screen readers on Linux find a control's caption through its label relation.
    QAccessibleInterface* label =
        QAccessible::queryAccessibleInterface(Child<QLabel>(qPrintable(caption)));
    const auto labels =
        QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&](const auto& relation) { return relation.first == label; }));
}

void TestForm1::tabOrder() {
    if (!Activated()) {
        QSKIP("the window system gave the window no keyboard focus");
    }
    const std::vector<const char*> order = {
        "CurrentLevelCombo", "DaysNeededTextBox", "HoursNeededTextBox",
        "SKNeededTextBox",   "TargetLevelCombo",  "HourPlayCombo",
        "SKTextBox",         "PlanLink",          "CurrentLevelCombo"};
    QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(order[0]));
    for (std::size_t step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(order[step]));
    }
}

void TestForm1::screenReaderFindsPicksAndTheWarning() {
    // What Orca reads; that it hears the changes is checked against the real AT-SPI bridge.
    if (!Activated()) {
        QSKIP("the window system gave the window no keyboard focus");
    }
    Pick("CurrentLevelCombo", "1");
    auto* combo = Child<QComboBox>("TargetLevelCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_End);

    // The selector: its caption as name, its picked entry as text and as its focused child.
    QAccessibleInterface* selector = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(selector->role(), QAccessible::ComboBox);
    QCOMPARE(selector->text(QAccessible::Name), QStringLiteral("Target level"));
    QCOMPARE(selector->textInterface()->text(0, 3), QStringLiteral("220"));
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    QCOMPARE(selector->childCount(), 220);
    QAccessibleInterface* entry = selector->child(219);
    QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("220"));
    QVERIFY(entry->state().focused && entry->state().selected);
    QVERIFY(!selector->child(218)->state().focused);
    QCOMPARE(entry->parent(), selector);
    QCOMPARE(selector->indexOfChild(entry), 219);
#endif

    // The warning: a notification with its text, hidden while it has none.
    QAccessibleInterface* warning =
        QAccessible::queryAccessibleInterface(Child<QLabel>("WarningLabel"));
    QCOMPARE(warning->role(), QAccessible::Notification);
    QCOMPARE(warning->text(QAccessible::Name), kWarning);
    QVERIFY(!warning->state().invisible);
    Pick("TargetLevelCombo", "200");
    QVERIFY(warning->state().invisible);
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
