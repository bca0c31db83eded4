#include "BoardCells.h"

#include "data/Random.h"

#include <algorithm>
#include <utility>

BoardCells::BoardCells() { ResetMarks(); }

QString BoardCells::Text(int i) const {
    return i >= 0 && i < lines_.size() ? lines_[i] : QString();
}

void BoardCells::SetText(int i, const QString& text) {
    if (i < 0 || i >= MarkCount)
        return;
    while (lines_.size() <= i)
        lines_.append(QString());
    lines_[i] = text;
}

int BoardCells::Mark(int i) const { return i >= 0 && i < MarkCount ? marks_[i] : -1; }

void BoardCells::SetMark(int i, quint8 mark) {
    if (i >= 0 && i < MarkCount)
        marks_[i] = mark;
}

void BoardCells::ResetMarks() { marks_.fill(1); }

template <typename Swap> void BoardCells::CyclicShuffle(int count, Swap swap) {
    // Every step exchanges with a strictly lower index, so the result is a random cyclic
    // permutation: no element keeps its place.
    for (int i = count - 1; i >= 0; --i)
        swap(i, Random(i));
}

void BoardCells::SwapCells(int i, int j) {
    if (i == j)
        return;
    lines_.swapItemsAt(i, j);
    // A text from past the 400 marked cells brings the normal mark 1 with it.
    const int mi = Mark(i) < 0 ? 1 : Mark(i);
    const int mj = Mark(j) < 0 ? 1 : Mark(j);
    SetMark(i, quint8(mj));
    SetMark(j, quint8(mi));
}

void BoardCells::FillNumbers(int n) {
    lines_.clear();
    for (int k = 1; k <= n; ++k)
        lines_.append(QString::number(k));
    CyclicShuffle(n, [this](int i, int j) { lines_.swapItemsAt(i, j); });
    ResetMarks();
}

void BoardCells::FillRedBlack(int n) {
    const int half = n / 2;
    lines_.clear();
    for (int k = 1; k <= half; ++k) {
        SetMark(lines_.size(), 2);
        lines_.append(QString::number(k));
    }
    // The red numbers take the remaining cells: one more than the black ones on an odd table.
    for (int k = 1; k <= n - half; ++k) {
        SetMark(lines_.size(), 3);
        lines_.append(QString::number(k));
    }
    CyclicShuffle(n, [this](int i, int j) { SwapCells(i, j); });
}

void BoardCells::SetSingleText(const QString& text) {
    lines_ = QStringList{text};
    marks_[0] = 1;
}

void BoardCells::ShuffleCells() {
    CyclicShuffle(int(lines_.size()), [this](int i, int j) { SwapCells(i, j); });
}

void BoardCells::ShuffleColumn(int col, int colCount, int rowCount) {
    if (col < 0 || col >= colCount)
        return;
    // Only the rows whose cells have a text take part.
    QList<int> cells;
    for (int row = 0; row < rowCount; ++row) {
        const int index = col + row * colCount;
        if (index < lines_.size())
            cells.append(index);
    }
    QStringList texts;
    for (int index : cells)
        texts.append(lines_[index]);
    CyclicShuffle(int(texts.size()), [&texts](int i, int j) { texts.swapItemsAt(i, j); });
    for (int k = 0; k < cells.size(); ++k)
        lines_[cells[k]] = texts[k];
}
