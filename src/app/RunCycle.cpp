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
#include "data/NumberFormat.h"
#include "data/RecordTables.h"
#include "data/Sound.h"
#include "data/Texts.h"

#include <QAction>
#include <QDateTime>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

RunCycle::RunCycle(Context context)
    : ctx_(std::move(context)), w_(ctx_.widgets), exercises_(CreateExercises(*this)) {
    for (int i = 0; i < ExerciseCount; ++i)
        gipnoText_[i] = T(Exercise(i).heading);
    sysTimer_.setInterval(100);
    sysTimer_.setTimerType(Qt::PreciseTimer);
    for (QTimer* oneShot : {&lessonTimer_, &uprTimer_}) {
        oneShot->setInterval(10);
        oneShot->setSingleShot(true);
    }
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
    w_.OxelP->OnVerifyText = [this] { OxelPVerifyText(); };
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
    if (page.ShtrafTimerP)
        page.ShtrafTimerP->setText(QStringLiteral("0"));
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
    RecordEnd(false);
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
    sysTimer_.start();
}

void RunCycle::TimerOff() {
    sysTimer_.stop();
}

void RunCycle::SysTimerTimer() {
    const RunTimer::Reading reading = runTimer_.Tick(ProgramClock().NowMs());
    if (reading.clockSetBack) {
        sysTimer_.stop();
        ShowMessage(T(Tx::ClockSetBack), Dialogs::Kind::Warning);
    }
    SetTimerText(reading.text);
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
    if (ladderActive_ && ladderHooks_)
        ladderHooks_->LadderStep();
}

void RunCycle::OxelPVerifyText() {
    // A run that has ended judges no more presses: the board may still show it, but a
    // second press on its last cell must not end it again. The press leaves no verdict.
    if (ActivePage().RunPhase == ControlPage::Idle) {
        Board().DropPress();
        return;
    }
    TOxelPanel& board = Board();
    recorder_.Pressed(ProgramClock().MonotonicMs(), board.CellText(), board.CellNumber());
    ExerciseAt(activeExercise_).Verify();
    recorder_.Judged(board.CorrectFlag());
}

void RunCycle::OxelPMouseUp(Qt::MouseButton button, int x, int y) {
    ExerciseAt(activeExercise_).BoardMouseUp(button, x, y);
}

QString RunCycle::TimerText() const {
    return w_.TimerP->text();
}

void RunCycle::SetTimerText(const QString& text) {
    w_.TimerP->setText(text);
}

int RunCycle::Penalty() const {
    const QLabel* display = w_.pages[Exercise(activeExercise_).listPosition].ShtrafTimerP;
    return display ? display->text().toInt() : 0;
}

void RunCycle::AddPenalty(int seconds) {
    if (QLabel* display = ActivePage().ShtrafTimerP)
        display->setText(QString::number(display->text().toInt() + seconds));
}

void RunCycle::SetBarCaption(const QString& text) {
    w_.BaseButtonP->SetCaption(text);
}

void RunCycle::SetModeButtonVisible(int exerciseIndex, bool visible) {
    w_.Page(exerciseIndex).SwitchSB->setVisible(visible);
}

void RunCycle::AddPenaltyToTime() {
    if (!ActivePage().ShtrafTimerP)
        return;
    try {
        SetTimerText(FormatGeneral(ParseResult(TimerText()) + Penalty()));
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
}

void RunCycle::FinishRun() {
    TimerOff();
    w_.RecordP->show();
    AddPenaltyToTime();
    EndRun();
    VerifyRecord();
    ShowAll();
    ContinueAfterRun();
}

void RunCycle::EndRun() {
    RecordEnd(true);
}

void RunCycle::RecordEnd(bool completed) {
    const bool started = recorder_.Running();
    ExerciseLogic& exercise = ExerciseAt(activeExercise_);
    TOxelPanel& board = Board();
    RunResult result =
        recorder_.Finish(ProgramClock().MonotonicMs(), completed, board.CorrectFlag());
    result.exercise = activeExercise_;
    result.mode = ActivePage().ExerciseMode;
    result.text = TimerText();
    result.value = TryParseResult(result.text);
    result.penalty = Penalty();
    result.detail = exercise.RecordDetail();
    result.boardCols = board.ColCount();
    result.boardRows = board.RowCount();
    lastResult_ = std::move(result);
    const RunKind kind = ladderActive_          ? RunKind::Ladder
                         : seriesExercise_ != 0 ? RunKind::Series
                                                : RunKind::Single;
    // Only a run that was started goes on record.
    if (started && OnRunEnded)
        OnRunEnded(lastResult_, kind);
}

void RunCycle::LogPress(const RunPress& press) {
    recorder_.Add(ProgramClock().MonotonicMs(), press);
}

void RunCycle::ShowAll() {
    TSShowAll(activeExercise_ + 1);
}

void RunCycle::ContinueAfterRun() {
    if (seriesExercise_ != 0) {
        if (seriesHooks_)
            seriesHooks_->SaveStats();
    } else if (ladderActive_) {
        uprTimer_.start();
    }
}

void RunCycle::LessonTimerTimer() {
    lessonTimer_.stop();
    if (seriesExercise_ != 0)
        w_.Page(seriesExercise_ - 1).StartSB->click();
}

void RunCycle::VerifyRecord() {
    try {
        const int row = RecordTables(ctx_.programDir)
                            .CheckAndInsert(activeExercise_, ActivePage().ExerciseMode,
                                            LessonChecked(), lastResult_.text, ctx_.currentUser(),
                                            lastResult_.detail);
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
