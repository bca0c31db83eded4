#pragma once

#include "board/ColorRef.h"

#include <QComboBox>

// A drop-down colour list: a custom entry first, then the sixteen standard colours and the
// four extended ones, each with a swatch and its name. Choosing the custom entry opens the
// colour dialog; a colour that has no name is shown on the custom entry.
class ColourBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent = nullptr);

    TColor Colour() const { return colour_; }
    // Selects the named entry of the colour, or puts the colour on the custom entry.
    void SetColour(TColor colour);

    static constexpr int CustomItem = 0;

signals:
    // The user chose another colour (from the list or the colour dialog).
    void colourChanged(TColor colour);

private:
    void Activated(int index);
    void AddColour(TColor colour, const QString& name);
    QIcon Swatch(TColor colour) const;

    TColor colour_ = clBlack;
};
