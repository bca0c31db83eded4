#pragma once

#include "stats/StatsLabels.h"

#include <QString>
#include <optional>

class QTextStream;

// The statistics window's export: asks where to write with a save dialog, writes the user's
// series, runs, presses and days (of the label's exercise and mode, or everything) as CSV and
// says which files were written or what went wrong.
void ExportUserData(const QString& dataDir, const QString& user,
                    const std::optional<StatsLabel>& label);

// The command line's export of every user: series.csv, runs.csv and presses.csv, and days.csv
// beside them. 0 when there was no problem, 1 otherwise.
int ExportDataFolder(const QString& dataDir, const QString& outDir, QTextStream& err);
