#pragma once

// Real mouse presses on the board of the exercise test host: the board reports them to the
// exercise and changes the marks on release as it does in the program.

#include "ExerciseTestHost.h"
#include "data/Text1251.h"

#include <QDir>
#include <QTest>

// Shows the host's board and hands its presses to the exercise.
inline void WireBoard(BoardHost& host, ExerciseLogic& exercise) {
    host.board.resize(640, 480);
    host.board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host.board));
    host.board.OnVerifyText = [&exercise] { exercise.Verify(); };
}

// The word list of a program folder (dic/rus.dic).
inline void WriteWordList(const QString& programDir, const QStringList& words) {
    QDir(programDir).mkpath(QStringLiteral("dic"));
    SaveLinesFile(QDir(programDir).filePath(QStringLiteral("dic/rus.dic")), words);
}

// Presses and releases the cell with the left button; the verdict the exercise gave.
inline bool ClickCell(TOxelPanel& board, int cell) {
    board.SetCorrectFlag(!board.CorrectFlag());
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.CellRect(cell).center());
    return board.CorrectFlag();
}

// The same for the first cell holding the text and still to be found (mark 1).
inline bool ClickText(TOxelPanel& board, const QString& text) {
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (board.Line(i) == text && board.Mark(i) == 1)
            return ClickCell(board, i);
    return false;
}

inline QStringList NumberedWords(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QStringLiteral("слово%1").arg(i);
    return words;
}
