#include "FileBytes.h"
#include "app/AnalysisLauncher.h"
#include "ShellFixture.h"
#include "app/CaptionPanel.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"
#include "app/RecordPanel.h"
#include "data/UserFiles.h"
#include "stats/BarChartView.h"
#include "stats/Lessons.h"
#include "users/LessDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <deque>

namespace {

using shell::Window;

// Answers the countdown and the statistics window when they open, through the windows
// themselves, and records what they showed.
class ModalDriver : public QObject {
public:
    enum class Answer { Count, Cancel, RightClick };
    std::deque<Answer> countdowns; // Count once the script is used up
    QStringList levels;
    QStringList names;
    QStringList modes;
    QStringList barCaptions;
    struct Statistics {
        QString caption;
        QString label;
        int dates;
        QList<double> values;
    };
    QList<Statistics> statistics;
    bool askHelp = false;

    explicit ModalDriver(CaptionPanel* bar) : bar_(bar) { qApp->installEventFilter(this); }
    ~ModalDriver() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* countdown = qobject_cast<TLessDlgForm*>(watched))
            QTimer::singleShot(0, countdown, [this, countdown] { Respond(countdown); });
        else if (auto* window = qobject_cast<TLessonsForm*>(watched))
            QTimer::singleShot(0, window, [this, window] { Look(window); });
        return false;
    }

private:
    void Respond(TLessDlgForm* countdown) {
        levels << countdown->LevelP->text();
        names << countdown->LessonNameP->text();
        modes << countdown->LessonModeP->text();
        barCaptions << bar_->Caption();
        const Answer answer = countdowns.empty() ? Answer::Count : countdowns.front();
        if (!countdowns.empty())
            countdowns.pop_front();
        switch (answer) {
        case Answer::Count:
            while (countdown->Timer1.isActive())
                countdown->Timer1Timer();
            break;
        case Answer::Cancel:
            QTest::mouseClick(countdown->CancelSB, Qt::LeftButton);
            break;
        case Answer::RightClick:
            QTest::mouseClick(countdown->TimerP, Qt::RightButton);
            break;
        }
    }
    void Look(TLessonsForm* window) {
        const QListWidgetItem* item = window->LessonLB->currentItem();
        statistics.append({window->windowTitle(), item ? item->text() : QString(),
                           window->HistoryLB->count(), window->Chart1->Values()});
        if (askHelp)
            QTest::mouseClick(window->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(window->CloseSB, Qt::LeftButton);
    }

    CaptionPanel* bar_;
};

// A signed-in user whose statistics folder exists.
struct SeriesWindow : Window {
    ModalDriver driver{w().BaseButtonP};
    explicit SeriesWindow(const QString& user = QStringLiteral("Anna")) : Window(4242, user) {
        if (user == QStringLiteral("Anna"))
            UserFiles(folder.path()).CreateUser(user, QString());
        QTest::mouseClick(w().LessonSB, Qt::LeftButton);
    }
    RunCycle& cycle() { return form->Cycle(); }
    // Plays the running Schulte 5x5 run to its end after the given seconds.
    void play(int seconds) {
        QCOMPARE(shulte().RunPhase, 0);
        for (int v = 1; v <= 24; ++v)
            QVERIFY(press(v));
        tickAfter(seconds * 1000);
        QVERIFY(press(25));
    }
    // The next run of the series, started by the series timer.
    void awaitNextRun() { QTRY_COMPARE(shulte().RunPhase, 0); }
    QByteArray statsPlain(const QString& name) const {
        return ReferenceCipher(ReadBytes(folder.file("users/AnnaDB/" + name)), false);
    }
};

} // namespace

class TestShellSeries : public QObject {
    Q_OBJECT

private slots:
    void switchTogglesSeriesModeAndItsColours() {
        Window win;
        MainWidgets& w = win.w();
        QVERIFY(w.LessonSB->isEnabled());
        QCOMPARE(w.LessonSB->text(), QStringLiteral("Одиночные"));
        QTest::mouseClick(w.LessonSB, Qt::LeftButton);
        QCOMPARE(w.LessonSB->text(), QStringLiteral("Серии"));
        QCOMPARE(w.LessonSB->property("Tag").toInt(), 1);
        QVERIFY(w.LessonChB->isChecked());
        QVERIFY(win.form->Cycle().Records().series);
        QCOMPARE(w.RecordP->palette().color(QPalette::Window),
                 ColorToQColor(RecordPanel::SeriesColor));
        QVERIFY(w.TabSwitchCB->styleSheet().contains(ColorToQColor(0xCEA709).name()));

        QTest::mouseClick(w.LessonSB, Qt::LeftButton);
        QCOMPARE(w.LessonSB->text(), QStringLiteral("Одиночные"));
        QCOMPARE(w.LessonSB->property("Tag").toInt(), 0);
        QVERIFY(!w.LessonChB->isChecked());
        QVERIFY(!win.form->Cycle().Records().series);
        QCOMPARE(w.RecordP->palette().color(QPalette::Window),
                 ColorToQColor(RecordPanel::NormalColor));
        QVERIFY(w.TabSwitchCB->styleSheet().contains(ColorToQColor(0x809F00).name()));
    }

