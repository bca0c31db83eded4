#pragma once

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

// What a run leaves when it ends: the ten-best check, the series, the ladder and the
// history take this value; the timer label only shows it.
struct RunResult {
    int exercise = -1;  // exercise index
    int mode = 0;
    QString text;       // the result as shown ("12.3", or the targets game's points)
    std::optional<double> value; // the same as a number; none when the text is not one
    int penalty = 0;    // seconds already added to the time
    int errors = 0;
    QString detail;     // the targets game's detail text of the ten-best table
    bool completed = true;
    QDateTime started;  // local date-time of the start
    qint64 durationMs = 0;
    int boardCols = 0;
    int boardRows = 0;
    QVector<RunPress> presses;
};

// Collects a run's presses on the monotonic clock. A board press is held until the exercise
// has judged it, because the judgement may itself end the run.
class RunRecorder {
public:
    void Start(qint64 monotonicMs, const QDateTime& started);
    bool Running() const { return running_; }
    // A press on the board, before the exercise judges it.
    void Pressed(qint64 monotonicMs, const QString& item, int cell);
    // The exercise's verdict on the held press; nothing when no press is held.
    void Judged(bool correct);
    // A press the exercise reports itself (the targets game, errors it swept).
    void Add(qint64 monotonicMs, RunPress press);
    // Ends the run: the held press is judged by `lastVerdict`, the presses move into the
    // result with its timing and error count. The caller fills the rest.
    RunResult Finish(qint64 monotonicMs, bool completed, bool lastVerdict);

private:
    qint64 startMs_ = 0;
    QDateTime started_;
    bool running_ = false;
    std::optional<RunPress> held_;
    QVector<RunPress> presses_;
};
