#include "data/ColourVision.h"
#include "data/ExerciseLook.h"

#include <QTest>
#include <vector>

using namespace ColourVision;

Q_DECLARE_METATYPE(ColourVision::Vision)

class TestColourVision : public QObject {
    Q_OBJECT

private slots:
    void differenceMatchesThePublishedPairs_data();
    void differenceMatchesThePublishedPairs();
    void presetStaysApartForEveryVision_data();
    void presetStaysApartForEveryVision();
    void defaultsRunTogetherUnderProtanopia();
};

// Pairs of the CIEDE2000 test data of Sharma, Wu and Dalal (2005): hue-angle wrap-arounds,
// mean-hue cases, a grey, very light and very dark colours.
void TestColourVision::differenceMatchesThePublishedPairs_data() {
    QTest::addColumn<QList<double>>("pair");
    QTest::addColumn<double>("expected");
    QTest::newRow("1") << QList<double>{50, 2.6772, -79.7751, 50, 0, -82.7485} << 2.0425;
    QTest::newRow("7 grey") << QList<double>{50, 0, 0, 50, -1, 2} << 2.3669;
    QTest::newRow("11 hue wrap") << QList<double>{50, 2.49, -0.001, 50, -2.49, 0.0011} << 7.2195;
    QTest::newRow("15 hue wrap") << QList<double>{50, -0.001, 2.49, 50, 0.0011, -2.49} << 4.7461;
    QTest::newRow("17") << QList<double>{50, 2.5, 0, 73, 25, -18} << 27.1492;
    QTest::newRow("19") << QList<double>{50, 2.5, 0, 56, -27, -3} << 31.9030;
    QTest::newRow("29") << QList<double>{22.7233, 20.0904, -46.694, 23.0331, 14.973, -42.5619}
                        << 2.0373;
    QTest::newRow("32 light") << QList<double>{90.9257, -0.5406, -0.9208, 88.6381, -0.8985,
                                               -0.7239} << 1.5381;
    QTest::newRow("34 dark") << QList<double>{2.0776, 0.0795, -1.135, 0.9033, -0.0636, -0.5514}
                             << 0.9082;
}

void TestColourVision::differenceMatchesThePublishedPairs() {
    QFETCH(QList<double>, pair);
    QFETCH(double, expected);
    const Lab x{pair[0], pair[1], pair[2]};
    const Lab y{pair[3], pair[4], pair[5]};
    QVERIFY2(qAbs(Ciede2000(x, y) - expected) < 5e-5, qPrintable(QString::number(Ciede2000(x, y))));
    QVERIFY(qAbs(Ciede2000(y, x) - expected) < 5e-5);
}

// The settings window's preset, ten target colours and the background, at least 20 apart for
// every vision; the simulations keep the greys where they are.
void TestColourVision::presetStaysApartForEveryVision_data() {
    QTest::addColumn<Vision>("vision");
    QTest::newRow("normal") << Vision::Normal;
    QTest::newRow("protanopia") << Vision::Protanopia;
    QTest::newRow("deuteranopia") << Vision::Deuteranopia;
    QTest::newRow("tritanopia") << Vision::Tritanopia;
}

void TestColourVision::presetStaysApartForEveryVision() {
    QFETCH(Vision, vision);
    std::vector<quint32> palette(ColourBlindTargetColours.begin(), ColourBlindTargetColours.end());
    palette.push_back(ColourBlindTargetBackground);
    const double smallest = SmallestDifference(palette, vision);
    qInfo("smallest CIEDE2000 difference: %.2f", smallest);
    QVERIFY(smallest >= 20);
    for (quint32 grey : {0x000000u, 0x808080u, 0xC0C0C0u, 0xFFFFFFu})
        QVERIFY(Ciede2000(Seen(grey, vision), Seen(grey, Vision::Normal)) < 0.05);
}

// Why the preset exists: two default colours are all but one to protanopes. sRGB red lands on
// its published CIELAB value, and red and green come close without the red-green channel.
void TestColourVision::defaultsRunTogetherUnderProtanopia() {
    QVERIFY(SmallestDifference(DefaultTargetColours, Vision::Protanopia) < 5);
    QVERIFY(SmallestDifference(DefaultTargetColours, Vision::Normal) > 15);
    QCOMPARE(SmallestDifference(std::vector<quint32>{0xFFFFFF}, Vision::Normal), 0.0);
    const Lab red = Seen(0x0000FF, Vision::Normal);
    QVERIFY(qAbs(red.L - 53.24) < 0.01 && qAbs(red.a - 80.09) < 0.01 && qAbs(red.b - 67.20) < 0.01);
    for (Vision vision : {Vision::Protanopia, Vision::Deuteranopia})
        QVERIFY(Ciede2000(Seen(0x0000FF, vision), Seen(0x008000, vision)) <
                Ciede2000(red, Seen(0x008000, Vision::Normal)) / 2);
}

QTEST_GUILESS_MAIN(TestColourVision)
#include "tst_colourvision.moc"
