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
// first run. A problem with it is shown once per session and costs nothing else: the
// best-result tables and the statistics are written as always.
class HistoryRecorder : public QObject {
    Q_OBJECT
public:
    HistoryRecorder(QString dataDir, std::function<QString()> currentUser);
    ~HistoryRecorder() override;

    void Record(const RunResult& result, RunKind kind);
    // Told of each run once it is stored (or could not be), for its analysis.
    std::function<void(const HistoryRun&)> OnRecorded;

private:
    void Write(HistoryRun run);
    void ShowProblemOnce(const QString& problem);

    QString dataDir_;
    std::function<QString()> currentUser_;
    std::unique_ptr<HistoryDb> db_;
    bool problemShown_ = false;
};
