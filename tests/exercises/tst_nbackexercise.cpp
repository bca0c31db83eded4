#include "ExerciseTestHost.h"
#include "TestSupport.h"
#include "analysis/RunAnalysis.h"
#include "data/Random.h"
#include "exercises/NBackExercise.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

namespace {

Press KeyPress(int key) {
    Press press;
    press.kind = Press::Kind::Key;
    press.key = key;
    press.atMs = ProgramClock().MonotonicMs();
    return press;
}

Press MousePress(Press::Kind kind, int cell) {
    Press press;
    press.kind = kind;
    press.cell = cell;
    press.atMs = ProgramClock().MonotonicMs();
    return press;
}

} // namespace

class TestNBackExercise : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(2718); }

    // Mouse buttons and keys of each kind, the Russian layout's letters on the same keys.
    void pressesAnswerTheirKind() {
        BoardHost host;
        NBackExercise nback(host, host);
        QVERIFY(nback.PressButtons().testFlags(Qt::LeftButton | Qt::RightButton));
        const auto kindOf = [](Press::Kind kind, int key) {
            Press press;
            press.kind = kind;
            press.key = key;
            return NBackExercise::KindOf(press);
        };
        QCOMPARE(kindOf(Press::Kind::Left, 0), NBackKind::Place);
        QCOMPARE(kindOf(Press::Kind::Right, 0), NBackKind::Letter);
        const QList<std::pair<int, std::optional<NBackKind>>> keys = {
            {Qt::Key_A, NBackKind::Place}, {Qt::Key_D, NBackKind::Place},
            {Qt::Key_J, NBackKind::Place}, {0x0424, NBackKind::Place}, // Ф on A
            {Qt::Key_L, NBackKind::Letter}, {Qt::Key_F, NBackKind::Letter},
            {Qt::Key_K, NBackKind::Letter}, {0x0414, NBackKind::Letter}, // Д on L
            {Qt::Key_S, std::nullopt},      {Qt::Key_Space, std::nullopt}};
        for (const auto& [key, kind] : keys) {
            QCOMPARE(kindOf(Press::Kind::Key, key), kind);
            QCOMPARE(nback.AnswersKey(key), kind.has_value());
        }
    }

    // A whole 2-back block stepped through its pace: every place match answered by key,
    // letter matches answered by the right button in the first half only, a false alarm at
    // the first trial and a second answer ignored. Misses are recorded at their trial's
    // end; the score ends the run, the next-n line follows it, and the analysis counts the
    // same presses.
    void scriptedBlockEndsWithItsScore() {
        BoardHost host;
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        NBackExercise nback(host, host);
        nback.AddPageControls(&page, layout);
        nback.Localize();
        nback.Draw(2);
        QCOMPARE(host.board.ColCount(), 3);
        QCOMPARE(host.board.RowCount(), 3);
        const NBackBlock& block = *nback.Block();
        QCOMPARE(block.TrialCount(), 22);
        QVERIFY(nback.NextLine()->text().isEmpty());

        NBackPace& pace = nback.Pace();
        int expectedLogged = 0;
        for (int trial = 0; trial < block.TrialCount(); ++trial) {
            QCOMPARE(pace.NextStep(), NBackPace::Step::Show);
            QCOMPARE(pace.NextTrial(), trial);
            pace.Tick();
            const NBackTrial& shown = block.Trial(trial);
            QCOMPARE(host.board.Mark(shown.cell), NBackExercise::FilledMark);
            QCOMPARE(host.board.Line(shown.cell), QString(shown.letter));
            QCOMPARE(host.timerText, QStringLiteral("%1/22").arg(trial + 1));
            if (trial == 0) {
                nback.Judge(KeyPress(Qt::Key_A));
                nback.Judge(KeyPress(Qt::Key_D)); // a second place answer: not counted
                ++expectedLogged;
            }
            if (shown.placeMatch) {
                nback.Judge(KeyPress(Qt::Key_A));
                ++expectedLogged;
            }
            if (shown.letterMatch) {
                if (trial < 12)
                    nback.Judge(MousePress(Press::Kind::Right, shown.cell));
                ++expectedLogged; // a hit, or a miss at the trial's end
            }
            QCOMPARE(pace.NextStep(), NBackPace::Step::Hide);
            pace.Tick();
            QCOMPARE(host.board.Mark(shown.cell), 1);
            QVERIFY(host.board.Line(shown.cell).isEmpty());
        }
        QCOMPARE(host.finished, 0);
        QCOMPARE(pace.NextStep(), NBackPace::Step::End);
        pace.Tick();
        QCOMPARE(host.finished, 1);
        QCOMPARE(host.logged.size(), expectedLogged);

        const NBackTally place = nback.Score()->Tally(NBackKind::Place);
        const NBackTally letter = nback.Score()->Tally(NBackKind::Letter);
        QCOMPARE(place, (NBackTally{6, 0, 1}));
        QCOMPARE(letter.hits + letter.misses, 6);
        QVERIFY(letter.misses > 0);
        const int percent = NBackPercent(place, letter);
        QCOMPARE(host.score, percent);
        QCOMPARE(host.timerText, QStringLiteral("%1%").arg(percent));
        const std::optional<int> next = NBackNextN(percent, 2);
        QCOMPARE(nback.NextLine()->text().replace(QChar(0x2011), QLatin1Char('-')),
                 next ? QStringLiteral("Дальше: %1-назад").arg(*next) : QString());

        // Misses are the wrong presses without a reaction time.
        int unanswered = 0;
        for (const RunPress& p : host.logged) {
            QVERIFY(p.stage.has_value());
            QVERIFY(!p.correct || p.reactionMs.has_value());
            unanswered += !p.reactionMs;
        }
        QCOMPARE(unanswered, letter.misses);
        HistoryRun run;
        run.mode = 2;
        for (const RunPress& p : host.logged)
            run.presses.append(HistoryPress{0, p.tMs, p.item, p.cell, p.correct, p.reactionMs,
                                            p.stage});
        RunAnalysis analysis;
        NBackExercise::Charts(run, Exercise(8), analysis);
        QCOMPARE(analysis.charts.size(), 2);
        const ChartSpec& tally = analysis.charts[0];
        QCOMPARE(tally.bars[0].values, (QVector<double>{6, double(letter.hits)}));
        QCOMPARE(tally.bars[1].values, (QVector<double>{0, double(letter.misses)}));
        QCOMPARE(tally.bars[2].values, (QVector<double>{1, double(letter.falseAlarms)}));
        QCOMPARE(analysis.charts[1].places, 6 + letter.hits);
    }

    // A stop ends the pace: no step comes after it and no run is finished.
    void stopEndsThePace() {
        BoardHost host;
        NBackExercise nback(host, host);
        nback.Draw(3);
        nback.Pace().Tick();
        nback.StopOwnTimers();
        nback.Abandon();
        QVERIFY(!nback.Pace().Running());
        nback.Judge(KeyPress(Qt::Key_A));
        QVERIFY(host.logged.isEmpty());
        QCOMPARE(host.finished, 0);
    }
};

QTEST_MAIN(TestNBackExercise)
#include "tst_nbackexercise.moc"
