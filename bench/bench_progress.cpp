// Daily practice over ten years of thirty runs a day (109,500 runs): the progress item to the
// painted progress window, the goal and best checks after a run, and the reading of the
// summary that follows a sign-in.
#include "BenchSupport.h"
#include "app/PracticeWatch.h"
#include "data/Clock.h"
#include "data/NumberFormat.h"
#include "data/UserFiles.h"
#include "history/HistoryDb.h"
#include "progress/PracticeLoader.h"
#include "progress/PracticeTexts.h"
#include "stats/ProgressWindow.h"

#include <QAction>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

constexpr int Days = 3650;
constexpr int RunsPerDay = 30;
const QString User = QStringLiteral("Anna");

QDate Today() {
    return LocalMoment(ProgramClock().NowMs()).date();
}

// Thirty runs a day of four exercises up to today, a run in nine stopped, times falling and
// scores rising over the years; written in one transaction, the presses left out.
void WriteRuns(const QString& dataDir) {
    { HistoryDb schema(dataDir); }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bulk");
    db.setDatabaseName(QDir(dataDir).filePath(HistoryDb::FileName));
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO runs (user, exercise, mode, kind, started, duration_ms, result, errors, "
        "completed, board_cols, board_rows) VALUES (?, ?, ?, 'single', ?, ?, ?, 0, ?, 5, 5)"));
    const char* exercises[] = {"shulte", "targets", "rbshulte", "mnemo"};
    const int modes[] = {5, 1, 5, 2};
    const QDate first = Today().addDays(1 - Days);
    for (int day = 0; day < Days; ++day) {
        for (int k = 0; k < RunsPerDay; ++k) {
            const bool score = k % 4 == 1;
            const double years = day / 365.0;
            insert.addBindValue(User);
            insert.addBindValue(QLatin1String(exercises[k % 4]));
            insert.addBindValue(modes[k % 4]);
            insert.addBindValue(
                StartedText(QDateTime(first.addDays(day), QTime(7, 0).addSecs(k * 1500))));
            insert.addBindValue(40000 + k * 7919 % 30000);
            insert.addBindValue(score ? QString::number(300 + int(20 * years) + k * 37 % 90)
                                      : FormatOneDecimal(45 - 2 * years + k * 37 % 50 / 10.0));
            insert.addBindValue(k % 9 != 0);
            insert.exec();
        }
    }
    db.commit();
    db.close();
}

// A program folder with the user Anna and her history, made once.
const QTemporaryDir& LargeHistory() {
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        bench::Install(dir);
        QDir(dir.path()).mkdir(QStringLiteral("users"));
        UserFiles(dir.path()).CreateUser(User, QString());
        WriteRuns(dir.path());
        QSqlDatabase::removeDatabase("bulk");
        made = true;
    }
    return dir;
}

// From the item to the window painted, Anna signed in (her summary read after the sign-in).
void BM_ProgressOpen110k(benchmark::State& state) {
    TMainForm form(LargeHistory().path());
    form.show();
    form.CurrentUser = User;
    PracticeWatch& watch = form.Practice();
    watch.SignedIn();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        watch.ProgressN->trigger();
        ProgressWindow* window = watch.Window();
        QCoreApplication::processEvents();
        window->repaint();
        state.PauseTiming();
        if (window->BestsTW->rowCount() != 4)
            state.SkipWithError("the bests were not shown");
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgressOpen110k)->Unit(benchmark::kMillisecond);

// A stored run added to the summary and the notices decided: each run a new best, the
// streak ten years long.
void BM_StreakAfterRun(benchmark::State& state) {
    const HistoryDb db(LargeHistory().path(), HistoryDb::Access::ReadOnly);
    PracticeSummary summary =
        PracticeLoader::Load(db, User, WeekTable::WeekStart(Today()).addDays(-7));
    NoticePlanner planner;
    planner.SetGoal(600);
    HistoryRun run;
    run.id = 1'000'000;
    run.user = User;
    run.exercise = QStringLiteral("shulte");
    run.mode = 5;
    run.started = LocalMoment(ProgramClock().NowMs());
    run.durationMs = 60000;
    double result = 10;
    for (auto _ : state) {
        ++run.id;
        result -= 0.001;
        run.result = FormatGeneral(result);
        planner.RunEnded(RunKind::Single, true);
        const Notices notices = planner.RunStored(summary.Add(run));
        benchmark::DoNotOptimize(PracticeTexts::Lines(notices));
        if (notices.bests.isEmpty())
            state.SkipWithError("no best was beaten");
    }
}
BENCHMARK(BM_StreakAfterRun)->Unit(benchmark::kMicrosecond);

// The history opened (its quick check included) and the summary read, as after a sign-in.
void BM_ProgressSummaryLoad110k(benchmark::State& state) {
    const QString path = LargeHistory().path();
    for (auto _ : state) {
        const HistoryDb db(path, HistoryDb::Access::ReadOnly);
        const PracticeSummary summary =
            PracticeLoader::Load(db, User, WeekTable::WeekStart(Today()).addDays(-7));
        if (summary.Days().All().size() != Days)
            state.SkipWithError("the days were not read");
    }
}
BENCHMARK(BM_ProgressSummaryLoad110k)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
