#include "LadderFlow.h"

#include "Main.h"
#include "board/OxelPanel.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"
#include "data/UserFiles.h"
#include "users/SignIn.h"
#include "users/Upr.h"

#include <QComboBox>
#include <QMenu>
#include <QToolButton>
#include <limits>

namespace {

// The run timer's text as a result; a text that is not a number passes no limit.
double ShownResult(const QString& text) {
    try {
        return ParseResult(text);
    } catch (const OxelError&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

} // namespace

LadderFlow::LadderFlow(TMainForm& form) : form_(form) {}

void LadderFlow::N1Click() {
    RunCycle& cycle = form_.Cycle();
    if (cycle.LadderActive() || cycle.ActivePage().RunPhase != 1)
        return;
    TUprForm::Execute(
        form_.ProgramDir(), form_.UprLevel, state_, [this] { StartLadder(); }, &form_);
}

void LadderFlow::StartLadder() {
    form_.Widgets().SetSeriesMode(true);
    form_.Cycle().SetLadderActive(true);
    form_.Cycle().UprTimer().start();
}

void LadderFlow::UprTimerTimer() {
    RunCycle& cycle = form_.Cycle();
    cycle.UprTimer().stop();
    if (!cycle.LadderActive() || !state_.StepPending())
        return;
    ShowMessage(state_.Announcement());

    const ::LadderStep& step = state_.Current();
    MainWidgets& w = form_.Widgets();
    w.TabSwitchCB->setCurrentIndex(step.exercisePosition);
    const Settings& looks = form_.Looks();
    const quint32 background[] = {looks.ShulteBGColor, Settings::RBShulteBGColor,
                                  looks.TargetBGColor};
    if (step.exercisePosition < 3) {
        w.OxelP->SetBgColor(background[step.exercisePosition]);
        w.OxelP->Repaint();
    }
    ControlPage& page = w.pages[step.exercisePosition];
    // The mode button steps round all the modes; a mode it never reaches stops the search.
    for (std::size_t clicks = 0;
         page.ExerciseMode != step.mode && clicks < page.info->modeCycle.size(); ++clicks)
        page.SwitchSB->click();
    page.StartSB->click();
    // A start the exercise refused leaves nothing to judge.
    if (page.RunPhase == 1)
        EndLadder();
}

void LadderFlow::LadderStep() {
    if (!state_.StepPending()) {
        EndLadder();
        return;
    }
    const LadderState::Verdict verdict = state_.Judge(ShownResult(form_.Cycle().TimerText()));
    RunCycle& cycle = form_.Cycle();
    if (verdict == LadderState::Verdict::Failed) {
        cycle.SetLadderActive(false);
        if (AppDialogs().Confirm(T(Tx::LadderFailed)))
            N1Click();
        return;
    }

    UserFiles files(form_.ProgramDir());
    form_.UprSubLevel = state_.PassedSteps();
    try {
        files.SaveSubLevel(form_.CurrentUser, form_.UprSubLevel);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
    RefreshLevelCaption();
    if (verdict == LadderState::Verdict::StepPassed)
        return;

    cycle.SetLadderActive(false);
    ShowMessage(T(Tx::LadderPassed));
    form_.UprLevel = LadderState::LevelAfterLesson(form_.UprLevel, state_.LadderLesson());
    form_.UprSubLevel = 0;
    try {
        files.SaveLadderPosition(form_.CurrentUser, form_.UprLevel, form_.UprSubLevel);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
}

void LadderFlow::EndLadder() {
    form_.Cycle().SetLadderActive(false);
    state_.UPRClear();
}

void LadderFlow::RefreshLevelCaption() {
    form_.Menu().LevelNameN->setTitle(
        SignedInUser{form_.CurrentUser, form_.UprLevel, form_.UprSubLevel}.LevelCaption());
}
