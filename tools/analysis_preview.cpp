// Opens the analysis window of a made-up run of one exercise, or the every-run view of a
// made-up history, to look at their charts:
//   analysis_preview <shulte|rbshulte|mnemo|targets|counter|dwords|numbers|probe|everyrun>
//                    [shot.png]
// With a file name the window is drawn into it and the program ends.
#include "data/Clock.h"
#include "data/NumberFormat.h"
#include "stats/AnalysisWindow.h"
#include "stats/EveryRunView.h"
#include "stats/RunHistory.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTimer>

namespace {

struct Maker {
    HistoryRun run;
    QRandomGenerator random{7};
    qint64 t = 0;

    void Press(const QString& item, int cell, bool correct, qint64 gapMs) {
        t += gapMs;
        run.presses.append({int(run.presses.size()) + 1, t, item, cell, correct, {}, {}});
    }
    qint64 Gap(int from, int to) { return random.bounded(from, to); }
};

HistoryRun Made(const QString& exercise) {
    Maker m;
    HistoryRun& run = m.run;
    run.user = QStringLiteral("Анна");
    run.exercise = exercise;
    run.started = QDateTime(QDate(2026, 12, 9), QTime(18, 30, 5));
    run.boardCols = run.boardRows = 5;
    run.mode = 5;
    if (exercise == QLatin1String("shulte") || exercise == QLatin1String("rbshulte")) {
        QVector<int> cells(25);
        for (int i = 0; i < 25; ++i)
            cells[i] = (i * 7 + 3) % 25;
        for (int k = 1; k <= 25; ++k) {
            if (k % 6 == 0)
                m.Press(QString::number(k + 1), cells[k % 25], false, m.Gap(300, 900));
            const int number = exercise == QLatin1String("shulte") ? k : k % 2 ? 13 - k / 2 : k / 2;
            m.Press(QString::number(number), cells[k - 1], true, m.Gap(600, k % 9 ? 2200 : 5200));
        }
    } else if (exercise == QLatin1String("targets")) {
        run.mode = 1;
        run.boardCols = run.boardRows = 1;
        for (int stage = 1; stage <= 10; ++stage)
            for (int i = 0; i < (stage == 1 ? 1 : 12); ++i) {
                const bool miss = m.random.bounded(10) < stage / 3;
                m.Press(QString(), -1, !miss, 600);
                run.presses.last().stage = stage;
                if (!miss)
                    run.presses.last().reactionMs = int(m.Gap(250, 380 + stage * 15));
            }
    } else if (exercise == QLatin1String("probe")) {
        run.mode = 1;
        run.boardCols = run.boardRows = 20;
        for (int cell = 0; cell < 400; cell += 5) {
            const bool left = m.random.bounded(100) < 8 + cell / 20;
            m.Press(cell % 2 ? QStringLiteral("K") : QStringLiteral("M"), cell, !left,
                    m.Gap(200, 900));
            if (m.random.bounded(100) < 5)
                m.Press(QStringLiteral("A"), cell + 1, false, 300);
        }
    } else {
        const bool counter = exercise == QLatin1String("counter");
        const bool pairs = exercise == QLatin1String("dwords");
        run.mode = counter ? 6 : pairs ? 2 : 2;
        run.boardCols = counter ? 6 : pairs ? 2 : 10;
        run.boardRows = counter ? 6 : 10;
        const int presses = counter ? 36 : 20;
        const QStringList words = {"кот", "дом", "лес",  "мяч",  "сад",  "река", "нос",
                                   "луг", "сок", "пар",  "гора", "снег", "чай",  "мост",
                                   "зуб", "рис", "луна", "сыр",  "шар",  "пол"};
        m.t = pairs || counter ? 0 : 40000;
        for (int i = 0; i < presses; ++i) {
            if (m.random.bounded(100) < 15)
                m.Press(QStringLiteral("?"), i, false, m.Gap(400, 1500));
            const QString item =
                counter ? QString::number(i % 3 == 2 ? 11 : 3 + i % 5)
                : exercise == QLatin1String("numbers")
                    ? QStringLiteral("%1").arg(i * 37 % 100, 2, 10, QLatin1Char('0'))
                    : words[i % words.size()];
            m.Press(item, i, true, m.Gap(700, 4200));
        }
    }
    run.durationMs = m.t;
    run.result = QString::number(m.t / 1000.0, 'f', 1);
    return run;
}

// Two runs a day for 120 days up to now, getting faster.
QVector<HistoryRun> MadeHistory(const QString&, const QString&, int) {
    QRandomGenerator random(11);
    const QDateTime now = LocalMoment(ProgramClock().NowMs());
    QVector<HistoryRun> runs;
    for (int i = 240; i > 0; --i) {
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
    if (what == QLatin1String("everyrun")) {
        auto view = std::make_unique<EveryRunView>(QStringLiteral("Анна"));
        view->resize(900, 560);
        view->ShowLabel(0, 5);
        shown = std::move(view);
    } else {
        shown = std::make_unique<AnalysisWindow>(Made(what));
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
