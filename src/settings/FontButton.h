#pragma once

#include "board/ColorRef.h"
#include "data/DataFile.h"

#include <QToolButton>

// A font button of the settings window: it holds a font and shows its letter ("A" for the
// large font, "B" for the small one) drawn in that font and colour on the board's
// background, shrunk only as far as the button needs.
class FontButton : public QToolButton {
    Q_OBJECT
public:
    FontButton(const QString& letter, QWidget* parent = nullptr);

    const FontRecord& Value() const { return value_; }
    void SetValue(const FontRecord& value);
    // The background the letter is drawn on, so that a white font stays visible.
    TColor Backdrop() const { return backdrop_; }
    void SetBackdrop(TColor colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString letter_;
    FontRecord value_;
    TColor backdrop_ = clWhite;
};
