#pragma once

#include "history/HistoryRecord.h"

#include <QStringList>
#include <QVector>
#include <optional>

// One set of values of a chart, one value per place.
struct ChartSet {
    enum class Look { Plain, Marked, Second };
    QString name;
    QVector<double> values;
    Look look = Look::Plain;
};

// What one chart of a run's analysis shows; the window only draws it.
struct ChartSpec {
    QString title;
    QString text;   // one sentence saying what the chart shows
    QString xTitle; // axis titles with their units
    QString yTitle;
    int decimals = 1; // of the left axis's labels: 0 for counts and milliseconds
    // The name of each place; empty when there are too many, or names repeat: the places are
    // then numbered 1, 2, ...
    QStringList categories;
    int places = 0;
    QVector<ChartSet> bars; // on the left axis
    bool stacked = false;   // one bar per place made of the sets (each place has one non-zero)
    // Counts drawn as points on a right axis, where they are above 0; none when empty.
    ChartSet points;
    QString pointsTitle;
};

// A small picture of the board, each cell shaded by a value.
struct BoardShade {
    QString title;
    QString text;
    int cols = 0;
    int rows = 0;
    QVector<double> values; // row by row; below 0 for a cell with nothing to show
    QStringList labels;     // the text of each cell
};

// Everything the analysis window shows of one run.
struct RunAnalysis {
    QString caption; // the window's caption
    QString runLine; // exercise and mode, start, result
    QVector<ChartSpec> charts;
    std::optional<BoardShade> board;
    QString nothing; // instead of charts, when the run gives none
};

struct ExerciseInfo;

// The charts of an exercise's analysis, filled from a run of it (see ChartSets); each
// exercise brings its own.
using ExerciseCharts = void (*)(const HistoryRun& run, const ExerciseInfo& exercise,
                                RunAnalysis& analysis);

// The analysis of one run: its caption and run line, and the charts its exercise fills from
// the run's presses; a sentence instead when there are none.
class RunAnalyser {
public:
    // Charts are filled for a run of a known exercise that has presses.
    static RunAnalysis Of(const HistoryRun& run, ExerciseCharts charts);
};
