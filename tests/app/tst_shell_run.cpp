#include "ShellFixture.h"
#include "app/CaptionPanel.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/FileCipher.h"
#include "data/NumberFormat.h"
#include "data/Random.h"
#include "app/RunHooks.h"
#include "exercises/ShulteExercise.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

using shell::HookRecorder;
using shell::Window;

} // namespace

class TestShellRun : public QObject {
    Q_OBJECT

private slots:
    void wholeSchulteRunEntersTheTimeOfTheLastTick() {
        Window win;
        win.start();
        QCOMPARE(win.board().ColCount(), 5);
        QCOMPARE(win.board().LinesList().size(), 25);
        int wrong = 0;
        for (int v = 1; v <= 24; ++v) {
            if (v % 6 == 0) {
                QVERIFY(!win.press(v + 1));
                ++wrong;
            }
            QVERIFY(win.press(v));
            const int cell = win.board().LinesList().indexOf(QString::number(v));
            QCOMPARE(win.board().Mark(cell), 0);
            if (v % 5 == 0)
                win.tickAfter(2000);
        }
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("8.0"));
        win.tickAfter(4300);
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("12.3"));
        // The final press comes 40 ms after the last tick; the result is the tick's value.
        win.seams.clock.advance(40);
        QVERIFY(win.press(25));

        QCOMPARE(win.w().TimerP->text(), QStringLiteral("12.3"));
        QCOMPARE(win.seams.sounds.count("CLICK"), 25);
        QCOMPARE(win.seams.sounds.count("ERROR"), wrong);
        QCOMPARE(win.seams.sounds.played.last(), qMakePair(QStringLiteral("REC_IN"), 2));
        const QStringList table = win.table("shulte.rec");
        QCOMPARE(table.size(), 150);
        QCOMPARE(table.mid(0, 3), QStringList({QString(), "12.3", win.today()}));
        QVERIFY(table.mid(3).join(QString()).isEmpty());

        QCOMPARE(win.shulte().RunPhase, 1);
        QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Старт"));
        QVERIFY(win.shulte().SwitchSB->isEnabled());
        QVERIFY(win.w().RecordP->isVisible());
        QVERIFY(win.w().TabSwitchCB->isVisible());
        QVERIFY(win.w().BaseButtonP->Caption().isEmpty());
        QVERIFY(!win.form->Cycle().SysTimer().isActive());
        QVERIFY(win.form->Menu().FullScreenN->isEnabled());
        QCOMPARE(win.form->Cycle().Records().rows[0].result, QStringLiteral("12.3"));
        QVERIFY(win.seams.dialogs.messages.isEmpty());
    }

    // A run that ends before the run timer's first tick took no time, not the time the display
    // still showed from the run before.
    void runEndedBeforeTheFirstTickTakesNoTimeOfTheRunBefore() {
        Window win;
        win.start();
        win.tickAfter(12300);
        for (int v = 1; v <= 25; ++v)
            QVERIFY(win.press(v));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("12.3"));
        win.start();
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("0.0"));
        for (int v = 1; v <= 25; ++v)
            QVERIFY(win.press(v));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("0.0"));
        QCOMPARE(win.table("shulte.rec").mid(0, 5),
                 QStringList({QString(), "0", win.today(), QString(), "12.3"}));
    }

    void runningLookHidesTheListAndShowsTheHeading() {
        Window win;
        win.start();
        MainWidgets& w = win.w();
        QCOMPARE(win.shulte().RunPhase, 0);
        QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Стоп"));
        QVERIFY(!win.shulte().SwitchSB->isEnabled());
        QVERIFY(!w.TabSwitchCB->isVisible());
        QVERIFY(!w.LessonSB->isVisible());
        QCOMPARE(w.BaseButtonP->Caption(), shell::Headings()[0]);
        QVERIFY(!win.form->Menu().FullScreenN->isEnabled());
        QVERIFY(!w.RecordP->isVisible());
        QVERIFY(w.OxelP->isVisible());
        QVERIFY(win.form->Cycle().SysTimer().isActive());
        QCOMPARE(win.form->Cycle().SysTimer().interval(), 100);
        QCOMPARE(win.form->Cycle().SysTimer().timerType(), Qt::PreciseTimer);
        QVERIFY(!win.board().BlockClick());
        QVERIFY(win.board().SmallerFont());
        QVERIFY(!win.board().Series());
    }

    void stopRightAfterStartKeepsTheTimeAndEntersNothing() {
        Window win;
        const QByteArray before = LoadFileBytes(win.folder.file("rec/shulte.rec"));
        win.start();
        win.tickAfter(1500);
        QVERIFY(win.press(1));
        win.start();
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("1.5"));
        QCOMPARE(win.shulte().RunPhase, 1);
        QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Старт"));
        QVERIFY(!win.form->Cycle().SysTimer().isActive());
        QVERIFY(win.w().RecordP->isVisible());
        QCOMPARE(win.seams.sounds.count("REC_IN"), 0);
        QCOMPARE(LoadFileBytes(win.folder.file("rec/shulte.rec")), before);
    }

    void modeButtonCyclesTheSizes() {
        Window win;
        QToolButton* mode = win.shulte().SwitchSB;
        const QStringList captions = {"Режим 6x6", "Режим 7x7", "Режим 8x8", "Режим 9x9",
                                      "Режим 5x5"};
        for (const QString& caption : captions) {
            win.form->Cycle().SysTimer().start();
            QTest::mouseClick(mode, Qt::LeftButton);
            QCOMPARE(mode->text(), caption);
            QVERIFY(!win.form->Cycle().SysTimer().isActive());
            QCOMPARE(win.form->Cycle().Records().mode, caption.mid(6, 1).toInt());
        }
        QTest::mouseClick(mode, Qt::LeftButton);
        win.start();
        QCOMPARE(win.board().ColCount(), 6);
        QCOMPARE(win.board().LinesList().size(), 36);
    }

    void boardFillsTheBoardArea() {
        Window win;
        win.start();
        TOxelPanel& board = win.board();
        const QRect area = win.w().BaseP->contentsRect();
        QVERIFY(area.contains(board.geometry()));
        QVERIFY(board.width() > area.width() - 20);
        QVERIFY(board.height() > area.height() - 20);
        QCOMPARE(board.ColLeft(5), board.width());
        QCOMPARE(board.RowTop(5), board.height());
        QCOMPARE(board.CellAt(board.CellRect(24).center().x(), board.CellRect(24).center().y()),
                 24);
    }

    void centreMarkFramesTheCentreOnOddAndDotsTheCrossingOnEven() {
        Window win;
        win.start();
        TOxelPanel& board = win.board();
        const QColor mark = ColorToQColor(board.GPColor());
        const QColor background = ColorToQColor(board.BgColor());
        QVERIFY(board.GP());
        QImage image = board.grab().toImage();
        // 5x5: a frame just inside the centre cell.
        bool frame = false;
        for (int dx = 1; dx <= 4; ++dx)
            frame = frame || image.pixelColor(board.ColLeft(2) + dx, board.RowTop(2) + 10) == mark;
        QVERIFY(frame);
        QCOMPARE(image.pixelColor(board.ColLeft(2) + 8, board.RowTop(2) + 8), background);

        win.start();
        QTest::mouseClick(win.shulte().SwitchSB, Qt::LeftButton);
        win.start();
        QCOMPARE(board.RowCount(), 6);
        image = board.grab().toImage();
        // 6x6: a dot on the crossing of the two central grid lines.
        QCOMPARE(image.pixelColor(board.ColLeft(3) + 3, board.RowTop(3) + 3), mark);
        QCOMPARE(image.pixelColor(board.ColLeft(3) - 3, board.RowTop(3) - 3), mark);
        QCOMPARE(image.pixelColor(board.ColLeft(3) + 12, board.RowTop(3) + 12), background);
    }

    void clockSetBackStopsTheTimerWith9999() {
        Window win;
        win.start();
        win.tickAfter(2000);
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("2.0"));
        win.seams.clock.now -= 5000;
        win.form->SysTimerTimer();
        QCOMPARE(win.seams.dialogs.messages,
                 QStringList{QStringLiteral("Изменено системное время!!! Чит?")});
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("9999"));
        QVERIFY(!win.form->Cycle().SysTimer().isActive());
        // The run goes on; its result of 9999 seconds does not enter over empty rows.
        for (int v = 1; v <= 25; ++v)
            QVERIFY(win.press(v));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("9999"));
        QCOMPARE(win.seams.sounds.count("REC_IN"), 0);
        QVERIFY(win.table("shulte.rec").join(QString()).isEmpty());
    }

    void resultGoesToTheTableOfTheMode() {
        Window win;
        QTest::mouseClick(win.shulte().SwitchSB, Qt::LeftButton);
        QTest::mouseClick(win.shulte().SwitchSB, Qt::LeftButton);
        win.start();
        for (int v = 1; v <= 48; ++v)
            win.press(v);
        win.tickAfter(31000);
        QVERIFY(win.press(49));
        const QStringList table = win.table("shulte.rec");
        QCOMPARE(table.mid(60, 3), QStringList({QString(), "31", win.today()}));
        QVERIFY(table.mid(0, 60).join(QString()).isEmpty());
    }

    // The end of a run of an exercise with a penalty display, as its last press calls it.
    void penaltyIsAddedToTheTimeInGeneralFormat() {
        Window win;
        win.w().TabSwitchCB->setCurrentIndex(6);
        RunCycle& cycle = win.form->Cycle();
        QCOMPARE(cycle.ActiveExercise(), 4);
        QTest::mouseClick(win.w().Page(4).StartSB, Qt::LeftButton);
        win.tickAfter(23400);
        cycle.AddPenalty(10);
        cycle.AddPenalty(5);
        QCOMPARE(win.form->findChild<QLabel*>("MathShtrafTimerP")->text(), QStringLiteral("15"));
        QCOMPARE(cycle.Penalty(), 15);
        cycle.FinishRun();
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("38.4"));
        QCOMPARE(win.table("counter.rec").mid(0, 3), QStringList({QString(), "38.4", win.today()}));
        QCOMPARE(win.seams.sounds.played.last(), qMakePair(QStringLiteral("REC_IN"), 2));
        QVERIFY(win.w().RecordP->isVisible());
    }

    void noPenaltyDisplayLeavesTheTimeAsShown() {
        Window win;
        RunCycle& cycle = win.form->Cycle();
        win.start();
        win.tickAfter(30000);
        cycle.AddPenalty(15);
        QCOMPARE(cycle.Penalty(), 0);
        cycle.FinishRun();
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("30.0"));
        QCOMPARE(win.table("shulte.rec")[1], QStringLiteral("30"));
    }

    void missingTableIsReportedAndTheRunStillEnds() {
        Window win;
        win.start();
        QFile::remove(win.folder.file("rec/shulte.rec"));
        win.tickAfter(3000);
        for (int v = 1; v <= 25; ++v)
            win.press(v);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QVERIFY(win.seams.dialogs.messages[0].contains("shulte.rec"));
        QCOMPARE(win.shulte().RunPhase, 1);
        QVERIFY(win.w().TabSwitchCB->isVisible());
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("3.0"));
    }

    void startClosesTheHelpFirst() {
        Window win;
        QTest::mouseClick(win.shulte().HelpSB, Qt::LeftButton);
        QVERIFY(win.w().HelpP->isVisible());
        win.start();
        QVERIFY(!win.w().HelpP->isVisible());
        QCOMPARE(win.shulte().RunPhase, 0);
    }

    void previewShowsTheBackgroundOfTheExerciseUnderTheMouse() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        {
            TDataFile ini(folder.file("oxel.ini"));
            ini.WriteInteger("OPTIONS", "ShulteBGColor", 0x203040);
            ini.WriteInteger("OPTIONS", "MathBGColor", 0x506070);
        }
        TMainForm form(folder.path());
        form.show();
        TOxelPanel& board = *form.Widgets().OxelP;
        QToolButton* shulte = form.findChild<QToolButton*>("ShulteStartSB");
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(shulte, &move);
        QCOMPARE(board.BgColor(), TColor(0x203040));
        QApplication::sendEvent(form.findChild<QToolButton*>("MathStartSB"), &move);
        QCOMPARE(board.BgColor(), TColor(0x506070));
        QApplication::sendEvent(form.findChild<QToolButton*>("RBShulteStartSB"), &move);
        QCOMPARE(board.BgColor(), TColor(0xF0FBFF));
    }

    void seriesStartRunsTheInterludeAndTheEndSavesStats() {
        Window win;
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(true);
        win.start();
        QCOMPARE(hooks.calls, QStringList{"SeriesInterlude:Режим 5x5"});
        QCOMPARE(win.form->Cycle().SeriesExercise(), 1);
        QVERIFY(win.board().Series());
        QVERIFY(!win.board().SmallerFont());
        win.tickAfter(5500);
        for (int v = 1; v <= 25; ++v)
            win.press(v);
        QCOMPARE(hooks.calls.last(), QStringLiteral("SaveStats"));
        QVERIFY(!win.form->Cycle().UprTimer().isActive());
        // A series result goes to the series table.
        QCOMPARE(win.table("sshulte.rec").size(), 150);
        QVERIFY(win.table("shulte.rec").join(QString()).isEmpty());
        QCOMPARE(win.table("sshulte.rec")[1], QStringLiteral("5.5"));
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void cancelledInterludeLeavesEverythingIdle() {
        Window win;
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        hooks.cancelInterlude = true;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(true);
        win.form->Cycle().SetSeriesStep(3);
        win.start();
        QCOMPARE(win.shulte().RunPhase, 1);
        QCOMPARE(win.form->Cycle().SeriesExercise(), 0);
        QCOMPARE(win.form->Cycle().SeriesStep(), 1);
        QVERIFY(win.w().LessonChB->isChecked());
        QVERIFY(win.w().TabSwitchCB->isVisible());
        QVERIFY(!win.form->Cycle().SysTimer().isActive());
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void stoppedSeriesRunDropsTheSeries() {
        Window win;
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(true);
        win.form->Cycle().SetSeriesStep(4);
        win.start();
        win.start();
        QCOMPARE(win.form->Cycle().SeriesExercise(), 0);
        QCOMPARE(win.form->Cycle().SeriesStep(), 1);
        QVERIFY(!hooks.calls.contains("SaveStats"));
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void ladderRunUsesTheSeriesLookAndStartsTheLadderTimer() {
        Window win;
        HookRecorder hooks;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(true);
        win.form->Cycle().SetLadderActive(true);
        win.start();
        QVERIFY(hooks.calls.isEmpty());
        QCOMPARE(win.form->Cycle().SeriesExercise(), 0);
        QVERIFY(win.board().Series());
        QVERIFY(!win.board().SmallerFont());
        for (int v = 1; v <= 25; ++v)
            win.press(v);
        QCOMPARE(hooks.calls, QStringList{"LadderStep"});
        QVERIFY(win.form->Cycle().UprTimer().isActive());
        QTRY_COMPARE(hooks.calls, QStringList({"LadderStep", "UprTimerTimer"}));
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void stoppedLadderRunIsInterrupted() {
        Window win;
        HookRecorder hooks;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.form->Cycle().SetLadderActive(true);
        win.start();
        win.start();
        QCOMPARE(win.seams.dialogs.messages, QStringList{QStringLiteral("УПРАЖНЕНИЕ ПРЕРВАНО")});
        QVERIFY(!win.form->Cycle().LadderActive());
        QVERIFY(hooks.calls.isEmpty());
        QVERIFY(!win.form->Cycle().UprTimer().isActive());
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void lessonTimerPressesTheStartOfTheSeriesExercise() {
        Window win;
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(true);
        win.form->Cycle().SetSeriesExercise(1);
        win.form->Cycle().LessonTimer().start();
        QTRY_COMPARE(win.shulte().RunPhase, 0);
        QCOMPARE(hooks.calls, QStringList{"SeriesInterlude:Режим 5x5"});
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }
};

QTEST_MAIN(TestShellRun)
#include "tst_shell_run.moc"
