#pragma once

#include "board/BoardCells.h"
#include "board/BoardFont.h"
#include "board/BoardGeometry.h"
#include "board/CellLook.h"
#include "board/CellTextCache.h"
#include "board/ColorRef.h"
#include "board/Press.h"

#include <QRegion>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QPainter;

// The grid board every board exercise is drawn and clicked on: up to 20x20 cells, each with
// a text and a display mark. It lays the cells out to fill the control, paints them, fits the
// big font to the cells, highlights a pressed cell as right or wrong and reports presses to
// its owner as values and paints the owner's verdict on them.
class TOxelPanel : public QWidget {
    Q_OBJECT

public:
    explicit TOxelPanel(QWidget* parent = nullptr);
    ~TOxelPanel() override;

    // --- appearance
    const BoardFont& FontBig() const { return fontBig_; }
    void SetFontBig(const BoardFont& font);
    const BoardFont& FontSmall() const { return fontSmall_; }
    void SetFontSmall(const BoardFont& font);
    int GridWidth() const { return gridWidth_; }
    void SetGridWidth(int width);
    TColor BgColor() const { return bgColor_; }
    void SetBgColor(TColor color);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor color);
    TColor RBColorR() const { return rbColorR_; }
    void SetRBColorR(TColor color);
    TColor RBColorB() const { return rbColorB_; }
    void SetRBColorB(TColor color);
    TColor LightColorYES() const { return lightColorYes_; }
    void SetLightColorYES(TColor color);
    TColor LightColorNO() const { return lightColorNo_; }
    void SetLightColorNO(TColor color);
    bool GP() const { return gp_; }
    void SetGP(bool on);
    TColor GPColor() const { return gpColor_; }
    void SetGPColor(TColor color);
    // Found cells (mark 0) are drawn in FontBig instead of FontSmall.
    bool Series() const { return series_; }
    void SetSeries(bool on);

    // --- click behaviour
    bool LightClick() const { return lightClick_; }
    void SetLightClick(bool on) { lightClick_ = on; }
    bool SmallerFont() const { return smallerFont_; }
    void SetSmallerFont(bool on) { smallerFont_ = on; }
    // The mouse buttons whose presses on a cell are reported (the left one unless an
    // exercise answers with more).
    Qt::MouseButtons PressButtons() const { return pressButtons_; }
    void SetPressButtons(Qt::MouseButtons buttons) { pressButtons_ = buttons; }
    // Ignore all clicks; also sets the cursor (arrow when blocked, pointing hand otherwise).
    bool BlockClick() const { return blockClick_; }
    void SetBlockClick(bool block);

    // --- grid size and the area it divides
    int ColCount() const { return geometry_.ColCount(); }
    void SetColCount(int count);
    int RowCount() const { return geometry_.RowCount(); }
    void SetRowCount(int count);
    int PaintRectX1() const { return geometry_.PaintRectX1(); }
    int PaintRectY1() const { return geometry_.PaintRectY1(); }
    int PaintRectX2() const { return geometry_.PaintRectX2(); }
    int PaintRectY2() const { return geometry_.PaintRectY2(); }
    void SetPaintRectX1(int v) { geometry_.SetPaintRectX1(v); }
    void SetPaintRectY1(int v) { geometry_.SetPaintRectY1(v); }
    void SetPaintRectX2(int v) { geometry_.SetPaintRectX2(v); }
    void SetPaintRectY2(int v) { geometry_.SetPaintRectY2(v); }

    // --- contents
    const QStringList& LinesList() const { return cells_.LinesList(); }
    void SetLinesList(const QStringList& lines);
    // Text of cell i, empty beyond the list.
    QString Line(int i) const { return cells_.Text(i); }
    // Changes one cell's text and redraws that cell by its mark.
    void SetLine(int i, const QString& text);
    // The 400 display marks, one per possible cell.
    const BoardCells::MarkTable& Marks() const { return cells_.Marks(); }
    // Mark of cell i, -1 outside 0..399.
    int Mark(int i) const { return cells_.Mark(i); }
    // Sets a mark without redrawing (the owner repaints when it is done).
    void SetMark(int i, quint8 mark) { cells_.SetMark(i, mark); }

    // --- geometry (pixels of the control, relative to PaintRectX1/PaintRectY1)
    int ColWidth(int i) const { return geometry_.ColWidth(i); }
    int RowHeight(int i) const { return geometry_.RowHeight(i); }
    int ColLeft(int n) const { return geometry_.ColLeft(n); }
    int RowTop(int n) const { return geometry_.RowTop(n); }
    int ColAt(int x) const { return geometry_.ColAt(x); }
    int RowAt(int y) const { return geometry_.RowAt(y); }
    // Cell index under the position, -1 when it selects no cell.
    int CellAt(int x, int y) const { return geometry_.CellAt(x, y); }
    QRect CellRect(int index) const { return geometry_.CellRect(index); }

    // --- content operations (each redraws the whole board)
    void FillNumbers();
    void FillRedBlack();
    void SetSingleText(const QString& text);
    void ShuffleCells();
    void ShuffleColumn(int col);
    void ResetMarks();
    // Set mark 10 / 1 / 30 / 40 on cell i and redraw that cell at once.
    void HideCell(int i);
    void ShowCell(int i);
    void MarkWrong(int i);
    void MarkRight(int i);
    // Shows a verdict on cell i in LightColorYES or LightColorNO, as a judged press shows it,
    // until the next full repaint: the feedback of an answer not given by pressing that cell.
    void ShowVerdict(int i, bool correct);
    // Redraws the whole board from the marks, dropping the looks left by presses. Any other
    // paint of the whole board to the screen does the same.
    void Repaint();
    // The look cell i is painted in now: a look left by a press or release, else the look of
    // its mark; none when nothing is drawn for it.
    std::optional<CellLook> LookOf(int i) const;
    // Shrinks FontBig until "W" fits a cell (stops at size 1).
    void FitFontBig();

    // --- events
    // Called on every accepted press with the press; the answer is the verdict the cell is
    // painted by while held and after release. No answer leaves the press unjudged: the cell
    // shows no verdict and its release changes nothing.
    std::function<std::optional<bool>(const Press&)> OnPress;
    // Called on every release, whatever the button and whether clicks are blocked.
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;
    // Called on every mouse move over the board while installed.
    std::function<void(int x, int y)> OnMouseMove;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void DrawCell(int col, int row, QPainter& canvas, TColor background, const BoardFont& font);
    void DrawCellLook(int index, QPainter& canvas, const CellLook& look);
    void DrawCentreMark(QPainter& canvas);
    // A border of the given width just inside the rectangle.
    static void DrawFrame(QPainter& canvas, const QRect& r, int width, const QColor& colour);
    void ContentChanged();
    void SetCellLook(int i, std::optional<CellLook> look);
    void SetMarkAndRedraw(int i, quint8 mark);
    // A new look of the whole board: every cell is drawn by its mark again.
    void AppearanceChanged() { Repaint(); }
    // True while painting for the screen, false while rendered into an image (a grab).
    bool PaintsToScreen() const;
    // The release of the press on cell `pressed`: its look and, when found, its mark.
    void ReleaseCell(int pressed);

    BoardGeometry geometry_;
    BoardCells cells_;
    // Looks left on cells by presses and releases, shown until the next full repaint.
    std::array<std::optional<CellLook>, BoardGeometry::MaxCells> overrides_{};
    // What the board asked to have repainted since the last paint to the screen.
    QRegion requested_;

    BoardFont fontBig_;
    BoardFont fontSmall_;
    int gridWidth_ = 1;
    TColor bgColor_ = 0xF0FBFF;
    TColor gridColor_ = clSilver;
    TColor rbColorR_ = clRed;
    TColor rbColorB_ = clBlack;
    TColor lightColorYes_ = clLime;
    TColor lightColorNo_ = clRed;
    bool lightClick_ = true;
    bool smallerFont_ = true;
    Qt::MouseButtons pressButtons_ = Qt::LeftButton;
    bool blockClick_ = false;
    bool gp_ = false;
    TColor gpColor_ = clLime;
    bool series_ = false;

    CellTextCache textCache_;

    // Cell of the judged press whose release is still to come, -1 when none; its button and
    // the verdict it got.
    int pressedCell_ = -1;
    Qt::MouseButton pressedButton_ = Qt::LeftButton;
    bool pressedVerdict_ = false;
    // The owner is judging a press, and a modal window it opened meanwhile took the release.
    bool judging_ = false;
    bool blockedWhileJudging_ = false;
};
