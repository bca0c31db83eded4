#pragma once

#include <QRect>

// Splits the paint rectangle of the board into ColCount columns and RowCount rows that fill
// it exactly, and finds the cell under a position. Counts are clamped to 1..20.
class BoardGeometry {
public:
    static constexpr int MaxCount = 20;
    static constexpr int MaxCells = MaxCount * MaxCount;

    int ColCount() const { return colCount_; }
    // Returns whether the value changed.
    bool SetColCount(int count);
    int RowCount() const { return rowCount_; }
    bool SetRowCount(int count);
    int CellCount() const { return colCount_ * rowCount_; }

    int PaintRectX1() const { return x1_; }
    int PaintRectY1() const { return y1_; }
    int PaintRectX2() const { return x2_; }
    int PaintRectY2() const { return y2_; }
    void SetPaintRectX1(int v) { x1_ = v; }
    void SetPaintRectY1(int v) { y1_ = v; }
    void SetPaintRectX2(int v) { x2_ = v; }
    void SetPaintRectY2(int v) { y2_ = v; }
    void SetPaintRect(int x1, int y1, int x2, int y2);

    // ColWidth..RowAt work relative to the paint rectangle's origin (PaintRectX1, PaintRectY1);
    // CellAt and CellRect take and give control coordinates.
    // Width of column i; the first |rem| columns take the remainder of the rounded split.
    int ColWidth(int i) const;
    int RowHeight(int i) const;
    // Sum of the widths of columns 0..n-1 (ColLeft(ColCount()) is the full width).
    int ColLeft(int n) const;
    int RowTop(int n) const;
    // 1-based column (row) holding the position; 0 outside the grid.
    int ColAt(int x) const;
    int RowAt(int y) const;
    // Index of the cell under the position, -1 when the position selects no cell.
    int CellAt(int x, int y) const;
    // Rectangle of cell (col, row) or of a cell index, in control coordinates.
    QRect CellRect(int col, int row) const;
    QRect CellRect(int index) const;

    // Size of part i when total is split into count parts: base = total / count rounded
    // half to even, and the remainder spread one pixel each over the first parts.
    static int PartSize(int total, int count, int i);
    // Sum of the sizes of parts 0..n-1.
    static int PartStart(int total, int count, int n);

private:
    int colCount_ = 3;
    int rowCount_ = 3;
    int x1_ = 0;
    int y1_ = 0;
    int x2_ = 0;
    int y2_ = 0;
};
