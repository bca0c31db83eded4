#include "PressTimes.h"

#include <algorithm>
#include <numeric>

QVector<HistoryPress> PressTimes::InOrder(const QVector<HistoryPress>& presses) {
    QVector<HistoryPress> ordered = presses;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const HistoryPress& a, const HistoryPress& b) { return a.seq < b.seq; });
    return ordered;
}

QVector<ItemTime> PressTimes::Items(const HistoryRun& run, int groupSize) {
    groupSize = std::max(1, groupSize);
    QVector<ItemTime> items;
    ItemTime current;
    qint64 previousEnd = 0;
    for (const HistoryPress& press : InOrder(run.presses)) {
        if (!press.correct) {
            ++current.wrongPresses;
            continue;
        }
        current.items.append(press.item);
        current.cells.append(press.cell);
        if (current.items.size() < groupSize)
            continue;
        current.endMs = press.tMs;
        // A clock that went wrong must not give a negative time.
        current.ms = std::max<qint64>(0, press.tMs - previousEnd);
        previousEnd = std::max(previousEnd, press.tMs);
        items.append(current);
        current = ItemTime();
    }
    return items;
}

QVector<int> PressTimes::Slowest(const QVector<ItemTime>& items, int count) {
    QVector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return items[a].ms > items[b].ms; });
    order.resize(std::min<qsizetype>(std::max(0, count), order.size()));
    return order;
}

QVector<qint64> PressTimes::CellTimes(const HistoryRun& run, const QVector<ItemTime>& items) {
    const qint64 cells = qint64(std::max(0, run.boardCols)) * std::max(0, run.boardRows);
    QVector<qint64> times(cells <= MaxCells ? cells : 0, -1);
    for (const ItemTime& item : items) {
        const int cell = item.cells.isEmpty() ? -1 : item.cells.front();
        if (cell >= 0 && cell < times.size())
            times[cell] = item.ms;
    }
    return times;
}
