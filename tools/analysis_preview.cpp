// Opens the analysis window of a made-up run of one exercise, or the every-run view of a
// made-up history, to look at their charts:
//   analysis_preview <statistics base name of an exercise, e.g. shulte|everyrun[N]> [shot.png]
// (everyrun3: a history of three runs).
// With a file name the window is drawn into it and the program ends.
#include "data/Clock.h"
#include "data/ExerciseInfo.h"
#include "data/NumberFormat.h"
#include "stats/AnalysisWindow.h"
#include "stats/EveryRunView.h"
#include "stats/RunHistory.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

namespace {

// A made-up run of the exercise on a 6×6 board: its items 1..36 pressed in order on shuffled
// cells, now and then after a wrong press, slower now and then; each press also carries a
// stage and a reaction as a reaction game keeps them, so every exercise finds what its
// charts read.
HistoryRun Made(const ExerciseInfo& info) {
    QRandomGenerator random(7);
    HistoryRun run;
    run.user = QStringLiteral("Анна");
    run.exercise = QLatin1String(info.statsBase);
    run.mode = info.firstMode();
    run.started = QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5));
    run.boardCols = run.boardRows = 6;
    const int items = run.boardCols * run.boardRows;
    qint64 t = 0;
    const auto press = [&](int item, int cell, bool correct, qint64 gapMs) {
        t += gapMs;
        const int stage = 1 + int(run.presses.size()) / 4;
        run.presses.append(
            {int(run.presses.size()) + 1, t, QString::number(item), cell, correct,
             correct ? std::optional(int(random.bounded(250, 380 + stage * 15))) : std::nullopt,
             stage});
    };
    for (int k = 1; k <= items; ++k) {
        const int cell = (k * 7 + 3) % items;
        if (random.bounded(100) < 15)
            press(k + 1 + random.bounded(5), (cell + 1) % items, false, random.bounded(300, 900));
        press(k, cell, true, random.bounded(600, k % 9 ? 2200 : 5200));
    }
    run.durationMs = t;
    run.result = FormatOneDecimal(t / 1000.0);
    return run;
}

int madeRuns = 240;

// Two runs a day up to now, getting faster: 240 of them, or as many as asked.
QVector<HistoryRun> MadeHistory(const QString&, const QString&, int) {
    QRandomGenerator random(11);
    const QDateTime now = LocalMoment(ProgramClock().NowMs());
    QVector<HistoryRun> runs;
    for (int i = madeRuns; i > 0; --i) {
        HistoryRun run;
        run.started = now.addSecs(-i * 43200LL);
        run.result = QString::number(25 + i / 20.0 + random.bounded(80) / 10.0, 'f', 1);
        run.completed = random.bounded(10) != 0;
        runs.append(run);
    }
    return runs;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString what = args.value(1, QStringLiteral("shulte"));
    RunHistory::Install(&MadeHistory);
    std::unique_ptr<QWidget> shown;
    if (what.startsWith(QLatin1String("everyrun"))) {
        madeRuns = what.mid(8).toInt() > 0 ? what.mid(8).toInt() : madeRuns;
        auto view = std::make_unique<EveryRunView>(QStringLiteral("Анна"));
        view->resize(900, 560);
        view->ShowLabel(0, Exercise(0).firstMode());
        shown = std::move(view);
    } else if (const ExerciseInfo* info = ExerciseOfStatsBase(what)) {
        shown = std::make_unique<AnalysisWindow>(Made(*info));
    } else {
        QStringList names;
        for (int i = 0; i < ExerciseCount; ++i)
            names.append(QLatin1String(Exercise(i).statsBase));
        QTextStream(stderr) << "usage: analysis_preview <" << names.join(QLatin1Char('|'))
                            << "|everyrun[N]> [shot.png]\n";
        return 2;
    }
    QWidget& window = *shown;
    window.show();
    if (args.size() > 2) {
        QTimer::singleShot(300, &app, [&] {
            window.grab().save(args[2]);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
