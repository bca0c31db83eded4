#pragma once

#include "RunHooks.h"
#include "data/StatsStore.h"

#include <QString>
#include <array>
#include <functional>

class QWidget;
class RunCycle;
class TDataFile;
struct MainWidgets;

// Series mode: the countdown before each run, the results of the five runs, the record in
// the user's statistics after the fifth and the statistics window that follows; the next
// run is started by the run cycle's `LessonTimer`.
class SeriesFlow : public SeriesHooks {
public:
    struct Context {
        QWidget* window; // the owner of the modal windows
        RunCycle& cycle;
        MainWidgets& widgets;
        QString programDir;
        std::function<QString()> currentUser;
        std::function<TDataFile*()> settingsFile;
    };

    static constexpr int RunsPerSeries = StatsStore::RunsPerSeries;

    explicit SeriesFlow(Context context);

    // SeriesHooks
    void SeriesInterlude(const QString& modeCaption) override;
    void SaveStats(const RunResult& run) override;

    // The statistics window (`StatsNClick` and the end of a series); while a series runs it
    // preselects that exercise, mode and newest series.
    void ShowStatistics();

    int SeriesLength() const { return seriesLength_; }
    // `SeriesResults`, runs 1 to 5 of the series under way.
    const std::array<QString, RunsPerSeries>& SeriesResults() const { return seriesResults_; }

    // Told when a series is over, after its statistics were recorded and shown (or could not
    // be recorded).
    std::function<void()> OnSeriesOver;

private:
    void ResetSeries();

    Context ctx_;
    int seriesLength_ = RunsPerSeries;
    std::array<QString, RunsPerSeries> seriesResults_;
};
