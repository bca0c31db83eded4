#pragma once

#include "board/BoardFont.h"
#include "board/ColorRef.h"

#include <optional>

class QWidget;

// The font and colour dialogs of the settings window go through the installed Pickers
// object, so that tests answer them from a script instead of a modal loop.
class Pickers {
public:
    virtual ~Pickers() = default;
    // The font dialog preset with the font (face, size, style and colour): the font the user
    // confirmed, or nothing when cancelled.
    virtual std::optional<BoardFont> PickFont(const BoardFont& initial, QWidget* parent) = 0;
    // The colour dialog preset with the colour: the confirmed colour, or nothing.
    virtual std::optional<TColor> PickColour(TColor initial, QWidget* parent) = 0;
};

// The installed pickers; without one, the program's own dialogs.
Pickers& AppPickers();
// The caller keeps ownership; nullptr restores the program's own dialogs.
void InstallPickers(Pickers* pickers);
