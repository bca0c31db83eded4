#include "RunCycle.h"

#include "CaptionPanel.h"
#include "Glyphs.h"
#include "HelpPanel.h"
#include "MainMenu.h"
#include "MainWidgets.h"
#include "RunHooks.h"
#include "board/OxelPanel.h"
#include "data/Clock.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/RecordTables.h"
#include "data/Sound.h"
#include "data/Texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

RunCycle::RunCycle(Context context)
    : ctx_(std::move(context)), w_(ctx_.widgets),
      exercises_(CreateExercises({*this, *this, *this})) {
    for (int i = 0; i < ExerciseCount; ++i)
        gipnoText_[i] = T(Exercise(i).heading);
    sysTimer_.setInterval(100);
    sysTimer_.setTimerType(Qt::PreciseTimer);
    for (QTimer* oneShot : {&lessonTimer_, &uprTimer_}) {
        oneShot->setInterval(10);
        oneShot->setSingleShot(true);
    }
    using Stage = FinishedRuns::Stage;
    finished_.Subscribe(Stage::BestResults, [this](const RunResult& run) {
        if (run.completed)
            VerifyRecord(run);
    });
    finished_.Subscribe(Stage::Window, [this](const RunResult& run) {
        if (run.completed)
            TSShowAll(run.exercise + 1);
    });
    finished_.Subscribe(Stage::Continuation,
                        [this](const RunResult& run) { ContinueAfterRun(run); });
}

RunCycle::~RunCycle() = default;

void RunCycle::Connect() {
    connect(&sysTimer_, &QTimer::timeout, this, &RunCycle::SysTimerTimer);
    connect(&lessonTimer_, &QTimer::timeout, this, &RunCycle::LessonTimerTimer);
    connect(&uprTimer_, &QTimer::timeout, this, [this] {
        if (ladderHooks_)
            ladderHooks_->UprTimerTimer();
    });
    for (ControlPage& page : w_.pages) {
        const int index = page.info->index;
        connect(page.StartSB, &QToolButton::clicked, this, &RunCycle::ShulteStartSBClick);
        connect(page.SwitchSB, &QToolButton::clicked, this,
                [this, index] { ShulteSwitchSBClick(index); });
    }
    w_.OxelP->OnPress = [this](const Press& press) { return OxelPVerifyText(press); };
    w_.OxelP->OnMouseUp = [this](Qt::MouseButton b, int x, int y) { OxelPMouseUp(b, x, y); };
}

ControlPage& RunCycle::ActivePage() {
    return w_.Page(activeExercise_);
}

TOxelPanel& RunCycle::Board() {
    return *w_.OxelP;
}

bool RunCycle::LessonChecked() const {
    return w_.LessonChB->isChecked();
}

void RunCycle::ShulteStartSBClick() {
    if (ctx_.help.Visible())
        ctx_.help.ShulteHelpSBClick();
    ExerciseLogic& exercise = ExerciseAt(activeExercise_);
    ControlPage& page = ActivePage();
    switch (page.RunPhase) {
    case ControlPage::Idle:
        StartRun(exercise, page);
        break;
    case ControlPage::Memorising:
        AnswerRun(exercise, page);
        break;
    default:
        StopRun(exercise);
        break;
    }
}

void RunCycle::StartRun(ExerciseLogic& exercise, ControlPage& page) {
    if (!exercise.ReadyToStart(page.ExerciseMode))
        return;
    TOxelPanel& board = Board();
    const bool memorise = exercise.Info().memorisePhase;
    board.SetBlockClick(memorise);
    board.SetPressButtons(exercise.PressButtons());
    board.SetSmallerFont(true);
    board.SetSeries(false);

    if (LessonChecked() && !ladderActive_) {
        if (exercise.SeriesLook()) {
            board.SetSeries(true);
            board.SetSmallerFont(false);
        }
        seriesExercise_ = exercise.Index() + 1;
        w_.TabSwitchCB->hide();
        w_.LessonChB->hide();
        if (seriesHooks_)
            seriesHooks_->SeriesInterlude(page.SwitchSB->text());
        if (!LessonChecked()) {
            seriesExercise_ = 0;
            seriesStep_ = 1;
            w_.LessonChB->setChecked(true);
            TSShowAll(exercise.Index() + 1);
            return;
        }
    }

    page.RunPhase = memorise ? ControlPage::Memorising : ControlPage::Running;
    page.StartSB->setText(T(memorise ? Tx::Check : Tx::Stop));
    tally_.Start(page.ExerciseMode);
    ShowPenalty();
    page.SwitchSB->setEnabled(false);
    if (ladderActive_ && exercise.LadderLook()) {
        board.SetSeries(true);
        board.SetSmallerFont(false);
    }
    TSShowOne(exercise.Index());
    w_.RecordP->hide();
    recorder_.Start(ProgramClock().MonotonicMs(), QDateTime::currentDateTime());
    if (exercise.UsesRunTimer())
        TimerOn();
    exercise.Draw(page.ExerciseMode);
}

