#pragma once

#include "analysis/RunProgress.h"

#include <QWidget>

class QChart;
class QChartView;
class QComboBox;
class QCategoryAxis;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The every-run view of the statistics window: each completed run of one exercise and mode
// from the history over time, with the mean of the last ten runs, for the last 30 or 90 days
// or all time. With no runs the chart stays empty and a sentence says why.
class EveryRunView : public QWidget {
    Q_OBJECT
public:
    // Spans of time a long history is drawn in, and the number of drawn runs from which they
    // are a plain line.
    static constexpr int DrawnSpans = 600;
    static constexpr int DensePoints = 400;
    // Up to this many drawn runs each gets a marker large enough to see; date labels at most.
    static constexpr int MarkedPoints = 60;
    static constexpr int DateLabels = 7;

    explicit EveryRunView(const QString& user, QWidget* parent = nullptr);

    QComboBox* LabelCB = nullptr;  // exercise and mode, as the statistics labels name them
    QComboBox* PeriodCB = nullptr; // 30 days, 90 days, all
    QChartView* ChartView = nullptr;
    QLabel* SentenceL = nullptr;

    // Shows the runs of the exercise (index) and mode.
    void ShowLabel(int exercise, int mode);
    // Reads the runs of the chosen label again and draws those of the chosen period.
    void Refresh();

    const QVector<ProgressPoint>& Shown() const { return shown_; }
    QLineSeries* RunsSeries() const { return runs_; }
    QLineSeries* AverageSeries() const { return average_; }
    QScatterSeries* MarkSeries() const { return marks_; }
    QCategoryAxis* DateAxis() const { return dates_; }

private:
    void Draw();
    // Labels the date axis with distinct days from `first` to `last`.
    void ShowDates(const QDate& first, const QDate& last);

    QString user_;
    QVector<ProgressPoint> points_;
    QVector<ProgressPoint> shown_;
    QChart* chart_ = nullptr;
    QLineSeries* runs_ = nullptr;
    QLineSeries* average_ = nullptr;
    QScatterSeries* marks_ = nullptr;
    QCategoryAxis* dates_ = nullptr;
    QValueAxis* values_ = nullptr;
};
