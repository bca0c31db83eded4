#pragma once

#include <QStringList>
#include <array>

// The contents of the board: the cell texts (LinesList, index = cell index) and one display
// mark per possible cell, with the fills and shuffles the exercises lay tables out with.
// Every random choice comes from the program generator Random(k).
class BoardCells {
public:
    static constexpr int MarkCount = 400;
    using MarkTable = std::array<quint8, MarkCount>;

    BoardCells();

    const QStringList& LinesList() const { return lines_; }
    void SetLinesList(const QStringList& lines) { lines_ = lines; }
    // Text of cell i, empty for a cell beyond the list.
    QString Text(int i) const;
    // Sets the text of cell i, growing the list with empty texts when needed (i < 400).
    void SetText(int i, const QString& text);

    const MarkTable& Marks() const { return marks_; }
    // Mark of cell i; -1 for an index outside 0..399.
    int Mark(int i) const;
    // Ignored for an index outside 0..399.
    void SetMark(int i, quint8 mark);
    void ResetMarks();

    // "1".."n" in a random cyclic order (no number stays in its starting cell); all marks 1.
    void FillNumbers(int n);
    // Black "1".."n div 2" (mark 2) and red "1".."n - n div 2" (mark 3), cyclically shuffled
    // with their marks.
    void FillRedBlack(int n);
    // One cell only: the list becomes the single text, mark of cell 0 := 1.
    void SetSingleText(const QString& text);
    // Moves texts and marks together by a random cyclic permutation of the list.
    void ShuffleCells();
    // Moves the texts of column col among its rows; marks stay.
    void ShuffleColumn(int col, int colCount, int rowCount);

private:
    // For i from count-1 down to 0 swaps i with Random(i); swap(i, j) does the exchange.
    template <typename Swap> static void CyclicShuffle(int count, Swap swap);
    void SwapCells(int i, int j);

    QStringList lines_;
    MarkTable marks_;
};
