#include "TargetShape.h"

#include "board/ColorRef.h"

#include <QPainter>

TargetShape::TargetShape(QWidget* board) : QWidget(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TargetShape::SetLook(const TargetFigure& figure, bool circle, bool opaque, quint32 fill) {
    const bool changed = figure.penWidth != figure_.penWidth || figure.colour != figure_.colour ||
                         circle != circle_ || opaque != opaque_ || (opaque && fill != fill_);
    figure_ = figure;
    circle_ = circle;
    opaque_ = opaque;
    fill_ = fill;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    setGeometry(figure.rect);
    if (changed)
        update();
}

void TargetShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), ColorToQColor(fill_));
    // The outline lies inside the square: its middle line runs half a pen width in.
    const qreal pen = std::min<qreal>(figure_.penWidth, std::min(width(), height()) / 2.0);
    const QRectF line = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(
        QPen(ColorToQColor(figure_.colour), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    if (circle_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(line);
    } else {
        painter.drawRect(line);
    }
}
