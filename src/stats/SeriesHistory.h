#pragma once

#include "data/StatsStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// The numbers the statistics window draws, worked out from the records of one statistics
// file: the average of each series, the progress bars (the beginning, the ten newest
// averages, the overall average), the title lines of one series and the bar that belongs to
// the selected series. Colours are $BBGGRR values.
class SeriesHistory {
public:
    static constexpr quint32 SeriesColor = 0x00D700;    // the newest averages
    static constexpr quint32 BeginningColor = 0x0000FF; // red
    static constexpr quint32 AverageColor = 0xFF0000;   // blue
    static constexpr quint32 HoverColor = 0x00FF00;     // light green
    static constexpr quint32 SelectedColor = 0x008000;  // dark green
    static constexpr int RecentCount = 10;
    static constexpr int OldestCount = 3;

    // An average as the window keeps it: in single precision, then to one decimal with
    // halves rounded away from zero.
    static double RoundAverage(double value);
    static double SeriesAverage(const std::array<double, StatsStore::RunsPerSeries>& values);

    // What a file gives: the date lines and the averages of its records, newest first. A
    // record that cannot be read ends the reading: its date line is the last one and the
    // file counts as damaged.
    struct Reading {
        QStringList dates;
        QList<double> averages;
        bool damaged = false;
    };
    static Reading Read(const QList<StatsStore::Record>& records);

    enum class BarKind { Beginning, Recent, Average };
    struct Bar {
        BarKind kind;
        QString label;
        double value;
        int record; // the record's place, 0 for the newest; -1 for the beginning and average
    };
    // The best of the (up to three) oldest averages: the largest for scores, else the
    // smallest.
    static double Beginning(const QList<double>& averages, bool largerIsBetter);
    // The mean of all averages, rounded as an average.
    static double OverallAverage(const QList<double>& averages);
    // "начало", then the ten newest averages oldest first (averages of exactly 0 left out),
    // then "среднее". No bars without averages.
    static QList<Bar> ProgressBars(const QList<double>& averages, bool largerIsBetter);
    // The bar of the series selected in the date list (0 the newest), or -1 when that series
    // has no bar.
    static int SelectedBar(const QList<Bar>& bars, int selectedIndex);

    // "Общее время = 117.1" ("Всего очков" for scores) and "Среднее значение = 23.4".
    static QStringList SeriesTitle(const std::array<double, StatsStore::RunsPerSeries>& values,
                                   bool score);
};
