#pragma once

#include "TargetFigures.h"

#include <QWidget>

// One figure on the board (`Shape1`, `Shape2`, `Shape3`): the outline of a square, or of a
// circle for the joker, in the figure's colour. A transparent figure lets the board show
// inside and around its outline; an opaque one paints its square in the board's background
// first. It takes no presses.
class TargetShape : public QWidget {
    Q_OBJECT
public:
    explicit TargetShape(QWidget* board);

    // Place, size, outline and colour; repaints only when the look changed.
    void SetLook(const TargetFigure& figure, bool circle, bool opaque, quint32 fill);

    const TargetFigure& Figure() const { return figure_; }
    bool Circle() const { return circle_; }
    bool Opaque() const { return opaque_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TargetFigure figure_;
    bool circle_ = false;
    bool opaque_ = false;
    quint32 fill_ = 0;
};
