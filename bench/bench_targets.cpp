// The targets game on the real timer and event loop (offscreen): how far each showing lands
// from its schedule, and how far a measured reaction time is from the true one.
#include "BenchSupport.h"
#include "app/Main.h"
#include "data/Clock.h"
#include "data/Text1251.h"
#include "exercises/ClickerPanel.h"
#include "exercises/TargetsExercise.h"

#include <QComboBox>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using bench::FineClock;
using bench::Median;
using bench::Percentile;

// A main window the size of a 1920 x 1080 screen less a fifth, on the targets page.
struct Window {
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    TargetsExercise* targets = nullptr;

    Window() {
        bench::Install(dir);
        form = std::make_unique<TMainForm>(dir.path());
        form->show();
        form->resize(1536, 864);
        form->Widgets().TabSwitchCB->setCurrentIndex(Exercise(3).listPosition);
        QCoreApplication::processEvents();
        targets = &dynamic_cast<TargetsExercise&>(form->Cycle().ExerciseAt(3));
    }
    QToolButton* startButton() { return form->Widgets().Page(3).StartSB; }
    const TargetGame& game() const { return targets->Game(); }

    // Starts a game and plays stages 1 to 9 by calling the showing handler directly, every
    // pattern hit, so that stage 10 (500 ms) waits for "начать".
    void StartAtStage10() {
        startButton()->click();
        while (game().Running() && game().TargetStage() < 10) {
            if (game().ClickerState() == TargetGame::Clicker::Begin)
                targets->TargetClickPMouseDown(Qt::RightButton);
            targets->DXTimer1Timer();
            if (game().TargetPending())
                targets->TargetClickPMouseDown(Qt::LeftButton);
        }
    }
    void Stop() {
        if (game().Running())
            startButton()->click();
        QCoreApplication::processEvents();
    }
};

// A stage at 500 ms on the real timer: each showing's moment (its figures painted) minus the
// time it was due, k x 500 ms after the stage's start.
void BM_TargetsTickDrift(benchmark::State& state) {
    const int showings = static_cast<int>(state.range(0));
    FineClock clock;
    InstallClock(&clock);
    Window window;
    std::vector<double> drifts;
    for (auto _ : state) {
        window.StartAtStage10();
        if (window.game().TargetStage() != 10) {
            state.SkipWithError("stage 10 not reached");
            break;
        }
        QEventLoop loop;
        int seen = 0;
        window.targets->OnShown = [&] {
            drifts.push_back(clock.Fine() - window.targets->Pace().DueMs());
            if (++seen == showings)
                loop.quit();
        };
        window.targets->TargetClickPMouseDown(Qt::RightButton);
        loop.exec();
        window.targets->OnShown = nullptr;
        window.Stop();
    }
    state.counters["drift_median_ms"] = Median(drifts);
    state.counters["drift_p99_ms"] = Percentile(drifts, 0.99);
    state.counters["drift_max_ms"] = Percentile(drifts, 1.0);
    state.counters["showings"] = double(drifts.size());
    InstallClock(nullptr);
}
BENCHMARK(BM_TargetsTickDrift)
    ->Arg(100)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A synthetic user presses the clicker 150 to 400 ms (and a fraction) after each patterned
// showing; the press is posted to the event queue as the platform posts a real one.
// True reaction: the moment of the post minus the moment the showing was painted.
// Measured: what the game counted.
void BM_TargetsReactionError(benchmark::State& state) {
    const int showings = static_cast<int>(state.range(0));
    FineClock clock;
    InstallClock(&clock);
    Window window;
    // Two colours, five times each: three of every four showings form a pattern.
    for (std::size_t i = 0; i < window.form->Looks().TargetColor.size(); ++i)
        window.form->Looks().TargetColor[i] = i % 2 ? 0x00FF00 : 0x0000FF;
    ClickerPanel* clicker = window.targets->TargetClickP();
    std::vector<double> errors;
    int next = 0;
    for (auto _ : state) {
        window.StartAtStage10();
        QEventLoop loop;
        QObject pending; // cancels the presses still to come when the stage is left
        int seen = 0;
        window.targets->OnShown = [&] {
            if (++seen > showings) {
                loop.quit();
                return;
            }
            if (!window.game().TargetPending())
                return;
            const double shownAt = clock.Fine();
            const int delay = 150 + (next % 11) * 25;
            // A person's reaction is no whole number of milliseconds: the press waits a
            // further fraction, spread evenly over the millisecond.
            const double fraction = std::fmod(0.618034 * next++, 1.0);
            QTimer::singleShot(delay, Qt::PreciseTimer, &pending, [&, shownAt, fraction] {
                const double until = clock.Fine() + fraction;
                while (clock.Fine() < until) {
                }
                const int hits = window.game().TargetHits();
                const double pressedAt = clock.Fine();
                QCoreApplication::postEvent(
                    clicker, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
                // Queued behind the press: runs once the press has reached the clicker.
                QTimer::singleShot(0, &pending, [&, hits, shownAt, pressedAt] {
                    if (window.game().TargetHits() == hits + 1)
                        errors.push_back(window.game().TargetLastReaction() -
                                         (pressedAt - shownAt));
                });
            });
        };
        window.targets->TargetClickPMouseDown(Qt::RightButton);
        loop.exec();
        window.targets->OnShown = nullptr;
        window.Stop();
    }
    double sum = 0;
    for (double e : errors)
        sum += e;
    const double mean = errors.empty() ? 0 : sum / double(errors.size());
    double squares = 0;
    for (double e : errors)
        squares += (e - mean) * (e - mean);
    state.counters["rt_error_mean_ms"] = mean;
    state.counters["rt_error_sd_ms"] =
        errors.size() > 1 ? std::sqrt(squares / double(errors.size() - 1)) : 0;
    state.counters["rt_error_min_ms"] =
        errors.empty() ? 0 : *std::min_element(errors.begin(), errors.end());
    state.counters["rt_error_max_ms"] =
        errors.empty() ? 0 : *std::max_element(errors.begin(), errors.end());
    state.counters["hits"] = double(errors.size());
    InstallClock(nullptr);
}
BENCHMARK(BM_TargetsReactionError)
    ->Arg(60)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
