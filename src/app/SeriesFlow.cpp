#include "SeriesFlow.h"

#include "help/HelpViewer.h"
#include "MainWidgets.h"
#include "RunCycle.h"
#include "UserExport.h"
#include "data/Clock.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "stats/Lessons.h"
#include "users/LessDlg.h"

#include <QComboBox>
#include <QLabel>

SeriesFlow::SeriesFlow(Context context) : ctx_(std::move(context)) {}

void SeriesFlow::SeriesInterlude(const QString& modeCaption) {
    TLessDlgForm::Setup setup;
    setup.lessonName = ctx_.widgets.TabSwitchCB->currentText();
    setup.seriesStep = ctx_.cycle.SeriesStep();
    setup.seriesLength = seriesLength_;
    setup.lessonChB = ctx_.widgets.LessonChB;
    setup.barCaption = [this](const QString& text) { ctx_.cycle.SetBarCaption(text); };
    TLessDlgForm dialog(std::move(setup), ctx_.window);
    dialog.LessonModeP->setText(modeCaption);
    dialog.exec();
}

void SeriesFlow::SaveStats(const RunResult& run) {
    seriesLength_ = RunsPerSeries;
    int step = ctx_.cycle.SeriesStep();
    if (step >= 1 && step <= RunsPerSeries)
        seriesResults_[step - 1] = run.text.left(StatsStore::ResultLength);
    ++step;
    ctx_.cycle.SetSeriesStep(step);
    if (step < seriesLength_ + 1) {
        ctx_.cycle.LessonTimer().start();
        return;
    }

    try {
        StatsStore(ctx_.programDir)
            .Append(run.user, run.exercise, run.mode, LocalMoment(ProgramClock().NowMs()),
                    QStringList(seriesResults_.begin(), seriesResults_.end()));
    } catch (const OxelError& e) {
        // The series is over either way: the next start begins a new one at run 1.
        ShowError(e.text());
        ResetSeries();
        return;
    }
    ShowStatistics();
    ResetSeries();
}

void SeriesFlow::ShowStatistics() {
    TLessonsForm::Setup setup;
    setup.programDir = ctx_.programDir;
    setup.currentUser = ctx_.currentUser();
    setup.settingsFile = ctx_.settingsFile();
    setup.seriesExercise = ctx_.cycle.SeriesExercise();
    if (setup.seriesExercise != 0)
        setup.seriesMode = ctx_.widgets.Page(setup.seriesExercise - 1).ExerciseMode;
    const QString programDir = ctx_.programDir;
    setup.showHelp = [programDir](int context) { HelpViewer::ShowContext(programDir, context); };
    setup.exportData = [programDir, user = setup.currentUser](const std::optional<StatsLabel>& label) {
        ExportUserData(programDir, user, label);
    };
    TLessonsForm::Execute(std::move(setup), ctx_.window);
}

void SeriesFlow::ResetSeries() {
    ctx_.cycle.SetSeriesExercise(0);
    ctx_.cycle.SetSeriesStep(1);
    if (OnSeriesOver)
        OnSeriesOver();
}
