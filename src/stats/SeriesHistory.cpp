#include "SeriesHistory.h"

#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

#include <algorithm>
#include <cmath>

double SeriesHistory::RoundAverage(double value) {
    return ::RoundAverage(value);
}

double SeriesHistory::SeriesAverage(const std::array<double, StatsStore::RunsPerSeries>& values) {
    return StatsStore::Average(values);
}

SeriesHistory::Reading SeriesHistory::Read(const QList<StatsStore::Record>& records) {
    Reading reading;
    for (const StatsStore::Record& record : records) {
        reading.dates.append(record.dateTime);
        try {
            // A record cut off before its results line has no fields and fails the same way.
            reading.averages.append(SeriesAverage(record.Values()));
        } catch (const OxelError&) {
            reading.damaged = true;
            break;
        }
    }
    return reading;
}

double SeriesHistory::Beginning(const QList<double>& averages, bool largerIsBetter) {
    const QList<double> oldest =
        averages.mid(std::max<qsizetype>(0, averages.size() - OldestCount));
    if (oldest.isEmpty())
        return 0;
    return largerIsBetter ? *std::max_element(oldest.begin(), oldest.end())
                          : *std::min_element(oldest.begin(), oldest.end());
}

double SeriesHistory::OverallAverage(const QList<double>& averages) {
    if (averages.isEmpty())
        return 0;
    double sum = 0;
    for (double a : averages)
        sum += a;
    return RoundAverage(sum / static_cast<double>(averages.size()));
}

QList<SeriesHistory::Bar> SeriesHistory::ProgressBars(const QList<double>& averages,
                                                      bool largerIsBetter) {
    QList<Bar> bars;
    if (averages.isEmpty())
        return bars;
    bars.append({BarKind::Beginning, T(Tx::Beginning), Beginning(averages, largerIsBetter), -1});
    const int recent = static_cast<int>(std::min<qsizetype>(averages.size(), RecentCount));
    for (int record = recent - 1; record >= 0; --record)
        if (averages[record] != 0)
            bars.append({BarKind::Recent, T(Tx::RecentSeries), averages[record], record});
    bars.append({BarKind::Average, T(Tx::Average), OverallAverage(averages), -1});
    return bars;
}

int SeriesHistory::SelectedBar(const QList<Bar>& bars, int selectedIndex) {
    if (selectedIndex < 0 || selectedIndex >= RecentCount)
        return -1;
    for (qsizetype i = 0; i < bars.size(); ++i)
        if (bars[i].kind == BarKind::Recent && bars[i].record == selectedIndex)
            return static_cast<int>(i);
    return -1;
}

QStringList SeriesHistory::SeriesTitle(const std::array<double, StatsStore::RunsPerSeries>& values,
                                       bool score) {
    double total = 0;
    for (double v : values)
        total += v;
    const QString equals = QStringLiteral(" = ");
    return {T(score ? Tx::TotalPoints : Tx::TotalTime) + equals + FormatOneDecimal(total),
            T(Tx::AverageValue) + equals + FormatOneDecimal(total / StatsStore::RunsPerSeries)};
}
