// The statistics window: from its creation to its first paint with a statistics file of
// 1,000 series selected (offscreen).
#include "BenchSupport.h"
#include "data/FileCipher.h"
#include "data/Text1251.h"
#include "stats/Lessons.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

// users/AnnaDB/shulte5.db with the given number of series, newest first.
void WriteSeries(const QTemporaryDir& dir, int count) {
    QDir(dir.path()).mkpath(QStringLiteral("users/AnnaDB"));
    QStringList lines;
    const QDateTime first(QDate(2020, 1, 1), QTime(18, 0));
    for (int i = count - 1; i >= 0; --i) {
        lines << first.addSecs(i * 3600).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        QStringList results;
        for (int run = 0; run < 5; ++run)
            results << QString::number(20 + (i * 7 + run * 3) % 150 / 10.0, 'f', 1);
        lines << results.join(QLatin1Char('/'));
    }
    SaveFileBytes(dir.filePath(QStringLiteral("users/AnnaDB/shulte5.db")),
                  EncryptBytes(WriteLines(lines)));
}

void BM_StatsWindowOpen1000(benchmark::State& state) {
    QTemporaryDir dir;
    WriteSeries(dir, 1000);
    const TLessonsForm::Setup setup{
        dir.path() + QLatin1Char('/'), QStringLiteral("Anna"), nullptr, 0, 0, {}};
    for (auto _ : state) {
        auto form = std::make_unique<TLessonsForm>(setup);
        form->show();
        QCoreApplication::processEvents();
        form->repaint();
        state.PauseTiming();
        if (form->HistoryLB->count() != 1000)
            state.SkipWithError("the file was not shown");
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatsWindowOpen1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
