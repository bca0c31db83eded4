#pragma once

#include "PracticeKey.h"

#include <QDate>
#include <QVector>
#include <optional>

// A run as the week table and the summary keep it.
struct PracticeRun {
    PracticeKey key;
    QDate day;
    std::optional<double> value; // the result as a number; none when it is not one
    bool completed = false;
};

// The completed runs of one exercise and mode in one week.
struct WeekFigures {
    int runs = 0;
    std::optional<double> best;
    std::optional<double> median;
};

enum class Trend { None, Better, Worse, Same };

// This week against last week for one exercise and mode.
struct WeekRow {
    PracticeKey key;
    WeekFigures thisWeek;
    WeekFigures lastWeek;
    std::optional<double> changePercent; // of the median, from last week to this one
    Trend trend = Trend::None;           // of the median, by the exercise's direction
};

// Weeks run from Monday to Sunday.
class WeekTable {
public:
    static QDate WeekStart(const QDate& day);
    // A row per exercise and mode with a completed run this week or last, in list order.
    // Stopped runs, results that are not numbers and exercises the table does not know are
    // left out.
    static QVector<WeekRow> Build(const QVector<PracticeRun>& runs, const QDate& today);
    static double Median(QVector<double> values);
};
