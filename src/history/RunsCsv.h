#pragma once

#include "HistoryDb.h"

#include <QStringList>

class CsvWriter;

// runs.csv and presses.csv from the history database: one row per run, oldest first, and
// one per press, by run and sequence.
class RunsCsv {
public:
    // The mode of an exercise (statistics base name) as the interface names it ("5x5", "10"),
    // in the current language; empty for an exercise or mode this program does not have.
    static QString ModeName(const QString& exercise, int mode);
    static void RunsHeader(CsvWriter& csv);
    static void PressesHeader(CsvWriter& csv);
    // Appends the runs the filter selects whose user is one of `users` (in any letter case)
    // and their presses. A database that cannot be read to the end says so in its Problem().
    static void Append(const HistoryDb& db, const RunFilter& filter, const QStringList& users,
                       CsvWriter& runs, CsvWriter& presses);
};
