#pragma once

#include "board/CellLook.h"

#include <Qt>
#include <optional>

// The rules of a press and a release on the board, apart from any drawing: which presses
// reach the owner, how the pressed cell looks while held and after release, and when a
// released cell counts as found (mark 0).
class PressRules {
public:
    // Marks of cells that never report a press.
    static bool Unclickable(int mark) { return mark == 20 || mark == 30 || mark == 40; }

    // Whether a press is judged: a reported button (the left one unless the owner asks for
    // more) on a cell (cell >= 0) whose mark is clickable, with clicks not blocked.
    static bool PressAccepted(Qt::MouseButton button, Qt::MouseButtons reported, bool blocked,
                              int cell, int mark);

    // Look of the pressed cell while the button is held.
    static CellLook HeldLook(bool lightClick, bool correct);

    // Whether the release of a judged press's button is acted on: not blocked, and the cell
    // under the release position not marked 30. Other buttons' releases never act.
    static bool ReleaseAccepted(bool blocked, int markUnderRelease);

    struct Release {
        CellLook look;
        bool found = false; // the cell's mark becomes 0
    };
    // What the release does to the pressed cell with the given mark.
    static Release ReleaseOutcome(int mark, bool correct, bool smallerFont);
};
