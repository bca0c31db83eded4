#include "../exercises/BoardPress.h"
#include "ShellFixture.h"
#include "app/CaptionPanel.h"
#include "exercises/MathExercise.h"
#include "exercises/ProbeExercise.h"
#include "exercises/RBShulteExercise.h"
#include "app/RunHooks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

// A main window with one exercise selected and helpers to play it.
struct Play : shell::Window {
    int index;
    shell::HookRecorder hooks;

    explicit Play(int exerciseIndex) : index(exerciseIndex) {
        w().TabSwitchCB->setCurrentIndex(Exercise(index).listPosition);
        form->Cycle().SetSeriesHooks(&hooks);
        form->Cycle().SetLadderHooks(&hooks);
    }
    ~Play() {
        form->Cycle().SetSeriesHooks(nullptr);
        form->Cycle().SetLadderHooks(nullptr);
    }
    ControlPage& page() { return w().Page(index); }
    void startOrStop() { QTest::mouseClick(page().StartSB, Qt::LeftButton); }
    bool click(int cell) {
        lastVerdict = false;
        QTest::mouseClick(&board(), Qt::LeftButton, {}, board().CellRect(cell).center());
        return lastVerdict;
    }
    template <class T> T& exercise() { return static_cast<T&>(form->Cycle().ExerciseAt(index)); }
    QToolButton* button(const char* name) { return form->findChild<QToolButton*>(name); }
    QLabel* label(const char* name) { return form->findChild<QLabel*>(name); }
    QString penalty() { return page().ShtrafTimerP->text(); }
};

// Plays a red-black table in the accepted order; false at the first refused press.
bool PlayRedBlack(Play& play, int n) {
    const int half = n * n / 2;
    for (int k = 0; k <= half; ++k) {
        if (!play.click(CellOf(play.board(), half + 1 - k, RBShulteExercise::RedMark)))
            return false;
        if (k < half && !play.click(CellOf(play.board(), k + 1, RBShulteExercise::BlackMark)))
            return false;
    }
    return true;
}

QList<int> ProbeTargets(Play& play) {
    const ProbeExercise& probe = play.exercise<ProbeExercise>();
    QList<int> cells;
    for (int i = 0; i < 400; ++i)
        if (play.board().Line(i) == probe.Target1() || play.board().Line(i) == probe.Target2())
            cells.append(i);
    return cells;
}

} // namespace

