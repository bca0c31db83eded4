#include "WindowGeometry.h"

WindowGeometry WindowGeometry::ForScreen(const QSize& screen, bool fullScreen) {
    WindowGeometry g;
    if (fullScreen || screen.width() == 640) {
        g.rect = QRect(QPoint(0, 0), screen);
        g.frameless = true;
        g.fullScreenChecked = true;
        return g;
    }
    const int w = screen.width() - screen.width() / 5;
    const int h = screen.height() - screen.height() / 5;
    g.rect = QRect((screen.width() - w) / 2, (screen.height() - h) / 2, w, h);
    return g;
}
