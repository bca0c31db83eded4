#pragma once

#include "progress/PracticeSummary.h"

#include <QWidget>

class CalendarView;
class QLabel;
class QProgressBar;
class QTableWidget;
class QToolButton;

// The progress window of one user: today's minutes against the daily goal, the current and
// the longest streak, the calendar of a year with the years before it reachable, this week
// against last week per exercise and mode, and the personal bests. It shows a summary it is
// given and reads nothing itself; it stays open beside the main window.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Shows the summary as it stands on `today`, with the goal in minutes (0: none). The year
    // chosen in the calendar stays.
    void Show(const PracticeSummary& summary, const QDate& today, int goalMinutes);
    const QString& User() const { return summary_.User(); }
    // How many years back the calendar's last day is from today.
    int YearsBack() const { return yearsBack_; }

    QLabel* TodayL = nullptr;
    QProgressBar* GoalPB = nullptr;
    QLabel* CurrentStreakL = nullptr;
    QLabel* LongestStreakL = nullptr;
    CalendarView* Calendar = nullptr;
    QToolButton* EarlierSB = nullptr;
    QToolButton* LaterSB = nullptr;
    QLabel* SpanL = nullptr;
    QTableWidget* WeekTW = nullptr;
    QLabel* WeekEmptyL = nullptr;
    QTableWidget* BestsTW = nullptr;
    QLabel* BestsEmptyL = nullptr;
    QToolButton* CloseSB = nullptr;

    // The colours of a change for the better and for the worse in the week table.
    static QColor BetterColour();
    static QColor WorseColour();

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* Heading(QWidget* parent);
    void Fill();
    void FillToday();
    void FillCalendar();
    void FillWeek();
    void FillBests();
    void MoveYears(int by);

    PracticeSummary summary_;
    QDate today_;
    int goal_ = 0;
    int yearsBack_ = 0;
    QLabel* calendarTitle_ = nullptr;
    QLabel* weekTitle_ = nullptr;
    QLabel* bestsTitle_ = nullptr;
};
