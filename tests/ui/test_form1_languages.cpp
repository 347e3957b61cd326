#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calculator.h"
#include "form1.h"
#include "form1_driver.h"
#include "qt_text.h"
#include "toolkit_texts.h"
#include "translation.h"

using form1_testing::Child;
using ranktally::ToQString;
using ranktally::Translated;

namespace {

const char* const kCaptions[] = {"Label8", "Label5", "Label6", "Label7",
                                 "Label4", "Label3", "Label2"};
const char* const kTimes[] = {"HoursNeededTextBox", "DaysNeededTextBox"};

}  // namespace

// The window in other languages than English, driven as a user does: where its texts come from,
// whether they show whole, and that the figures keep to the regional format whatever the language.
class TestForm1Languages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void textsFromTheCatalogue_data();
    void textsFromTheCatalogue();
    void fitsInEveryLanguage_data();
    void fitsInEveryLanguage();
    void languageAndNumberFormatApart_data();
    void languageAndNumberFormatApart();
    void qtTextsInTheLanguage_data();
    void qtTextsInTheLanguage();

private:
    void Use(const QString& tag);
    void Rebuild();
    QString Shown(const char* name) { return Child<QLineEdit>(window_.get(), name)->text(); }
    void Pick(const char* selector, const QString& entry) {
        form1_testing::Pick(window_.get(), selector, entry);
    }
    void TypeRate(const QString& rate) { form1_testing::TypeRate(window_.get(), rate); }

    std::unique_ptr<Form1> window_;
    QFont initialFont_;
};

void TestForm1Languages::initTestCase() {
    initialFont_ = QApplication::font();
    form1_testing::DropPlatformLimits();
}

void TestForm1Languages::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestForm1Languages::cleanup() {
    window_.reset();
    ranktally::UseLanguage(ranktally::Languages().front());
    ranktally::TranslateToolkitTexts();
    QLocale::setDefault(QLocale::c());
    QApplication::setFont(initialFont_);
}

// As the program chooses it at start, before any window.
void TestForm1Languages::Use(const QString& tag) {
    const std::vector<std::string> preferred = {tag.toStdString()};
    ranktally::UseLanguage(ranktally::MatchLanguage(preferred));
    QCOMPARE(ToQString(ranktally::LanguageInUse().tag), tag);
}

void TestForm1Languages::Rebuild() {
    window_.reset();
    window_ = std::make_unique<Form1>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestForm1Languages::textsFromTheCatalogue_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("bracketed");

    // The pseudo-language brackets every text of the catalogue, so that one that missed it
    // shows; its figures are figures, as in every language.
    QTest::newRow("German") << "de" << false;
    QTest::newRow("Russian") << "ru" << false;
    QTest::newRow("pseudo-language") << "en-XA" << true;
}

void TestForm1Languages::textsFromTheCatalogue() {
    QFETCH(QString, tag);
    QFETCH(bool, bracketed);
    Use(tag);
    Rebuild();
    // Each text the window shows, with the English it is translated from.
    std::vector<std::pair<QString, std::string_view>> texts;
    QStringList figures;
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        const QWidget* control = Child<QWidget>(window_.get(), std::string(design.name).c_str());
        if (design.kind == ranktally::ControlKind::Caption) {
            texts.emplace_back(static_cast<const QLabel*>(control)->text(), design.text);
            const QWidget* named = static_cast<const QLabel*>(control)->buddy();
            QCOMPARE(named->accessibleName(), ToQString(ranktally::AccessibleName(design)));
            texts.emplace_back(named->accessibleName(), "");
        } else if (design.kind == ranktally::ControlKind::Credit) {
            texts.emplace_back(static_cast<const QLabel*>(control)->text(), design.text);
        }
    }
    for (const char* selector : {"CurrentLevelCombo", "HourPlayCombo"}) {
        figures << Child<QComboBox>(window_.get(), selector)->itemText(0);
    }
    figures << Shown("SKTextBox");

    Pick("CurrentLevelCombo", QStringLiteral("1"));
    Pick("TargetLevelCombo", QStringLiteral("220"));
    texts.emplace_back(Child<QLabel>(window_.get(), "WarningLabel")->text(),
                       ranktally::kWarningMessage);
    figures << Shown("SKNeededTextBox") << Shown("HoursNeededTextBox");
    TypeRate(QString());
    texts.emplace_back(Shown("HoursNeededTextBox"), ranktally::kUnlimited);
    TypeRate(QStringLiteral("1e400"));
    texts.emplace_back(Shown("DaysNeededTextBox"), ranktally::kOverflow);
    TypeRate(QStringLiteral("10k"));
    const QString note = QString::fromStdString(ranktally::Filled(
        Translated(ranktally::N_("Read as %1: everything from \"%2\" on is ignored.")),
        {"10", "k"}));
    auto* rateBox = Child<QLineEdit>(window_.get(), "SKTextBox");
    QCOMPARE(rateBox->toolTip(), note);
    QCOMPARE(rateBox->accessibleDescription(), note);
    texts.emplace_back(note, "");
    // A keyboard user reads it in a balloon while the box has the focus.
    window_->activateWindow();
    QVERIFY(QTest::qWaitFor([this] { return window_->isActiveWindow(); }, 2000));
    rateBox->setFocus(Qt::TabFocusReason);
    const auto* balloon = window_->findChild<QLabel*>(QStringLiteral("RateNoteBalloon"));
    QVERIFY(balloon != nullptr && balloon->isVisible());
    QCOMPARE(balloon->text(), note);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Ranktally"));

    for (const auto& [shown, source] : texts) {
        if (!source.empty()) {
            QCOMPARE(shown, ToQString(Translated(source)));
        }
        if (bracketed) {
            QVERIFY2(shown.startsWith(u'[') && shown.endsWith(u']'), qPrintable(shown));
        }
    }
    QCOMPARE(figures, QStringList({"1", "1", "10000", "2076261991", "207626.1991"}));
}

