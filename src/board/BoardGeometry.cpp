#include "BoardGeometry.h"

#include <algorithm>

namespace {

// total / count rounded to the nearest integer, ties to the even one (count > 0).
int RoundedQuotient(int total, int count) {
    int q = total / count;
    int r = total % count;
    if (r < 0) { // floor division for a negative total
        --q;
        r += count;
    }
    if (2 * r > count || (2 * r == count && q % 2 != 0))
        ++q;
    return q;
}

} // namespace

bool BoardGeometry::SetColCount(int count) {
    const int clamped = std::clamp(count, 1, MaxCount);
    const bool changed = clamped != colCount_;
    colCount_ = clamped;
    return changed;
}

bool BoardGeometry::SetRowCount(int count) {
    const int clamped = std::clamp(count, 1, MaxCount);
    const bool changed = clamped != rowCount_;
    rowCount_ = clamped;
    return changed;
}

void BoardGeometry::SetPaintRect(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

int BoardGeometry::PartSize(int total, int count, int i) {
    if (count <= 0 || i < 0 || i >= count)
        return 0;
    const int base = RoundedQuotient(total, count);
    const int rem = total - base * count;
    if (rem > 0 && i < rem)
        return base + 1;
    if (rem < 0 && i < -rem)
        return base - 1;
    return base;
}

int BoardGeometry::PartStart(int total, int count, int n) {
    if (count <= 0 || n <= 0)
        return 0;
    n = std::min(n, count);
    const int base = RoundedQuotient(total, count);
    const int rem = total - base * count;
    const int adjusted = rem > 0 ? std::min(n, rem) : -std::min(n, -rem);
    return n * base + adjusted;
}

int BoardGeometry::ColWidth(int i) const { return PartSize(x2_ - x1_, colCount_, i); }
int BoardGeometry::RowHeight(int i) const { return PartSize(y2_ - y1_, rowCount_, i); }
int BoardGeometry::ColLeft(int n) const { return PartStart(x2_ - x1_, colCount_, n); }
int BoardGeometry::RowTop(int n) const { return PartStart(y2_ - y1_, rowCount_, n); }

int BoardGeometry::ColAt(int x) const {
    // A position left of the grid is outside it, like one right of it.
    if (x < 0)
        return 0;
    for (int c = 1; c <= colCount_; ++c)
        if (x < ColLeft(c))
            return c;
    return 0;
}

int BoardGeometry::RowAt(int y) const {
    if (y < 0)
        return 0;
    for (int r = 1; r <= rowCount_; ++r)
        if (y < RowTop(r))
            return r;
    return 0;
}

int BoardGeometry::CellAt(int x, int y) const {
    const int col = ColAt(x - x1_);
    const int row = RowAt(y - y1_);
    if (col == 0 || row == 0)
        return -1;
    return (col - 1) + (row - 1) * colCount_;
}

QRect BoardGeometry::CellRect(int col, int row) const {
    const int left = x1_ + ColLeft(col);
    const int top = y1_ + RowTop(row);
    return QRect(QPoint(left, top), QPoint(x1_ + ColLeft(col + 1) - 1, y1_ + RowTop(row + 1) - 1));
}

QRect BoardGeometry::CellRect(int index) const {
    if (index < 0 || index >= CellCount())
        return {};
    return CellRect(index % colCount_, index / colCount_);
}
