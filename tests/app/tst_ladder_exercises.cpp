#include "LadderFixture.h"
#include "exercises/ClickerPanel.h"
#include "exercises/MathExercise.h"
#include "exercises/NumbersExercise.h"
#include "exercises/TargetsExercise.h"
#include "users/Welcome.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

using ladder::Ladder;
using ladder::Start;
using ladder::UprDriver;

constexpr int Targets = 3, Math = 4, Numbers = 6;

// The lesson of two steps: a Schulte table 5x5 in at most 40 seconds, then a targets game
// of at least 100 points.
const char* const SchulteThenTargets = "[LESSON_1]\nname=Два шага\nopis=Шульте и мишени.\n"
                                       "L1=0\nR1=5\nF1=40\nS1=Шульте 5x5\n"
                                       "L2=2\nR2=1\nF2=100\nS2=Мишени\n";

// The targets game of a ladder step, its showings triggered by hand on the test clock.
struct TargetsStep {
    Ladder& win;
    TargetsExercise* targets;
    ClickerPanel* clicker;

    explicit TargetsStep(Ladder& w)
        : win(w), targets(&dynamic_cast<TargetsExercise&>(w.cycle().ExerciseAt(Targets))),
          clicker(w.form->findChild<ClickerPanel*>("TargetClickP")) {}
    const TargetGame& game() const { return targets->Game(); }
    void tick() {
        win.seams.clock.advance(game().Interval());
        targets->DXTimer1Timer();
    }
    void pressAfter(int ms) {
        win.seams.clock.advance(ms);
        QTest::mouseClick(clicker, Qt::LeftButton);
    }
    // Stage 1 ends at the tick after its one pattern, which is hit after reactionMs: the
    // stage scores 1000 - reactionMs.
    void playFirstStage(int reactionMs) {
        for (int guard = 0; guard < 1000 && game().TargetStage() == 1; ++guard) {
            tick();
            if (game().TargetPending())
                pressAfter(reactionMs);
        }
    }
    // Presses at showings without a pattern until no life is left: no stage is completed,
    // so the score stays.
    void loseTheGame() {
        for (int guard = 0; guard < 1000 && game().Running(); ++guard) {
            tick();
            if (game().Running() && !game().TargetPending())
                pressAfter(50);
        }
    }
};

// Clicks the cell holding the text that is still to be found.
bool ClickText(Ladder& win, const QString& text) {
    TOxelPanel& board = win.board();
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (board.Line(i) == text && board.Mark(i) == 1) {
            win.lastVerdict = false;
            QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(i).center());
            return win.lastVerdict;
        }
    return false;
}

void ClickCell(Ladder& win, int cell) {
    QTest::mouseClick(&win.board(), Qt::LeftButton, {}, win.board().CellRect(cell).center());
}

// Signs Boris in whenever the sign-in window opens.
struct SignInWatch {
    int opened = 0;
    QTimer poll;
    SignInWatch() {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* form = qobject_cast<TWelcomeForm*>(QApplication::activeModalWidget());
            if (!form)
                return;
            ++opened;
            form->UserCB->setCurrentIndex(form->UserCB->findText(QStringLiteral("Boris")));
            form->PasswordME->clear();
            form->OkSB->click();
        });
        poll.start();
    }
};

} // namespace

class TestLadderExercises : public QObject {
    Q_OBJECT

private slots:
    // 40.0 seconds pass the Schulte step; 99 points miss the targets limit of 100, and the
    // retry reopens the ladder window, whose start runs the lesson from its first step.
    void targetsScoreBelowTheLimitFailsAndTheRetryReopensTheWindow() {
        Ladder win(SchulteThenTargets);
        win.seams.dialogs.confirmAnswers = {true};
        UprDriver driver({Start, Start});
        win.form->N1Click();
        win.awaitStep(1);
        win.playSchulte(40000);
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("40.0"));
        QCOMPARE(win.stored().subLevel, 1);

