#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>
#include <functional>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QBarSet;
class QGraphicsSimpleTextItem;
class QValueAxis;

// A bar chart in the look of the statistics window: one bar series, a category axis on
// the given side, a hidden value axis, and a value mark beyond the end of every bar. The
// value axis is kept long enough that no mark is cut off, the marks stand upright when
// they are wider than the room of a bar, and the category labels get smaller where they
// would otherwise be cut short. Marks and labels are drawn here, not by the axes, so that
// their format and place are ours. The title is never cut short either: it gets smaller,
// and then its lines are broken, until it fits the chart's width.
class BarChartView : public QChartView {
    Q_OBJECT
public:
    using MarkFormat = std::function<QString(double)>;

    // Takes the series; every bar belongs to one of its `setCount` sets, the others hold 0
    // there (a stacked series then shows only that bar).
    BarChartView(QAbstractBarSeries* series, int setCount, Qt::Alignment categorySide,
                 MarkFormat markFormat, QWidget* parent = nullptr);

    QAbstractBarSeries* Series() const { return series_; }
    QBarSet* Set(int index) const { return sets_.at(index); }

    // The title, one line per entry.
    void SetTitleLines(const QStringList& lines);
    const QStringList& TitleLines() const { return titleLines_; }
    // The title's lines as fitted to the present width.
    const QStringList& ShownTitleLines() const { return shownTitle_; }

    // Replaces the bars: the category label, the set and the value of each, and the text of
    // each value mark (the value in the chart's format when none are given).
    void SetBars(const QStringList& labels, const QList<int>& sets, const QList<double>& values,
                 const QStringList& marks = {});
    void Clear();
    // The category labels as given (equal labels are allowed).
    const QStringList& Labels() const { return labels_; }
    const QList<double>& Values() const { return values_; }
    // The value marks as shown, one per bar.
    QStringList Marks() const;
    // Whether the marks stand upright at the present size.
    bool UprightMarks() const { return upright_; }
    // Where the plot, a bar's value mark and its category label lie as laid out now, in the
    // chart's coordinates.
    QRectF PlotArea() const;
    QRectF MarkRect(int bar) const;
    QRectF LabelRect(int bar) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitTitle();
    void Fit();
    void FitCategoryLabels(qreal room);
    void PlaceMarks();
    void PlaceLabels();

    QAbstractBarSeries* series_;
    QList<QBarSet*> sets_;
    QBarCategoryAxis* categories_;
    QValueAxis* valueAxis_;
    MarkFormat markFormat_;
    QList<QGraphicsSimpleTextItem*> marks_;
    QList<QGraphicsSimpleTextItem*> labelItems_;
    Qt::Alignment categorySide_;
    QStringList titleLines_;
    QStringList shownTitle_;
    QStringList labels_;
    QList<double> values_;
    bool upright_ = false;
    bool fitting_ = false;
};
