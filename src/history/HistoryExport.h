#pragma once

#include "HistoryDb.h"

#include <QString>
#include <QStringList>

class QTextStream;

// Takes the data of a data folder out as CSV: series.csv from the statistics files,
// runs.csv and presses.csv from the history database. Nothing in the data folder is
// created or changed (but for SQLite's own -wal and -shm beside a history file it reads);
// each output file is replaced whole or not at all.
struct ExportReport {
    QStringList written;  // the files written
    QStringList problems; // damaged files and failed writes, one message each
};

// Replaces the file whole with the bytes, listing it as written or naming what went wrong.
void WriteExportFile(const QString& path, const QByteArray& bytes, ExportReport& report);

// The three files of an export to the base path "dir/Anna" or "dir/Anna.csv":
// dir/Anna-series.csv, dir/Anna-runs.csv, dir/Anna-presses.csv.
QStringList ExportFileNames(const QString& basePath);

// The command line's export: series.csv, runs.csv and presses.csv in outDir (created when
// missing) for every user of the data folder. Each problem is written to err, the rest is
// still exported; 0 when there was none, 1 otherwise.
int ExportFolder(const QString& dataDir, const QString& outDir, QTextStream& err);

// The statistics window's export: the series and runs of filter.user (of the filter's
// exercise and mode, or everything) into the files ExportFileNames(basePath) gives.
ExportReport ExportUser(const QString& dataDir, const RunFilter& filter, const QString& basePath);
