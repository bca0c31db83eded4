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
            points.append({run.started, run.started.toMSecsSinceEpoch(), *value, 0});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ProgressPoint& a, const ProgressPoint& b) { return a.ms < b.ms; });
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
    const qint64 from = now.addDays(period == Period::Last30Days ? -30 : -90).toMSecsSinceEpoch();
    QVector<ProgressPoint> within;
    for (const ProgressPoint& point : points)
        if (point.ms >= from)
            within.append(point);
    return within;
}

RunProgress::Drawn RunProgress::ForDrawing(const QVector<ProgressPoint>& points, int spans) {
    Drawn drawn;
    const auto at = [](const ProgressPoint& p, double y) { return QPointF(qreal(p.ms), y); };
    if (points.size() <= 2 * qsizetype(std::max(1, spans))) {
        for (const ProgressPoint& p : points) {
            drawn.runs.append(at(p, p.value));
            drawn.averages.append(at(p, p.movingAverage));
        }
        return drawn;
    }
    const qint64 first = points.front().ms;
    const qint64 width = (points.back().ms - first) / spans + 1;
    for (qsizetype i = 0; i < points.size();) {
        const qint64 span = (points[i].ms - first) / width;
        qsizetype low = i, high = i, j = i;
        for (; j < points.size() && (points[j].ms - first) / width == span; ++j) {
            if (points[j].value < points[low].value)
                low = j;
            if (points[j].value > points[high].value)
                high = j;
        }
        for (qsizetype k : {std::min(low, high), std::max(low, high)}) {
            drawn.runs.append(at(points[k], points[k].value));
            if (low == high)
                break;
        }
        drawn.averages.append(at(points[j - 1], points[j - 1].movingAverage));
        i = j;
    }
    return drawn;
}

RunProgress::DateAxis RunProgress::DateTicks(const QDate& first, const QDate& last, int labels) {
    const qint64 gaps = std::max<qint64>(0, first.daysTo(last));
    const qint64 most = std::max(2, labels) - 1;
    // The smallest step that needs no more labels than allowed.
    qint64 step = 1;
    for (const qint64 nice : {1, 2, 3, 7, 14, 28, 56, 91, 182, 364}) {
        step = nice;
        if (gaps <= most * step)
            break;
    }
    if (gaps > most * step)
        step = 364 * ((gaps + most * 364 - 1) / (most * 364));
    const qint64 steps = (gaps + step - 1) / step;
    DateAxis axis;
    for (qint64 k = 0; k <= steps; ++k) {
        const QDate day = first.addDays(k * step);
        axis.days.append(day);
        axis.dayMs.append(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch());
    }
    axis.fromMs = first.startOfDay().toMSecsSinceEpoch();
    axis.toMs = axis.days.back().addDays(1).startOfDay().toMSecsSinceEpoch();
    return axis;
}
