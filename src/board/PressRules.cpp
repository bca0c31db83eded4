#include "PressRules.h"

bool PressRules::PressAccepted(Qt::MouseButton button, Qt::MouseButtons reported, bool blocked,
                               int cell, int mark) {
    return !blocked && reported.testFlag(button) && cell >= 0 && !Unclickable(mark);
}

CellLook PressRules::HeldLook(bool lightClick, bool correct) {
    if (!lightClick)
        return CellLook::Normal();
    return correct ? CellLook::OnYes() : CellLook::OnNo();
}

bool PressRules::ReleaseAccepted(bool blocked, int markUnderRelease) {
    return !blocked && markUnderRelease != 30;
}

PressRules::Release PressRules::ReleaseOutcome(int mark, bool correct, bool smallerFont) {
    if (mark == 40)
        return {CellLook::OnYes(), false};
    Release r;
    if (smallerFont && ((correct && mark != 10) || mark == 0)) {
        r.look = CellLook::Small();
    } else {
        switch (mark) {
        case 2:
        case 3:
        case 10:
        case 22:
        case 33: r.look = *CellLook::ForMark(mark, false); break;
        default: r.look = CellLook::Normal(); break;
        }
    }
    r.found = correct && mark != 10 && mark != 22 && mark != 33;
    return r;
}
