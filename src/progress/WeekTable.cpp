#include "WeekTable.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

WeekFigures Figures(const QVector<double>& values, Better better) {
    WeekFigures figures;
    figures.runs = int(values.size());
    if (values.isEmpty())
        return figures;
    figures.best = better == Better::Lower ? *std::min_element(values.begin(), values.end())
                                           : *std::max_element(values.begin(), values.end());
    figures.median = WeekTable::Median(values);
    return figures;
}

Trend TrendOf(Better better, double now, double before) {
    if (PracticeKind::Beats(better, now, before))
        return Trend::Better;
    if (PracticeKind::Beats(better, before, now))
        return Trend::Worse;
    return Trend::Same;
}

} // namespace

QDate WeekTable::WeekStart(const QDate& day) {
    return day.addDays(1 - day.dayOfWeek());
}

double WeekTable::Median(QVector<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QVector<WeekRow> WeekTable::Build(const QVector<PracticeRun>& runs, const QDate& today) {
    const QDate thisWeek = WeekStart(today);
    const QDate lastWeek = thisWeek.addDays(-7);
    struct Values {
        QVector<double> now, before;
    };
    QHash<PracticeKey, Values> byKey;
    for (const PracticeRun& run : runs) {
        if (!run.completed || !run.value || run.day < lastWeek || run.day > today ||
            !PracticeKind::BetterOf(run.key.exercise))
            continue;
        Values& values = byKey[run.key];
        (run.day >= thisWeek ? values.now : values.before).append(*run.value);
    }
    QVector<WeekRow> rows;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        const Better better = *PracticeKind::BetterOf(it.key().exercise);
        WeekRow row{it.key(), Figures(it->now, better), Figures(it->before, better), {}, {}};
        if (row.thisWeek.median && row.lastWeek.median) {
            const double now = *row.thisWeek.median, before = *row.lastWeek.median;
            row.trend = TrendOf(better, now, before);
            if (before != 0)
                row.changePercent = (now - before) / std::abs(before) * 100;
        }
        rows.append(row);
    }
    std::sort(rows.begin(), rows.end(), [](const WeekRow& a, const WeekRow& b) {
        return PracticeKind::Before(a.key, b.key);
    });
    return rows;
}
