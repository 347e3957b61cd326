#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "twips_geometry.h"

using ranktally::Placement;
using ranktally::TwipsGeometry;
using ranktally::TwipsRect;

// Checks the twips-to-pixels arithmetic and the search for a factor at which texts fit.
class TestTwipsGeometry : public QObject {
    Q_OBJECT

private slots:
    void toPixels_data();
    void toPixels();
    void neighboursStillTouch();
    void designFactorWhenEverythingFits();
    void growsForLongTexts_data();
    void growsForLongTexts();
};

void TestTwipsGeometry::toPixels_data() {
    QTest::addColumn<double>("pixelsPerTwip");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    // The design's own factor: 15 twips a pixel, rounded to the nearest pixel.
    QTest::newRow("compact height") << 1.0 / 15 << 2775 << 185;
    QTest::newRow("expanded height") << 1.0 / 15 << 3800 << 253;
    QTest::newRow("rounds up past half") << 1.0 / 15 << 1869 << 125;
    // A larger factor scales every length alike.
    QTest::newRow("twice the design") << 2.0 / 15 << 3330 << 444;
}

void TestTwipsGeometry::toPixels() {
    QFETCH(double, pixelsPerTwip);
    QFETCH(int, twips);
    QTEST(TwipsGeometry(pixelsPerTwip).ToPixels(twips), "pixels");
}

void TestTwipsGeometry::neighboursStillTouch() {
    // Rounding each edge, not each size, keeps a rectangle's right edge where its neighbour starts.
    const TwipsGeometry geometry(1.37 / 15);
    const QRect left = geometry.ToPixels(TwipsRect{0, 0, 1869, 221});
    const QRect right = geometry.ToPixels(TwipsRect{1869, 0, 1417, 221});
    QCOMPARE(left.right() + 1, right.left());
}

void TestTwipsGeometry::designFactorWhenEverythingFits() {
    QLabel label(QStringLiteral("x"));
    const std::vector<Placement> placements = {{&label, TwipsRect{0, 0, 3000, 3000}}};
    QCOMPARE(TwipsGeometry::Fitting(placements, QString()).PixelsPerTwip(), 1.0 / 15);
}

void TestTwipsGeometry::growsForLongTexts_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<QString>("figure");

    QTest::newRow("single-line caption") << QString(60, QLatin1Char('W')) << false << QString();
    QTest::newRow("wrapped message")
        << QStringLiteral("many words ").repeated(40) << true << QString();
    QTest::newRow("figure in a box")
        << QStringLiteral("x") << false << QStringLiteral("-8.88888888888888E-308");
}

void TestTwipsGeometry::growsForLongTexts() {
    QFETCH(QString, caption);
    QFETCH(bool, wrapped);
    QFETCH(QString, figure);
    QLabel label(caption);
    label.setWordWrap(wrapped);
    QLineEdit box;
    const std::vector<Placement> placements = {{&label, TwipsRect{0, 0, 1000, 300}},
                                               {&box, TwipsRect{0, 300, 1000, 300}}};
    const TwipsGeometry geometry = TwipsGeometry::Fitting(placements, figure);
    QVERIFY(geometry.PixelsPerTwip() > 1.0 / 15);
    for (const Placement& placement : placements) {
        QVERIFY(geometry.Fits(placement, figure));
    }
    // Not much more than needed: a step smaller would not fit.
    const TwipsGeometry smaller(geometry.PixelsPerTwip() / 1.02);
    QVERIFY(!smaller.Fits(placements[0], figure) || !smaller.Fits(placements[1], figure));
}

QTEST_MAIN(TestTwipsGeometry)
#include "test_twips_geometry.moc"
