#include "app/RunTimer.h"
#include "app/WindowGeometry.h"

#include <QtTest>

class TestShellRunTimer : public QObject {
    Q_OBJECT

private slots:
    void tickShowsTenthsSinceTheStart() {
        RunTimer timer;
        timer.Start(1'000'000);
        QCOMPARE(timer.Tick(1'000'000).text, QStringLiteral("0.0"));
        QCOMPARE(timer.Tick(1'012'340).text, QStringLiteral("12.3"));
        QCOMPARE(timer.Tick(1'012'360).text, QStringLiteral("12.4"));
        QCOMPARE(timer.Tick(1'100'000).text, QStringLiteral("100.0"));
        QVERIFY(!timer.Tick(1'100'000).clockSetBack);
        QCOMPARE(timer.StartTime(), 1'000'000);
        QCOMPARE(timer.TickTime(), 1'100'000);
    }

    void tickBeforeTheStartMeansTheClockWasSetBack() {
        RunTimer timer;
        timer.Start(5'000);
        const RunTimer::Reading reading = timer.Tick(4'999);
        QVERIFY(reading.clockSetBack);
        QCOMPARE(reading.text, QStringLiteral("9999"));
    }

    void restartCountsFromTheNewStart() {
        RunTimer timer;
        timer.Start(0);
        QCOMPARE(timer.Tick(30'000).text, QStringLiteral("30.0"));
        timer.Start(30'000);
        QCOMPARE(timer.Tick(31'500).text, QStringLiteral("1.5"));
    }

    void windowTakesFourFifthsOfTheScreenCentred() {
        const WindowGeometry g = WindowGeometry::ForScreen(QSize(1024, 768), false);
        QCOMPARE(g.rect, QRect(102, 76, 820, 615));
        QVERIFY(!g.frameless);
        QVERIFY(!g.fullScreenChecked);
        QCOMPARE(WindowGeometry::ForScreen(QSize(1920, 1080), false).rect,
                 QRect(192, 108, 1536, 864));
    }

    void fullScreenCoversTheScreenWithoutBorder() {
        const WindowGeometry g = WindowGeometry::ForScreen(QSize(1920, 1080), true);
        QCOMPARE(g.rect, QRect(0, 0, 1920, 1080));
        QVERIFY(g.frameless);
        QVERIFY(g.fullScreenChecked);
    }

    void screen640WideIsAlwaysFullScreen() {
        const WindowGeometry g = WindowGeometry::ForScreen(QSize(640, 480), false);
        QCOMPARE(g.rect, QRect(0, 0, 640, 480));
        QVERIFY(g.frameless);
        QVERIFY(g.fullScreenChecked);
        QVERIFY(!WindowGeometry::ForScreen(QSize(641, 480), false).frameless);
    }
};

QTEST_GUILESS_MAIN(TestShellRunTimer)
#include "tst_shell_runtimer.moc"
