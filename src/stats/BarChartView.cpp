#include "BarChartView.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor InkColor(0x30, 0x30, 0x30);
constexpr qreal MarkGap = 4;    // pixels between the end of a bar and its mark
constexpr qreal LabelGap = 4;   // pixels between the axis line and a category label
constexpr int LabelPixels = 11; // category labels, largest size
constexpr int SmallestLabelPixels = 8;
constexpr int TitlePixels = 12;
constexpr int SmallestTitlePixels = 9;
constexpr qreal TitlePadding = 8; // pixels kept free beside the title

QFont ChartFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QGraphicsSimpleTextItem* TextItem(const QString& text, const QFont& font, QGraphicsItem* parent) {
    auto* item = new QGraphicsSimpleTextItem(text, parent);
    item->setFont(font);
    item->setBrush(InkColor);
    item->setZValue(100);
    return item;
}

qreal Widest(const QStringList& lines, int pixels) {
    const QFontMetricsF metrics(ChartFont(pixels, true));
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// "Общее время = 117.1" as "Общее время =" over "117.1".
QStringList BrokenAtEquals(const QStringList& lines) {
    const QString sign = QStringLiteral(" = ");
    QStringList broken;
    for (const QString& line : lines) {
        const qsizetype at = line.indexOf(sign);
        if (at < 0) {
            broken.append(line);
        } else {
            broken.append(line.left(at + 2));
            broken.append(line.mid(at + sign.size()));
        }
    }
    return broken;
}

// Lines still too wide broken wherever they must be, every piece holding one character at
// least.
QStringList BrokenToFit(const QStringList& lines, int pixels, qreal room) {
    const QFontMetricsF metrics(ChartFont(pixels, true));
    QStringList broken;
    for (const QString& line : lines) {
        QString piece;
        for (const QChar c : line) {
            if (!piece.isEmpty() && metrics.horizontalAdvance(piece + c) > room) {
                broken.append(piece);
                piece.clear();
            }
            piece += c;
        }
        broken.append(piece);
    }
    return broken;
}

struct ShownTitle {
    int pixels;
    QStringList lines;
};

// The title in the largest size at which its lines fit the room, broken after "=" when no
// size fits them whole, and broken further at the smallest size when even that is too wide.
ShownTitle FitTitleLines(const QStringList& lines, qreal room) {
    for (const QStringList& candidate : {lines, BrokenAtEquals(lines)})
        for (int pixels = TitlePixels; pixels >= SmallestTitlePixels; --pixels)
            if (Widest(candidate, pixels) <= room)
                return {pixels, candidate};
    return {SmallestTitlePixels, BrokenToFit(BrokenAtEquals(lines), SmallestTitlePixels, room)};
}

} // namespace

BarChartView::BarChartView(QAbstractBarSeries* series, int setCount, Qt::Alignment categorySide,
                           MarkFormat markFormat, QWidget* parent)
    : QChartView(parent), series_(series), categories_(new QBarCategoryAxis),
      valueAxis_(new QValueAxis), markFormat_(std::move(markFormat)), categorySide_(categorySide) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 2, 4, 2));
    chart->setBackgroundRoundness(4);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundPen(QPen(QColor(0xB8, 0xB8, 0xB8)));
    chart->setTitleFont(ChartFont(TitlePixels, true));
    chart->setTitleBrush(InkColor);

    for (int i = 0; i < setCount; ++i) {
        auto* set = new QBarSet(QString());
        set->setPen(Qt::NoPen);
        series_->append(set);
        sets_.append(set);
    }
    series_->setLabelsVisible(false);
    chart->addSeries(series_);

    // The axis keeps room for one line of labels, which it shows blank.
    categories_->setLabelsFont(ChartFont(LabelPixels, false));
    categories_->setLabelsColor(Qt::transparent);
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
    FitTitle();
}

void BarChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    FitTitle();
}

void BarChartView::FitTitle() {
    const QMargins margins = chart()->margins();
    const qreal room = width() - margins.left() - margins.right() - 2 * TitlePadding;
    // Not laid out yet: fitted at the first resize.
    const ShownTitle shown =
        room > 0 ? FitTitleLines(titleLines_, room) : ShownTitle{TitlePixels, titleLines_};
    if (shown.lines == shownTitle_ && chart()->titleFont().pixelSize() == shown.pixels)
        return;
    shownTitle_ = shown.lines;
    QStringList escaped;
    for (const QString& line : shownTitle_)
        escaped.append(line.toHtmlEscaped());
    chart()->setTitleFont(ChartFont(shown.pixels, true));
    chart()->setTitle(escaped.join(QStringLiteral("<br>")));
}

