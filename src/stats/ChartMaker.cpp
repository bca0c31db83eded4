#include "ChartMaker.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

QColor LookColor(ChartSet::Look look) {
    switch (look) {
    case ChartSet::Look::Marked:
        return QColor(0xD2, 0x3C, 0x3C);
    case ChartSet::Look::Second:
        return QColor(0xF0, 0xA0, 0x30);
    case ChartSet::Look::Plain:
        break;
    }
    return QColor(0x3C, 0x78, 0xC8);
}

QFont ChartFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A value axis from 0 that holds `highest`; counts get whole-number ticks.
QValueAxis* ValueAxis(const QString& title, double highest, int decimals) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(ChartFont(11));
    axis->setLabelsFont(ChartFont(10));
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + QLatin1Char('f'));
    const double top = std::max(1.0, highest * 1.05);
    if (decimals == 0 && top <= 10) {
        axis->setRange(0, std::ceil(top));
        axis->setTickCount(int(std::ceil(top)) + 1);
    } else {
        axis->setRange(0, top);
        axis->applyNiceNumbers();
    }
    return axis;
}

void StyleAxis(QAbstractAxis* axis, const QString& title) {
    axis->setTitleText(title);
    axis->setTitleFont(ChartFont(11));
    axis->setLabelsFont(ChartFont(10));
}

QAbstractAxis* PlaceAxis(const ChartSpec& plan) {
    if (!plan.categories.isEmpty()) {
        auto* axis = new QBarCategoryAxis;
        axis->append(plan.categories);
        // Names stand upright where many would not fit side by side.
        qsizetype longest = 0;
        for (const QString& name : plan.categories)
            longest = std::max(longest, name.size());
        if ((longest > 3 && plan.categories.size() > 6) || plan.categories.size() > 16)
            axis->setLabelsAngle(-90);
        return axis;
    }
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, std::max(1, plan.places) - 0.5);
    const int step = ChartMaker::LabelStep(plan.places);
    axis->append(QStringLiteral("1"), 0);
    for (int place = step; place <= plan.places; place += step)
        axis->append(QString::number(place), place - 1);
    return axis;
}

double Highest(const QVector<ChartSet>& sets, bool stacked) {
    double highest = 0;
    for (int i = 0; !sets.isEmpty() && i < sets.front().values.size(); ++i) {
        double sum = 0;
        for (const ChartSet& set : sets) {
            const double v = i < set.values.size() ? set.values[i] : 0;
            sum = stacked ? sum + v : std::max(sum, v);
        }
        highest = std::max(highest, sum);
    }
    return highest;
}

} // namespace

int ChartMaker::LabelStep(int places) {
    for (int step : {1, 5, 10, 20, 50, 100, 200, 500})
        if (places / step <= 20)
            return step;
    return 1000;
}

QChart* ChartMaker::Build(const ChartSpec& plan) {
    auto* chart = new QChart;
    chart->setTitle(plan.title);
    chart->setTitleFont(ChartFont(13, true));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));

    QAbstractBarSeries* bars =
        plan.stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries) : new QBarSeries;
    bars->setBarWidth(plan.stacked ? 0.8 : 0.7);
    for (const ChartSet& set : plan.bars) {
        auto* barSet = new QBarSet(set.name);
        barSet->append(QList<qreal>(set.values.begin(), set.values.end()));
        barSet->setColor(LookColor(set.look));
        barSet->setBorderColor(LookColor(set.look).darker(130));
        bars->append(barSet);
    }
    chart->addSeries(bars);

    QAbstractAxis* places = PlaceAxis(plan);
    StyleAxis(places, plan.xTitle);
    chart->addAxis(places, Qt::AlignBottom);
    bars->attachAxis(places);
    QValueAxis* values = ValueAxis(plan.yTitle, Highest(plan.bars, plan.stacked), plan.decimals);
    chart->addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);

    bool legend = plan.bars.size() > 1;
    if (!plan.points.values.isEmpty()) {
        auto* points = new QScatterSeries;
        points->setName(plan.points.name);
        points->setColor(LookColor(plan.points.look));
        points->setMarkerSize(9);
        double highest = 0;
        for (int i = 0; i < plan.points.values.size(); ++i) {
            const double v = plan.points.values[i];
            highest = std::max(highest, v);
            if (v > 0)
                points->append(i, v);
        }
        chart->addSeries(points);
        points->attachAxis(places);
        QValueAxis* counts = ValueAxis(plan.pointsTitle, highest, 0);
        chart->addAxis(counts, Qt::AlignRight);
        points->attachAxis(counts);
        legend = true;
    }
    chart->legend()->setVisible(legend);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(ChartFont(10));
    return chart;
}

QChartView* ChartMaker::View(const ChartSpec& plan, QWidget* parent) {
    auto* view = new QChartView(Build(plan), parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 220);
    return view;
}