void RunCycle::AnswerRun(ExerciseLogic& exercise, ControlPage& page) {
    if (!LessonChecked())
        TimerOff();
    page.RunPhase = ControlPage::Answering;
    page.StartSB->setText(T(Tx::Stop));
    Board().SetBlockClick(false);
    exercise.Rearrange();
}

void RunCycle::StopRun(ExerciseLogic& exercise) {
    // Nothing of the run may go on behind the message below.
    exercise.StopOwnTimers();
    if (recorder_.Running())
        finished_.Push(EndRecording(false));
    if (ladderActive_) {
        sysTimer_.stop();
        ShowMessage(T(Tx::RunInterrupted));
        ladderActive_ = false;
    }
    if (LessonChecked()) {
        seriesExercise_ = 0;
        seriesStep_ = 1;
    }
    exercise.Abandon();
    TSShowAll(exercise.Index() + 1);
}

void RunCycle::ShulteSwitchSBClick(int exerciseIndex) {
    TimerOff();
    ControlPage& page = w_.Page(exerciseIndex);
    page.ExerciseMode = page.info->nextMode(page.ExerciseMode);
    page.SwitchSB->setText(page.info->modeCaption(page.ExerciseMode));
    LoadRecord();
}

void RunCycle::TimerOn() {
    runTimer_.Start(ProgramClock().NowMs());
    tally_.ResetTime();
    ShowTimer();
    sysTimer_.start();
}

void RunCycle::TimerOff() {
    sysTimer_.stop();
}

void RunCycle::RestartTimer() {
    TimerOff();
    TimerOn();
}

void RunCycle::ClearTimer() {
    TimerOff();
    tally_ = RunTally();
    ShowTimer();
}

void RunCycle::SysTimerTimer() {
    const RunTimer::Reading reading = runTimer_.Tick(ProgramClock().NowMs());
    if (reading.clockSetBack) {
        sysTimer_.stop();
        ShowMessage(T(Tx::ClockSetBack), Dialogs::Kind::Warning);
    }
    tally_.SetTime(reading);
    ShowTimer();
}

void RunCycle::ShowTimer() {
    w_.TimerP->setText(tally_.TimerText());
}

void RunCycle::ShowPenalty() {
    if (QLabel* display = ActivePage().ShtrafTimerP)
        display->setText(QString::number(tally_.Penalty()));
}

void RunCycle::TSShowOne(int i) {
    w_.LessonSB->hide();
    w_.TabSwitchCB->hide();
    ctx_.menu.FullScreenN->setEnabled(false);
    ctx_.menu.LanguageN->menuAction()->setEnabled(false);
    ctx_.menu.N1->setEnabled(false);
    ctx_.menu.UserN->setEnabled(false);
    SetBarCaption(gipnoText_[i]);
    w_.Page(i).StartSB->setIcon(Glyphs::Icon(Glyphs::Stop));
    ExerciseAt(i).RunShown();
}

void RunCycle::TSShowAll(int k) {
    ControlPage& page = w_.Page(k - 1);
    page.StartSB->setIcon(Glyphs::Icon(Glyphs::Start));
    page.StartSB->setText(T(Tx::Start));
    page.RunPhase = ControlPage::Idle;
    page.SwitchSB->setEnabled(true);
    ExerciseAt(k - 1).IdleShown();
    w_.RecordP->show();
    SetBarCaption(QString());
    TimerOff();
    ctx_.menu.FullScreenN->setEnabled(true);
    ctx_.menu.LanguageN->menuAction()->setEnabled(true);
    ctx_.menu.N1->setEnabled(true);
    ctx_.menu.UserN->setEnabled(true);
    w_.TabSwitchCB->show();
    w_.LessonSB->show();
}