    void wholeSeriesRecordsFiveResultsAndOpensTheStatistics() {
        SeriesWindow win;
        win.start();
        for (int run = 1; run <= 5; ++run) {
            if (run > 1)
                win.awaitNextRun();
            QCOMPARE(win.cycle().SeriesExercise(), 1);
            QVERIFY(win.board().Series());
            win.play(10 + run);
            if (run < 5) {
                QCOMPARE(win.cycle().SeriesStep(), run + 1);
                QVERIFY(win.cycle().LessonTimer().isActive());
                QVERIFY(win.driver.statistics.isEmpty());
            }
        }
        ModalDriver& d = win.driver;
        QCOMPARE(d.levels, QStringList({"1 из 5", "2 из 5", "3 из 5", "4 из 5", "5 из 5"}));
        QCOMPARE(d.names, QStringList(5, "Шульте"));
        QCOMPARE(d.modes, QStringList(5, "Режим 5x5"));
        QCOMPARE(d.barCaptions, QStringList(5, "запуск..."));
        QCOMPARE(win.seams.sounds.count("T_SHOW"), 20);
        QCOMPARE(win.seams.sounds.count("T_GO"), 5);

        const QString finished =
            QDateTime::fromMSecsSinceEpoch(win.seams.clock.now).toString("dd.MM.yyyy HH:mm:ss");
        QCOMPARE(win.statsPlain("shulte5.db"),
                 (finished + "\r\n11.0/12.0/13.0/14.0/15.0\r\n").toLatin1());

        QCOMPARE(d.statistics.size(), 1);
        QCOMPARE(d.statistics[0].caption, QStringLiteral("Статистика серий [Anna]"));
        QCOMPARE(d.statistics[0].label, QStringLiteral("Шульте (5x5)"));
        QCOMPARE(d.statistics[0].dates, 1);
        QCOMPARE(d.statistics[0].values, QList<double>({11, 12, 13, 14, 15}));

        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QCOMPARE(win.cycle().SeriesStep(), 1);
        QVERIFY(!win.cycle().LessonTimer().isActive());
        QVERIFY(win.w().LessonChB->isChecked());
        QCOMPARE(win.shulte().RunPhase, 1);
        // Series runs go to the series table, the best first.
        QCOMPARE(win.table("sshulte.rec").mid(0, 3), QStringList({"Anna", "11", win.today()}));
        QVERIFY(win.table("shulte.rec").join(QString()).isEmpty());
        QVERIFY(win.seams.dialogs.messages.isEmpty());

        // The last run arrived while the statistics window was open; once it has closed, F7
        // analyses that run as after a single run.
        QStringList analysed;
        win.form->Analysis().Open = [&](const HistoryRun& run, QWidget*) { analysed << run.result; };
        win.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(win.form.get()));
        QTest::keyClick(win.form.get(), Qt::Key_F7);
        QCOMPARE(analysed, QStringList({"15.0"}));

