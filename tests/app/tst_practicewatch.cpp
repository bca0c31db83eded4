#include "../progress/PracticeSamples.h"
#include "ShellFixture.h"
#include "app/AnalysisLauncher.h"
#include "app/LadderFlow.h"
#include "app/PracticeWatch.h"
#include "data/UserFiles.h"
#include "progress/DailyGoal.h"
#include "stats/ProgressWindow.h"
#include "widgets/NoticeToast.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {

using shell::Window;

const QString User = QStringLiteral("Анна");

// A user with a data file in the window's folder, signed in.
void AddUser(Window& win, const QString& name) {
    QDir(win.folder.path()).mkpath(QStringLiteral("users"));
    UserFiles(win.folder.path()).CreateUser(name, QString());
    win.form->CurrentUser = name;
    win.form->Practice().SignedIn();
}

// A whole 5 x 5 table taking `ms`, the numbers pressed at its end.
void PlaySchulte(Window& win, qint64 ms) {
    win.start();
    win.seams.clock.advance(ms - 2500);
    for (int v = 1; v <= 25; ++v) {
        win.tickAfter(100);
        QVERIFY(win.press(v));
    }
}

} // namespace

class TestPracticeWatch : public QObject {
    Q_OBJECT

private slots:
    void oneProgressWindowPerUser() {
        Window win;
        PracticeWatch& watch = win.form->Practice();
        const QList<QAction*> file = win.form->Menu().FileN->actions();
        QCOMPARE(file.indexOf(watch.ProgressN), file.indexOf(win.form->Analysis().AnalysisN) + 1);
        const QList<QAction*> options = win.form->Menu().OptionN->actions();
        QCOMPARE(options.indexOf(watch.DailyGoalN), options.indexOf(win.form->Menu().GipnoN) + 1);
        QVERIFY(!watch.ProgressN->isEnabled()); // nobody signed in
        AddUser(win, User);
        QVERIFY(QTest::qWaitForWindowActive(win.form.get()));
        QTest::keyClick(win.form.get(), Qt::Key_F8);
        QPointer<ProgressWindow> first = watch.Window();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Прогресс: Анна"));
        watch.ProgressNClick();
        QCOMPARE(watch.Window(), first.data());

        AddUser(win, QStringLiteral("Boris"));
        QVERIFY(!watch.Window());
        QTRY_VERIFY(!first);
        watch.ProgressNClick();
        QCOMPARE(watch.Window()->User(), QStringLiteral("Boris"));
        watch.Window()->close();
        QTRY_VERIFY(!watch.Window());

        // Not while a run is under way.
        win.start();
        watch.ProgressNClick();
        QVERIFY(!watch.Window());
    }

    void goalIsAskedAndKept_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("goal");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("gone");
        QTest::newRow("cancel") << "" << 0 << 0 << false;
        QTest::newRow("not a number") << "ten" << 0 << 1 << false;
        QTest::newRow("more than a day") << "1441" << 0 << 1 << false;
        QTest::newRow("minutes") << " 15 " << 15 << 0 << false;
        // No file is made for a user who is gone: it would be a user without a password.
        QTest::newRow("the user is gone") << "15" << 0 << 1 << true;
    }

    void goalIsAskedAndKept() {
        QFETCH(QString, typed);
        QFETCH(int, goal);
        QFETCH(int, messages);
        QFETCH(bool, gone);
        Window win;
        AddUser(win, User);
        if (gone)
            UserFiles(win.folder.path()).DeleteUser(User);
        win.seams.dialogs.promptAnswers.push_back(typed);
        win.form->Practice().DailyGoalNClick();
        QCOMPARE(win.seams.dialogs.prompts.size(), 1);
        QCOMPARE(win.seams.dialogs.messages.size(), messages);
        QCOMPARE(win.form->Practice().Goal(), goal);
        QCOMPARE(DailyGoal::Read(win.folder.path(), User), goal);
        QCOMPARE(UserFiles(win.folder.path()).UserExists(User), !gone);
    }

    // Runs played in the window: the first reaches the goal of a minute, the second beats the
    // first's time; the goal is not announced a second time that day.
    void noticesFollowStoredRuns() {
        Window win;
        AddUser(win, User);
        DailyGoal::Write(win.folder.path(), User, 1);
        PracticeWatch& watch = win.form->Practice();
        PlaySchulte(win, 61000);
        QTRY_VERIFY(watch.Notice->isVisible());
        QCOMPARE(watch.Notice->Lines(),
                 QStringList{"Дневная цель выполнена: 1 мин. Ударный режим: 1 день."});
        const QString first = win.w().TimerP->text();
        PlaySchulte(win, 3000);
        const QString second = win.w().TimerP->text();
        QTRY_COMPARE(watch.Notice->Lines(),
                     QStringList{"Новый личный рекорд, Шульте 5x5: " + second + " (прежний: " +
                                 first + " от " + FormatDate(QDate::currentDate()) + ")."});
        // A run hides the notice with the panel it lies on.
        win.start();
        QVERIFY(!watch.Notice->isVisible());
    }

    // The end of a series and the ladder's verdict reach the waiting notices through the
    // main window (when they wait is the planner's, tested on its own).
    void noticesWaitForTheSeriesAndTheLadder() {
        Window win(4242, User);
        PracticeWatch& watch = win.form->Practice();
        const auto store = [&](qint64 id, const char* result) {
            watch.RunStored(practice::Run(id, "shulte", 5, QDateTime::currentDateTime(), result,
                                          true, 60000, User));
        };
        store(1, "30.0");
        for (const RunKind kind : {RunKind::Series, RunKind::Ladder}) {
            watch.Notice->hide();
            watch.RunEnded(kind, true);
            store(int(kind) + 1, kind == RunKind::Series ? "28.0" : "27.0");
            QVERIFY(!watch.Notice->isVisible());
            kind == RunKind::Series ? win.form->Series().OnSeriesOver()
                                    : win.form->Ladder().OnStepJudged();
            QVERIFY(watch.Notice->isVisible());
        }
    }
};

QTEST_MAIN(TestPracticeWatch)
#include "tst_practicewatch.moc"