std::optional<bool> RunCycle::OxelPVerifyText(const Press& press) {
    // A run that has ended judges no more presses: the board may still show it, but a
    // second press on its last cell must not end it again. The press leaves no verdict.
    if (ActivePage().RunPhase == ControlPage::Idle)
        return std::nullopt;
    return JudgePress(press);
}

bool RunCycle::KeyPressed(int key) {
    if (ActivePage().RunPhase == ControlPage::Idle || !ExerciseAt(activeExercise_).AnswersKey(key))
        return false;
    Press press;
    press.kind = Press::Kind::Key;
    press.key = key;
    press.item = QKeySequence(key).toString();
    press.atMs = ProgramClock().MonotonicMs();
    JudgePress(press);
    return true;
}

std::optional<bool> RunCycle::JudgePress(const Press& press) {
    const std::optional<Verdict> verdict = ExerciseAt(activeExercise_).Judge(press);
    if (!verdict)
        return std::nullopt;
    recorder_.Add(press.atMs, RunPress{0, press.item, press.cell, verdict->correct, {}, {}});
    if (verdict->endsRun)
        FinishRun();
    return verdict->correct;
}

void RunCycle::OxelPMouseUp(Qt::MouseButton button, int x, int y) {
    ExerciseAt(activeExercise_).BoardMouseUp(button, x, y);
}

void RunCycle::AddPenalty(int seconds) {
    if (!Exercise(activeExercise_).penalty)
        return;
    tally_.AddPenalty(seconds);
    ShowPenalty();
}

void RunCycle::ShowScore(qint32 points, const QString& shown) {
    tally_.SetScore(points, shown);
    ShowTimer();
}

void RunCycle::SetBarCaption(const QString& text) {
    w_.BaseButtonP->SetCaption(text);
}

void RunCycle::SetModeButtonVisible(int exerciseIndex, bool visible) {
    w_.Page(exerciseIndex).SwitchSB->setVisible(visible);
}

void RunCycle::FinishRun() {
    // Only a run under way ends, and only once.
    if (!recorder_.Running())
        return;
    TimerOff();
    w_.RecordP->show();
    if (Exercise(activeExercise_).penalty) {
        tally_.AddPenaltyToTime();
        ShowTimer();
    }
    finished_.Push(EndRecording(true));
}

RunResult RunCycle::EndRecording(bool completed) {
    const TOxelPanel& board = Board();
    RunResult run = recorder_.Finish(ProgramClock().MonotonicMs(), completed);
    run.exercise = activeExercise_;
    run.mode = tally_.Mode();
    run.kind = ladderActive_          ? RunKind::Ladder
               : seriesExercise_ != 0 ? RunKind::Series
                                      : RunKind::Single;
    run.user = ctx_.currentUser();
    run.value = tally_.Value();
    run.text = tally_.ResultText();
    run.penalty = tally_.Penalty();
    run.detail = ExerciseAt(activeExercise_).RecordDetail();
    run.boardCols = board.ColCount();
    run.boardRows = board.RowCount();
    return run;
}

void RunCycle::Record(const RunPress& press) {
    recorder_.Add(ProgramClock().MonotonicMs(), press);
}

void RunCycle::ContinueAfterRun(const RunResult& run) {
    if (!run.completed)
        return;
    if (run.kind == RunKind::Series) {
        if (seriesHooks_)
            seriesHooks_->SaveStats(run);
    } else if (run.kind == RunKind::Ladder) {
        if (ladderHooks_)
            ladderHooks_->LadderStep(run);
        if (ladderActive_)
            uprTimer_.start();
    }
}

void RunCycle::LessonTimerTimer() {
    lessonTimer_.stop();
    if (seriesExercise_ != 0)
        w_.Page(seriesExercise_ - 1).StartSB->click();
}

void RunCycle::VerifyRecord(const RunResult& run) {
    try {
        const int row = RecordTables(ctx_.programDir)
                            .CheckAndInsert(run.exercise, run.mode, LessonChecked(), run.value,
                                            run.user, run.detail);
        if (row > 0)
            PlayWave(QStringLiteral("REC_IN"), SoundBackground);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    LoadRecord();
}

void RunCycle::LoadRecord() {
    ShownRecords shown{activeExercise_, ActivePage().ExerciseMode, LessonChecked(), {}};
    try {
        shown.rows = RecordTables(ctx_.programDir).Load(shown.exercise, shown.mode, shown.series);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    records_ = shown;
    if (RecordPanel)
        RecordPanel(records_);
}
