#include "RecordLayout.h"

#include <algorithm>

namespace {

QRect Cell(int left, int top, int width, int height) {
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

} // namespace

std::array<QRect, RecordLayout::CellCount> RecordLayout::Cells(QSize panel) {
    const int w = panel.width() - 2 * Margin;
    const int h = (panel.height() - Margin - GridTop) / GridRows;
    const int cellHeight = h - 2;
    auto rowTop = [h](int row) { return GridTop + h * row; };

    const int nameLeft = 68;
    const int nameWidth = w / 3;
    const int resultLeft = 70 + w / 3;
    const int resultWidth = w / 5;
    const int dateLeft = 72 + w / 3 + w / 5;
    const int dateWidth = w + Margin - dateLeft;

    std::array<QRect, CellCount> cells;
    cells[Title] = Cell(Margin, Margin, w, TitleHeight);
    for (int row = 0; row < GridRows; ++row)
        cells[FirstNumber + row] = Cell(Margin, rowTop(row), NumberWidth, cellHeight);
    const int bottom = GridRows - 1;
    cells[NameHeads] = Cell(nameLeft, rowTop(0), nameWidth, cellHeight);
    cells[NameHeads + 1] = Cell(nameLeft, rowTop(bottom), nameWidth, cellHeight);
    cells[ResultHeads] = Cell(resultLeft, rowTop(0), resultWidth, cellHeight);
    cells[ResultHeads + 1] = Cell(resultLeft, rowTop(bottom), resultWidth, cellHeight);
    cells[DateHeads] = Cell(dateLeft, rowTop(0), dateWidth, cellHeight);
    cells[DateHeads + 1] = Cell(dateLeft, rowTop(bottom), dateWidth, cellHeight);
    for (int r = 0; r < 10; ++r) {
        cells[FirstName + r] = Cell(nameLeft, rowTop(r + 1), nameWidth, cellHeight);
        cells[FirstResult + r] = Cell(resultLeft, rowTop(r + 1), resultWidth, cellHeight);
        cells[FirstDate + r] = Cell(dateLeft, rowTop(r + 1), dateWidth, cellHeight);
    }
    return cells;
}
