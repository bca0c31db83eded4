#pragma once

#include "board/ColorRef.h"

#include <QFrame>

// A target colour panel: shows its colour as its background and reports a left press.
class ColourPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColourPanel(QWidget* parent = nullptr);

    TColor Colour() const { return colour_; }
    void SetColour(TColor colour);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    TColor colour_ = clBlack;
};
