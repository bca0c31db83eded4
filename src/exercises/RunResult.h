#pragma once

#include "history/HistoryRecord.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

// One press of a run: on the board, on the targets game's clicker, or an error the
// exercise found unmarked (then correct is false and the press is the exercise's verdict).
struct RunPress {
    qint64 tMs = 0;     // ms since the run's start on the monotonic clock
    QString item;       // the number, word, letter or showing as shown
    int cell = -1;      // board cell (row * cols + col), -1 when not on the board
    bool correct = true;
    std::optional<int> reactionMs; // targets game only
    std::optional<int> stage;      // targets game only
};

// What a run leaves when it ends, completed or stopped: the one value the run cycle hands to
// the ten-best check, the series, the ladder, the history and the analysis. The timer's
// display only shows it.
struct RunResult {
    int exercise = -1;  // exercise index
    int mode = 0;       // the mode the run was drawn in
    RunKind kind = RunKind::Single;
    bool completed = true;
    QString user;     // the signed-in user the run belongs to
    double value = 0; // seconds (penalty included), or the points of a scored exercise
    QString text;     // the same as the stored files keep it ("12.3", "38.4", "3350")
    int penalty = 0;  // seconds of penalty collected
    int errors = 0;
    QString detail;     // the targets game's detail text of the ten-best table
    QDateTime started;  // local date-time of the start
    qint64 durationMs = 0;
    int boardCols = 0;
    int boardRows = 0;
    QVector<RunPress> presses;
};

// Collects a run's presses on the monotonic clock, each once it has been judged.
class RunRecorder {
public:
    void Start(qint64 monotonicMs, const QDateTime& started);
    bool Running() const { return running_; }
    // A judged press made at the given moment; nothing while no run is recorded.
    void Add(qint64 monotonicMs, RunPress press);
    // Ends the run: the presses move into the result with its timing and error count. The
    // caller fills the rest.
    RunResult Finish(qint64 monotonicMs, bool completed);

private:
    qint64 startMs_ = 0;
    QDateTime started_;
    bool running_ = false;
    QVector<RunPress> presses_;
};