void BarChartView::SetBars(const QStringList& labels, const QList<int>& sets,
                           const QList<double>& values, const QStringList& marks) {
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
    // A category axis takes every label once: its blank labels differ in invisible marks.
    QStringList blanks;
    for (qsizetype i = 0; i < labels.size(); ++i)
        blanks.append(QLatin1Char(' ') + QString(static_cast<int>(i), QChar(0x200B)));
    categories_->clear();
    categories_->append(blanks);

    qDeleteAll(marks_);
    marks_.clear();
    qDeleteAll(labelItems_);
    labelItems_.clear();
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString mark = i < marks.size() ? marks.at(i) : markFormat_(values.at(i));
        marks_.append(TextItem(mark, ChartFont(11, true), chart()));
        labelItems_.append(TextItem(labels.at(i), ChartFont(LabelPixels, false), chart()));
    }
    Fit();
}

void BarChartView::Clear() {
    SetBars({}, {}, {});
}

QStringList BarChartView::Marks() const {
    QStringList texts;
    for (const QGraphicsSimpleTextItem* mark : marks_)
        texts.append(mark->text());
    return texts;
}

QRectF BarChartView::PlotArea() const {
    return chart()->plotArea();
}

QRectF BarChartView::MarkRect(int bar) const {
    const QGraphicsSimpleTextItem* mark = marks_.at(bar);
    return mark->mapRectToParent(mark->boundingRect());
}

QRectF BarChartView::LabelRect(int bar) const {
    const QGraphicsSimpleTextItem* label = labelItems_.at(bar);
    return label->mapRectToParent(label->boundingRect());
}

void BarChartView::FitCategoryLabels(qreal room) {
    int pixels = LabelPixels;
    for (; pixels > SmallestLabelPixels; --pixels) {
        const QFontMetricsF metrics(ChartFont(pixels, false));
        qreal widest = 0;
        for (const QString& label : labels_)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        if (widest + 4 <= room)
            break;
    }
    for (QGraphicsSimpleTextItem* label : labelItems_)
        label->setFont(ChartFont(pixels, false));
}

void BarChartView::Fit() {
    // Laying the chart out again calls here once more.
    if (fitting_)
        return;
    fitting_ = true;
    const QRectF plot = chart()->plotArea();
    const bool laidOut = !values_.isEmpty() && plot.height() > 0 && plot.width() > 0;
    for (QList<QGraphicsSimpleTextItem*>* items : {&marks_, &labelItems_})
        for (QGraphicsSimpleTextItem* item : *items)
            item->setVisible(laidOut);
    if (laidOut) {
        FitCategoryLabels(plot.width() / values_.size());
        PlaceMarks();
        PlaceLabels();
    } else {
        valueAxis_->setRange(0, 1);
    }
    fitting_ = false;
}

void BarChartView::PlaceMarks() {
    const QRectF plot = chart()->plotArea();
    const QFontMetricsF metrics(marks_.first()->font());
    qreal widest = 0;
    for (const QGraphicsSimpleTextItem* mark : marks_)
        widest = std::max(widest, metrics.horizontalAdvance(mark->text()));
    upright_ = widest + 4 > plot.width() / values_.size();
    const qreal along = upright_ ? widest : metrics.height(); // the mark's extent along a bar

    // The longest bars end early enough to leave their marks inside the plot: beyond the
    // tallest bar, and below the deepest one when a damaged file holds negative values.
    const double high = std::max(0.0, *std::max_element(values_.begin(), values_.end()));
    const double low = std::min(0.0, *std::min_element(values_.begin(), values_.end()));
    if (high == low) {
        valueAxis_->setRange(0, 1);
    } else {
        const qreal headroom = along + 2 * MarkGap;
        const int ends = (high > 0 ? 1 : 0) + (low < 0 ? 1 : 0);
        const qreal barSpace = std::max(plot.height() - ends * headroom, plot.height() / 3);
        const double extra = (plot.height() - barSpace) / ends * (high - low) / barSpace;
        valueAxis_->setRange(low < 0 ? low - extra : 0, high > 0 ? high + extra : 0);
    }

    for (qsizetype i = 0; i < marks_.size(); ++i) {
        QGraphicsSimpleTextItem* mark = marks_[i];
        const QPointF end = chart()->mapToPosition(QPointF(i, values_[i]), series_);
        const qreal width = metrics.horizontalAdvance(mark->text());
        const qreal height = metrics.height();
        const bool below = values_[i] < 0;
        // Turned a quarter to the left, the text runs upward from its origin.
        mark->setRotation(upright_ ? -90 : 0);
        if (upright_)
            mark->setPos(end.x() - height / 2,
                         below ? end.y() + MarkGap + width : end.y() - MarkGap);
        else
            mark->setPos(end.x() - width / 2,
                         below ? end.y() + MarkGap : end.y() - MarkGap - height);
    }
}

void BarChartView::PlaceLabels() {
    const QRectF plot = chart()->plotArea();
    const bool top = categorySide_ & Qt::AlignTop;
    for (qsizetype i = 0; i < labelItems_.size(); ++i) {
        QGraphicsSimpleTextItem* label = labelItems_[i];
        const QRectF box = label->boundingRect();
        const qreal x = chart()->mapToPosition(QPointF(i, 0), series_).x();
        label->setPos(x - box.width() / 2,
                      top ? plot.top() - LabelGap - box.height() : plot.bottom() + LabelGap);
    }
}
