#pragma once

#include "history/HistoryRecord.h"

#include <QStringList>
#include <QVector>

// One item of a run's answer: a number of a Schulte table, a word, a pair, a sum of the
// counter; the presses that made it and the time it took.
struct ItemTime {
    QStringList items;    // the correct presses that make the item, as shown
    QVector<int> cells;   // their board cells
    qint64 ms = 0;        // from the end of the previous item (the first: from the start)
    qint64 endMs = 0;     // when its last press came
    int wrongPresses = 0; // wrong presses made while it was due
};

// Where a run's time went, worked out from its presses alone.
class PressTimes {
public:
    // No board is larger; a stored size beyond it is damage and gives no board.
    static constexpr qint64 MaxCells = 100 * 100;

    // The presses in the order they were made: by their sequence number.
    static QVector<HistoryPress> InOrder(const QVector<HistoryPress>& presses);

    // The run's correct presses taken `groupSize` at a time (1 for a number or word, 2 or 3
    // for a group of words, 3 for a sum with its operands). Wrong presses do not end an
    // item: they count for the item that was due. A last, unfinished group is left out.
    static QVector<ItemTime> Items(const HistoryRun& run, int groupSize = 1);

    // The places of the `count` slowest items, slowest first; of equal times the earlier.
    static QVector<int> Slowest(const QVector<ItemTime>& items, int count);

    // The time of each board cell, row by row, for a board of the run's size: the time of
    // the item whose first press was on it, or -1. Cells outside the board are ignored; a
    // board of no size or beyond MaxCells gives no cells.
    static QVector<qint64> CellTimes(const HistoryRun& run, const QVector<ItemTime>& items);
};
