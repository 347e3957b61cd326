#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <fstream>
#include <random>
#include <string>

#include "calculator.h"
#include "form1.h"
#include "level_table.h"
#include "numeric_text.h"

namespace {

constexpr int kActions = 100000;
constexpr int kWarmUp = 10000;

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

QString Figure(double value) {
    return QString::fromStdString(ranktally::FormatGeneral(value));
}

// The figures worked out afresh from what the inputs show, not by the window's own calculator.
struct Expected {
    QString points;
    QString hours;
    QString days;
    bool warning;
};

Expected Compute(const QString& current, const QString& target, const QString& hours,
                 const QString& rateText) {
    const int from = current.isEmpty() ? 0 : current.toInt();
    const int to = target.isEmpty() ? 0 : target.toInt();
    double points = 0;
    for (int level = from; level < to; ++level) {
        points += ranktally::LevelPoints(level).value();
    }
    Expected expected{Figure(points), {}, {}, from < to && from < 200 && to > 200};
    const ranktally::ParsedNumber rate = ranktally::ParseNumber(rateText.toStdString());
    if (rate.overflow) {
        expected.hours = expected.days = QStringLiteral("Overflow");
    } else if (rate.value == 0) {
        expected.hours = expected.days = QStringLiteral("Unlimited");
    } else if (from >= to) {
        expected.hours = expected.days = QStringLiteral("0");
    } else {
        const double hoursNeeded = points / rate.value;
        const double daysNeeded = hoursNeeded / hours.toInt();
        expected.hours = std::isfinite(hoursNeeded) ? Figure(hoursNeeded) : "Overflow";
        // The lists offer 1 to 24 hours a day, so days are infinite whenever hours are.
        expected.days = std::isfinite(daysNeeded) ? Figure(daysNeeded) : "Overflow";
    }
    return expected;
}

}  // namespace

// A long session of random picks and rate edits: every figure stays right and memory stays flat.
class SoakForm1 : public QObject {
    Q_OBJECT

private slots:
    void randomSession();
};

void SoakForm1::randomSession() {
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QComboBox* selectors[] = {window.findChild<QComboBox*>("CurrentLevelCombo"),
                              window.findChild<QComboBox*>("TargetLevelCombo"),
                              window.findChild<QComboBox*>("HourPlayCombo")};
    auto* rate = window.findChild<QLineEdit*>("SKTextBox");
    const auto* points = window.findChild<QLineEdit*>("SKNeededTextBox");
    const auto* hours = window.findChild<QLineEdit*>("HoursNeededTextBox");
    const auto* days = window.findChild<QLineEdit*>("DaysNeededTextBox");
    const auto* warning = window.findChild<QLabel*>("WarningLabel");
    const int compactHeight = window.height();

    std::mt19937 random(20261207);
    const Qt::Key pickKeys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                Qt::Key_PageDown};
    const char typed[] = "0123456789.-+eE, &Hox\t";
    const QString pasted[] = {"10000",  "1e400",           "-3",  "",         "&H1F",
                              "1e-310", QString(400, '9'), "2,5", "0.000001", "abc"};
    long warmedUp = 0;
    int expandedHeight = 0;
    for (int action = 0; action < kActions; ++action) {
        const unsigned kind = random() % 10;
        if (kind < 5) {
            QTest::keyClick(selectors[kind % 3], pickKeys[random() % 5]);
        } else if (kind < 8) {
            QTest::keyClick(rate, typed[random() % (sizeof typed - 1)]);
        } else if (kind < 9) {
            QTest::keyClick(rate, Qt::Key_Backspace);
        } else {
            rate->selectAll();
            QTest::keyClicks(rate, pasted[random() % 10]);
        }
        if (action % 100 == 0) {
            QCoreApplication::processEvents();
        }
        const Expected expected = Compute(selectors[0]->currentText(), selectors[1]->currentText(),
                                          selectors[2]->currentText(), rate->text());
        QCOMPARE(points->text(), expected.points);
        QCOMPARE(hours->text(), expected.hours);
        QCOMPARE(days->text(), expected.days);
        QCOMPARE(!warning->text().isEmpty(), expected.warning);
        if (expected.warning) {
            expandedHeight = expandedHeight == 0 ? window.height() : expandedHeight;
            QCOMPARE(window.height(), expandedHeight);
        } else {
            QCOMPARE(window.height(), compactHeight);
        }
        if (action == kWarmUp) {
            warmedUp = ResidentKiB();
        }
    }
    const long growth = ResidentKiB() - warmedUp;
    qInfo("resident memory after warm-up %ld KiB, growth over %d actions %ld KiB", warmedUp,
          kActions - kWarmUp, growth);
    QVERIFY(expandedHeight > compactHeight);
    QVERIFY(growth < 1024);
}

QTEST_MAIN(SoakForm1)
#include "soak_form1.moc"
