#pragma once

#include "exercises/RunResult.h"

#include <array>
#include <functional>
#include <vector>

// Hands each finished run, completed or stopped, as one value to everything that takes it,
// stage by stage in this fixed order; within a stage in the order of subscription. A
// subscriber acts on the kinds of run it cares for and ignores the rest; none reads the run
// back from anywhere else.
class FinishedRuns {
public:
    enum class Stage {
        // The ten-best check of a completed run and the table shown beside the board.
        BestResults,
        // The window back to its idle look after a completed run (`TSShowAll`).
        Window,
        // A completed series run: its statistics and the next run (`SaveStats`). A completed
        // ladder run: the ladder's judgement and the next step.
        Continuation,
        // Everything that looks back at finished runs: the history (written once the event
        // loop runs again, so the window shows the end first) and the run analysis.
        Keeping,
    };
    static constexpr int StageCount = 4;

    using Subscriber = std::function<void(const RunResult&)>;

    void Subscribe(Stage stage, Subscriber subscriber);
    void Push(const RunResult& run) const;

private:
    std::array<std::vector<Subscriber>, StageCount> stages_;
};