void TestForm1Languages::fitsInEveryLanguage_data() {
    form1_testing::AddLanguageAndFontRows();
}

void TestForm1Languages::fitsInEveryLanguage() {
    QFETCH(QString, tag);
    QFETCH(int, pointSize);
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    // The sizes of the English window, which the translated one outgrows only where a text of its
    // own needs more room.
    Use(QStringLiteral("en"));
    Rebuild();
    const QSize englishWindow = window_->size();
    std::map<QString, QSize> english;
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        const QString name = ToQString(design.name);
        english[name] = Child<QWidget>(window_.get(), qPrintable(name))->size();
    }
    Use(tag);
    Rebuild();

    // One scale for the whole design.
    const QSize compact = window_->size();
    QVERIFY(std::abs(compact.height() * 3330 - compact.width() * 2400) <= 3330 + 2400);
    const double scale = compact.width() / 3330.0;
    const auto near = [](double placed, double designed) {
        return std::abs(placed - designed) <= 1.5;
    };
    for (const ranktally::ControlDesign& design : ranktally::kForm1Controls) {
        const QRect placed =
            Child<QWidget>(window_.get(), std::string(design.name).c_str())->geometry();
        const QRectF designed(design.rect.left * scale, design.rect.top * scale,
                              design.rect.width * scale, design.rect.height * scale);
        QVERIFY2(near(placed.left(), designed.left()) && near(placed.top(), designed.top()) &&
                     near(placed.width(), designed.width()) &&
                     near(placed.height(), designed.height()),
                 design.name.data());
    }

    QStringList cut;
    bool outgrowsEnglish = false;
    const auto look = [&](const char* name) {
        QWidget* control = Child<QWidget>(window_.get(), name);
        if (!form1_testing::ShowsWhole(control) || !window_->rect().contains(control->geometry())) {
            cut << name;
        }
        outgrowsEnglish = outgrowsEnglish ||
                          !form1_testing::ShowsWholeAt(control, english[QString::fromLatin1(name)]);
    };
    for (const char* caption : kCaptions) {
        look(caption);
    }
    look("Label1");
    Pick("CurrentLevelCombo", QStringLiteral("1"));
    Pick("TargetLevelCombo", QStringLiteral("220"));
    look("WarningLabel");
    for (const char* rate : {"", "1e400"}) {  // "Unlimited", then "Overflow"
        TypeRate(QString::fromLatin1(rate));
        for (const char* box : kTimes) {
            look(box);
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    if (compact.width() > englishWindow.width()) {
        QVERIFY2(outgrowsEnglish, "larger than in English, though every text fits there");
    }
}

void TestForm1Languages::languageAndNumberFormatApart_data() {
    QTest::addColumn<QLocale>("numbers");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("hoursNeeded");

    // The regional format writes the figures, the language the words; neither follows the other.
    QTest::newRow("German figures, English words")
        << QLocale(QLocale::German, QLocale::Germany) << "en"
        << "0,145";
    QTest::newRow("C figures, German words") << QLocale::c() << "de"
                                             << "0.145";
}

void TestForm1Languages::languageAndNumberFormatApart() {
    QFETCH(QLocale, numbers);
    QFETCH(QString, tag);
    QLocale::setDefault(numbers);
    Use(tag);
    Rebuild();
    Pick("CurrentLevelCombo", QStringLiteral("1"));
    Pick("TargetLevelCombo", QStringLiteral("2"));
    QTEST(Shown("HoursNeededTextBox"), "hoursNeeded");
    for (const char* caption : kCaptions) {
        const std::string_view source = ranktally::DesignOf(caption).text;
        QCOMPARE(Child<QLabel>(window_.get(), caption)->text(), ToQString(Translated(source)));
    }
    // A word the language has for it differs from the English.
    QCOMPARE(Child<QLabel>(window_.get(), "Label8")->text() == QStringLiteral("Current level:"),
             tag == QStringLiteral("en"));
}

void TestForm1Languages::qtTextsInTheLanguage_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("copy");

    // The rate box's menu is Qt's, translated by Qt's own catalogues; Qt has none for the
    // pseudo-language, whose menu stays in Qt's English.
    QTest::newRow("English") << "en"
                             << "Copy";
    QTest::newRow("German") << "de"
                            << "Kopieren";
    QTest::newRow("French") << "fr"
                            << "Copier";
    QTest::newRow("pseudo-language") << "en-XA"
                                     << "Copy";
}

void TestForm1Languages::qtTextsInTheLanguage() {
    QFETCH(QString, tag);
    Use(tag);
    ranktally::TranslateToolkitTexts();
    Rebuild();
    // A right click, through the window as the window system brings it.
    auto* box = Child<QLineEdit>(window_.get(), "SKTextBox");
    const QPoint inBox = box->mapTo(window_.get(), box->rect().center());
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, inBox);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = box->findChild<QMenu*>()) != nullptr && menu->isVisible());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
    }
    menu->close();
    QFETCH(QString, copy);
    QVERIFY2(texts.contains(copy), qPrintable(texts.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestForm1Languages)
#include "test_form1_languages.moc"
