#pragma once

#include "board/BoardFont.h"

#include <QDialog>

class ColourBox;
class QFontDialog;

// The font dialog of the settings window: the toolkit's font choice (face, style, size,
// effects) with a colour list under it, since every font of the boards carries its colour.
class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColourDialog(const BoardFont& initial, QWidget* parent = nullptr);

    // The font as chosen so far: the initial one with the face, size, style and colour
    // of the controls; character set and pitch byte are kept.
    BoardFont Chosen() const;

    QFontDialog* FontD = nullptr;
    ColourBox* ColourCB = nullptr;

private:
    BoardFont initial_;
};
