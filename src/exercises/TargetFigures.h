#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// One figure of the targets game: its square on the board, the width of its outline and the
// outline's colour ($BBGGRR). Figures have no fill; their colour is the outline's.
struct TargetFigure {
    QRect rect;
    int penWidth = 1;
    quint32 colour = 0;
    bool operator==(const TargetFigure&) const = default;
};

// The three figures `Shape1`, `Shape2`, `Shape3` as the game lays them out: sizes and fixed
// places by mode, random places that keep apart, whether `Shape1` is the joker circle,
// whether they are shown and whether they cover the board inside their square.
class TargetFigures {
public:
    static constexpr int SmallSide = 30;
    // Outline of the concentric squares of mode 3.
    static constexpr int RingPen = 30;
    // A place closer than this to another one (beyond the figure's width) is drawn again.
    static constexpr int NearMargin = 50;
    // Draws of one place before the last one is taken as it is: on a board too small for
    // three places apart, the showing still comes.
    static constexpr int MaxDraws = 64;

    std::array<TargetFigure, 3> shape;
    bool circle = false;
    bool visible = false;
    // Modes 2 and 3 paint the inside of each square; modes 1 and 4 let the board show through.
    bool opaque = false;

    // `TargetSize`: each figure a square of side s with an outline of s div 2 - 3.
    void TargetSize(int s1, int s2, int s3);
    // Sizes and, in modes 2 and 3, places at game start on a board of w x h pixels.
    void Layout(int mode, int w, int h);
    // Modes 1 and 4 draw their places at every showing.
    static bool RandomPlaces(int mode) { return mode == 1 || mode == 4; }
    void MoveTo(const std::array<QPoint, 3>& places);
    void SetColours(quint32 colour);

    // Whether place p is near place a for figures w pixels wide.
    static bool Near(QPoint p, QPoint a, int w);
    // Three places, each coordinate uniform in 0..range-1 (x first), the second drawn again
    // while near the first, the third while near either.
    static std::array<QPoint, 3> DrawPlaces(int rangeX, int rangeY, int w);
};
