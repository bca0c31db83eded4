#pragma once

#include "Pickers.h"

// The program's own font and colour dialogs, shown modally over the given window: the
// toolkit's font dialog with a colour list beside it (a font of the boards has a colour),
// and the toolkit's colour dialog.
class WidgetPickers : public Pickers {
public:
    std::optional<BoardFont> PickFont(const BoardFont& initial, QWidget* parent) override;
    std::optional<TColor> PickColour(TColor initial, QWidget* parent) override;

    // The toolkit's own dialogs label their parts in Russian when its translation is
    // installed on this machine; true once it is in use.
    static bool InstallToolkitTexts();
};