        // The next series starts at run 1 and goes on top of the first.
        win.driver.countdowns = {ModalDriver::Answer::Count};
        win.start();
        QCOMPARE(d.levels.last(), QStringLiteral("1 из 5"));
    }

    void cancelInTheThirdCountdownDropsTheSeries() {
        SeriesWindow win;
        win.driver.countdowns = {ModalDriver::Answer::Count, ModalDriver::Answer::Count,
                                 ModalDriver::Answer::Cancel};
        win.start();
        win.play(20);
        win.awaitNextRun();
        win.play(21);
        QTRY_COMPARE(win.driver.levels.size(), 3);
        QCOMPARE(win.driver.levels.last(), QStringLiteral("3 из 5"));
        QCOMPARE(win.shulte().RunPhase, 1);
        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QCOMPARE(win.cycle().SeriesStep(), 1);
        QVERIFY(win.w().LessonChB->isChecked());
        QCOMPARE(win.w().LessonSB->text(), QStringLiteral("Серии"));
        QVERIFY(win.w().TabSwitchCB->isVisible());
        QVERIFY(win.w().BaseButtonP->Caption().isEmpty());
        QVERIFY(!QFile::exists(win.folder.file("users/AnnaDB/shulte5.db")));
        QCOMPARE(win.seams.sounds.count("T_GO"), 2);

        win.start();
        QCOMPARE(win.driver.levels.last(), QStringLiteral("1 из 5"));
        QCOMPARE(win.shulte().RunPhase, 0);
    }

    void rightClickStartsTheRunAtOnce() {
        SeriesWindow win;
        win.driver.countdowns = {ModalDriver::Answer::RightClick};
        win.start();
        QCOMPARE(win.driver.levels, QStringList{"1 из 5"});
        QCOMPARE(win.shulte().RunPhase, 0);
        QVERIFY(win.cycle().SysTimer().isActive());
        QCOMPARE(win.seams.sounds.count("T_GO"), 0);
        QCOMPARE(win.seams.sounds.count("T_SHOW"), 0);
        QCOMPARE(win.w().BaseButtonP->Caption(), shell::Headings()[0]);
    }

    void stoppingTheFourthRunDropsTheSeries() {
        SeriesWindow win;
        win.start();
        for (int run = 1; run <= 3; ++run) {
            if (run > 1)
                win.awaitNextRun();
            win.play(30);
        }
        win.awaitNextRun();
        QCOMPARE(win.driver.levels.last(), QStringLiteral("4 из 5"));
        win.start(); // stop
        QCOMPARE(win.shulte().RunPhase, 1);
        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QCOMPARE(win.cycle().SeriesStep(), 1);
        QVERIFY(!win.cycle().LessonTimer().isActive());
        QVERIFY(win.w().LessonChB->isChecked());
        QVERIFY(!QFile::exists(win.folder.file("users/AnnaDB/shulte5.db")));
        win.start();
        QCOMPARE(win.driver.levels.last(), QStringLiteral("1 из 5"));
    }

    void failedWriteIsReportedAndTheSeriesReset() {
        SeriesWindow win(QStringLiteral("Ghost")); // no statistics folder
        win.cycle().SetSeriesStep(5);
        win.start();
        QCOMPARE(win.driver.levels, QStringList{"5 из 5"});
        win.play(12);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QVERIFY2(win.seams.dialogs.messages[0].contains("shulte5.db"),
                 qPrintable(win.seams.dialogs.messages[0]));
        QVERIFY(win.driver.statistics.isEmpty());
        QCOMPARE(win.cycle().SeriesExercise(), 0);
        QCOMPARE(win.cycle().SeriesStep(), 1);
        QVERIFY(!win.cycle().LessonTimer().isActive());
        win.start();
        QCOMPARE(win.driver.levels.last(), QStringLiteral("1 из 5"));
    }

    void resultsAreCutTo32Characters() {
        SeriesWindow win;
        win.cycle().SetSeriesExercise(1);
        RunResult run;
        run.exercise = 0;
        run.mode = 5;
        run.kind = RunKind::Series;
        run.text = QString(40, u'7');
        win.form->Series().SaveStats(run);
        QCOMPARE(win.form->Series().SeriesResults()[0], QString(32, u'7'));
        QCOMPARE(win.form->Series().SeriesLength(), 5);
        QCOMPARE(win.cycle().SeriesStep(), 2);
        QVERIFY(win.cycle().LessonTimer().isActive());
        win.cycle().LessonTimer().stop();
    }

    void statisticsItemOpensTheWindowWithItsHelp() {
        SeriesWindow win;
        QAction* stats = win.form->Menu().StatsN;
        QVERIFY(stats->isEnabled());
        QCOMPARE(stats->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(stats->text(), QStringLiteral("Статистика серий"));
        StatsStore(win.folder.path())
            .Append("Anna", 3, 4, QDateTime::currentDateTime(), {"10", "20", "30", "40", "50"});
        win.driver.askHelp = true;
        WriteFile(win.folder.file("oxel.hlp"),
                  "<html><body><a name=\"540\"></a><p>Series</p></body></html>");
        stats->trigger();
        QCOMPARE(win.driver.statistics.size(), 1);
        QCOMPARE(win.driver.statistics[0].caption, QStringLiteral("Статистика серий [Anna]"));
        QCOMPARE(win.driver.statistics[0].label, QStringLiteral("Мишени (джокер)"));
        QCOMPARE(win.driver.statistics[0].values, QList<double>({10, 20, 30, 40, 50}));
        QVERIFY(HelpViewer::Instance());
        QCOMPARE(HelpViewer::Instance()->browser()->source().fragment(), QStringLiteral("540"));
        HelpViewer::Release();
    }

private:
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        shell::WriteFile(path, bytes);
    }
};

QTEST_MAIN(TestShellSeries)
#include "tst_shell_series.moc"
