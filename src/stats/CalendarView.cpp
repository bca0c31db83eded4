#include "CalendarView.h"

#include "data/Texts.h"
#include "progress/PracticeTexts.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

QFont LabelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    return font;
}

} // namespace

CalendarView::CalendarView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CalendarView"));
    setMouseTracking(true);
}

void CalendarView::SetGrid(const CalendarGrid& grid, const QDate& today) {
    grid_ = grid;
    today_ = today;
    update();
}

QSize CalendarView::sizeHint() const {
    // Room on the right for the name of a month that begins in the last column.
    return QSize(LeftLabels + (PracticeCalendar::Weeks + 2) * Pitch,
                 TopLabels + 7 * Pitch + LegendRow);
}

QRect CalendarView::CellRect(int column, int weekday) const {
    return QRect(LeftLabels + column * Pitch, TopLabels + (weekday - 1) * Pitch, Cell, Cell);
}

QColor CalendarView::LevelColour(int level) {
    static const QColor colours[] = {QColor(0xEB, 0xED, 0xF0), QColor(0xC6, 0xE4, 0x8B),
                                     QColor(0x7B, 0xC9, 0x6F), QColor(0x23, 0x9A, 0x3B),
                                     QColor(0x19, 0x61, 0x27)};
    return colours[std::clamp(level, 0, PracticeCalendar::Levels)];
}

const CalendarDay* CalendarView::DayAt(const QPoint& point) const {
    if (grid_.days.isEmpty())
        return nullptr;
    const int column = (point.x() - LeftLabels) / Pitch;
    const int weekday = (point.y() - TopLabels) / Pitch + 1;
    if (point.x() < LeftLabels || point.y() < TopLabels || column >= PracticeCalendar::Weeks ||
        weekday > 7 || !CellRect(column, weekday).contains(point))
        return nullptr;
    const CalendarDay& day = grid_.At(column, weekday);
    return day.date.isValid() ? &day : nullptr;
}

void CalendarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(LabelFont());
    painter.setPen(palette().color(QPalette::WindowText));
    for (int weekday = 1; weekday <= 7; ++weekday)
        painter.drawText(QRect(0, TopLabels + (weekday - 1) * Pitch, LeftLabels - 4, Cell),
                         Qt::AlignRight | Qt::AlignVCenter, PracticeTexts::WeekdayName(weekday));
    for (const CalendarMonth& month : grid_.months)
        painter.drawText(QRect(LeftLabels + month.column * Pitch, 0, 4 * Pitch, TopLabels - 2),
                         Qt::AlignLeft | Qt::AlignBottom, PracticeTexts::MonthName(month.month));
    for (int i = 0; i < grid_.days.size(); ++i) {
        const CalendarDay& day = grid_.days[i];
        if (!day.date.isValid())
            continue;
        const QRect cell = CellRect(i / 7, i % 7 + 1);
        painter.fillRect(cell, LevelColour(day.level));
        if (day.date == today_) {
            painter.setPen(QColor(0x40, 0x40, 0x40));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
    PaintLegend(painter);
}

void CalendarView::PaintLegend(QPainter& painter) {
    constexpr int words = 48;
    const int top = TopLabels + 7 * Pitch + (LegendRow - Cell) / 2;
    const int left = width() - words - (PracticeCalendar::Levels + 1) * Pitch;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left - words, top, words - 4, Cell), Qt::AlignRight | Qt::AlignVCenter,
                     T(Tx::CalendarLess));
    for (int level = 0; level <= PracticeCalendar::Levels; ++level)
        painter.fillRect(QRect(left + level * Pitch, top, Cell, Cell), LevelColour(level));
    painter.drawText(QRect(width() - words + 1, top, words, Cell), Qt::AlignLeft | Qt::AlignVCenter,
                     T(Tx::CalendarMore));
}

bool CalendarView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const CalendarDay* day = DayAt(help->pos()))
            QToolTip::showText(help->globalPos(), PracticeTexts::DayTip(day->date, day->total),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
