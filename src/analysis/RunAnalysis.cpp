#include "RunAnalysis.h"

#include "data/ExerciseInfo.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

RunAnalysis RunAnalyser::Of(const HistoryRun& run, ExerciseCharts charts) {
    RunAnalysis analysis;
    const ExerciseInfo* info = ExerciseOfStatsBase(run.exercise);
    const QString label =
        info ? T(info->title) + QLatin1Char(' ') + info->modeText(run.mode) : run.exercise;
    analysis.caption = T(Tx::AnalysisCaption).arg(label);
    analysis.runLine = T(Tx::AnalysisRunLine).arg(label, ShownDateTime(run.started, Language()), run.result);
    if (info && charts && !run.presses.isEmpty())
        charts(run, *info, analysis);
    if (analysis.charts.isEmpty())
        analysis.nothing = T(Tx::AnalysisNothing);
    return analysis;
}
