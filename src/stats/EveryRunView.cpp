#include "EveryRunView.h"

#include "RunHistory.h"
#include "StatsLabels.h"
#include "data/Clock.h"
#include "data/ExerciseInfo.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

QFont ChartFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

EveryRunView::EveryRunView(const QString& user, QWidget* parent) : QWidget(parent), user_(user) {
    setObjectName(QStringLiteral("EveryRunView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    auto* choices = new QHBoxLayout;
    LabelCB = new QComboBox(this);
    LabelCB->setObjectName(QStringLiteral("LabelCB"));
    for (const StatsLabel& label : StatsLabels::All())
        LabelCB->addItem(label.text, QPoint(label.exercise, label.mode));
    PeriodCB = new QComboBox(this);
    PeriodCB->setObjectName(QStringLiteral("PeriodCB"));
    PeriodCB->addItem(T(Tx::Period30), int(RunProgress::Period::Last30Days));
    PeriodCB->addItem(T(Tx::Period90), int(RunProgress::Period::Last90Days));
    PeriodCB->addItem(T(Tx::PeriodAll), int(RunProgress::Period::All));
    PeriodCB->setCurrentIndex(2);
    choices->addWidget(LabelCB, 1);
    choices->addWidget(PeriodCB);
    column->addLayout(choices);

    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setTitleFont(ChartFont(13, true));
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setFont(ChartFont(10));
    runs_ = new QLineSeries;
    runs_->setName(T(Tx::SetRuns));
    runs_->setPen(QPen(QColor(0x9C, 0xB8, 0xDC), 1));
    runs_->setPointsVisible(true);
    average_ = new QLineSeries;
    average_->setName(T(Tx::SetMovingAverage));
    average_->setPen(QPen(QColor(0xD2, 0x3C, 0x3C), 2.5));
    marks_ = new QScatterSeries;
    marks_->setColor(QColor(0x3C, 0x78, 0xC8));
    marks_->setBorderColor(QColor(0x3C, 0x78, 0xC8));
    marks_->setMarkerSize(9);
    chart_->addSeries(runs_);
    chart_->addSeries(average_);
    chart_->addSeries(marks_);
    // The runs' own legend entry stands for the markers too.
    for (QLegendMarker* marker : chart_->legend()->markers(marks_))
        marker->setVisible(false);
    dates_ = new QCategoryAxis;
    dates_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    dates_->setTitleText(T(Tx::AxisDate));
    values_ = new QValueAxis;
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(dates_), static_cast<QAbstractAxis*>(values_)}) {
        axis->setTitleFont(ChartFont(11));
        axis->setLabelsFont(ChartFont(10));
    }
    chart_->addAxis(dates_, Qt::AlignBottom);
    chart_->addAxis(values_, Qt::AlignLeft);
    for (QXYSeries* series : {static_cast<QXYSeries*>(runs_), static_cast<QXYSeries*>(average_),
                              static_cast<QXYSeries*>(marks_)}) {
        series->attachAxis(dates_);
        series->attachAxis(values_);
    }
    ChartView = new QChartView(chart_, this);
    ChartView->setRenderHint(QPainter::Antialiasing);
    column->addWidget(ChartView, 1);

    SentenceL = new QLabel(this);
    SentenceL->setObjectName(QStringLiteral("SentenceL"));
    SentenceL->setWordWrap(true);
    SentenceL->setStyleSheet(QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;"));
    column->addWidget(SentenceL);

    connect(LabelCB, &QComboBox::currentIndexChanged, this, &EveryRunView::Refresh);
    connect(PeriodCB, &QComboBox::currentIndexChanged, this, &EveryRunView::Draw);
}

void EveryRunView::ShowLabel(int exercise, int mode) {
    const int row = LabelCB->findData(QPoint(exercise, mode));
    if (row >= 0 && row != LabelCB->currentIndex())
        LabelCB->setCurrentIndex(row); // refreshes
    else
        Refresh();
}

void EveryRunView::Refresh() {
    const QPoint label = LabelCB->currentData().toPoint();
    const ExerciseInfo& info = Exercise(std::clamp(label.x(), 0, ExerciseCount - 1));
    points_ =
        RunProgress::Points(RunHistory::Runs(user_, QLatin1String(info.statsBase), label.y()));
    values_->setTitleText(
        T(info.result == ResultKind::Score ? Tx::AxisResultPoints : Tx::AxisResultSeconds));
    chart_->setTitle(T(Tx::EveryRunTitle).arg(LabelCB->currentText()));
    Draw();
}

void EveryRunView::Draw() {
    const auto period = RunProgress::Period(PeriodCB->currentData().toInt());
    shown_ = RunProgress::Within(points_, period, LocalMoment(ProgramClock().NowMs()));
    double low = 0;
    double high = 1;
    for (const ProgressPoint& point : shown_) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    const RunProgress::Drawn drawn = RunProgress::ForDrawing(shown_, DrawnSpans);
    // Beyond a few points per pixel markers and smoothing only cost time: the line shows it.
    const bool dense = drawn.runs.size() > DensePoints;
    runs_->setPointsVisible(!dense);
    ChartView->setRenderHint(QPainter::Antialiasing, !dense);
    runs_->replace(drawn.runs);
    average_->replace(drawn.averages);
    // A few runs get markers that a single one is seen by.
    marks_->replace(drawn.runs.size() <= MarkedPoints ? drawn.runs : QList<QPointF>());
    // A day on either side of the runs, so that a single run stands inside the chart.
    const QDate today = LocalMoment(ProgramClock().NowMs()).date();
    ShowDates(shown_.isEmpty() ? today.addDays(-30) : shown_.front().when.date().addDays(-1),
              shown_.isEmpty() ? today : shown_.back().when.date().addDays(1));
    values_->setRange(low, high * 1.05);
    values_->applyNiceNumbers();
    chart_->legend()->setVisible(!shown_.isEmpty());
    SentenceL->setText(!shown_.isEmpty()   ? T(Tx::EveryRunText)
                       : points_.isEmpty() ? T(Tx::EveryRunEmpty)
                                           : T(Tx::EveryRunNoneInPeriod));
}

void EveryRunView::ShowDates(const QDate& first, const QDate& last) {
    const RunProgress::DateAxis axis = RunProgress::DateTicks(first, last, DateLabels);
    for (const QString& label : dates_->categoriesLabels())
        dates_->remove(label);
    dates_->setStartValue(qreal(axis.fromMs));
    for (int i = 0; i < axis.days.size(); ++i)
        dates_->append(axis.days[i].toString(ShownDateFormat(Language())), qreal(axis.dayMs[i]));
    dates_->setRange(qreal(axis.fromMs), qreal(axis.toMs));
}
