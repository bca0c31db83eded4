#pragma once

#include "progress/PracticeCalendar.h"

#include <QWidget>

// The calendar of the progress window: a square per day, 53 weeks in columns from Monday to
// Sunday, shaded by the minutes trained, with the months above, the weekdays beside, the
// shades explained below, and the day's figures in a tooltip.
class QPainter;

class CalendarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Cell = 12;
    static constexpr int Pitch = 15;
    static constexpr int LeftLabels = 28;
    static constexpr int TopLabels = 16;
    static constexpr int LegendRow = 20; // "less", the shades, "more", under the weeks

    explicit CalendarView(QWidget* parent = nullptr);

    void SetGrid(const CalendarGrid& grid, const QDate& today);
    const CalendarGrid& Grid() const { return grid_; }
    QRect CellRect(int column, int weekday) const;
    // The day under the point, or nullptr where there is none.
    const CalendarDay* DayAt(const QPoint& point) const;
    // The colour of a shade level, 0 (no run) to PracticeCalendar::Levels.
    static QColor LevelColour(int level);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PaintLegend(QPainter& painter);

    CalendarGrid grid_;
    QDate today_;
};
