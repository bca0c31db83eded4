#include "OxelPanel.h"

#include "board/PressRules.h"
#include "data/Clock.h"

#include <QBackingStore>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <utility>

TOxelPanel::TOxelPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    geometry_.SetPaintRect(0, 0, width(), height());
}

TOxelPanel::~TOxelPanel() = default;

// --- appearance

void TOxelPanel::SetFontBig(const BoardFont& font) {
    fontBig_ = font;
    AppearanceChanged();
}

void TOxelPanel::SetFontSmall(const BoardFont& font) {
    fontSmall_ = font;
    AppearanceChanged();
}

void TOxelPanel::SetGridWidth(int width) {
    gridWidth_ = qMax(1, width);
    AppearanceChanged();
}

void TOxelPanel::SetBgColor(TColor color) {
    bgColor_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetGridColor(TColor color) {
    gridColor_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetRBColorR(TColor color) {
    rbColorR_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetRBColorB(TColor color) {
    rbColorB_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetLightColorYES(TColor color) {
    lightColorYes_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetLightColorNO(TColor color) {
    lightColorNo_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetGP(bool on) {
    gp_ = on;
    AppearanceChanged();
}

void TOxelPanel::SetGPColor(TColor color) {
    gpColor_ = color;
    AppearanceChanged();
}

void TOxelPanel::SetSeries(bool on) {
    series_ = on;
    AppearanceChanged();
}

void TOxelPanel::SetBlockClick(bool block) {
    blockClick_ = block;
    setCursor(block ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

// --- size and contents

void TOxelPanel::SetColCount(int count) {
    if (geometry_.SetColCount(count))
        ContentChanged();
}

void TOxelPanel::SetRowCount(int count) {
    if (geometry_.SetRowCount(count))
        ContentChanged();
}

void TOxelPanel::SetLinesList(const QStringList& lines) {
    cells_.SetLinesList(lines);
    ContentChanged();
}

void TOxelPanel::SetLine(int i, const QString& text) {
    cells_.SetText(i, text);
    SetCellLook(i, std::nullopt);
}

void TOxelPanel::FillNumbers() {
    cells_.FillNumbers(geometry_.CellCount());
    ContentChanged();
}

void TOxelPanel::FillRedBlack() {
    cells_.FillRedBlack(geometry_.CellCount());
    ContentChanged();
}

void TOxelPanel::SetSingleText(const QString& text) {
    cells_.SetSingleText(text);
    ContentChanged();
}

void TOxelPanel::ShuffleCells() {
    cells_.ShuffleCells();
    ContentChanged();
}

void TOxelPanel::ShuffleColumn(int col) {
    cells_.ShuffleColumn(col, ColCount(), RowCount());
    ContentChanged();
}

void TOxelPanel::ResetMarks() {
    cells_.ResetMarks();
    ContentChanged();
}

void TOxelPanel::HideCell(int i) { SetMarkAndRedraw(i, 10); }
void TOxelPanel::ShowCell(int i) { SetMarkAndRedraw(i, 1); }
void TOxelPanel::MarkWrong(int i) { SetMarkAndRedraw(i, 30); }
void TOxelPanel::MarkRight(int i) { SetMarkAndRedraw(i, 40); }

void TOxelPanel::ShowVerdict(int i, bool correct) {
    SetCellLook(i, correct ? CellLook::OnYes() : CellLook::OnNo());
}

void TOxelPanel::Repaint() {
    overrides_.fill(std::nullopt);
    requested_ = rect();
    update();
}

void TOxelPanel::ContentChanged() {
    // A press still held refers to a cell of the old contents: its release does nothing.
    pressedCell_ = -1;
    blockedWhileJudging_ = false;
    Repaint();
}

void TOxelPanel::SetMarkAndRedraw(int i, quint8 mark) {
    cells_.SetMark(i, mark);
    SetCellLook(i, std::nullopt);
}

void TOxelPanel::SetCellLook(int i, std::optional<CellLook> look) {
    if (i < 0 || i >= BoardGeometry::MaxCells)
        return;
    overrides_[i] = look;
    const QRect cell = CellRect(i);
    requested_ += cell;
    update(cell);
}

std::optional<CellLook> TOxelPanel::LookOf(int i) const {
    if (i < 0 || i >= BoardGeometry::MaxCells)
        return std::nullopt;
    if (overrides_[i])
        return overrides_[i];
    return CellLook::ForMark(cells_.Mark(i), series_);
}

// --- painting

void TOxelPanel::FitFontBig() {
    // Shrink while "W" is as high as a row minus 2, then while it is as wide as a column
    // minus 2; size 1 is the floor, for cells too small for any size.
    int size = fontBig_.Size();
    auto metrics = [this, &size] {
        QFont f = fontBig_.Font();
        f.setPointSize(size);
        return QFontMetrics(f, this);
    };
    while (size > 1 && metrics().height() >= RowHeight(0) - 2)
        --size;
    while (size > 1 && metrics().horizontalAdvance(QLatin1Char('W')) >= ColWidth(0) - 2)
        --size;
    if (size != fontBig_.Size())
        fontBig_.SetSize(size);
}

bool TOxelPanel::PaintsToScreen() const {
    // Painting for the screen is redirected into the window's backing store.
    QBackingStore* store = backingStore();
    return store && redirected(nullptr) == store->paintDevice();
}

void TOxelPanel::paintEvent(QPaintEvent* event) {
    geometry_.SetPaintRect(0, 0, width(), height());
    FitFontBig();
    if (PaintsToScreen()) {
        // A paint of the whole board that is more than the cells the board asked for (an
        // exposure after the help panel is hidden, the window shown again) shows each cell
        // by its mark, so no press or release look outlives it. A grab changes nothing.
        const QRegion& region = event->region();
        if ((QRegion(rect()) - region).isEmpty() && !(region - requested_).isEmpty())
            overrides_.fill(std::nullopt);
        requested_ = QRegion();
    }

    QPainter canvas(this);
    // Only the cells asked for: a sweep marks cells all over the board.
    const QRegion& dirty = event->region();
    const QColor background = ColorToQColor(bgColor_);
    for (int col = 0; col < ColCount(); ++col) {
        for (int row = 0; row < RowCount(); ++row) {
            const int index = col + row * ColCount();
            const QRect cell = geometry_.CellRect(col, row);
            if (!dirty.intersects(cell))
                continue;
            if (const auto look = LookOf(index))
                DrawCellLook(index, canvas, *look);
            else
                canvas.fillRect(cell, background); // nothing drawn: the background stays
        }
    }
    // The outer border in the grid colour; drawn cells have their own border there already.
    DrawFrame(canvas, rect(), gridWidth_, ColorToQColor(gridColor_));
    if (gp_)
        DrawCentreMark(canvas);
}

void TOxelPanel::DrawFrame(QPainter& canvas, const QRect& r, int width, const QColor& colour) {
    const int w = qMin(width, qMin(r.width(), r.height()) / 2 + 1);
    canvas.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    canvas.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    canvas.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    canvas.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

void TOxelPanel::DrawCellLook(int index, QPainter& canvas, const CellLook& look) {
    TColor background = bgColor_;
    switch (look.background) {
    case CellLook::Background::Bg: background = bgColor_; break;
    case CellLook::Background::Grid: background = gridColor_; break;
    case CellLook::Background::Yes: background = lightColorYes_; break;
    case CellLook::Background::No: background = lightColorNo_; break;
    case CellLook::Background::Glyph: background = gpColor_; break;
    }
    BoardFont font = look.font == CellLook::FontKind::Small ? fontSmall_ : fontBig_;
    switch (look.ink) {
    case CellLook::Ink::Own: break;
    case CellLook::Ink::Black: font.SetColor(clBlack); break;
    case CellLook::Ink::Red: font.SetColor(clRed); break;
    case CellLook::Ink::BgInk: font.SetColor(bgColor_); break;
    case CellLook::Ink::RBRed: font.SetColor(rbColorR_); break;
    case CellLook::Ink::RBBlack: font.SetColor(rbColorB_); break;
    }
    DrawCell(index % ColCount(), index / ColCount(), canvas, background, font);
}

void TOxelPanel::DrawCell(int col, int row, QPainter& canvas, TColor background,
                          const BoardFont& font) {
    // The cell rectangle: filled, with a border of GridWidth pixels in the grid colour.
    const QRect cell = geometry_.CellRect(col, row);
    canvas.fillRect(cell.adjusted(gridWidth_, gridWidth_, -gridWidth_, -gridWidth_),
                    ColorToQColor(background));
    DrawFrame(canvas, cell, gridWidth_, ColorToQColor(gridColor_));

    const QString text = cells_.Text(col + row * ColCount());
    if (text.isEmpty())
        return;
    // A band of the height of "W", moved to the vertical middle of the cell.
    if (canvas.font() != font.Font())
        canvas.setFont(font.Font());
    const QFontMetrics metrics = canvas.fontMetrics();
    const int h = metrics.height();
    const int top = (cell.top() + cell.bottom() + 1 - h) / 2;
    canvas.setPen(ColorToQColor(font.Color()));
    if (!text.contains(QLatin1Char('\t'))) {
        const QStaticText& laidOut = textCache_.Get(font.Font(), text);
        const int textWidth = qCeil(laidOut.size().width());
        if (textWidth <= cell.width()) {
            // The common case: a text laid out once, drawn without a layout pass.
            canvas.drawStaticText(QPoint(cell.left() + (cell.width() - textWidth) / 2, top),
                                  laidOut);
            return;
        }
    }
    // Text wider than the cell is clipped to it; tabs are expanded.
    const QRect band(cell.left(), top, cell.width(), h);
    canvas.drawText(band, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                    text);
}

void TOxelPanel::DrawCentreMark(QPainter& canvas) {
    const int c = ColCount() / 2;
    const int r = RowCount() / 2;
    const int x0 = PaintRectX1();
    const int y0 = PaintRectY1();
    const QColor colour = ColorToQColor(gpColor_);
    if (RowCount() % 2 != 0) {
        // A frame two pixels wide inside the centre cell, one pixel clear of its border.
        const QRect outer(QPoint(x0 + ColLeft(c) + 2, y0 + RowTop(r) + 2),
                          QPoint(x0 + ColLeft(c + 1) - 3, y0 + RowTop(r + 1) - 3));
        canvas.fillRect(QRect(outer.left(), outer.top(), outer.width(), 2), colour);
        canvas.fillRect(QRect(outer.left(), outer.bottom() - 1, outer.width(), 2), colour);
        canvas.fillRect(QRect(outer.left(), outer.top(), 2, outer.height()), colour);
        canvas.fillRect(QRect(outer.right() - 1, outer.top(), 2, outer.height()), colour);
    } else {
        // A dot with a black outline on the central grid crossing.
        const QPointF centre(x0 + ColLeft(c), y0 + RowTop(r));
        canvas.save();
        canvas.setRenderHint(QPainter::Antialiasing);
        canvas.setPen(QPen(Qt::black, 1));
        canvas.setBrush(colour);
        canvas.drawEllipse(centre, 7.0, 7.0);
        canvas.restore();
    }
    canvas.setPen(QPen(ColorToQColor(gridColor_), gridWidth_));
    canvas.setBrush(Qt::NoBrush);
}

// --- events

void TOxelPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    geometry_.SetPaintRect(0, 0, width(), height());
    Repaint();
}

void TOxelPanel::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int cell = CellAt(pos.x(), pos.y());
    if (!PressRules::PressAccepted(event->button(), pressButtons_, blockClick_, cell,
                                   cells_.Mark(cell)))
        return;
    Press press;
    press.kind = event->button() == Qt::RightButton ? Press::Kind::Right : Press::Kind::Left;
    press.atMs = ProgramClock().MonotonicMs();
    // A cell past the texts reports no cell, no text and no mark.
    if (cell < LinesList().size()) {
        press.cell = cell;
        press.item = cells_.Text(cell);
        press.mark = cells_.Mark(cell);
    }
    pressedCell_ = cell;
    pressedButton_ = event->button();
    judging_ = true;
    blockedWhileJudging_ = false;
    const std::optional<bool> verdict = OnPress ? OnPress(press) : std::nullopt;
    judging_ = false;
    // The owner may have refilled the board while judging, or left the press unjudged;
    // then there is nothing to show.
    if (!verdict) {
        pressedCell_ = -1;
        return;
    }
    pressedVerdict_ = *verdict;
    // A modal window opened while judging took the release: the press ends now, with its
    // verdict known, as a release over its own cell would end it.
    if (std::exchange(blockedWhileJudging_, false)) {
        if (PressRules::ReleaseAccepted(blockClick_, cells_.Mark(cell)))
            ReleaseCell(cell);
        return;
    }
    if (pressedCell_ == cell)
        SetCellLook(cell, PressRules::HeldLook(lightClick_, pressedVerdict_));
}

void TOxelPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(event->button(), pos.x(), pos.y());
    // Only the release of the button of a judged press acts, and only once.
    if (pressedCell_ < 0 || event->button() != pressedButton_)
        return;
    const int pressed = std::exchange(pressedCell_, -1);
    const int markUnder = cells_.Mark(CellAt(pos.x(), pos.y()));
    if (PressRules::ReleaseAccepted(blockClick_, markUnder))
        ReleaseCell(pressed);
}

void TOxelPanel::ReleaseCell(int pressed) {
    const auto outcome =
        PressRules::ReleaseOutcome(cells_.Mark(pressed), pressedVerdict_, smallerFont_);
    SetCellLook(pressed, outcome.look);
    if (outcome.found)
        cells_.SetMark(pressed, 0);
}

bool TOxelPanel::event(QEvent* event) {
    // A modal window opened while a press is held takes the mouse, and the release never
    // comes here: the press ends as a release over its own cell would end it.
    if (event->type() == QEvent::WindowBlocked) {
        const int pressed = std::exchange(pressedCell_, -1);
        if (pressed >= 0 && judging_)
            blockedWhileJudging_ = true;
        else if (pressed >= 0 && PressRules::ReleaseAccepted(blockClick_, cells_.Mark(pressed)))
            ReleaseCell(pressed);
    }
    return QWidget::event(event);
}

void TOxelPanel::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        const QPoint pos = event->position().toPoint();
        OnMouseMove(pos.x(), pos.y());
    }
}
