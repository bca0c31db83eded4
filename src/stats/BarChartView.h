#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// A bar chart in the look of the statistics window: one bar series, a category axis on
// the given side, a hidden value axis, and value marks above the bars. The value axis is
// kept high enough that the marks above the tallest bar are never cut off, and the marks
// stand upright when they are wider than the room between two bars.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    // Takes the series; every bar belongs to one of its `setCount` sets, the others hold 0
    // there (a stacked series then shows only that bar).
    BarChartView(QAbstractBarSeries* series, int setCount, Qt::Alignment categorySide,
                 QWidget* parent = nullptr);

    QAbstractBarSeries* Series() const { return series_; }
    QBarSet* Set(int index) const { return sets_.at(index); }

    // The title, one line per entry.
    void SetTitleLines(const QStringList& lines);
    const QStringList& TitleLines() const { return titleLines_; }

    // Replaces the bars: the category label, the set and the value of each.
    void SetBars(const QStringList& labels, const QList<int>& sets, const QList<double>& values);
    void Clear();
    // The category labels as given (equal labels are allowed).
    const QStringList& Labels() const { return labels_; }
    const QList<double>& Values() const { return values_; }
    // The marks stand upright at the present size.
    bool UprightMarks() const;

private:
    void Fit();

    QAbstractBarSeries* series_;
    QList<QBarSet*> sets_;
    QBarCategoryAxis* categories_;
    QValueAxis* valueAxis_;
    QStringList titleLines_;
    QStringList labels_;
    QList<double> values_;
};
