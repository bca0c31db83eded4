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
#include <limits>

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
    // The first three of the list show their board's background before the start.
    if (step.exercisePosition < 3) {
        const int exercise = ExerciseAtListPosition(step.exercisePosition).index;
        w.OxelP->SetBgColor(ctx_.looks.BoardBgColor(exercise));
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

void LadderFlow::LadderStep() {
    if (!state_.StepPending()) {
        EndLadder();
        if (OnStepJudged)
            OnStepJudged();
        return;
    }
    RunCycle& cycle = ctx_.cycle;
    // A result that is not a number passes no limit.
    const LadderState::Verdict verdict = state_.Judge(
        cycle.LastResult().value.value_or(std::numeric_limits<double>::quiet_NaN()));
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
}

void LadderFlow::EndLadder() {
    ctx_.cycle.SetLadderActive(false);
    state_.UPRClear();
}

void LadderFlow::RefreshLevelCaption() {
    ctx_.menu.LevelNameN->setTitle(
        SignedInUser{ctx_.currentUser, ctx_.uprLevel, ctx_.uprSubLevel}.LevelCaption());
}
