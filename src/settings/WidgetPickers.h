#pragma once

#include "Pickers.h"

// The program's own font and colour dialogs, shown modally over the given window: the
// toolkit's font dialog with a colour list beside it (a font of the boards has a colour),
// and the toolkit's colour dialog.
class WidgetPickers : public Pickers {
public:
    std::optional<BoardFont> PickFont(const BoardFont& initial, QWidget* parent) override;
    std::optional<TColor> PickColour(TColor initial, QWidget* parent) override;

    // The toolkit's own dialogs and buttons follow the interface language: its Russian
    // translation is put in place for Russian, when this machine has it, and taken away for
    // English. True while the Russian translation is in use.
    static bool InstallToolkitTexts();
};
