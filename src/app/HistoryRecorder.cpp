#include "HistoryRecorder.h"

#include "data/Dialogs.h"
#include "data/ExerciseInfo.h"

#include <QTimer>

HistoryRun ToHistoryRun(const RunResult& result, const QString& user, RunKind kind) {
    HistoryRun run;
    run.user = user;
    run.exercise = QString::fromLatin1(Exercise(result.exercise).statsBase);
    run.mode = result.mode;
    run.kind = kind;
    run.started = result.started;
    run.durationMs = result.durationMs;
    run.result = result.text;
    run.errors = result.errors;
    run.completed = result.completed;
    run.boardCols = result.boardCols;
    run.boardRows = result.boardRows;
    run.presses.reserve(result.presses.size());
    int seq = 0;
    for (const RunPress& p : result.presses)
        run.presses.append(
            HistoryPress{++seq, p.tMs, p.item, p.cell, p.correct, p.reactionMs, p.stage});
    return run;
}

HistoryRecorder::HistoryRecorder(QString dataDir, std::function<QString()> currentUser)
    : dataDir_(std::move(dataDir)), currentUser_(std::move(currentUser)) {}

HistoryRecorder::~HistoryRecorder() {
    // A last try for the runs still waiting, as the program ends.
    if (waiting_.isEmpty())
        return;
    if (!db_ || !db_->IsOpen())
        db_ = std::make_unique<HistoryDb>(dataDir_);
    if (!db_->IsReadOnly())
        StoreWaiting();
}

void HistoryRecorder::Record(const RunResult& result, RunKind kind) {
    HistoryRun run = ToHistoryRun(result, currentUser_(), kind);
    QTimer::singleShot(0, this, [this, run = std::move(run)]() mutable { Write(std::move(run)); });
}

void HistoryRecorder::Write(HistoryRun run) {
    if (!db_ || !db_->IsOpen()) {
        db_ = std::make_unique<HistoryDb>(dataDir_);
        // A damaged file set aside, or a newer version's file: say so, and keep going.
        ShowProblemOnce(db_->Problem());
    }
    // The runs that waited go in first, in their order; this one waits too when they cannot.
    if (!db_->IsReadOnly() && (!StoreWaiting() || !db_->Append(run))) {
        waiting_.append(run);
        ShowProblemOnce(db_->Problem());
        // Opened afresh at the next run: a connection that failed may stay broken.
        db_.reset();
    }
    if (OnRecorded)
        OnRecorded(run);
}

bool HistoryRecorder::StoreWaiting() {
    while (!waiting_.isEmpty()) {
        if (!db_->Append(waiting_.front()))
            return false;
        waiting_.removeFirst();
    }
    return true;
}

void HistoryRecorder::ShowProblemOnce(const QString& problem) {
    if (problemShown_ || problem.isEmpty())
        return;
    problemShown_ = true;
    ShowNotice(problem, Dialogs::Kind::Warning);
}
