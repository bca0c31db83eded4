#include "BoardRegions.h"

#include "PressTimes.h"

#include <QSet>

QVector<RegionCount> BoardRegions::Count(const HistoryRun& run, int splitRows, int splitCols) {
    splitRows = std::max(1, splitRows);
    splitCols = std::max(1, splitCols);
    QVector<RegionCount> regions(qsizetype(splitRows) * splitCols);
    for (int i = 0; i < regions.size(); ++i) {
        regions[i].row = i / splitCols;
        regions[i].col = i % splitCols;
    }
    const int cols = run.boardCols;
    const int rows = run.boardRows;
    if (cols <= 0 || rows <= 0 || qint64(cols) * rows > PressTimes::MaxCells)
        return regions;

    QSet<QString> targets;
    for (const HistoryPress& press : run.presses)
        if (press.correct)
            targets.insert(press.item);
    for (const HistoryPress& press : run.presses) {
        if (press.correct || press.cell < 0 || press.cell >= cols * rows)
            continue;
        const int row = press.cell / cols * splitRows / rows;
        const int col = press.cell % cols * splitCols / cols;
        RegionCount& region = regions[row * splitCols + col];
        if (targets.contains(press.item))
            ++region.missed;
        else
            ++region.wrong;
    }
    return regions;
}
