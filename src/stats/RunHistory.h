#pragma once

#include "history/HistoryRecord.h"

#include <QVector>
#include <functional>

// Where the statistics window finds the runs of the history: one narrow source, installed by
// the program's entry (reading the data folder's database) or by a test. Without a source, or
// when it finds nothing, there are no runs.
class RunHistory {
public:
    // The runs of a user, exercise (statistics base name) and mode, oldest first.
    using Source =
        std::function<QVector<HistoryRun>(const QString& user, const QString& exercise, int mode)>;

    static void Install(Source source);
    // A source that opens the history of the data folder read-only at each call: a missing
    // or damaged database gives no runs, and is neither created nor moved.
    static Source FromDataFolder(const QString& dataDir);
    static QVector<HistoryRun> Runs(const QString& user, const QString& exercise, int mode);
};
