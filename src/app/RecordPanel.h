#pragma once

#include "board/ColorRef.h"
#include "data/RecordTables.h"

#include <QList>
#include <QObject>
#include <functional>

class QFrame;
class QLabel;

// The best-results panel `RecordP`: builds its 49 cells to fit the panel (`PaintRecTable`,
// `RecListFree`), shows a loaded table in them and builds them anew whenever the panel
// changes size, so the table always fits the board area. The tables themselves are loaded
// and checked by the run cycle: `RunCycle::LoadRecord` is `ShulteLoadRecord` and its twins
// and `RunCycle::VerifyRecord` is `ShulteVerifyRecord` and its twins, one dispatch over the
// exercise table for every exercise.
class RecordPanel : public QObject {
    Q_OBJECT
public:
    static constexpr TColor NormalColor = 0x809F00;
    static constexpr TColor SeriesColor = 0xCEA709;

    // seriesTicked: whether `LessonChB` is ticked, read each time the panel is painted.
    RecordPanel(QFrame* recordP, std::function<bool()> seriesTicked);
    ~RecordPanel() override;

    // Frees the cells and builds the 49 anew in the panel with the given colours, then
    // shows the table they showed before. The panel's own colour follows the series box.
    void PaintRecTable(TColor headingBg, TColor headingText, TColor cellBg, TColor cellText);
    // The same with the program's colours: white on black headings, black on white cells.
    void PaintRecTable();
    // Destroys the cells from last to first.
    void RecListFree();
    // The panel's colour: the series colour while the series box is ticked.
    void PaintParent();
    // Shows a loaded table in the cells; Targets results carry their detail as a hint.
    void ShowTable(const RecordTables::Table& rows);

    QFrame* Parent() const { return parent_; }
    const QList<QLabel*>& RecList() const { return recList_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillCells();

    QFrame* parent_;
    std::function<bool()> seriesTicked_;
    QList<QLabel*> recList_;
    RecordTables::Table rows_;
    TColor colours_[4] = {clBlack, clWhite, clWhite, clBlack};
};
