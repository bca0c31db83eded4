#pragma once

#include "PracticeDays.h"

#include "history/HistoryExport.h"

class CsvWriter;
class QTextStream;

// days.csv, the calendar's figures: one row per user and day with a run, oldest first, with
// the columns user, date (yyyy-MM-dd), minutes (one decimal), runs and completed_runs.
class DaysCsv {
public:
    static void Header(CsvWriter& csv);
    static void Append(CsvWriter& csv, const QString& user, const PracticeDays& days);
    // The file beside those of ExportFileNames: "dir/Anna" gives dir/Anna-days.csv.
    static QString FileName(const QString& basePath);
    // The statistics window's export: the days of filter.user, of the runs the filter selects.
    static ExportReport ExportUser(const QString& dataDir, const RunFilter& filter,
                                   const QString& basePath);
    // The command line's export: outDir/days.csv for every user of the data folder. Each
    // problem is written to err; 0 when there was none, 1 otherwise.
    static int ExportFolder(const QString& dataDir, const QString& outDir, QTextStream& err);
};
