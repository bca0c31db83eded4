#include "SeriesStatistics.h"

#include "data/Errors.h"
#include "data/ExerciseInfo.h"

#include <algorithm>

SeriesStatistics::SeriesStatistics(const QString& programDir, const QString& user)
    : store_(programDir), user_(user) {}

QList<StatsLabel> SeriesStatistics::Present() const {
    QList<StatsLabel> present;
    for (const StatsLabel& label : StatsLabels::All())
        if (store_.Exists(user_, label.exercise, label.mode))
            present.append(label);
    return present;
}

QStringList SeriesStatistics::Listed() const {
    QStringList texts;
    for (const StatsLabel& label : Present())
        texts.append(label.text);
    StatsLabels::Sort(texts);
    return texts;
}

QString SeriesStatistics::FilePath(const StatsLabel& label) const {
    return store_.FilePath(user_, label.exercise, label.mode);
}

SeriesStatistics::LabelSeries SeriesStatistics::Read(const StatsLabel& label) const {
    LabelSeries series;
    series.path = FilePath(label);
    series.score = Exercise(label.exercise).result == ResultKind::Score;
    series.records = store_.ReadRecords(user_, label.exercise, label.mode);
    series.reading = SeriesHistory::Read(series.records);
    if (!series.reading.damaged)
        series.progress = SeriesHistory::ProgressBars(series.reading.averages, series.score);
    return series;
}

std::optional<SeriesStatistics::SeriesChart> SeriesStatistics::Series(const LabelSeries& series,
                                                                      const QString& date) {
    const auto record =
        std::find_if(series.records.begin(), series.records.end(),
                     [&](const StatsStore::Record& r) { return r.dateTime == date; });
    if (record == series.records.end())
        return std::nullopt;
    SeriesChart chart;
    std::array<double, StatsStore::RunsPerSeries> values{};
    try {
        values = record->Values();
    } catch (const OxelError&) {
        chart.damaged = true;
        return chart;
    }
    chart.values = QList<double>(values.begin(), values.end());
    for (const QString& result : record->results.mid(0, StatsStore::RunsPerSeries))
        chart.shown.append(result.trimmed());
    chart.title = SeriesHistory::SeriesTitle(values, series.score);
    return chart;
}
