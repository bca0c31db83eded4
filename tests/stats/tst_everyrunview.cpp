#include "data/Clock.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"
#include "history/HistoryDb.h"
#include "stats/EveryRunView.h"
#include "stats/Lessons.h"
#include "stats/RunHistory.h"

#include <QCategoryAxis>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Runs of every second day back from today, the newest first in the list, results 20, 21, ...
QVector<HistoryRun> RunsEveryOtherDay(int count) {
    const QDateTime now = LocalMoment(ProgramClock().NowMs());
    QVector<HistoryRun> runs;
    for (int i = 0; i < count; ++i) {
        HistoryRun run;
        run.started = now.addDays(-2 * i).addSecs(3600); // clear of the edge of a period
        run.result = QString::number(20 + i);
        runs.append(run);
    }
    return runs;
}

} // namespace

class TestEveryRunView : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RunHistory::Install(nullptr); }

    void emptyOrMissingHistoryShowsAnEmptyChartWithASentence() {
        QTemporaryDir dir;
        // A file that is no database stays as it is, and gives no runs.
        QFile junk(dir.filePath(HistoryDb::FileName));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a database");
        junk.close();
        for (const RunHistory::Source& source :
             {RunHistory::Source(), RunHistory::FromDataFolder(dir.filePath("nowhere")),
              RunHistory::FromDataFolder(dir.path())}) {
            RunHistory::Install(source);
            EveryRunView view(QStringLiteral("Anna"));
            view.ShowLabel(0, 5);
            QCOMPARE(view.RunsSeries()->count(), 0);
            QCOMPARE(view.SentenceL->text(), T(Tx::EveryRunEmpty));
        }
        QVERIFY(QFile::exists(dir.filePath(HistoryDb::FileName)));
        QVERIFY(!QFile::exists(dir.filePath("nowhere")));
    }

    void showsTheRunsOfTheChosenLabelAndPeriod() {
        QStringList asked;
        RunHistory::Install([&](const QString& user, const QString& exercise, int mode) {
            asked.append(QStringLiteral("%1/%2/%3").arg(user, exercise).arg(mode));
            return RunsEveryOtherDay(60);
        });
        EveryRunView view(QStringLiteral("Anna"));
        view.ShowLabel(1, 7);
        QCOMPARE(asked, QStringList{"Anna/rbshulte/7"});
        QCOMPARE(view.Shown().size(), 60);
        QCOMPARE(view.AverageSeries()->count(), 60);
        // The newest run: results 20..29 were the ten newest.
        QCOMPARE(view.AverageSeries()->at(59).y(), 24.5);
        view.PeriodCB->setCurrentIndex(0);
        QCOMPARE(view.RunsSeries()->count(), 16); // days 0, 2, ..., 30
        QCOMPARE(view.AverageSeries()->at(15).y(), 24.5);
        RunHistory::Install([](const QString&, const QString&, int) {
            return RunsEveryOtherDay(60).mid(20); // 40 days old and older
        });
        view.Refresh();
        QCOMPARE(view.RunsSeries()->count(), 0);
        QCOMPARE(view.SentenceL->text(), T(Tx::EveryRunNoneInPeriod));
    }

    void fewRunsGetMarkersAndDatesAreDistinct_data() {
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("marked");
        QTest::newRow("a single run") << 1 << 1;
        QTest::newRow("as many as are marked")
            << EveryRunView::MarkedPoints << EveryRunView::MarkedPoints;
        QTest::newRow("one more") << EveryRunView::MarkedPoints + 1 << 0;
    }

    void fewRunsGetMarkersAndDatesAreDistinct() {
        QFETCH(int, runs);
        RunHistory::Install(
            [&](const QString&, const QString&, int) { return RunsEveryOtherDay(runs); });
        EveryRunView view(QStringLiteral("Anna"));
        view.ShowLabel(0, 5);
        QTEST(int(view.MarkSeries()->count()), "marked");
        QVERIFY(view.MarkSeries()->markerSize() >= 8);
        const QStringList dates = view.DateAxis()->categoriesLabels();
        QVERIFY(dates.size() >= 2 && dates.size() <= EveryRunView::DateLabels);
        QCOMPARE(QSet<QString>(dates.begin(), dates.end()).size(), dates.size());
        // Every run lies on the axis.
        for (const ProgressPoint& point : view.Shown())
            QVERIFY(view.DateAxis()->min() <= point.ms && point.ms <= view.DateAxis()->max());
    }

    void statisticsWindowSwitchesToTheSeriesExercise() {
        QTemporaryDir dir;
        QString asked;
        RunHistory::Install([&](const QString&, const QString& exercise, int mode) {
            asked = exercise + QString::number(mode);
            return RunsEveryOtherDay(3);
        });
        TLessonsForm form({dir.path() + '/', QStringLiteral("Anna"), nullptr, 5, 3, {}, {}});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.ViewSB->text(), T(Tx::EveryRunView));
        form.ViewSB->click();
        QCOMPARE(form.ViewsNB->currentWidget(), form.EveryRunP);
        QCOMPARE(asked, QStringLiteral("counter3"));
        QCOMPARE(form.EveryRunP->RunsSeries()->count(), 3);
        QCOMPARE(form.ViewSB->text(), T(Tx::SeriesView));
        form.ViewSB->click();
        QCOMPARE(form.ViewsNB->currentIndex(), 0);
    }
};

QTEST_MAIN(TestEveryRunView)
#include "tst_everyrunview.moc"
