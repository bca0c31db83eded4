#include "ColourPanel.h"

#include <QMouseEvent>

ColourPanel::ColourPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    SetColour(colour_);
}

void ColourPanel::SetColour(TColor colour) {
    colour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorToQColor(colour));
    setPalette(p);
}

void ColourPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QFrame::mousePressEvent(event);
}
