#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

// One press of a run as the history keeps it.
struct HistoryPress {
    int seq = 0;        // 1, 2, ... in the order of the presses
    qint64 tMs = 0;     // ms since the run's start on the monotonic clock
    QString item;       // what was pressed: the number, word, letter or cell as shown
    int cell = -1;      // the board cell index (row * cols + col), -1 when not on the board
    bool correct = true;
    std::optional<int> reactionMs; // targets game only
    std::optional<int> stage;      // targets game only
};

enum class RunKind { Single, Series, Ladder };

// "single", "series", "ladder": the kind as the database and the export write it.
QString RunKindName(RunKind kind);
// The kind of a stored name; nothing for any other text.
std::optional<RunKind> RunKindOfName(const QString& name);
// A start as stored: ISO 8601 local date and time with its UTC offset
// ("2026-11-28T19:00:10+01:00").
QString StartedText(const QDateTime& started);

// One run as the history keeps it.
struct HistoryRun {
    qint64 id = 0;      // assigned by the database; 0 before the run is stored
    QString user;
    QString exercise;   // the statistics base name: shulte, rbshulte, mnemo, targets, ...
    int mode = 0;       // the number in the statistics file name
    RunKind kind = RunKind::Single;
    QDateTime started;  // local date-time; stored with its UTC offset
    qint64 durationMs = 0;
    QString result;     // the result as shown to the user
    int errors = 0;
    bool completed = true;
    int boardCols = 0;  // the board's size, so a press's cell can be placed again
    int boardRows = 0;
    QVector<HistoryPress> presses;
};
