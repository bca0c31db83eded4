#include "LadderFlow.h"

#include "MainMenu.h"
#include "MainWidgets.h"
#include "RunCycle.h"
#include "board/OxelPanel.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "data/Settings.h"
#include "data/Texts.h"
#include "data/UserFiles.h"
#include "users/SignIn.h"
#include "users/Upr.h"

#include <QComboBox>
#include <QMenu>
#include <QToolButton>

LadderFlow::LadderFlow(Context context) : ctx_(std::move(context)) {}

void LadderFlow::N1Click() {
    if (ctx_.cycle.LadderActive() || ctx_.cycle.ActivePage().RunPhase != ControlPage::Idle)
        return;
    TUprForm::Execute(
        ctx_.programDir, ctx_.uprLevel, state_, [this] { StartLadder(); }, ctx_.window);
}

void LadderFlow::StartLadder() {
    ctx_.widgets.SetSeriesMode(true);
    ctx_.cycle.SetLadderActive(true);
    ctx_.cycle.UprTimer().start();
}

void LadderFlow::UprTimerTimer() {
    RunCycle& cycle = ctx_.cycle;
    cycle.UprTimer().stop();
    if (!cycle.LadderActive() || !state_.StepPending())
        return;
    ShowMessage(state_.Announcement());

    const ::LadderStep& step = state_.Current();
    MainWidgets& w = ctx_.widgets;
    w.TabSwitchCB->setCurrentIndex(step.exercisePosition);
    // An exercise whose row asks for it shows its board's background before the start.
    const ExerciseInfo& info = ExerciseAtListPosition(step.exercisePosition);
    if (info.look.ladderPreview) {
        w.OxelP->SetBgColor(ctx_.looks.BoardBgColor(info.index));
        w.OxelP->Repaint();
    }
    ControlPage& page = w.pages[step.exercisePosition];
    // The mode button steps round all the modes; a mode it never reaches stops the search.
    for (std::size_t clicks = 0;
         page.ExerciseMode != step.mode && clicks < page.info->modeCycle.size(); ++clicks)
        page.SwitchSB->click();
    page.StartSB->click();
    // A start the exercise refused leaves nothing to judge.
    if (page.RunPhase == ControlPage::Idle)
        EndLadder();
}

void LadderFlow::LadderStep(const RunResult& run) {
    if (!state_.StepPending()) {
        EndLadder();
        if (OnStepJudged)
            OnStepJudged();
        return;
    }
    RunCycle& cycle = ctx_.cycle;
    const LadderState::Verdict verdict = state_.Judge(run.value);
    if (OnStepJudged)
        OnStepJudged();
    if (verdict == LadderState::Verdict::Failed) {
        cycle.SetLadderActive(false);
        if (AppDialogs().Confirm(T(Tx::LadderFailed)))
            N1Click();
        return;
    }

    UserFiles files(ctx_.programDir);
    ctx_.uprSubLevel = state_.PassedSteps();
    try {
        files.SaveSubLevel(ctx_.currentUser, ctx_.uprSubLevel);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
    RefreshLevelCaption();
    if (verdict == LadderState::Verdict::StepPassed)
        return;

    cycle.SetLadderActive(false);
    ShowMessage(T(Tx::LadderPassed));
    ctx_.uprLevel = LadderState::LevelAfterLesson(ctx_.uprLevel, state_.LadderLesson());
    ctx_.uprSubLevel = 0;
    try {
        files.SaveLadderPosition(ctx_.currentUser, ctx_.uprLevel, ctx_.uprSubLevel);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
    RefreshLevelCaption();
}

void LadderFlow::EndLadder() {
    ctx_.cycle.SetLadderActive(false);
    state_.UPRClear();
}

void LadderFlow::RefreshLevelCaption() {
    ctx_.menu.LevelNameN->setTitle(
        SignedInUser{ctx_.currentUser, ctx_.uprLevel, ctx_.uprSubLevel}.LevelCaption());
}