class TestShellBoardExercises : public QObject {
    Q_OBJECT

private slots:
    void redBlackRunEntersItsTime() {
        Play play(1);
        play.startOrStop();
        QCOMPARE(play.page().RunPhase, 0);
        QCOMPARE(play.w().BaseButtonP->Caption(), shell::Headings()[1]);
        QCOMPARE(play.board().ColCount(), 5);
        QCOMPARE(play.board().BgColor(), TColor(0xF0FBFF));
        QCOMPARE(play.board().GridColor(), TColor(0xC0C0C0));
        QVERIFY(!play.board().GP());
        QVERIFY(!play.board().Series());
        play.tickAfter(9700);
        QVERIFY(PlayRedBlack(play, 5));
        QCOMPARE(play.page().RunPhase, 1);
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("9.7"));
        QCOMPARE(play.table("rbshulte.rec").mid(0, 3),
                 QStringList({QString(), "9.7", play.today()}));
        QCOMPARE(play.seams.sounds.count("CLICK"), 25);
        // The run is over: a further press enters nothing.
        play.click(0);
        QCOMPARE(play.seams.sounds.count("REC_IN"), 1);
    }

    void redBlackSeriesRunKeepsTheColoursAndSavesStats() {
        Play play(1);
        QTest::mouseClick(play.page().SwitchSB, Qt::LeftButton);
        QCOMPARE(play.page().SwitchSB->text(), QStringLiteral("Режим 7x7"));
        play.w().LessonChB->setChecked(true);
        play.startOrStop();
        QCOMPARE(play.hooks.calls, QStringList{"SeriesInterlude:Режим 7x7"});
        QVERIFY(play.board().Series());
        QVERIFY(!play.board().SmallerFont());
        const int red = CellOf(play.board(), 25, RBShulteExercise::RedMark);
        const int black = CellOf(play.board(), 1, RBShulteExercise::BlackMark);
        QVERIFY(play.click(red));
        QVERIFY(play.click(black));
        QCOMPARE(play.board().Mark(red), RBShulteExercise::KeptRedMark);
        QCOMPARE(play.board().Mark(black), RBShulteExercise::KeptBlackMark);
        // Kept cells are found for the rest of the run: continue from red 24.
        const int half = 24;
        for (int k = 1; k <= half; ++k) {
            QVERIFY(play.click(CellOf(play.board(), half + 1 - k, RBShulteExercise::RedMark)));
            if (k < half)
                QVERIFY(play.click(CellOf(play.board(), k + 1, RBShulteExercise::BlackMark)));
        }
        QCOMPARE(play.hooks.calls.last(), QStringLiteral("SaveStats"));
        QCOMPARE(play.table("srbshulte.rec").size(), 90);
        QVERIFY(!play.table("srbshulte.rec")[31].isEmpty());
        QVERIFY(play.table("rbshulte.rec").join(QString()).isEmpty());
    }

    void counterButtonsTakeTheModeButtonsPlaceWhileRunning() {
        Play play(4);
        QToolButton* restart = play.button("MathRestartSB");
        QToolButton* score = play.button("GetScoreSB");
        QVERIFY(restart && score);
        QCOMPARE(restart->text(), QStringLiteral("Рестарт"));
        QCOMPARE(score->text(), QStringLiteral("забрать очки"));
        QVERIFY(!restart->icon().isNull());
        QVERIFY(!restart->isVisible());
        QVERIFY(!score->isVisible());
        QVERIFY(play.page().SwitchSB->isVisible());

        play.startOrStop();
        QVERIFY(restart->isVisible());
        QVERIFY(score->isVisible());
        QVERIFY(!play.page().SwitchSB->isVisible());
        QCOMPARE(play.board().ColCount(), 3);
        QCOMPARE(play.exercise<MathExercise>().MaxOperand(), 10);
        // The normal look outside a series.
        QVERIFY(play.board().SmallerFont());
        QVERIFY(!play.board().Series());

        play.startOrStop();
        QCOMPARE(play.page().RunPhase, 1);
        QVERIFY(!restart->isVisible());
        QVERIFY(!score->isVisible());
        QVERIFY(play.page().SwitchSB->isVisible());
        QVERIFY(play.page().SwitchSB->isEnabled());
        QVERIFY(play.table("counter.rec").join(QString()).isEmpty());
    }

    void counterRestartRunsTheTimeFromZeroWithTenSeconds() {
        Play play(4);
        play.startOrStop();
        MathExercise& math = play.exercise<MathExercise>();
        QVERIFY(play.click(math.Triples()[0].aCell));
        QVERIFY(play.click(math.Triples()[0].bCell));
        QVERIFY(play.click(math.Triples()[0].sumCell));
        play.tickAfter(4000);
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("4.0"));
        QTest::mouseClick(play.button("MathRestartSB"), Qt::LeftButton);
        QCOMPARE(play.penalty(), QStringLiteral("10"));
        QCOMPARE(play.board().Mark(math.Triples()[0].sumCell), 1);
        QVERIFY(play.form->Cycle().SysTimer().isActive());
        play.tickAfter(1200);
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("1.2"));
        for (const MathExercise::Triple& t : math.Triples())
            QVERIFY(play.click(t.aCell) && play.click(t.bCell) && play.click(t.sumCell));
        QCOMPARE(play.page().RunPhase, 1);
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("11.2"));
        QCOMPARE(play.table("counter.rec")[1], QStringLiteral("11.2"));
    }

    void takingThePointsEntersTheTimeWithTenSecondsPerCell() {
        Play play(4);
        QTest::mouseClick(play.page().SwitchSB, Qt::LeftButton);
        play.startOrStop();
        QCOMPARE(play.board().ColCount(), 6);
        play.tickAfter(2000);
        QTest::mouseClick(play.button("GetScoreSB"), Qt::LeftButton);
        QCOMPARE(play.penalty(), QStringLiteral("360"));
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("362"));
        QCOMPARE(play.table("counter.rec").mid(30, 3),
                 QStringList({QString(), "362", play.today()}));
        QCOMPARE(play.page().RunPhase, 1);
        QVERIFY(!play.button("GetScoreSB")->isVisible());
        QVERIFY(play.page().SwitchSB->isVisible());
        QVERIFY(play.hooks.calls.isEmpty());
    }

    void takingThePointsInALadderRunIsJudgedByTheLadder() {
        Play play(4);
        play.w().LessonChB->setChecked(true);
        play.form->Cycle().SetLadderActive(true);
        play.startOrStop();
        // The normal look, as in a series run: a chosen operand is drawn in the small font.
        QVERIFY(!play.board().Series());
        QVERIFY(play.board().SmallerFont());
        QCOMPARE(play.exercise<MathExercise>().MaxOperand(), 10);
        const int cell = play.exercise<MathExercise>().Triples()[0].aCell;
        QVERIFY(play.click(cell));
        QCOMPARE(play.board().LookOf(cell)->font, CellLook::FontKind::Small);
        QTest::mouseClick(play.button("GetScoreSB"), Qt::LeftButton);
        QCOMPARE(play.hooks.calls, QStringList{"LadderStep"});
        QVERIFY(play.form->Cycle().UprTimer().isActive());
        QTRY_COMPARE(play.hooks.calls, QStringList({"LadderStep", "UprTimerTimer"}));
    }

    void counterSeriesRunKeepsTheNormalLookWithLargerOperands() {
        Play play(4);
        play.w().LessonChB->setChecked(true);
        play.startOrStop();
        QCOMPARE(play.hooks.calls, QStringList{"SeriesInterlude:Режим 3x3"});
        QCOMPARE(play.form->Cycle().SeriesExercise(), 5);
        QVERIFY(!play.board().Series());
        QVERIFY(play.board().SmallerFont());
        QCOMPARE(play.exercise<MathExercise>().MaxOperand(), 50);
        // A chosen operand is drawn in the small font.
        const int cell = play.exercise<MathExercise>().Triples()[0].aCell;
        QVERIFY(play.click(cell));
        QCOMPARE(play.board().LookOf(cell)->font, CellLook::FontKind::Small);
        QTest::mouseClick(play.button("GetScoreSB"), Qt::LeftButton);
        QCOMPARE(play.hooks.calls.last(), QStringLiteral("SaveStats"));
        QCOMPARE(play.table("scounter.rec")[1], QStringLiteral("90"));
    }

    void proofreadingShowsTheTargetsAndSweepsMisses() {
        Play play(7);
        QLabel* first = play.label("ProbeLetter1P");
        QLabel* second = play.label("ProbeLetter2P");
        QVERIFY(first && second);
        QVERIFY(!first->isVisible());
        play.startOrStop();
        QVERIFY(first->isVisible());
        QVERIFY(second->isVisible());
        const ProbeExercise& probe = play.exercise<ProbeExercise>();
        QCOMPARE(first->text(), probe.Target1());
        QCOMPARE(second->text(), probe.Target2());
        // Lime and yellow on black.
        const QImage one = first->grab().toImage();
        const QImage two = second->grab().toImage();
        QCOMPARE(one.pixelColor(2, 2), QColor(Qt::black));
        QCOMPARE(two.pixelColor(2, 2), QColor(Qt::black));
        bool lime = false, yellow = false;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                lime = lime || one.pixelColor(x, y) == QColor(0, 255, 0);
                yellow = yellow || two.pixelColor(x, y) == QColor(255, 255, 0);
            }
        QVERIFY(lime && yellow);
        QCOMPARE(play.board().ColCount(), 20);
        QCOMPARE(play.board().RowCount(), 20);

        const QList<int> targets = ProbeTargets(play);
        QCOMPARE(targets.size(), 80);
        play.tickAfter(3000);
        QVERIFY(play.click(targets[0]));
        QVERIFY(play.click(targets[2]));
        QCOMPARE(play.penalty(), QStringLiteral("5"));
        QCOMPARE(play.board().Mark(targets[1]), ProbeExercise::MissedMark);
        QVERIFY(!play.click(targets[1]));
        QVERIFY(play.click(targets[79]));
        // 76 more misses between the third target and the last.
        QCOMPARE(play.penalty(), QStringLiteral("385"));
        QCOMPARE(play.page().RunPhase, 1);
        QCOMPARE(play.w().TimerP->text(), QStringLiteral("388"));
        QCOMPARE(play.table("probe.rec")[1], QStringLiteral("388"));
        QVERIFY(!first->isVisible());
        QVERIFY(!second->isVisible());
    }
};

QTEST_MAIN(TestShellBoardExercises)
#include "tst_shell_boardexercises.moc"
