#include "ShellFixture.h"
#include "app/RecordLayout.h"
#include "app/RecordPanel.h"
#include "exercises/ClickerPanel.h"
#include "app/RunHooks.h"
#include "exercises/TargetShape.h"
#include "exercises/TargetsExercise.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <optional>

namespace {

using shell::HookRecorder;
using shell::Window;
using Clicker = TargetGame::Clicker;

// The targets page of a main window, played through real presses on the clicker with the
// timer's tick called by hand.
struct TargetsWindow {
    Window win;
    TargetsExercise* targets = nullptr;
    ClickerPanel* clicker = nullptr;

    explicit TargetsWindow(const QString& user = QStringLiteral("Анна")) : win(77, user) {
        win.w().TabSwitchCB->setCurrentIndex(2);
        targets = &dynamic_cast<TargetsExercise&>(win.form->Cycle().ExerciseAt(3));
        clicker = win.form->findChild<ClickerPanel*>("TargetClickP");
    }
    ControlPage& page() { return win.w().Page(3); }
    const TargetGame& game() const { return targets->Game(); }
    void start() { QTest::mouseClick(page().StartSB, Qt::LeftButton); }
    void press(Qt::MouseButton button) { QTest::mouseClick(clicker, button); }
    void tick() {
        win.seams.clock.advance(game().Interval());
        targets->DXTimer1Timer();
    }
    void pressAfter(int ms) {
        win.seams.clock.advance(ms);
        press(Qt::LeftButton);
    }
    // Begins the prepared stage and hits every pattern until the stage ends.
    void playStage(int reactionMs) {
        const int stage = game().TargetStage();
        press(Qt::RightButton);
        for (int guard = 0; guard < 1000 && game().Running() && game().TargetStage() == stage;
             ++guard) {
            tick();
            if (game().TargetPending())
                pressAfter(reactionMs);
        }
    }
    // Begins the prepared stage and answers each showing without a pattern with a press,
    // until no life is left.
    void loseTheGame(int reactionMs = 300) {
        press(Qt::RightButton);
        for (int guard = 0; guard < 1000 && game().Running(); ++guard) {
            tick();
            if (game().Running())
                pressAfter(game().TargetPending() ? reactionMs : 50);
        }
    }
    QString resultHint(int row) {
        return win.form->Records().RecList()[RecordLayout::FirstResult + row]->toolTip();
    }
};

// Notes whether the game's timer was still on when a message was shown.
class TimerWitness : public ScriptedDialogs {
public:
    const ShowingPace* pace = nullptr;
    QList<bool> timerOnAtMessage;
    void Message(const QString& text, Kind kind) override {
        timerOnAtMessage << pace->Enabled();
        ScriptedDialogs::Message(text, kind);
    }
};

} // namespace

class TestShellTargets : public QObject {
    Q_OBJECT

private slots:
    void wholeGameEntersTheScoreWithItsDetail() {
        TargetsWindow t;
        t.start();
        QCOMPARE(t.page().RunPhase, 0);
        QCOMPARE(t.page().StartSB->text(), QStringLiteral("Стоп"));
        QVERIFY(!t.page().SwitchSB->isEnabled());
        QVERIFY(!t.win.w().RecordP->isVisible());
        QCOMPARE(t.win.board().LinesList(), QStringList{"этап 1 [1 попадание]"});
        QCOMPARE(t.win.w().TimerP->text(), QStringLiteral("0"));
        QVERIFY(t.clicker->isEnabled());
        // The score is shown, not a time.
        QVERIFY(!t.win.form->Cycle().SysTimer().isActive());

        t.playStage(250);
        t.playStage(250);
        QCOMPARE(t.win.w().TimerP->text(), QStringLiteral("3350"));
        t.loseTheGame(250);

        QVERIFY(!t.game().Running());
        const int score = 1 * (1000 - 250) + 4 * (900 - 250);
        QCOMPARE(t.game().TargetScore(), score);
        QCOMPARE(t.win.w().TimerP->text(), QString::number(score));
        QCOMPARE(t.page().RunPhase, 1);
        QCOMPARE(t.page().StartSB->text(), QStringLiteral("Старт"));
        QVERIFY(t.page().SwitchSB->isEnabled());
        QVERIFY(t.win.w().RecordP->isVisible());
        QVERIFY(t.win.w().TabSwitchCB->isVisible());
        QVERIFY(!t.clicker->isEnabled());
        QVERIFY(!t.targets->Pace().Enabled());

        const QString detail = t.game().DetailText();
        QCOMPARE(
            detail,
            QStringLiteral(" [этап 3 (800)]  [%1]  [250] ").arg(t.targets->TargetInfoP(3)->text()));
        const QStringList table = t.win.table("targets.rec");
        QCOMPARE(table.size(), 160);
        QCOMPARE(table.mid(0, 4),
                 QStringList({"Анна", QString::number(score), detail, t.win.today()}));
        QVERIFY(table.mid(4).join(QString()).isEmpty());
        QCOMPARE(t.win.seams.sounds.played.last(), qMakePair(QStringLiteral("REC_IN"), 2));
        QCOMPARE(t.resultHint(0), detail);
        QCOMPARE(t.win.form->Records().RecList()[RecordLayout::FirstResult]->text(),
                 QString::number(score));
        QVERIFY(t.resultHint(1).isEmpty());
    }

