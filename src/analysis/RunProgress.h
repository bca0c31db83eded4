#pragma once

#include "history/HistoryRecord.h"

#include <QDateTime>
#include <QVector>

// One completed run on the every-run chart.
struct ProgressPoint {
    QDateTime when;
    double value = 0;         // the result as a number
    double movingAverage = 0; // the mean of this run and the nine before it (or all there are)
};

// The every-run progress of one exercise and mode: each completed run's result over time,
// with the mean of the last ten runs.
class RunProgress {
public:
    static constexpr int AverageOf = 10;

    enum class Period { Last30Days, Last90Days, All };

    // The completed runs whose result is a number, oldest first, each with the moving
    // average of the runs up to it. Runs that were stopped, and results that are no number,
    // are left out.
    static QVector<ProgressPoint> Points(const QVector<HistoryRun>& runs);

    // The points of the period that ends at `now`. The averages stay those of the whole
    // history, so a point does not change with the period chosen.
    static QVector<ProgressPoint> Within(const QVector<ProgressPoint>& points, Period period,
                                         const QDateTime& now);
};
