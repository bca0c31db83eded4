#include "RunAnalysis.h"

#include "BoardRegions.h"
#include "PressTimes.h"
#include "StageStats.h"
#include "data/ExerciseInfo.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

#include <QSet>

namespace {

double Seconds(qint64 ms) {
    return ms / 1000.0;
}

QString SecondsText(qint64 ms) {
    return FormatOneDecimal(Seconds(ms));
}

// The names of the places, unless there are too many to read or two are the same.
QStringList PlaceNames(const QStringList& names) {
    if (names.size() > RunAnalyser::NamedPlaces ||
        QSet<QString>(names.begin(), names.end()).size() != names.size())
        return {};
    return names;
}

// A chart's heading part: its title, sentence, axis titles and the left axis's decimals.
ChartSpec Plan(Tx title, const QString& text, Tx xTitle, Tx yTitle, int decimals) {
    ChartSpec plan;
    plan.title = T(title);
    plan.text = text;
    plan.xTitle = T(xTitle);
    plan.yTitle = T(yTitle);
    plan.decimals = decimals;
    return plan;
}

QString ItemName(const ItemTime& item, const QString& exercise) {
    if (exercise == QLatin1String("counter") && item.items.size() == 3)
        return item.items[0] + QLatin1Char('+') + item.items[1] + QLatin1Char('=') + item.items[2];
    return item.items.join(QStringLiteral(" – "));
}

void SchulteCharts(const HistoryRun& run, bool plainOrder, RunAnalysis& analysis) {
    const QVector<ItemTime> items = PressTimes::Items(run);
    if (items.isEmpty())
        return;
    const QVector<int> slowest = PressTimes::Slowest(items, RunAnalyser::Slowest);
    ChartSpec chart = Plan(Tx::NumberTimesTitle, {},
                           plainOrder ? Tx::AxisNumberOrder : Tx::AxisOrder, Tx::AxisSeconds, 1);
    chart.places = items.size();
    chart.stacked = true;
    ChartSet plain{T(Tx::SetTime), QVector<double>(items.size(), 0), ChartSet::Look::Plain};
    ChartSet marked{T(Tx::SetSlowest), QVector<double>(items.size(), 0), ChartSet::Look::Marked};
    QStringList names;
    for (int i = 0; i < items.size(); ++i) {
        names.append(ItemName(items[i], run.exercise));
        (slowest.contains(i) ? marked : plain).values[i] = Seconds(items[i].ms);
    }
    // In a plain table the k-th place is the number k: the places' numbers name them.
    chart.categories = plainOrder ? QStringList() : PlaceNames(names);
    chart.bars = {plain, marked};
    QStringList slow;
    for (int i : slowest)
        slow.append(names[i] + QStringLiteral(": ") + SecondsText(items[i].ms));
    chart.text = T(Tx::NumberTimesText).arg(slow.join(QStringLiteral(", ")));
    analysis.charts.append(chart);

    const QVector<qint64> cellTimes = PressTimes::CellTimes(run, items);
    if (cellTimes.isEmpty())
        return;
    BoardShade board{T(Tx::BoardTimesTitle),
                     T(Tx::BoardTimesText),
                     run.boardCols,
                     run.boardRows,
                     {},
                     QStringList(cellTimes.size(), QString())};
    for (qint64 ms : cellTimes)
        board.values.append(ms < 0 ? -1.0 : Seconds(ms));
    for (const ItemTime& item : items)
        if (!item.cells.isEmpty() && item.cells.front() >= 0 &&
            item.cells.front() < board.labels.size())
            board.labels[item.cells.front()] = item.items.front();
    analysis.board = board;
}

void TargetCharts(const HistoryRun& run, RunAnalysis& analysis) {
    const QVector<StageReaction> stages = StageStats::Of(run);
    if (stages.isEmpty())
        return;
    ChartSpec reaction = Plan(Tx::StageReactionTitle, T(Tx::StageReactionText), Tx::AxisStage,
                              Tx::AxisReactionMs, 0);
    ChartSpec misses =
        Plan(Tx::StageMissesTitle, T(Tx::StageMissesText), Tx::AxisStage, Tx::AxisMisses, 0);
    ChartSet mean{T(Tx::SetMean), {}, ChartSet::Look::Plain};
    ChartSet spread{T(Tx::SetSpread), {}, ChartSet::Look::Second};
    ChartSet missed{T(Tx::SetMisses), {}, ChartSet::Look::Marked};
    for (const StageReaction& stage : stages) {
        reaction.categories.append(QString::number(stage.stage));
        mean.values.append(stage.meanMs);
        spread.values.append(stage.spreadMs);
        missed.values.append(stage.misses);
    }
    reaction.places = misses.places = stages.size();
    misses.categories = reaction.categories;
    reaction.bars = {mean, spread};
    misses.bars = {missed};
    analysis.charts = {reaction, misses};
}

void ProbeCharts(const HistoryRun& run, RunAnalysis& analysis) {
    const int split = RunAnalyser::RegionSplit;
    const QVector<RegionCount> regions = BoardRegions::Count(run, split, split);
    const Tx rowNames[] = {Tx::RegionTop, Tx::RegionMiddle, Tx::RegionBottom};
    const Tx colNames[] = {Tx::RegionLeft, Tx::RegionCentre, Tx::RegionRight};
    ChartSpec chart = Plan(Tx::RegionTitle, T(Tx::RegionText), Tx::AxisRegion, Tx::AxisPresses, 0);
    chart.places = regions.size();
    ChartSet missed{T(Tx::SetMissed), {}, ChartSet::Look::Marked};
    ChartSet wrong{T(Tx::SetWrong), {}, ChartSet::Look::Second};
    BoardShade board{T(Tx::RegionBoardTitle), T(Tx::RegionBoardText), split, split, {}, {}};
    for (const RegionCount& region : regions) {
        chart.categories.append(T(rowNames[region.row]) + QStringLiteral(", ") +
                                T(colNames[region.col]));
        missed.values.append(region.missed);
        wrong.values.append(region.wrong);
        board.values.append(region.missed + region.wrong);
        board.labels.append(QString::number(region.missed + region.wrong));
    }
    chart.bars = {missed, wrong};
    analysis.charts = {chart};
    analysis.board = board;
}

void ItemCharts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis) {
    const bool counter = run.exercise == QLatin1String("counter");
    const bool pairs = run.exercise == QLatin1String("dwords");
    QVector<ItemTime> items = PressTimes::Items(run, counter ? 3 : pairs ? run.mode : 1);
    QString lead;
    // The first answer's time holds the memorising: it is told, not charted.
    if (info.memorisePhase && !items.isEmpty())
        lead = QLatin1Char(' ') + T(Tx::MemoriseLead).arg(SecondsText(items.takeFirst().ms));
    if (items.isEmpty())
        return;
    ChartSpec chart = Plan(counter ? Tx::SumTimesTitle : Tx::ItemTimesTitle,
                           T(counter ? Tx::SumTimesText : Tx::ItemTimesText) + lead, Tx::AxisOrder,
                           Tx::AxisSeconds, 1);
    chart.places = items.size();
    ChartSet times{T(Tx::SetTime), {}, ChartSet::Look::Plain};
    chart.points = {T(Tx::SetWrong), {}, ChartSet::Look::Marked};
    chart.pointsTitle = T(Tx::AxisWrongPresses);
    QStringList names;
    for (const ItemTime& item : items) {
        names.append(ItemName(item, run.exercise));
        times.values.append(Seconds(item.ms));
        chart.points.values.append(item.wrongPresses);
    }
    chart.categories = PlaceNames(names);
    chart.bars = {times};
    analysis.charts = {chart};
}

} // namespace

RunAnalysis RunAnalyser::Of(const HistoryRun& run) {
    RunAnalysis analysis;
    const ExerciseInfo* info = ExerciseOfStatsBase(run.exercise);
    const QString label =
        info ? T(info->title) + QLatin1Char(' ') + info->modeText(run.mode) : run.exercise;
    analysis.caption = T(Tx::AnalysisCaption).arg(label);
    analysis.runLine = T(Tx::AnalysisRunLine).arg(label, FormatDateTime(run.started), run.result);
    if (info && !run.presses.isEmpty()) {
        switch (info->index) {
        case 0:
        case 1:
            SchulteCharts(run, info->index == 0, analysis);
            break;
        case 3:
            TargetCharts(run, analysis);
            break;
        case 7:
            ProbeCharts(run, analysis);
            break;
        default:
            ItemCharts(run, *info, analysis);
            break;
        }
    }
    if (analysis.charts.isEmpty())
        analysis.nothing = T(Tx::AnalysisNothing);
    return analysis;
}
