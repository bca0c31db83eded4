#pragma once

#include "HistoryDb.h"

#include <QString>
#include <QStringList>

class CsvWriter;

// series.csv: one row per series of the statistics files, exercise by exercise and mode by
// mode, oldest first, with the mode as the interface names it, the local date and time the
// series ended in ISO 8601 with its offset (as runs.csv writes a run's start) and the average
// the statistics window shows. Files are read and deciphered in memory: nothing is written
// in the data folder.
class SeriesCsv {
public:
    static void Header(CsvWriter& csv);
    // Appends the series of one user (of the filter's exercise and mode, or all). Returns a
    // message for each file that could not be read whole; its readable series are written.
    static QStringList AppendUser(CsvWriter& csv, const QString& dataDir, const QString& user,
                                  const RunFilter& filter);
};
