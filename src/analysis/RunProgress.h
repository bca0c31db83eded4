#pragma once

#include "history/HistoryRecord.h"

#include <QDateTime>
#include <QPointF>
#include <QVector>

// One completed run on the every-run chart.
struct ProgressPoint {
    QDateTime when;
    qint64 ms = 0;            // the same moment in ms since the epoch, quick to compare
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

    // What a chart draws of the points: x in ms since the epoch. Up to twice `spans` points
    // are drawn as they are; more are grouped into `spans` equal spans of time, each keeping
    // its lowest and its highest run (in time order) and its last average, since a chart
    // cannot show more than that anyway.
    struct Drawn {
        QVector<QPointF> runs;
        QVector<QPointF> averages;
    };
    static Drawn ForDrawing(const QVector<ProgressPoint>& points, int spans);

    // The date axis of a chart of the days `first` to `last`: at most `labels` labels (two
    // when fewer are asked), on distinct days a whole number of days apart (1, 2, 3, 7, 14, 28,
    // ...), the first on `first`, the last on or after `last`. Each label stands at the middle of
    // its day; the axis runs from the start of the first label's day to the end of the last's,
    // so every moment of those days lies on it.
    struct DateAxis {
        qint64 fromMs = 0;
        qint64 toMs = 0;
        QVector<QDate> days;
        QVector<qint64> dayMs; // the middle of each day, in ms since the epoch
    };
    static DateAxis DateTicks(const QDate& first, const QDate& last, int labels);
};
