#pragma once

#include "PracticeSummary.h"

#include "history/HistoryDb.h"

#include <QMap>

// Reads what progress needs from the history in a few statements the database groups, never
// run by run, so that years of runs load in a moment.
class PracticeLoader {
public:
    // The user's summary: every day and best, and the runs since `recentFrom`, of the runs
    // stored before the one with the id `before` (0: of every run), so that this one can be
    // added afterwards. A database that is not open gives an empty summary that counts every
    // run added later.
    static PracticeSummary Load(const HistoryDb& db, const QString& user, const QDate& recentFrom,
                                qint64 before = 0);
    // The days of the runs the filter selects, by user as the history names them.
    static QMap<QString, PracticeDays> Days(const HistoryDb& db, const RunFilter& filter);
};
