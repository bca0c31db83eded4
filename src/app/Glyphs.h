#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

// Draws the program's button glyphs (the six images of ImageList1) and its window icon
// with QPainter, so that no image file has to be shipped.
class Glyphs {
public:
    enum Index { Start = 0, Help = 1, ModeSwitch = 2, Stop = 3, Restart = 4, CloseHelp = 5 };
    static constexpr int Count = 6;
    static constexpr int Size = 32;

    // Image i of ImageList1, 32×32 with a transparent background; an empty pixmap for an
    // index outside 0..5.
    static QPixmap ImageList1(int index);
    // The same image as an icon, drawn sharp at the screen's pixel ratio too.
    static QIcon Icon(int index);

    // The program icon: a small grid with one highlighted cell.
    static QIcon ProgramIcon();
    // The program icon drawn at one size, for the menu's icon files.
    static QPixmap ProgramIconPixmap(int pixels);
    // Sets the program icon on the application, so every window shows it.
    static void SetProgramIcon();
};