        win.awaitStep(2);
        QCOMPARE(win.seams.dialogs.messages[1],
                 QStringLiteral("УПРАЖНЕНИЕ 1 / этап 2 из 2\nМишени"));
        QCOMPARE(win.w().TabSwitchCB->currentIndex(), 2);
        QCOMPARE(win.cycle().ActiveExercise(), Targets);
        TargetsStep t(win);
        QCOMPARE(win.w().Page(Targets).ExerciseMode, 1);
        QVERIFY(t.game().Running());
        // A ladder game begins its stages without waiting for "начать".
        QVERIFY(t.targets->Pace().Enabled());
        t.playFirstStage(901);
        QCOMPARE(t.game().TargetStage(), 2);
        QCOMPARE(t.game().TargetScore(), 99);
        t.loseTheGame();
        QVERIFY(!t.game().Running());
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("99"));

        QCOMPARE(win.seams.dialogs.questions,
                 QStringList{QStringLiteral("УПРАЖНЕНИЕ НЕВЫПОЛНЕНО, ПОПЫТАЕМСЯ ЕЩЁ РАЗ?")});
        QCOMPARE(driver.opened, 2);
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(win.form->UprLevel, 0);
        QVERIFY(!win.stored("UprLevel"));
        // The failed game still goes to the series table.
        QCOMPARE(win.table("stargets.rec").mid(0, 2), QStringList({"Anna", "99"}));

        QVERIFY(win.cycle().LadderActive());
        win.awaitStep(3);
        QCOMPARE(win.seams.dialogs.messages[2].section('\n', 0, 0),
                 QStringLiteral("УПРАЖНЕНИЕ 1 / этап 1 из 2"));
        QCOMPARE(win.cycle().ActiveExercise(), 0);
        QCOMPARE(win.shulte().RunPhase, 0);
        QCOMPARE(win.board().BgColor(), TColor(win.form->Looks().ShulteBGColor));
        QVERIFY(!t.game().Running());
    }

    // A score equal to the limit passes: the last step completes the current lesson.
    void targetsScoreAtTheLimitCompletesTheLesson() {
        Ladder win(SchulteThenTargets);
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        win.playSchulte(25500);
        win.awaitStep(2);
        TargetsStep t(win);
        t.playFirstStage(900);
        t.loseTheGame();
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("100"));
        QVERIFY(win.seams.dialogs.questions.isEmpty());
        QCOMPARE(win.seams.dialogs.messages.last(), QStringLiteral("УПРАЖНЕНИЕ ПРОЙДЕНО"));
        QVERIFY(!win.cycle().LadderActive());
        QCOMPARE(win.form->UprLevel, 1);
        QCOMPARE(win.stored().level, 1);
        QCOMPARE(win.stored().subLevel, 0);
        QTest::qWait(30);
        QVERIFY(!win.cycle().UprTimer().isActive());
        QCOMPARE(win.seams.dialogs.messages.size(), 3);
        QCOMPARE(driver.opened, 1);
    }

    // Taking the points ends a counter run like clearing the board: the time with the
    // penalty for the cells left is judged, whether it passes or not.
    void counterEndedByTakingThePointsIsJudged() {
        Ladder win("[LESSON_1]\nname=Счет\nopis=Два поля.\n"
                   "L1=6\nR1=3\nF1=80\nS1=Первое поле\nL2=6\nR2=3\nF2=91\nS2=Второе поле\n");
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        auto* math = &dynamic_cast<MathExercise&>(win.cycle().ExerciseAt(Math));
        auto* takePoints = win.form->findChild<QToolButton*>("GetScoreSB");
        QCOMPARE(win.cycle().ActiveExercise(), Math);
        QCOMPARE(win.w().Page(Math).RunPhase, 0);
        // A ladder run is not a series: the operands stay small.
        QCOMPARE(math->MaxOperand(), 10);
        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QVERIFY(takePoints->isVisible());

        const MathExercise::Triple first = math->Triples()[0];
        for (int cell : {first.aCell, first.bCell, first.sumCell})
            ClickCell(win, cell);
        QCOMPARE(win.seams.sounds.count("N3"), 1);
        win.tickAfter(12300);
        QTest::mouseClick(takePoints, Qt::LeftButton);
        // 12.3 seconds and 10 for each of the six cells left.
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("72.3"));
        QCOMPARE(win.stored().subLevel, 1);
        QVERIFY(win.seams.dialogs.questions.isEmpty());
        QVERIFY(win.cycle().LadderActive());

        win.awaitStep(2);
        QCOMPARE(win.w().Page(Math).RunPhase, 0);
        win.tickAfter(1500);
        QTest::mouseClick(takePoints, Qt::LeftButton);
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("91.5"));
        QCOMPARE(win.seams.dialogs.questions,
                 QStringList{QStringLiteral("УПРАЖНЕНИЕ НЕВЫПОЛНЕНО, ПОПЫТАЕМСЯ ЕЩЁ РАЗ?")});
        QVERIFY(!win.cycle().LadderActive());
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(win.form->UprLevel, 0);
        QCOMPARE(driver.opened, 1);
        QCOMPARE(win.table("scounter.rec").mid(0, 2), QStringList({"Anna", "72.3"}));
    }

    // Memorising and answering both count in a ladder run; wrong answers add their penalty.
    // Number mnemonics passes exactly at its limit, word mnemonics misses by a tenth.
    void memoriseStepsRunThroughBothPhasesAndAreJudged() {
        Ladder win("[LESSON_1]\nname=Память\nopis=Числа и слова.\n"
                   "L1=5\nR1=1\nF1=60\nS1=Числа\nL2=4\nR2=1\nF2=30\nS2=Слова\n");
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        ControlPage& numbersPage = win.w().Page(Numbers);
        QCOMPARE(win.cycle().ActiveExercise(), Numbers);
        QCOMPARE(numbersPage.RunPhase, 2);
        QVERIFY(win.board().BlockClick());
        QVERIFY(win.board().Series());
        const QStringList shown =
            dynamic_cast<NumbersExercise&>(win.cycle().ExerciseAt(Numbers)).ShownNumbers();
        QCOMPARE(shown.size(), 10);
        win.tickAfter(20000);
        QTest::mouseClick(numbersPage.StartSB, Qt::LeftButton);
        QCOMPARE(numbersPage.RunPhase, 3);
        QVERIFY(win.cycle().SysTimer().isActive());
        QVERIFY(!ClickText(win, shown[1]));
        QCOMPARE(numbersPage.ShtrafTimerP->text(), QStringLiteral("15"));
        for (int k = 0; k < 9; ++k)
            QVERIFY(ClickText(win, shown[k]));
        win.tickAfter(25000);
        QVERIFY(ClickText(win, shown[9]));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("60"));
        QCOMPARE(win.stored().subLevel, 1);
        QVERIFY(win.seams.dialogs.questions.isEmpty());

        win.awaitStep(2);
        ControlPage& mnemoPage = win.w().Page(2);
        QCOMPARE(win.cycle().ActiveExercise(), 2);
        QCOMPARE(mnemoPage.RunPhase, 2);
        const QStringList words = win.board().LinesList();
        QCOMPARE(words.size(), 10);
        win.tickAfter(20000);
        QTest::mouseClick(mnemoPage.StartSB, Qt::LeftButton);
        QCOMPARE(mnemoPage.RunPhase, 3);
        for (int k = 0; k < 9; ++k)
            QVERIFY(ClickText(win, words[k]));
        win.tickAfter(10100);
        QVERIFY(ClickText(win, words[9]));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("30.1"));
        QCOMPARE(win.seams.dialogs.questions.size(), 1);
        QVERIFY(!win.cycle().LadderActive());
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(driver.opened, 1);
    }

    // Another user cannot sign in while a lesson runs, neither during a step nor in the
    // pause before the next: the lesson's progress stays with the user who started it.
    void signInAsAnotherUserWaitsForTheLadderToEnd() {
        Ladder win("[LESSON_1]\nname=Шульте\nopis=Две таблицы.\n"
                   "L1=0\nR1=5\nF1=40\nS1=a\nL2=0\nR2=5\nF2=40\nS2=b\n");
        UserFiles(win.folder.path()).CreateUser("Boris", QString());
        QAction* userN = win.form->Menu().UserN;
        SignInWatch signIn;
        UprDriver driver({Start});
        win.form->N1Click();
        win.awaitStep(1);
        QVERIFY(!userN->isEnabled());
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 0);

        win.playSchulte(30000);
        QVERIFY(win.cycle().LadderActive());
        QVERIFY(win.cycle().UprTimer().isActive());
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 0);
        QCOMPARE(win.form->CurrentUser, QStringLiteral("Anna"));

        win.awaitStep(2);
        QVERIFY(!userN->isEnabled());
        win.start();
        QCOMPARE(win.seams.dialogs.messages.last(), QStringLiteral("УПРАЖНЕНИЕ ПРЕРВАНО"));
        QVERIFY(userN->isEnabled());
        userN->trigger();
        QCOMPARE(signIn.opened, 1);
        QCOMPARE(win.form->CurrentUser, QStringLiteral("Boris"));
        QCOMPARE(win.form->UprSubLevel, 0);
        QCOMPARE(win.stored().subLevel, 1);
        QCOMPARE(win.stored(QStringLiteral("Boris")).subLevel, 0);
        QCOMPARE(win.form->Menu().LevelNameN->title(), QStringLiteral("Boris - ступень 0.0"));
    }

    // A single run keeps the user too; the menu item comes back when the run ends.
    void signInWaitsForASingleRunToEnd() {
        Ladder win("[LESSON_1]\nname=a\nL1=0\nR1=5\n");
        UserFiles(win.folder.path()).CreateUser("Boris", QString());
        SignInWatch signIn;
        win.start();
        QVERIFY(!win.form->Menu().UserN->isEnabled());
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 0);
        win.playSchulte(20000);
        QCOMPARE(win.table("shulte.rec").mid(0, 2), QStringList({"Anna", "20"}));
        QVERIFY(win.form->Menu().UserN->isEnabled());
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 1);
        QCOMPARE(win.form->CurrentUser, QStringLiteral("Boris"));
    }

    // Between two runs of a series nothing runs, but the series still belongs to its user.
    void signInWaitsForASeriesToEnd() {
        Ladder win("[LESSON_1]\nname=a\nL1=0\nR1=5\n");
        UserFiles(win.folder.path()).CreateUser("Boris", QString());
        SignInWatch signIn;
        win.w().SetSeriesMode(true);
        win.cycle().SetSeriesExercise(1);
        win.cycle().SetSeriesStep(3);
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 0);
        win.cycle().SetSeriesExercise(0);
        win.form->UserNClick();
        QCOMPARE(signIn.opened, 1);
        QCOMPARE(win.form->CurrentUser, QStringLiteral("Boris"));
    }
};

QTEST_MAIN(TestLadderExercises)
#include "tst_ladder_exercises.moc"
