#pragma once

#include "analysis/RunAnalysis.h"

#include <QWidget>

// The board of a run drawn small: a square grid whose cells are shaded from white to dark
// by their value, each with its text; a cell with nothing to show stays grey.
class BoardShadeView : public QWidget {
    Q_OBJECT
public:
    explicit BoardShadeView(BoardShade shade, QWidget* parent = nullptr);

    // The fill of a cell: white at 0, darkest at the board's highest value.
    static QColor Shade(double value, double highest);
    QColor CellColor(int cell) const;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardShade shade_;
    double highest_ = 0;
};
