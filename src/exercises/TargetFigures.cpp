#include "TargetFigures.h"

#include "data/Random.h"

#include <algorithm>

void TargetFigures::TargetSize(int s1, int s2, int s3) {
    const int sides[] = {s1, s2, s3};
    for (int i = 0; i < 3; ++i) {
        shape[i].rect.setSize(QSize(sides[i], sides[i]));
        shape[i].penWidth = std::max(1, sides[i] / 2 - 3);
    }
}

void TargetFigures::Layout(int mode, int w, int h) {
    opaque = !RandomPlaces(mode);
    switch (mode) {
    case 2: {
        const int side = h / 4;
        TargetSize(side, side, side);
        const int top = h / 2 - side / 2;
        shape[0].rect.moveTopLeft(QPoint(w / 10, top));
        shape[1].rect.moveTopLeft(QPoint(w / 2 - side / 2, top));
        shape[2].rect.moveTopLeft(QPoint(w - w / 10 - side, top));
        break;
    }
    case 3:
        TargetSize(h / 2 + h / 4, h / 2, h / 4);
        for (TargetFigure& f : shape) {
            const int side = f.rect.width();
            f.rect.moveTopLeft(QPoint(w / 2 - side / 2, h / 2 - side / 2));
            f.penWidth = RingPen;
        }
        break;
    default:
        TargetSize(SmallSide, SmallSide, SmallSide);
        break;
    }
}

void TargetFigures::MoveTo(const std::array<QPoint, 3>& places) {
    for (int i = 0; i < 3; ++i)
        shape[i].rect.moveTopLeft(places[i]);
}

void TargetFigures::SetColours(quint32 colour) {
    for (TargetFigure& f : shape)
        f.colour = colour;
}

bool TargetFigures::Near(QPoint p, QPoint a, int w) {
    return a.x() - NearMargin <= p.x() && p.x() <= a.x() + w + NearMargin &&
           a.y() - NearMargin <= p.y() && p.y() <= a.y() + w + NearMargin;
}

std::array<QPoint, 3> TargetFigures::DrawPlaces(int rangeX, int rangeY, int w) {
    auto draw = [rangeX, rangeY] {
        const int x = Random(rangeX);
        return QPoint(x, Random(rangeY));
    };
    std::array<QPoint, 3> places;
    places[0] = draw();
    places[1] = draw();
    for (int n = 1; n < MaxDraws && Near(places[1], places[0], w); ++n)
        places[1] = draw();
    places[2] = draw();
    for (int n = 1;
         n < MaxDraws && (Near(places[2], places[0], w) || Near(places[2], places[1], w)); ++n)
        places[2] = draw();
    return places;
}
