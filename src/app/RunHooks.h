#pragma once

#include <QString>

struct RunResult;

// What series mode adds to the run cycle, at the points where a run hands over to it. The
// main window installs an implementation; without one the program has single runs only.
class SeriesHooks {
public:
    virtual ~SeriesHooks() = default;

    // The countdown before a series run, given the caption of the exercise's mode button.
    // Cancelling unchecks `LessonChB`, which drops the series.
    virtual void SeriesInterlude(const QString& modeCaption) = 0;
    // `SaveStats`: records a completed series run and decides on the next run.
    virtual void SaveStats(const RunResult& run) = 0;
};

// What the training ladder adds to the run cycle; without an implementation no ladder runs.
class LadderHooks {
public:
    virtual ~LadderHooks() = default;

    // The ladder step: judges a completed ladder run, once the window shows its end.
    virtual void LadderStep(const RunResult& run) = 0;
    // `UprTimerTimer`: announces and starts the next ladder step.
    virtual void UprTimerTimer() = 0;
};
