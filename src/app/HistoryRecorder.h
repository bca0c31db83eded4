#pragma once

#include "exercises/RunResult.h"
#include "history/HistoryDb.h"

#include <QObject>
#include <functional>
#include <memory>

// A run's result as the history keeps it, with the signed-in user and the run's kind.
HistoryRun ToHistoryRun(const RunResult& result, const QString& user, RunKind kind);

// Keeps every run that ended in the history database of the data folder. The write waits
// for the event loop, so the window shows the run's end first; the database is opened at the
// first run. A history that cannot be opened or written (busy, a full disk, an I/O error) is
// tried again at the next run, and the runs it could not take wait in memory and go in first,
// in their order. A newer version's history is only read: this session records nothing in it.
// A problem is shown once per session, without waiting to be read, so that it never holds up
// a series or a ladder lesson; the best-result tables and the statistics are written as always.
class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    HistoryRecorder(QString dataDir, std::function<QString()> currentUser);
    ~HistoryRecorder() override;

    void Record(const RunResult& result, RunKind kind);
    // Told of each run once the history holds it (its id set), or could not take it (id 0).
    std::function<void(const HistoryRun&)> OnRecorded;

    // The runs waiting for the history to take them.
    int Waiting() const { return static_cast<int>(waiting_.size()); }

private:
    void Write(HistoryRun run);
    // Stores the waiting runs, oldest first; false when one could not be stored.
    bool StoreWaiting();
    void ShowProblemOnce(const QString& problem);

    QString dataDir_;
    std::function<QString()> currentUser_;
    std::unique_ptr<HistoryDb> db_;
    QVector<HistoryRun> waiting_;
    bool problemShown_ = false;
};
