// Proofreading: the press on the last target of a fresh 20x20 board, which marks it found
// and sweeps the 79 targets before it as missed, up to the board repainted.
#include "BenchSupport.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "exercises/ExerciseRoles.h"
#include "exercises/ProbeExercise.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

namespace {

// The part of the main window the exercise reaches, with nothing behind the end of a run.
class BenchHost : public ExerciseBoard, public RunControl {
public:
    TOxelPanel board;
    Settings looks;
    int penalty = 0;

    TOxelPanel& Board() override { return board; }
    const Settings& Looks() const override { return looks; }
    bool LessonChecked() const override { return false; }
    bool LadderActive() const override { return false; }
    int SeriesExercise() const override { return 0; }
    void RestartTimer() override {}
    void AddPenalty(int seconds) override { penalty += seconds; }
    void ShowScore(qint32, const QString&) override {}
    void Record(const RunPress&) override {}
    void FinishRun() override {}
};

void SendMouse(TOxelPanel& board, QEvent::Type type, const QPointF& at) {
    QMouseEvent event(type, at, board.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&board, &event);
}

void BM_ProbeClickWorstSweep(benchmark::State& state) {
    BenchHost host;
    TOxelPanel& board = host.board;
    board.resize(1800, 1000);
    ProbeExercise probe(host, host);
    board.OnPress = [&probe](const Press& press) -> std::optional<bool> {
        const std::optional<Verdict> verdict = probe.Judge(press);
        return verdict ? std::optional<bool>(verdict->correct) : std::nullopt;
    };
    QImage image(board.size(), QImage::Format_RGB32);
    ProgramRandom().Seed(1);
    int swept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        probe.Draw(1);
        board.render(&image);
        int last = ProbeExercise::Side * ProbeExercise::Side - 1;
        while (board.Line(last) != probe.Target1() && board.Line(last) != probe.Target2())
            --last;
        // The cells the press changes: every target.
        QRegion changed;
        for (int i = 0; i <= last; ++i)
            if (board.Line(i) == probe.Target1() || board.Line(i) == probe.Target2())
                changed += board.CellRect(i);
        const QPointF at = board.CellRect(last).center();
        const int before = host.penalty;
        state.ResumeTiming();

        SendMouse(board, QEvent::MouseButtonPress, at);
        SendMouse(board, QEvent::MouseButtonRelease, at);
        board.render(&image, changed.boundingRect().topLeft(), changed);
        benchmark::DoNotOptimize(image.constBits());

        state.PauseTiming();
        swept = (host.penalty - before) / ProbeExercise::PenaltyPerMiss;
        state.ResumeTiming();
    }
    state.counters["swept"] = swept;
}
BENCHMARK(BM_ProbeClickWorstSweep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
