#include "BarChartView.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor InkColor(0x30, 0x30, 0x30);
constexpr int MarkPrecision = 6;
constexpr qreal MarkGap = 6; // pixels between a bar and its mark

QFont ChartFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The mark text Qt Charts draws for a value.
QString MarkText(double value) {
    return QString::number(value, 'g', MarkPrecision);
}

} // namespace

BarChartView::BarChartView(QAbstractBarSeries* series, int setCount, Qt::Alignment categorySide,
                           QWidget* parent)
    : QChartView(parent), series_(series), categories_(new QBarCategoryAxis),
      valueAxis_(new QValueAxis) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 2, 4, 2));
    chart->setBackgroundRoundness(4);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundPen(QPen(QColor(0xB8, 0xB8, 0xB8)));
    chart->setTitleFont(ChartFont(12, true));
    chart->setTitleBrush(InkColor);

    for (int i = 0; i < setCount; ++i) {
        auto* set = new QBarSet(QString());
        set->setLabelFont(ChartFont(11, true));
        set->setLabelColor(InkColor);
        set->setPen(Qt::NoPen);
        series_->append(set);
        sets_.append(set);
    }
    series_->setLabelsVisible(true);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series_->setLabelsPrecision(MarkPrecision);
    chart->addSeries(series_);

    categories_->setLabelsFont(ChartFont(11, false));
    categories_->setLabelsColor(InkColor);
    categories_->setGridLineVisible(false);
    categories_->setLinePen(QPen(QColor(0x90, 0x90, 0x90)));
    chart->addAxis(categories_, categorySide);
    series_->attachAxis(categories_);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(valueAxis_);
    valueAxis_->setVisible(false);
    valueAxis_->setRange(0, 1);

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(120, 90);
    connect(chart, &QChart::plotAreaChanged, this, &BarChartView::Fit);
}

void BarChartView::SetTitleLines(const QStringList& lines) {
    titleLines_ = lines;
    chart()->setTitle(lines.join(QStringLiteral("<br>")));
}

void BarChartView::SetBars(const QStringList& labels, const QList<int>& sets,
                           const QList<double>& values) {
    labels_ = labels;
    values_ = values;
    for (int s = 0; s < sets_.size(); ++s) {
        QBarSet* set = sets_[s];
        set->remove(0, set->count());
        QList<qreal> column;
        for (qsizetype i = 0; i < values.size(); ++i)
            column.append(sets.at(i) == s ? values.at(i) : 0.0);
        set->append(column);
    }
    // A category axis takes every label once: equal labels get invisible marks apart.
    QStringList distinct;
    for (qsizetype i = 0; i < labels.size(); ++i)
        distinct.append(labels.at(i) + QString(static_cast<int>(i), QChar(0x200B)));
    categories_->clear();
    categories_->append(distinct);
    Fit();
}

void BarChartView::Clear() {
    SetBars({}, {}, {});
}

bool BarChartView::UprightMarks() const {
    return series_->labelsAngle() != 0;
}

void BarChartView::Fit() {
    const QRectF plot = chart()->plotArea();
    if (values_.isEmpty() || plot.height() <= 0) {
        valueAxis_->setRange(0, 1);
        return;
    }
    const QFontMetricsF metrics(sets_.first()->labelFont());
    qreal widest = 0;
    for (double v : values_)
        widest = std::max(widest, metrics.horizontalAdvance(MarkText(v)));
    const qreal room = plot.width() / values_.size();
    const bool upright = widest + 4 > room;
    series_->setLabelsAngle(upright ? -90 : 0);

    // The longest bars end early enough to leave their marks inside the plot: above the
    // tallest bar, and below the deepest one when a damaged file holds negative values.
    const double high = std::max(0.0, *std::max_element(values_.begin(), values_.end()));
    const double low = std::min(0.0, *std::min_element(values_.begin(), values_.end()));
    if (high == low) {
        valueAxis_->setRange(0, 1);
        return;
    }
    const qreal headroom = (upright ? widest : metrics.height()) + 2 * MarkGap;
    const int ends = (high > 0 ? 1 : 0) + (low < 0 ? 1 : 0);
    const qreal barSpace = std::max(plot.height() - ends * headroom, plot.height() / 3);
    const double perPixel = (high - low) / barSpace;
    const double extra = (plot.height() - barSpace) / ends * perPixel;
    valueAxis_->setRange(low < 0 ? low - extra : 0, high > 0 ? high + extra : 0);
}
