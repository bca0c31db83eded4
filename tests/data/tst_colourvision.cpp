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
    void greyLooksTheSameToEveryVision_data();
    void greyLooksTheSameToEveryVision();
    void presetStaysApartForEveryVision_data();
    void presetStaysApartForEveryVision();
    void defaultsRunTogetherUnderProtanopia();
};

// Pairs of the CIEDE2000 test data of Sharma, Wu and Dalal (2005), with the hue-angle
// wrap-arounds and the mean-hue cases that implementations get wrong.
void TestColourVision::differenceMatchesThePublishedPairs_data() {
    QTest::addColumn<QList<double>>("first");
    QTest::addColumn<QList<double>>("second");
    QTest::addColumn<double>("expected");
    QTest::newRow("1") << QList<double>{50, 2.6772, -79.7751} << QList<double>{50, 0, -82.7485}
                       << 2.0425;
    QTest::newRow("4") << QList<double>{50, -1.3802, -84.2814} << QList<double>{50, 0, -82.7485}
                       << 1.0;
    QTest::newRow("7 grey") << QList<double>{50, 0, 0} << QList<double>{50, -1, 2} << 2.3669;
    QTest::newRow("11 hue wrap") << QList<double>{50, 2.49, -0.001}
                                 << QList<double>{50, -2.49, 0.0011} << 7.2195;
    QTest::newRow("14 hue wrap") << QList<double>{50, -0.001, 2.49}
                                 << QList<double>{50, 0.0010, -2.49} << 4.8045;
    QTest::newRow("15 hue wrap") << QList<double>{50, -0.001, 2.49}
                                 << QList<double>{50, 0.0011, -2.49} << 4.7461;
    QTest::newRow("17") << QList<double>{50, 2.5, 0} << QList<double>{73, 25, -18} << 27.1492;
    QTest::newRow("19") << QList<double>{50, 2.5, 0} << QList<double>{56, -27, -3} << 31.9030;
    QTest::newRow("25") << QList<double>{60.2574, -34.0099, 36.2677}
                        << QList<double>{60.4626, -34.1751, 39.4387} << 1.2644;
    QTest::newRow("29") << QList<double>{22.7233, 20.0904, -46.6940}
                        << QList<double>{23.0331, 14.9730, -42.5619} << 2.0373;
    QTest::newRow("32 light") << QList<double>{90.9257, -0.5406, -0.9208}
                              << QList<double>{88.6381, -0.8985, -0.7239} << 1.5381;
    QTest::newRow("34 dark") << QList<double>{2.0776, 0.0795, -1.1350}
                             << QList<double>{0.9033, -0.0636, -0.5514} << 0.9082;
}

void TestColourVision::differenceMatchesThePublishedPairs() {
    QFETCH(QList<double>, first);
    QFETCH(QList<double>, second);
    QFETCH(double, expected);
    const Lab x{first[0], first[1], first[2]};
    const Lab y{second[0], second[1], second[2]};
    QVERIFY2(qAbs(Ciede2000(x, y) - expected) < 5e-5, qPrintable(QString::number(Ciede2000(x, y))));
    QVERIFY(qAbs(Ciede2000(y, x) - expected) < 5e-5);
}

// The simulations keep white, black and the greys where they are, and sRGB white and red
// land on their published CIELAB values.
void TestColourVision::greyLooksTheSameToEveryVision_data() {
    QTest::addColumn<Vision>("vision");
    QTest::newRow("protanopia") << Vision::Protanopia;
    QTest::newRow("deuteranopia") << Vision::Deuteranopia;
    QTest::newRow("tritanopia") << Vision::Tritanopia;
}

void TestColourVision::greyLooksTheSameToEveryVision() {
    QFETCH(Vision, vision);
    for (quint32 grey : {0x000000u, 0x404040u, 0x808080u, 0xC0C0C0u, 0xFFFFFFu})
        QVERIFY2(Ciede2000(Seen(grey, vision), Seen(grey, Vision::Normal)) < 0.05,
                 qPrintable(QString::number(grey, 16)));
    const Lab white = Seen(0xFFFFFF, Vision::Normal);
    QVERIFY(qAbs(white.L - 100) < 0.01 && qAbs(white.a) < 0.01 && qAbs(white.b) < 0.01);
    const Lab red = Seen(0x0000FF, Vision::Normal);
    QVERIFY(qAbs(red.L - 53.24) < 0.01 && qAbs(red.a - 80.09) < 0.01 && qAbs(red.b - 67.20) < 0.01);
    // Red and green, far apart to normal vision, come close without the red-green channel.
    if (vision != Vision::Tritanopia)
        QVERIFY(Ciede2000(Seen(0x0000FF, vision), Seen(0x008000, vision)) <
                Ciede2000(red, Seen(0x008000, Vision::Normal)) / 2);
}

// The figures the settings window's preset is chosen for: the ten target colours and the
// background at least 20 apart, for every vision.
void TestColourVision::presetStaysApartForEveryVision_data() {
    greyLooksTheSameToEveryVision_data();
    QTest::newRow("normal") << Vision::Normal;
}

void TestColourVision::presetStaysApartForEveryVision() {
    QFETCH(Vision, vision);
    std::vector<quint32> palette(ColourBlindTargetColours.begin(), ColourBlindTargetColours.end());
    palette.push_back(ColourBlindTargetBackground);
    const double smallest = SmallestDifference(palette, vision);
    qInfo("smallest CIEDE2000 difference: %.2f", smallest);
    QVERIFY(smallest >= 20);
}

// Why the preset exists: two of the default colours are all but the same to protanopes.
void TestColourVision::defaultsRunTogetherUnderProtanopia() {
    QVERIFY(SmallestDifference(DefaultTargetColours, Vision::Protanopia) < 5);
    QVERIFY(SmallestDifference(DefaultTargetColours, Vision::Normal) > 15);
    QCOMPARE(SmallestDifference(std::vector<quint32>{0xFFFFFF}, Vision::Normal), 0.0);
}

QTEST_GUILESS_MAIN(TestColourVision)
#include "tst_colourvision.moc"
