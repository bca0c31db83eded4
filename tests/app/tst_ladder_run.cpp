#include "LadderFixture.h"
#include "app/LadderFlow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

using ladder::Ladder;
using ladder::Start;
using ladder::UprDriver;

const char* const SchulteLesson = "[LESSON_1]\nname=Шульте\nopis=Три таблицы.\n"
                                  "L1=0\nR1=5\nF1=40\nS1=Шульте 5x5 за 40 секунд\n"
                                  "L2=0\nR2=6\nF2=60\nS2=Шульте 6x6 за минуту\n"
                                  "L3=0\nR3=5\nF3=40\nS3=И снова 5x5\n"
                                  "[LESSON_2]\nname=Дальше\nopis=Потом.\nL1=0\nR1=9\nF1=10\n";

} // namespace

class TestLadderRun : public QObject {
    Q_OBJECT

private slots:
    // Three passed steps, each announced, switched to its mode and judged: the passed
    // steps are stored after each, and the completed current lesson raises the level.
    void lessonRunsStepByStepAndRaisesTheLevel() {
        Ladder win(SchulteLesson);
        UprDriver driver({Start});
        win.form->Menu().N1->trigger();
        QCOMPARE(driver.opened, 1);
        QVERIFY(win.cycle().LadderActive());
        QVERIFY(win.w().LessonChB->isChecked());
        QCOMPARE(win.w().LessonSB->text(), QStringLiteral("Серии"));
        QVERIFY(win.cycle().UprTimer().isActive());

        win.awaitStep(1);
        QCOMPARE(win.seams.dialogs.messages[0],
                 QStringLiteral("УПРАЖНЕНИЕ 1 / этап 1 из 3\nШульте 5x5 за 40 секунд"));
        QCOMPARE(win.shulte().RunPhase, 0);
        QCOMPARE(win.shulte().ExerciseMode, 5);
        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QVERIFY(win.board().Series());
        QVERIFY(!win.board().SmallerFont());
        QVERIFY(!win.form->Menu().N1->isEnabled());
        win.playSchulte(40000);
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("40.0"));
        QCOMPARE(win.stored().subLevel, 1);
        QVERIFY(!win.stored("UprLevel"));
        QCOMPARE(win.form->UprSubLevel, 1);
        QCOMPARE(win.form->Menu().LevelNameN->title(), QStringLiteral("Anna - ступень 0.1"));
        QVERIFY(win.cycle().LadderActive());
        // Ladder runs go to the series table.
        QCOMPARE(win.table("sshulte.rec")[1], QStringLiteral("40"));

        win.awaitStep(2);
        QCOMPARE(win.seams.dialogs.messages[1],
                 QStringLiteral("УПРАЖНЕНИЕ 1 / этап 2 из 3\nШульте 6x6 за минуту"));
        QCOMPARE(win.shulte().ExerciseMode, 6);
        QCOMPARE(win.shulte().SwitchSB->text(), QStringLiteral("Режим 6x6"));
        QCOMPARE(win.board().ColCount(), 6);
        win.playSchulte(59900);
        QCOMPARE(win.stored().subLevel, 2);
        QCOMPARE(win.form->Menu().LevelNameN->title(), QStringLiteral("Anna - ступень 0.2"));

