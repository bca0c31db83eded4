#pragma once

#include "analysis/RunAnalysis.h"

class QChart;
class QChartView;
class QWidget;

// Draws a chart of a run's analysis as the analysis describes it: the bars on a left value
// axis from 0, named or numbered places, the counts as points on a right axis, titled axes.
class ChartMaker {
public:
    // Numbered places are labelled at a readable step (1, 5, 10, 20, 50, ...).
    static int LabelStep(int places);
    static QChart* Build(const ChartSpec& plan);
    static QChartView* View(const ChartSpec& plan, QWidget* parent);
};
