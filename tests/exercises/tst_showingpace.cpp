#include "TestSupport.h"
#include "exercises/ShowingPace.h"

#include <QtTest>

class TestShowingPace : public QObject {
    Q_OBJECT

private slots:
    void firstTickIsDueOneIntervalAfterTheStart() {
        TestSeams seams;
        seams.clock.monotonic = 1000;
        int ticks = 0;
        ShowingPace pace([&] { ++ticks; });
        pace.Start(500);
        QVERIFY(pace.Enabled());
        QCOMPARE(pace.StartMs(), 1000.0);
        QCOMPARE(pace.DueMs(), 1500.0);
        QVERIFY(pace.Timer().isActive());
        QVERIFY(pace.Timer().isSingleShot());
        QCOMPARE(pace.Timer().timerType(), Qt::PreciseTimer);
        QCOMPARE(pace.Timer().interval(), 500);
        QCOMPARE(ticks, 0);
    }

    // Each tick comes 7 ms late; the next one is still due on the grid of the start.
    void lateTicksDoNotAddUp() {
        TestSeams seams;
        QList<double> dueAtTick;
        ShowingPace* self = nullptr;
        ShowingPace pace([&] { dueAtTick << self->DueMs(); });
        self = &pace;
        pace.Start(600);
        for (int k = 1; k <= 20; ++k) {
            seams.clock.monotonic = 600 * k + 7;
            pace.Tick();
            QCOMPARE(pace.Timer().interval(), 593);
        }
        QCOMPARE(dueAtTick.size(), 20);
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(dueAtTick[k - 1], 600.0 * k);
        QCOMPARE(pace.DueMs(), 600.0 * 21);
    }

    // A tick more than an interval late drops the showings whose time has passed.
    void tickLaterThanAnIntervalSkipsToTheNextSlot() {
        TestSeams seams;
        int ticks = 0;
        ShowingPace pace([&] { ++ticks; });
        pace.Start(500);
        seams.clock.monotonic = 1750; // slot 1 was due at 500
        pace.Tick();
        QCOMPARE(ticks, 1);
        QCOMPARE(pace.DueMs(), 2000.0);
        QCOMPARE(pace.Timer().interval(), 250);
        QCOMPARE(ShowingPace::NextSlot(0, 500, 1, 1999), 4);
        QCOMPARE(ShowingPace::NextSlot(0, 500, 1, 2000), 5);
        QCOMPARE(ShowingPace::NextSlot(0, 500, 3, 1510), 4);
        QCOMPARE(ShowingPace::NextSlot(100, 500, 1, 620), 2);
    }

    void stopAndRestartFromATick() {
        TestSeams seams;
        ShowingPace* self = nullptr;
        int ticks = 0;
        bool restart = false;
        ShowingPace pace([&] {
            ++ticks;
            self->Stop();
            if (restart)
                self->Start(900);
        });
        self = &pace;
        pace.Start(500);
        seams.clock.monotonic = 500;
        pace.Tick();
        QVERIFY(!pace.Enabled());
        QVERIFY(!pace.Timer().isActive());
        // A tick already on its way after the stop does nothing.
        pace.Tick();
        QCOMPARE(ticks, 1);

        restart = true;
        pace.Start(500);
        seams.clock.monotonic = 1000;
        pace.Tick();
        QCOMPARE(ticks, 2);
        QVERIFY(pace.Enabled());
        QCOMPARE(pace.StartMs(), 1000.0);
        QCOMPARE(pace.DueMs(), 1900.0);
        QCOMPARE(pace.Timer().interval(), 900);
    }

    // A start between two milliseconds: each tick is aimed at the nearest whole millisecond.
    void fractionsOfAMillisecondAreRounded() {
        struct FineClock : ManualClock {
            double fine = 0;
            double MonotonicFineMs() const override { return fine; }
        } clock;
        InstallClock(&clock);
        ShowingPace pace([] {});
        clock.fine = 100.6;
        pace.Start(500);
        QCOMPARE(pace.Timer().interval(), 500);
        clock.fine = 600.9;
        pace.Tick();
        QCOMPARE(pace.DueMs(), 1100.6);
        QCOMPARE(pace.Timer().interval(), 500);
        clock.fine = 1101.3;
        pace.Tick();
        QCOMPARE(pace.Timer().interval(), 499);
        InstallClock(nullptr);
    }

    void systemClockReadsFractionsOnTheSameScale() {
        const qint64 before = ProgramClock().MonotonicMs();
        const double fine = ProgramClock().MonotonicFineMs();
        const qint64 after = ProgramClock().MonotonicMs();
        QVERIFY(double(before) <= fine);
        QVERIFY(fine < double(after + 1));
    }

    // On the real event loop the ticks come at their interval.
    void ticksOnTheEventLoop() {
        int ticks = 0;
        ShowingPace pace([&] { ++ticks; });
        pace.Start(20);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
        pace.Stop();
        const int seen = ticks;
        QTest::qWait(60);
        QCOMPARE(ticks, seen);
    }
};

QTEST_GUILESS_MAIN(TestShowingPace)
#include "tst_showingpace.moc"
