#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/NBackPace.h"
#include "exercises/NBackScore.h"

#include <QtTest>

using Outcome = NBackPress::Outcome;
using Step = NBackPace::Step;
Q_DECLARE_METATYPE(NBackTally)

class TestNBack : public QObject {
    Q_OBJECT

private slots:
    // For any seed: 6 + 6 matches, 2 of them in one trial, none in the first n trials, and
    // no other trial repeats the place or letter of the trial n before. The seed fixes it.
    void blockHasItsMatchesAndNoOthers_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 5; ++n)
            QTest::addRow("%d-back", n) << n << n;
        QTest::newRow("below the range") << 0 << 1;
        QTest::newRow("above the range") << 9 << 5;
    }
    void blockHasItsMatchesAndNoOthers() {
        QFETCH(int, asked);
        QFETCH(int, n);
        for (quint32 seed = 1; seed <= 40; ++seed) {
            ProgramRandom().Seed(seed);
            const NBackBlock block = NBackBlock::Draw(asked);
            QCOMPARE(block.N(), n);
            QCOMPARE(block.TrialCount(), 20 + n);
            int places = 0, letters = 0, both = 0;
            for (int i = 0; i < block.TrialCount(); ++i) {
                const NBackTrial& t = block.Trial(i);
                QVERIFY(t.cell >= 0 && t.cell < 9 && QStringLiteral("CHKLQRST").contains(t.letter));
                const NBackTrial& back = block.Trial(std::max(0, i - n));
                QCOMPARE(t.placeMatch, i >= n && t.cell == back.cell);
                QCOMPARE(t.letterMatch, i >= n && t.letter == back.letter);
                places += t.placeMatch;
                letters += t.letterMatch;
                both += t.placeMatch && t.letterMatch;
            }
            QCOMPARE(QList<int>({places, letters, both}), QList<int>({6, 6, 2}));
            ProgramRandom().Seed(seed);
            QCOMPARE(NBackBlock::Draw(asked).Trials(), block.Trials());
        }
    }

    // A scripted 1-back block: each answer's verdict (none when it does not count), the
    // misses at each trial's end, the tallies; every press keeps its meaning in the history.
    void scriptedBlockIsJudged() {
        const auto t = [](int cell, char16_t letter, bool place, bool same) {
            return NBackTrial{cell, letter, place, same};
        };
        const NBackBlock block(1, {t(0, u'C', 0, 0), t(0, u'H', 1, 0), t(4, u'H', 0, 1),
                                   t(4, u'H', 1, 1), t(8, u'K', 0, 0), t(8, u'L', 1, 0)});
        const NBackKind P = NBackKind::Place, L = NBackKind::Letter;
        // Trial, kind, time after the onset, verdict.
        const QList<std::tuple<int, NBackKind, double, std::optional<NBackPress>>> script = {
            {0, P, 300, NBackPress{0, P, Outcome::FalseAlarm, 300}}, // nothing n back yet
            {1, P, 400.4, NBackPress{1, P, Outcome::Hit, 400}},
            {1, P, 600, {}}, // a second answer of a kind: ignored
            {1, L, 700.5, NBackPress{1, L, Outcome::FalseAlarm, 701}},
            {3, P, 500, NBackPress{3, P, Outcome::Hit, 500}}, // both kinds in one trial
            {3, L, 800, NBackPress{3, L, Outcome::Hit, 800}},
            {4, L, 900, NBackPress{4, L, Outcome::FalseAlarm, 900}},
            {4, L, 950, {}},
            {6, P, 100, {}}, // after the block
        };
        const QList<QList<NBackPress>> missed = {
            {}, {}, {{2, L, Outcome::Miss, {}}}, {}, {}, {{5, P, Outcome::Miss, {}}}, {}};
        NBackScore score(block);
        for (int trial = 0; trial <= block.TrialCount(); ++trial) {
            const double onset = 10'000 + 3000.0 * trial;
            score.BeginTrial(trial, onset);
            for (const auto& [at, kind, afterOnset, verdict] : script)
                if (at == trial)
                    QCOMPARE(score.Answer(kind, onset + afterOnset), verdict);
            QCOMPARE(score.EndTrial(), missed[trial]);
        }
        for (const NBackPress& p : score.Presses()) {
            const RunPress stored = p.ToRunPress(block.Trial(p.trial).cell);
            QCOMPARE(stored.item, p.kind == P ? "place" : "letter");
            const auto back = NBackPress::FromRecord(stored.item, stored.correct, stored.reactionMs,
                                                     stored.stage);
            QCOMPARE(back, p);
        }
        QVERIFY(!NBackPress::FromRecord("7", false, 300, 1));
        QCOMPARE(score.Tally(P), (NBackTally{2, 1, 1}));
        QCOMPARE(score.Tally(L), (NBackTally{1, 1, 2}));
        QCOMPARE(score.Percent(), 38); // 3 of 8
    }

    // The score over both kinds as shown, and the n it suggests next (0: no line).
    void percentAndNextN_data() {
        QTest::addColumn<NBackTally>("place");
        QTest::addColumn<NBackTally>("letter");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("next");
        QTest::newRow("49%") << NBackTally{30, 10, 10} << NBackTally{19, 21, 10} << 3 << "49%" << 2;
        QTest::newRow("50%") << NBackTally{25, 25, 0} << NBackTally{25, 0, 25} << 3 << "50%" << 0;
        QTest::newRow("79%") << NBackTally{40, 10, 0} << NBackTally{39, 11, 0} << 3 << "79%" << 0;
        QTest::newRow("80%") << NBackTally{40, 5, 5} << NBackTally{40, 10, 0} << 3 << "80%" << 4;
        QTest::newRow("79.5%") << NBackTally{159, 41, 0} << NBackTally{} << 2 << "80%" << 3;
        QTest::newRow("top") << NBackTally{6, 0, 0} << NBackTally{6, 0, 0} << 5 << "100%" << 0;
        QTest::newRow("bottom") << NBackTally{0, 6, 3} << NBackTally{0, 6, 0} << 1 << "0%" << 0;
    }
    void percentAndNextN() {
        QFETCH(NBackTally, place);
        QFETCH(NBackTally, letter);
        QFETCH(int, n);
        const int percent = NBackPercent(place, letter);
        QTEST(NBackPercentText(percent), "shown");
        QTEST(NBackNextN(percent, n).value_or(0), "next");
    }

    // d' of a kind in a block: matches are its hits and misses, the other trials the noise.
    void dPrimeOfKnownCounts_data() {
        QTest::addColumn<NBackTally>("tally");
        QTest::addColumn<int>("trials");
        QTest::addColumn<double>("dPrime");
        QTest::newRow(".75 and .25") << NBackTally{3, 1, 1} << 8 << 1.348980;
        QTest::newRow("chance") << NBackTally{3, 3, 8} << 22 << 0.0;
        QTest::newRow("rates 1 and 0") << NBackTally{6, 0, 0} << 22 << 3.245726; // 11/12, 1/32
        QTest::newRow("rates 0 and 1") << NBackTally{0, 6, 16} << 22 << -3.245726;
        QTest::newRow("no match") << NBackTally{0, 0, 2} << 22 << 0.0;
    }
    void dPrimeOfKnownCounts() {
        QFETCH(NBackTally, tally);
        QFETCH(int, trials);
        QFETCH(double, dPrime);
        QCOMPARE(std::round(tally.DPrime(trials) * 1e6) / 1e6, dPrime);
    }

    // Two trials started at 1000 ms, each step handled `late` ms after it was due and a
    // shown cell painted in `paint` ms: onsets stay on the 3000 ms grid, a cell goes 500 ms
    // after it was painted but never after the next onset, no trial is skipped.
    void paceKeepsToTheGridOfTheStart_data() {
        QTest::addColumn<int>("late");
        QTest::addColumn<int>("paint");
        QTest::addColumn<QList<double>>("due");
        QTest::addColumn<QList<int>>("intervals");
        QTest::newRow("on time") << 0 << 0 << QList<double>{1000, 1500, 4000, 4500, 7000}
                                 << QList<int>{0, 500, 2500, 500, 2500};
        // The first show ended 10 ms late: the next starts 5 ms early.
        QTest::newRow("late") << 7 << 3 << QList<double>{1000, 1510, 4000, 4510, 7000}
                              << QList<int>{0, 500, 2478, 500, 2483};
        QTest::newRow("very late") << 2800 << 0 << QList<double>{1000, 4000, 4000, 7000, 7000}
                                   << QList<int>{0, 200, 0, 200, 0};
    }
    void paceKeepsToTheGridOfTheStart() {
        QFETCH(int, late);
        QFETCH(int, paint);
        TestSeams seams;
        seams.clock.monotonic = 1000;
        QStringList steps;
        NBackPace pace([&](Step step, int trial) {
            steps << QStringLiteral("%1%2").arg(QChar(u"SHE"[int(step)])).arg(trial);
            seams.clock.monotonic += step == Step::Show ? paint : 0;
        });
        pace.Start(2);
        QList<double> due;
        QList<int> intervals;
        while (pace.Running() && due.size() < 10) {
            QVERIFY(pace.Timer().isActive() && pace.Timer().isSingleShot());
            QCOMPARE(pace.Timer().timerType(), Qt::PreciseTimer);
            intervals << pace.Timer().interval();
            due << pace.DueMs();
            seams.clock.monotonic = std::max(seams.clock.monotonic, qint64(pace.DueMs()) + late);
            pace.Tick();
        }
        QTEST(due, "due");
        QTEST(intervals, "intervals");
        QCOMPARE(steps.join(' '), "S0 H0 S1 H1 E1");
        QVERIFY(!pace.Timer().isActive());
    }

    // A step that stops the pace ends it; a step already on its way then does nothing.
    void paceStopsFromAStep() {
        NBackPace* self = nullptr;
        int steps = 0;
        NBackPace pace([&](Step, int) { ++steps, self->Stop(); });
        self = &pace;
        pace.Start(3);
        pace.Tick();
        pace.Tick(); // already on its way
        QCOMPARE(steps, 1);
        QVERIFY(!pace.Running() && !pace.Timer().isActive());
    }
};

QTEST_GUILESS_MAIN(TestNBack)
#include "tst_nback.moc"
