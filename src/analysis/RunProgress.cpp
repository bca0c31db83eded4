#include "RunProgress.h"

#include "data/Errors.h"
#include "data/NumberFormat.h"

#include <algorithm>

namespace {

std::optional<double> ResultValue(const QString& text) {
    try {
        return ParseResult(text);
    } catch (const OxelError&) {
        return std::nullopt;
    }
}

} // namespace

QVector<ProgressPoint> RunProgress::Points(const QVector<HistoryRun>& runs) {
    QVector<ProgressPoint> points;
    points.reserve(runs.size());
    for (const HistoryRun& run : runs) {
        if (!run.completed || !run.started.isValid())
            continue;
        if (const std::optional<double> value = ResultValue(run.result))
            points.append({run.started, *value, 0});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ProgressPoint& a, const ProgressPoint& b) { return a.when < b.when; });
    double sum = 0;
    for (int i = 0; i < points.size(); ++i) {
        sum += points[i].value;
        if (i >= AverageOf)
            sum -= points[i - AverageOf].value;
        points[i].movingAverage = sum / std::min(i + 1, AverageOf);
    }
    return points;
}

QVector<ProgressPoint> RunProgress::Within(const QVector<ProgressPoint>& points, Period period,
                                           const QDateTime& now) {
    if (period == Period::All)
        return points;
    const QDateTime from = now.addDays(period == Period::Last30Days ? -30 : -90);
    QVector<ProgressPoint> within;
    for (const ProgressPoint& point : points)
        if (point.when >= from)
            within.append(point);
    return within;
}
