#pragma once

#include "history/HistoryRecord.h"

#include <QVector>

// The misses that fell in one part of the board.
struct RegionCount {
    int row = 0; // the part's row and column in the split, from the top left
    int col = 0;
    int missed = 0; // targets left behind
    int wrong = 0;  // presses on other symbols
};

// Where on the board a proofreading run lost its targets: the board split into equal
// parts, and the wrong presses of each part.
class BoardRegions {
public:
    // Every part of a `splitRows` × `splitCols` split, row by row. A wrong press on a symbol
    // that was a target elsewhere in the run (one of the symbols of its correct presses) is
    // a target left behind; any other is a press on a wrong symbol. Presses off the board are
    // left out.
    static QVector<RegionCount> Count(const HistoryRun& run, int splitRows = 3, int splitCols = 3);
};
