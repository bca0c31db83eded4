#pragma once

#include <QRect>
#include <QSize>

// Where the main window goes on a screen of the given size: the whole screen without a
// border in full-screen mode, otherwise four fifths of the screen in each direction,
// centred. A screen exactly 640 pixels wide always gets the full-screen placement (the
// full-screen option itself is left as it is).
struct WindowGeometry {
    QRect rect;
    bool frameless = false;
    // The menu's full-screen check shows this.
    bool fullScreenChecked = false;

    static WindowGeometry ForScreen(const QSize& screen, bool fullScreen);
};
