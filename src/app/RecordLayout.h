#pragma once

#include <QRect>
#include <QSize>
#include <array>

// Where the 49 cells of the best-results panel lie in a panel of a given size, in the
// order the panel keeps them: 0 the title; 1..12 the number column top to bottom; 13/14,
// 15/16, 17/18 the name, result and date headings at the top and the bottom; 19..28,
// 29..38, 39..48 the name, result and date cells of rows 1 to 10.
struct RecordLayout {
    static constexpr int CellCount = 49;
    static constexpr int Margin = 16;
    static constexpr int TitleHeight = 25;
    static constexpr int GridTop = 65; // two margins, the title and half a margin
    static constexpr int GridRows = 12;
    static constexpr int NumberWidth = 50;

    static constexpr int Title = 0;
    static constexpr int FirstNumber = 1;
    static constexpr int NameHeads = 13;
    static constexpr int ResultHeads = 15;
    static constexpr int DateHeads = 17;
    static constexpr int FirstName = 19;
    static constexpr int FirstResult = 29;
    static constexpr int FirstDate = 39;

    // The rectangles for a panel of the size; a panel too small for the grid gives empty
    // rectangles rather than negative sizes.
    static std::array<QRect, CellCount> Cells(QSize panel);
};
