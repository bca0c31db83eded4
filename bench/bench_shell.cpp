// The shell: the start of a run of each exercise up to its first paint, and the program start up
// to the main window painted (offscreen).
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/Text1251.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// A program folder with the files the start-up checks for; help documents of a realistic
// size so that loading them counts.
void Install(const QTemporaryDir& dir) {
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "{\\b \\'d8\\'f3\\'eb\\'fc\\'f2\\'e5} text of the description\\par ";
    for (const char* name :
         {"shulte", "rbshulte", "mnemo", "target", "math", "dwords", "numbers", "probe"})
        Write(dir.filePath(QStringLiteral("hlp/%1.rtf").arg(QLatin1String(name))),
              "{\\rtf1\\ansi\\ansicpg1251 " + text + "}");
    QStringList words;
    for (int i = 0; i < 1000; ++i)
        words << QStringLiteral("слово%1").arg(i);
    Write(dir.filePath("dic/rus.dic"), WriteLines(words));
    Write(dir.filePath("dic/rnum.dic"), WriteLines(words.mid(0, 100)));
    Write(dir.filePath("dic/rgipno.dic"), WriteLines(words.mid(0, 8)));
}

// From the start button to the first paint of the board, for exercise N (exercise index)
// at its largest mode.
void BM_StartToFirstPaint(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    Install(dir);
    TMainForm form(dir.path());
    form.show();
    QCoreApplication::processEvents();
    const ExerciseInfo& info = Exercise(index);
    form.Widgets().TabSwitchCB->setCurrentIndex(info.listPosition);
    ControlPage& page = form.Widgets().Page(index);
    const int largest = *std::max_element(info.modes.begin(), info.modes.end());
    while (page.ExerciseMode != largest)
        page.SwitchSB->click();
    TOxelPanel& board = *form.Widgets().OxelP;
    for (auto _ : state) {
        page.StartSB->click();
        board.repaint();
        state.PauseTiming();
        // Memorising exercises pass through answering before the stop.
        while (page.RunPhase != 1)
            page.StartSB->click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaint)->DenseRange(0, ExerciseCount - 1)->Unit(benchmark::kMillisecond);

void BM_ProgramStartToWindowPainted(benchmark::State& state) {
    QTemporaryDir dir;
    Install(dir);
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(dir.path());
        form->show();
        form->repaint();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgramStartToWindowPainted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows are measured without a user: the sign-in window would wait for one.
    TMainForm::SetSignInOnActivation(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
