#pragma once

// Real mouse presses on a shown board wired to an exercise, so that the board's own release
// rules (found cells, kept colours) take part as they do in the program; and the look-ups
// of cells the exercise tests share.

#include "ExerciseTestHost.h"
#include "data/Text1251.h"

#include <QDir>
#include <QTest>

// Shows the board at a size where every cell can be hit and hands its presses to the
// exercise, as the run cycle does; false when the board could not be shown.
inline bool WireBoard(BoardHost& host, ExerciseLogic& exercise) {
    TOxelPanel& board = host.board;
    board.resize(640, 480);
    board.OnPress = [&host, &exercise](const Press& press) -> std::optional<bool> {
        const std::optional<Verdict> verdict = exercise.Judge(press);
        host.lastVerdict = host.Take(verdict);
        return verdict ? std::optional<bool>(verdict->correct) : std::nullopt;
    };
    board.show();
    return QTest::qWaitForWindowExposed(&board);
}

// A left click (press and release) on the cell; the verdict of the press. A press the
// board does not report, or that the exercise leaves unjudged, reads as rejected.
inline bool ClickCell(BoardHost& host, int cell) {
    host.lastVerdict = false;
    QTest::mouseClick(&host.board, Qt::LeftButton, {}, host.board.CellRect(cell).center());
    return host.lastVerdict;
}

// The same for the first cell holding the text and still to be found (mark 1).
inline bool ClickText(BoardHost& host, const QString& text) {
    const TOxelPanel& board = host.board;
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (board.Line(i) == text && board.Mark(i) == 1)
            return ClickCell(host, i);
    return false;
}

// The cell holding the number with the mark (red-black: 2 black, 3 red); -1 when none does.
inline int CellOf(const TOxelPanel& board, int value, int mark) {
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (board.Line(i).toInt() == value && board.Mark(i) == mark)
            return i;
    return -1;
}

// How many of the first cells have the mark.
inline int CountMark(const TOxelPanel& board, int cells, int mark) {
    int n = 0;
    for (int i = 0; i < cells; ++i)
        n += board.Mark(i) == mark;
    return n;
}

// The word list of a program folder (dic/rus.dic).
inline void WriteWordList(const QString& programDir, const QStringList& words) {
    QDir(programDir).mkpath(QStringLiteral("dic"));
    SaveLinesFile(QDir(programDir).filePath(QStringLiteral("dic/rus.dic")), words);
}

inline QStringList NumberedWords(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QStringLiteral("слово%1").arg(i);
    return words;
}
