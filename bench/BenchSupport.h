#pragma once

// What the benchmarks share: a program folder with the files the start-up checks for, a clock
// that reads fractions of a millisecond, the median and percentiles of measured figures, and
// the entry point that runs them in a widget application, on the offscreen platform unless
// another is asked for, with no sign-in window waiting for a user.

#include "app/Main.h"
#include "data/Clock.h"
#include "data/ExerciseInfo.h"
#include "data/Text1251.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <vector>

namespace bench {

inline void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Every exercise's help document with the body given, a word list of that many words, and the
// number and heading lists taken from its first words.
inline void Install(const QTemporaryDir& dir, const QByteArray& helpBody = "text\\par",
                    int wordCount = 100) {
    for (int exercise = 0; exercise < ExerciseCount; ++exercise)
        Write(dir.filePath(
                  QStringLiteral("hlp/%1.rtf").arg(QLatin1String(Exercise(exercise).helpName))),
              "{\\rtf1\\ansi\\ansicpg1251 " + helpBody + "}");
    QStringList words;
    for (int i = 0; i < wordCount; ++i)
        words << QStringLiteral("слово%1").arg(i);
    Write(dir.filePath("dic/rus.dic"), WriteLines(words));
    Write(dir.filePath("dic/rnum.dic"), WriteLines(words.mid(0, 100)));
    Write(dir.filePath("dic/rgipno.dic"), WriteLines(words.mid(0, ExerciseCount)));
}

// The program's monotonic clock, readable in fractions of a millisecond from the same origin.
class FineClock : public Clock {
public:
    double Fine() const {
        return std::chrono::duration<double, std::milli>(Steady::now() - origin_).count();
    }
    qint64 MonotonicMs() const override { return static_cast<qint64>(Fine()); }
    double MonotonicFineMs() const override { return Fine(); }

private:
    using Steady = std::chrono::steady_clock;
    Steady::time_point origin_ = Steady::now();
};

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

inline double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    if (v.empty())
        return 0;
    const auto i = static_cast<std::size_t>(std::ceil(p * double(v.size()))) - 1;
    return v[std::min(i, v.size() - 1)];
}

inline int Main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMainForm::SetSignInOnActivation(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
