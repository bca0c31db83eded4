#pragma once

#include "SeriesHistory.h"
#include "StatsLabels.h"
#include "data/StatsStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the statistics window shows of one user's series, worked out without a window: the
// labels that have a statistics file, and of one label its deciphered records with their
// date lines and averages, the progress bars and the chart of one series.
class SeriesStatistics {
public:
    SeriesStatistics(const QString& programDir, const QString& user);

    // The labels that have a file, in the order the files are looked for.
    QList<StatsLabel> Present() const;
    // Their texts as the window lists them: alphabetical, letter case ignored.
    QStringList Listed() const;
    QString FilePath(const StatsLabel& label) const;

    // One label's file, read and deciphered.
    struct LabelSeries {
        QString path;
        bool score = false; // larger results are better
        QList<StatsStore::Record> records;
        SeriesHistory::Reading reading;     // date lines and averages, newest first
        QList<SeriesHistory::Bar> progress; // none when a record cannot be read
    };
    // Reads the label's file anew; a file that cannot be read throws OxelError.
    LabelSeries Read(const StatsLabel& label) const;

    // The chart of one series: its five results, as numbers and as they were shown, and the
    // title lines with their total and average.
    struct SeriesChart {
        bool damaged = false; // its results are not five numbers: nothing else is set
        QList<double> values;
        QStringList shown;
        QStringList title;
    };
    // The series of the date line (of equal lines the first, newest, one); none when no
    // record has it.
    static std::optional<SeriesChart> Series(const LabelSeries& series, const QString& date);

private:
    StatsStore store_;
    QString user_;
};
