#pragma once

// Presses with the mouse on a shown board wired to an exercise, so that the board's own
// release rules (found cells, kept colours) take part as they do in the program.

#include "board/OxelPanel.h"
#include "exercises/ExerciseLogic.h"

#include <QTest>

// Shows the board at a size where every cell can be hit and hands its presses to the
// exercise.
inline bool WireBoard(TOxelPanel& board, ExerciseLogic& exercise) {
    board.resize(600, 600);
    board.OnVerifyText = [&exercise] { exercise.Verify(); };
    board.show();
    return QTest::qWaitForWindowExposed(&board);
}

// A left click (press and release) on the cell; the verdict of the press.
inline bool ClickCell(TOxelPanel& board, int cell) {
    board.SetCorrectFlag(false);
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(cell).center());
    return board.CorrectFlag();
}