        // Back from 6x6 to 5x5 round all the sizes.
        win.awaitStep(3);
        QCOMPARE(win.shulte().ExerciseMode, 5);
        QCOMPARE(win.board().ColCount(), 5);
        win.playSchulte(12300);
        QCOMPARE(win.seams.dialogs.messages.last(), QStringLiteral("УПРАЖНЕНИЕ ПРОЙДЕНО"));
        QCOMPARE(win.seams.dialogs.messages.size(), 4);
        QVERIFY(win.seams.dialogs.questions.isEmpty());
        QCOMPARE(win.form->UprLevel, 1);
        QCOMPARE(win.form->UprSubLevel, 0);
        QCOMPARE(win.stored().level, 1);
        QCOMPARE(win.stored().subLevel, 0);
        // The caption follows the position at once, not at the next sign-in.
        QCOMPARE(win.form->Menu().LevelNameN->title(), QStringLiteral("Anna - ступень 1.0"));
        QVERIFY(!win.cycle().LadderActive());
        QVERIFY(!win.cycle().UprTimer().isActive());
        QVERIFY(win.w().LessonChB->isChecked());
        QCOMPARE(win.form->Ladder().State().StepAt(1).mode, 0);
        QCOMPARE(driver.opened, 1);
    }

    // A failed step ends the ladder and asks; the window it reopens starts the lesson over.
    void failedStepOffersARetryThatReopensTheWindow() {
        Ladder win(SchulteLesson);
        win.seams.dialogs.confirmAnswers = {true, false};
        UprDriver driver({Start, Start});
        win.form->N1Click();
        win.awaitStep(1);
        win.playSchulte(10000);
        win.awaitStep(2);
        win.playSchulte(60100);
        QCOMPARE(win.seams.dialogs.questions,
                 QStringList{QStringLiteral("УПРАЖНЕНИЕ НЕВЫПОЛНЕНО, ПОПЫТАЕМСЯ ЕЩЁ РАЗ?")});
        QCOMPARE(driver.opened, 2);
        QCOMPARE(win.stored().subLevel, 1);
        QVERIFY(win.cycle().LadderActive());
        win.awaitStep(3);
        QCOMPARE(win.seams.dialogs.messages[2].section('\n', 0, 0),
                 QStringLiteral("УПРАЖНЕНИЕ 1 / этап 1 из 3"));
        QCOMPARE(win.shulte().ExerciseMode, 5);

        // Declined: the ladder ends with its steps cleared, series mode stays on.
        win.playSchulte(40100);
        QCOMPARE(win.seams.dialogs.questions.size(), 2);
        QCOMPARE(driver.opened, 2);
        QVERIFY(!win.cycle().LadderActive());
        QVERIFY(!win.cycle().UprTimer().isActive());
        QVERIFY(win.w().LessonChB->isChecked());
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(win.form->Ladder().State().StepAt(1).exercisePosition, 0);
        QCOMPARE(win.form->Ladder().State().StepAt(1).limit, 40);
    }

    void replayingAnEarlierLessonLeavesTheLevel() {
        Ladder win("[LESSON_1]\nname=a\nL1=0\nR1=7\nF1=100\n"
                   "[LESSON_2]\nname=b\nL1=0\nR1=5\n[LESSON_3]\nname=c\nL1=0\nR1=5\n",
                   2);
        UprDriver driver({[](TUprForm& form) {
            QCOMPARE(form.UprVLE->currentRow(), 2);
            form.SelectRow(1);
            Start(form);
        }});
        win.form->N1Click();
        win.awaitStep(1);
        QCOMPARE(win.shulte().ExerciseMode, 7);
        win.playSchulte(99000);
        QCOMPARE(win.seams.dialogs.messages.last(), QStringLiteral("УПРАЖНЕНИЕ ПРОЙДЕНО"));
        QCOMPARE(win.form->UprLevel, 2);
        QCOMPARE(win.stored().level, 2);
        QCOMPARE(win.stored().subLevel, 0);
        QCOMPARE(win.form->Menu().LevelNameN->title(), QStringLiteral("Anna - ступень 2.0"));
    }

    void stopMidLessonEndsTheLadderWithoutJudging() {
        Ladder win(SchulteLesson);
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        win.playSchulte(30000);
        win.awaitStep(2);
        win.tickAfter(5000);
        QVERIFY(win.press(1));
        win.start();
        QCOMPARE(win.seams.dialogs.messages.last(), QStringLiteral("УПРАЖНЕНИЕ ПРЕРВАНО"));
        QVERIFY(win.seams.dialogs.questions.isEmpty());
        QVERIFY(!win.cycle().LadderActive());
        QVERIFY(!win.cycle().UprTimer().isActive());
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(win.shulte().RunPhase, 1);
        QTest::qWait(30);
        QCOMPARE(win.seams.dialogs.messages.size(), 3);
        QCOMPARE(driver.opened, 1);
    }

    void lessonThatCannotRunIsNotStarted() {
        Ladder win("[LESSON_1]\nname=a\nopis=b\nL1=0\nR1=5\nL2=11\nR2=1\n");
        bool startEnabled = true;
        UprDriver driver({[&](TUprForm& form) {
            startEnabled = form.StartSB->isEnabled();
            Start(form);
        }});
        win.form->N1Click();
        QCOMPARE(driver.opened, 1);
        QVERIFY(!startEnabled);
        QVERIFY(!win.cycle().LadderActive());
        QVERIFY(!win.cycle().UprTimer().isActive());
        QVERIFY(!win.w().LessonChB->isChecked());
    }

    // A step whose exercise refuses to start leaves nothing to judge: the ladder ends.
    void refusedStartEndsTheLadder() {
        Ladder win(SchulteLesson);
        UprDriver driver({Start});
        win.form->N1Click();
        win.shulte().StartSB->setEnabled(false);
        win.awaitStep(1);
        QCOMPARE(win.shulte().RunPhase, 1);
        QVERIFY(!win.cycle().LadderActive());
        QCOMPARE(win.form->Ladder().State().StepAt(1).mode, 0);
    }

    void stepSelectsItsExerciseAndBoardBackground() {
        Ladder win("[LESSON_1]\nname=a\nL1=1\nR1=7\nF1=100\nS1=к/ч\n");
        win.w().OxelP->SetBgColor(0x123456);
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        QCOMPARE(win.w().TabSwitchCB->currentIndex(), 1);
        QCOMPARE(win.cycle().ActiveExercise(), 1);
        QCOMPARE(win.w().ControlNB->currentIndex(), 1);
        QCOMPARE(win.board().BgColor(), TColor(0xF0FBFF));
        QCOMPARE(win.w().pages[1].ExerciseMode, 7);
    }

    void ladderWindowDoesNotOpenDuringARun() {
        Ladder win(SchulteLesson);
        UprDriver driver({Start});
        win.start();
        QVERIFY(!win.form->Menu().N1->isEnabled());
        win.form->N1Click();
        QTest::qWait(20);
        QCOMPARE(driver.opened, 0);
        QVERIFY(!win.cycle().LadderActive());
        win.start();
        QVERIFY(win.form->Menu().N1->isEnabled());
    }
};

QTEST_MAIN(TestLadderRun)
#include "tst_ladder_run.moc"
