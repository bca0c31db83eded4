#include "ShellFixture.h"
#include "app/AnalysisLauncher.h"
#include "app/AnswerKeys.h"
#include "app/FinishedRuns.h"
#include "app/RunCycle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

using shell::HookRecorder;
using shell::Window;
using Stage = FinishedRuns::Stage;

const QString User = QStringLiteral("Анна");
const QStringList StageNames = {"best", "window", "continuation", "keeping"};

} // namespace

// What flows through the run cycle: one finished-run value through its stages in order, and
// the keys of the window to an exercise that answers with keys.
class TestRunFlow : public QObject {
    Q_OBJECT

private slots:
    // A Schulte run's end as every stage sees it: the ten-best table already holds the run
    // when the window turns idle, the series or the ladder come next, the analysis last. The
    // probes subscribe after the main window's own subscribers, so the stages, not the order
    // of subscription, set the order.
    void finishedRunPassesTheStagesInOrder_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QStringList>("seen");
        const auto stages = [](const QString& kind, const QStringList& states) {
            QStringList seen;
            for (int i = 0; i < StageNames.size(); ++i)
                seen << StageNames[i] + ' ' + kind + ' ' + states[i];
            return seen;
        };
        QTest::newRow("single") << 0
                                << stages("single completed",
                                          {"entered running - -", "entered idle - -",
                                           "entered idle - -", "entered idle - analysed"});
        QTest::newRow("series") << 1
                                << stages("series completed",
                                          {"entered running - -", "entered idle - -",
                                           "entered idle SaveStats -",
                                           "entered idle SaveStats analysed"});
        QTest::newRow("ladder") << 2
                                << stages("ladder completed",
                                          {"entered running - -", "entered idle - -",
                                           "entered idle LadderStep -",
                                           "entered idle LadderStep analysed"});
        QTest::newRow("stopped") << 3
                                 << stages("single stopped", {"- running - -", "- running - -",
                                                              "- running - -", "- running - -"});
    }

    void finishedRunPassesTheStagesInOrder() {
        QFETCH(int, way);
        QFETCH(QStringList, seen);
        Window win(4242, User);
        RunCycle& cycle = win.form->Cycle();
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        cycle.SetSeriesHooks(&hooks);
        cycle.SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(way == 1 || way == 2);
        cycle.SetLadderActive(way == 2);
        QStringList noted;
        for (int stage = 0; stage < FinishedRuns::StageCount; ++stage) {
            cycle.Finished().Subscribe(Stage(stage), [&, stage](const RunResult& run) {
                const QStringList steps =
                    hooks.calls.filter(QRegularExpression("^(SaveStats|LadderStep)$"));
                noted << QStringList{StageNames[stage],
                                     RunKindName(run.kind),
                                     run.completed ? "completed" : "stopped",
                                     cycle.Records().rows[0].name == User ? "entered" : "-",
                                     win.shulte().RunPhase == ControlPage::Idle ? "idle"
                                                                                : "running",
                                     steps.isEmpty() ? "-" : steps.join(','),
                                     win.form->Analysis().LastRun() ? "analysed" : "-"}
                             .join(' ');
            });
        }
        win.start();
        win.tickAfter(3000);
        for (int v = 1; v <= (way == 3 ? 1 : 25); ++v)
            QVERIFY(win.press(v));
        if (way == 3)
            win.start();
        QCOMPARE(noted, seen);
        QCOMPARE(win.finished.text, way == 3 ? QStringLiteral("3.0") : win.w().TimerP->text());
        cycle.UprTimer().stop();
        cycle.SetSeriesHooks(nullptr);
        cycle.SetLadderHooks(nullptr);
    }

    // Keys pressed in the window are offered to the taker wherever the focus is; a key it
    // takes goes no further. Other windows' keys and a held key's repeats are not offered.
    void keysOfTheWindowGoToTheTaker_data() {
        QTest::addColumn<bool>("inOtherWindow");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<bool>("take");
        QTest::addColumn<int>("offered");
        QTest::addColumn<QString>("typed");
        QTest::newRow("taken") << false << false << true << 1 << "";
        QTest::newRow("declined") << false << false << false << 1 << "a";
        QTest::newRow("another window") << true << false << true << 0 << "a";
        QTest::newRow("repeat of a held key") << false << true << true << 0 << "a";
    }

    void keysOfTheWindowGoToTheTaker() {
        QFETCH(bool, inOtherWindow);
        QFETCH(bool, repeat);
        QFETCH(bool, take);
        QFETCH(int, offered);
        QFETCH(QString, typed);
        QWidget window;
        QWidget other;
        auto* field = new QLineEdit(inOtherWindow ? &other : &window);
        QList<int> keys;
        AnswerKeys answers(&window, [&](int key) {
            keys << key;
            return take;
        });
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), repeat);
        QApplication::sendEvent(field, &press);
        QCOMPARE(keys, QList<int>(offered, Qt::Key_A));
        QCOMPARE(field->text(), typed);
    }
};

QTEST_MAIN(TestRunFlow)
#include "tst_runflow.moc"
