// Proofreading: the press on the last target of a fresh 20x20 board, which marks it found
// and sweeps the 79 targets before it as missed, up to the board repainted.
#include "BenchSupport.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "exercises/ExerciseHost.h"
#include "exercises/ProbeExercise.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

namespace {

// The part of the main window the exercise reaches, with nothing behind the end of a run.
class BenchHost : public ExerciseHost {
public:
    TOxelPanel board;
    Settings looks;
    QStringList words;
    int penalty = 0;

    TOxelPanel& Board() override { return board; }
    const Settings& Looks() const override { return looks; }
    QString ProgramDir() const override { return {}; }
    bool LessonChecked() const override { return false; }
    bool LadderActive() const override { return false; }
    int SeriesExercise() const override { return 0; }
    void TimerOn() override {}
    void TimerOff() override {}
    QString TimerText() const override { return {}; }
    void SetTimerText(const QString&) override {}
    int Penalty() const override { return penalty; }
    void AddPenalty(int seconds) override { penalty += seconds; }
    QString Heading(int) const override { return {}; }
    void SetBarCaption(const QString&) override {}
    void SetModeButtonVisible(int, bool) override {}
    QStringList& WordList() override { return words; }
    const QStringList& NumberList() const override { return words; }
    void FinishRun() override {}
    void VerifyRecord() override {}
    void ShowAll() override {}
    void ContinueAfterRun() override {}
    void EndRun() override {}
    void LogPress(const RunPress&) override {}
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
    ProbeExercise probe(host);
    board.OnVerifyText = [&probe] { probe.Verify(); };
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
