#pragma once

#include <QString>
#include <QtGlobal>

// One press of the user as a value: a mouse button on a board cell, or a key, with its
// moment on the monotonic clock. The board and the run cycle make it; the active exercise
// judges it.
struct Press {
    enum class Kind { Left, Right, Key };

    Kind kind = Kind::Left;
    int cell = -1;   // the board cell; -1 for a key and for a cell past the board's texts
    QString item;    // the cell's text; empty for a key
    int mark = -1;   // the cell's display mark; -1 where the cell is -1
    int key = 0;     // the Qt::Key of a key press
    qint64 atMs = 0; // monotonic milliseconds
};
