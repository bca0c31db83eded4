#include "ShellFixture.h"
#include "app/AnalysisLauncher.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

HistoryRun RunOf(const QString& user, bool completed) {
    HistoryRun run;
    run.user = user;
    run.exercise = QStringLiteral("shulte");
    run.mode = 5;
    run.completed = completed;
    run.result = completed ? QStringLiteral("31.2") : QString();
    return run;
}

} // namespace

class TestAnalysisLauncher : public QObject {
    Q_OBJECT

private slots:
    void opensTheLastCompletedRunOfTheUserOnlyWhileIdle() {
        shell::Window win(4242, QStringLiteral("Anna"));
        AnalysisLauncher& launcher = win.form->Analysis();
        QList<QString> opened;
        launcher.Open = [&](const HistoryRun& run, QWidget* parent) {
            QCOMPARE(parent, win.form.get());
            opened.append(run.result);
        };
        QVERIFY(win.form->isActiveWindow() || QTest::qWaitForWindowActive(win.form.get()));
        const auto f7 = [&] { QTest::keyClick(win.form.get(), Qt::Key_F7); };

        // Nothing to show yet; a stopped run does not count.
        launcher.SetLastRun(RunOf("Anna", false));
        f7();
        QVERIFY(!launcher.AnalysisN->isEnabled());
        QVERIFY(!launcher.AnalysisSB->isEnabled());

        launcher.SetLastRun(RunOf("Anna", true));
        launcher.SetLastRun(RunOf("Anna", false));
        QVERIFY(launcher.AnalysisN->isEnabled());
        QVERIFY(launcher.AnalysisSB->isVisible() && launcher.AnalysisSB->isEnabled());
        f7();
        QCOMPARE(opened, QList<QString>{"31.2"});

        // During a run the button goes with the best-results panel and F7 is ignored.
        win.start();
        QVERIFY(!launcher.AnalysisSB->isVisible());
        QVERIFY(!launcher.AnalysisN->isEnabled());
        launcher.AnalysisNClick();
        win.start(); // stopped
        QVERIFY(launcher.AnalysisSB->isVisible() && launcher.AnalysisSB->isEnabled());
        QTest::mouseClick(launcher.AnalysisSB, Qt::LeftButton);
        QCOMPARE(opened.size(), 2);

        // Another user does not see Anna's run.
        win.form->CurrentUser = QStringLiteral("Boris");
        launcher.Refresh();
        QVERIFY(!launcher.AnalysisN->isEnabled());
        launcher.AnalysisNClick();
        QCOMPARE(opened.size(), 2);
    }

    void menuItemStandsAfterTheStatisticsItem() {
        shell::Window win;
        const QList<QAction*> items = win.form->Menu().FileN->actions();
        QCOMPARE(items.indexOf(win.form->Analysis().AnalysisN),
                 items.indexOf(win.form->Menu().StatsN) + 1);
        QCOMPARE(win.form->Analysis().AnalysisN->shortcut(), QKeySequence(Qt::Key_F7));
    }
};

QTEST_MAIN(TestAnalysisLauncher)
#include "tst_analysislauncher.moc"
