// The shell: the start of a run of each exercise up to its first paint, and the program start up
// to the main window painted (offscreen).
#include "BenchSupport.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/FileLookup.h"
#include "data/Text1251.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>

namespace {

// A program folder with help documents of a realistic size, so that loading them counts.
void Install(const QTemporaryDir& dir) {
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "{\\b \\'d8\\'f3\\'eb\\'fc\\'f2\\'e5} text of the description\\par ";
    bench::Install(dir, text, 1000);
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

// Started as installed: the delivered files in their own folder, the user's data folder apart,
// so every file is looked up there first.
void BM_ProgramStartToWindowPainted(benchmark::State& state) {
    QTemporaryDir delivered;
    Install(delivered);
    QTemporaryDir data;
    FileLookup::SetDeliveredDir(delivered.path());
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(data.path());
        form->show();
        form->repaint();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    FileLookup::SetDeliveredDir({});
}
BENCHMARK(BM_ProgramStartToWindowPainted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