    void modeButtonStepsThroughFieldJokerRowCircle() {
        TargetsWindow t;
        QToolButton* mode = t.page().SwitchSB;
        QCOMPARE(mode->text(), QStringLiteral("Режим [поле]"));
        const QStringList captions = {"Режим [джокер]", "Режим [ряд]", "Режим [круг]",
                                      "Режим [поле]"};
        const QList<int> modes = {4, 2, 3, 1};
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(mode, Qt::LeftButton);
            QCOMPARE(mode->text(), captions[i]);
            QCOMPARE(t.page().ExerciseMode, modes[i]);
            QCOMPARE(t.win.form->Cycle().Records().mode, modes[i]);
        }
        // A joker game goes to the fourth table of the file.
        QTest::mouseClick(mode, Qt::LeftButton);
        t.start();
        QVERIFY(!t.targets->Shape(1)->isVisible());
        t.playStage(300);
        QCOMPARE(t.game().TargetScore(), 1500 - 300);
        t.loseTheGame();
        const QStringList table = t.win.table("targets.rec");
        QCOMPARE(table.mid(120, 2), QStringList({"Анна", "1200"}));
        QVERIFY(table.mid(0, 120).join(QString()).isEmpty());
        QCOMPARE(t.resultHint(0), table[122]);
    }

    // The information panels show their texts whole in the narrow control panel: the
    // captions before a game, and a joker game's longest stage text during one.
    void infoPanelsShowTheirTextsWhole() {
        TargetsWindow t;
        QCoreApplication::processEvents();
        auto checkWhole = [&] {
            for (int n = 1; n <= 5; ++n) {
                const QLabel* panel = t.targets->TargetInfoP(n);
                QVERIFY2(QFontMetrics(panel->font()).horizontalAdvance(panel->text()) <=
                             panel->contentsRect().width(),
                         qPrintable(panel->text()));
            }
        };
        QCOMPARE(t.targets->TargetInfoP(1)->text(), QStringLiteral("этап / задержка"));
        checkWhole();
        QTest::mouseClick(t.page().SwitchSB, Qt::LeftButton);
        t.start();
        QCOMPARE(t.targets->TargetInfoP(1)->text(), QStringLiteral("этап 1 (1500)"));
        checkWhole();
        t.playStage(300);
        checkWhole();
    }

    // The right click that begins a stage is said by the clicker's and the board's hints,
    // in both languages; the board's hint stands only between stages and leaves with the game.
    void hintsSayWhatAPressDoes_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("modeClicks");
        QTest::addColumn<int>("answerHint");
        QTest::newRow("russian field") << 2 << 0 << int(Tx::ClickerAnswerHint);
        QTest::newRow("english field") << 1 << 0 << int(Tx::ClickerAnswerHint);
        QTest::newRow("english joker") << 1 << 1 << int(Tx::ClickerJokerHint);
    }

    void hintsSayWhatAPressDoes() {
        QFETCH(int, language);
        QFETCH(int, modeClicks);
        QFETCH(int, answerHint);
        TargetsWindow t;
        t.win.form->LanguageNClick(language);
        const auto hints = [&](Tx clicker, std::optional<Tx> board) {
            QCOMPARE(t.clicker->toolTip(), T(clicker, language));
            QCOMPARE(t.win.board().toolTip(), board ? T(*board, language) : QString());
        };
        hints(Tx::ClickerIdleHint, std::nullopt);
        for (int i = 0; i < modeClicks; ++i)
            QTest::mouseClick(t.page().SwitchSB, Qt::LeftButton);
        t.start();
        hints(Tx::ClickerBeginHint, Tx::BoardBeginHint);
        // The caption says it too in English, and fits the clicker.
        const QRect area = t.clicker->contentsRect();
        QVERIFY(area.contains(QFontMetrics(t.clicker->font())
                                  .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap,
                                                t.clicker->text())));
        t.press(Qt::RightButton);
        hints(Tx(answerHint), std::nullopt);
        t.tick();
        hints(Tx(answerHint), std::nullopt);
        t.start();
        hints(Tx::ClickerIdleHint, std::nullopt);
        t.win.form->LanguageNClick(2);
    }

    void stopNeverEntersTheTable() {
        TargetsWindow t;
        const QByteArray before = LoadFileBytes(t.win.tablePath("targets.rec"));
        t.start();
        t.playStage(200);
        t.press(Qt::RightButton);
        t.tick();
        t.start();
        QVERIFY(!t.game().Running());
        QVERIFY(t.game().TargetAborted());
        QVERIFY(!t.targets->Pace().Enabled());
        QCOMPARE(t.page().RunPhase, 1);
        QCOMPARE(t.page().StartSB->text(), QStringLiteral("Старт"));
        QVERIFY(t.win.w().RecordP->isVisible());
        QVERIFY(!t.clicker->isEnabled());
        QVERIFY(!t.win.board().BlockClick());
        QCOMPARE(t.win.w().TimerP->text(), QStringLiteral("800"));
        QCOMPARE(t.win.seams.sounds.count("REC_IN"), 0);
        QCOMPARE(LoadFileBytes(t.win.tablePath("targets.rec")), before);
        QVERIFY(t.win.seams.dialogs.messages.isEmpty());
    }

    void seriesGameBeginsEachStageAtOnceAndSavesStats() {
        TargetsWindow t;
        HookRecorder hooks;
        t.win.form->Cycle().SetSeriesHooks(&hooks);
        t.win.form->Cycle().SetLadderHooks(&hooks);
        t.win.w().LessonChB->setChecked(true);
        t.start();
        QCOMPARE(hooks.calls, QStringList{"SeriesInterlude:Режим [поле]"});
        QCOMPARE(t.win.form->Cycle().SeriesExercise(), 4);
        QCOMPARE(t.game().ClickerState(), Clicker::Waiting);
        QVERIFY(t.targets->Pace().Enabled());
        for (int guard = 0; guard < 1000 && t.game().TargetStage() == 1; ++guard) {
            t.tick();
            if (t.game().TargetPending())
                t.pressAfter(400);
        }
        QCOMPARE(t.game().TargetStage(), 2);
        QVERIFY(t.targets->Pace().Enabled());
        t.win.seams.clock.advance(10);
        for (int guard = 0; guard < 1000 && t.game().Running(); ++guard) {
            t.tick();
            if (t.game().Running())
                t.pressAfter(t.game().TargetPending() ? 300 : 50);
        }
        QCOMPARE(hooks.calls.last(), QStringLiteral("SaveStats"));
        QCOMPARE(t.win.table("stargets.rec")[1], QStringLiteral("600"));
        QVERIFY(t.win.table("targets.rec").join(QString()).isEmpty());
        t.win.form->Cycle().SetSeriesHooks(nullptr);
        t.win.form->Cycle().SetLadderHooks(nullptr);
    }

    // The stop message of a ladder run comes after the game's timer has stopped, so the
    // game does not go on behind it.
    void stoppedLadderGameStopsItsTimerBeforeTheBox() {
        TargetsWindow t;
        TimerWitness witness;
        witness.pace = &t.targets->Pace();
        InstallDialogs(&witness);
        HookRecorder hooks;
        t.win.form->Cycle().SetLadderHooks(&hooks);
        t.win.form->Cycle().SetLadderActive(true);
        t.start();
        QVERIFY(t.targets->Pace().Enabled());
        t.tick();
        t.start();
        QCOMPARE(witness.messages, QStringList{"УПРАЖНЕНИЕ ПРЕРВАНО"});
        QCOMPARE(witness.timerOnAtMessage, QList<bool>{false});
        QVERIFY(!t.win.form->Cycle().LadderActive());
        QVERIFY(t.game().TargetAborted());
        QVERIFY(hooks.calls.isEmpty());
        QVERIFY(!t.win.form->Cycle().UprTimer().isActive());
        QCOMPARE(t.win.seams.sounds.count("REC_IN"), 0);
        InstallDialogs(&t.win.seams.dialogs);
        t.win.form->Cycle().SetLadderHooks(nullptr);
    }

    void ladderGameEndStartsTheLadderTimer() {
        TargetsWindow t;
        HookRecorder hooks;
        t.win.form->Cycle().SetLadderHooks(&hooks);
        t.win.form->Cycle().SetLadderActive(true);
        t.start();
        for (int guard = 0; guard < 1000 && t.game().Running(); ++guard) {
            t.tick();
            if (t.game().Running())
                t.pressAfter(t.game().TargetPending() ? 300 : 50);
        }
        QCOMPARE(hooks.calls, QStringList{"LadderStep"});
        QVERIFY(t.win.form->Cycle().UprTimer().isActive());
        t.win.form->Cycle().UprTimer().stop();
        t.win.form->Cycle().SetLadderHooks(nullptr);
    }

    void nextExerciseDetachesTheTargetsLook() {
        TargetsWindow t;
        t.start();
        t.start();
        t.win.w().TabSwitchCB->setCurrentIndex(0);
        t.win.start();
        QCOMPARE(t.win.board().ColCount(), 5);
        QVERIFY(!t.win.board().BlockClick());
        QVERIFY(!t.targets->Shape(1)->isVisible());
        QVERIFY(t.win.press(1));
    }
};

QTEST_MAIN(TestShellTargets)
#include "tst_shell_targets.moc"
