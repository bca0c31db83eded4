#pragma once

#include "FinishedRuns.h"
#include "RunTally.h"
#include "RunTimer.h"
#include "data/RecordTables.h"
#include "exercises/ExerciseList.h"
#include "exercises/ExerciseRoles.h"
#include "exercises/RunResult.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class HelpPanel;
class LadderHooks;
class SeriesHooks;
class Settings;
struct ControlPage;
struct MainMenu;
struct MainWidgets;

// The start/stop/check cycle every exercise of the exercise table runs through: the start
// buttons and their phases, the run timer, the running and idle looks of the window, the
// presses handed to the active exercise, and the common end of a run, which makes the one
// finished-run value and pushes it through `Finished()` (the best-result check, the window's
// idle look, the series or ladder continuation, the history and the analysis, in that order).
// To the exercises it plays the three roles of ExerciseRoles.h.
class RunCycle : public QObject, public ExerciseBoard, public RunControl, public ExerciseWindow {
    Q_OBJECT
public:
    struct Context {
        MainWidgets& widgets;
        MainMenu& menu;
        const Settings& looks;
        HelpPanel& help;
        QString programDir;
        // The signed-in user's name (`CurrentUser`).
        std::function<QString()> currentUser;
    };

    explicit RunCycle(Context context);
    ~RunCycle() override;

    ExerciseSet& Exercises() { return exercises_; }
    // The exercise by index.
    ExerciseLogic& ExerciseAt(int index) const { return *exercises_[index]; }

    // Connects the buttons, the board and the timers once the widgets exist.
    void Connect();

    int ActiveExercise() const { return activeExercise_; }
    void SetActiveExercise(int index) { activeExercise_ = index; }
    ControlPage& ActivePage();

    // The one handler of every start button: start, answer, or stop by the phase.
    void ShulteStartSBClick();
    // The one handler of every mode button: the next mode, its caption and table.
    void ShulteSwitchSBClick(int exerciseIndex);
    // `TimerOn` restarts the run timer from 0, `TimerOff` stops it and leaves the last value.
    void TimerOn();
    void TimerOff();
    void SysTimerTimer();
    // The run timer stopped and its display back to "0.0" (another page is shown).
    void ClearTimer();
    // Running look for exercise i; idle look for exercise k − 1.
    void TSShowOne(int i);
    void TSShowAll(int k);
    // A press the board reports: judged by the active exercise while a run is under way; the
    // verdict the board paints, none when the run has ended.
    std::optional<bool> OxelPVerifyText(const Press& press);
    // A key pressed in the main window: judged as a press of the run when the active
    // exercise answers with that key; false when it is no press of the run.
    bool KeyPressed(int key);
    void OxelPMouseUp(Qt::MouseButton button, int x, int y);
    // Loads the best results of the active exercise in its current mode, from the series
    // tables while `LessonChB` is checked, and hands them to the results panel.
    void LoadRecord();
    struct ShownRecords {
        int exercise = -1;
        int mode = 0;
        bool series = false;
        RecordTables::Table rows;
    };
    const ShownRecords& Records() const { return records_; }
    // The results panel inside `RecordP` that shows the loaded table.
    std::function<void(const ShownRecords&)> RecordPanel;

    // Every run that ends, completed or stopped, as one value to its subscribers.
    FinishedRuns& Finished() { return finished_; }
    // The penalty collected in the run in progress, or in the last one.
    int Penalty() const { return tally_.Penalty(); }

    // Series and ladder state.
    int SeriesStep() const { return seriesStep_; }
    void SetSeriesStep(int step) { seriesStep_ = step; }
    void SetSeriesExercise(int exerciseNumber) { seriesExercise_ = exerciseNumber; }
    void SetLadderActive(bool on) { ladderActive_ = on; }
    void SetSeriesHooks(SeriesHooks* hooks) { seriesHooks_ = hooks; }
    void SetLadderHooks(LadderHooks* hooks) { ladderHooks_ = hooks; }
    QTimer& SysTimer() { return sysTimer_; }
    QTimer& LessonTimer() { return lessonTimer_; }
    QTimer& UprTimer() { return uprTimer_; }
    // `LessonTimerTimer`: the next run of a series.
    void LessonTimerTimer();

    // The headings `GipnoText`, by exercise index.
    void SetGipnoText(const std::array<QString, ExerciseCount>& headings) { gipnoText_ = headings; }
    void SetNumberList(const QStringList& numbers) { numStrLB_ = numbers; }

    // ExerciseBoard
    TOxelPanel& Board() override;
    const Settings& Looks() const override { return ctx_.looks; }
    // RunControl
    bool LessonChecked() const override;
    bool LadderActive() const override { return ladderActive_; }
    int SeriesExercise() const override { return seriesExercise_; }
    void RestartTimer() override;
    void AddPenalty(int seconds) override;
    void ShowScore(qint32 points, const QString& shown) override;
    void Record(const RunPress& press) override;
    void FinishRun() override;
    // ExerciseWindow
    QString ProgramDir() const override { return ctx_.programDir; }
    QStringList& WordList() override { return wordList_; }
    const QStringList& NumberList() const override { return numStrLB_; }
    QString Heading(int index) const override { return gipnoText_[index]; }
    void SetBarCaption(const QString& text) override;
    void SetModeButtonVisible(int exerciseIndex, bool visible) override;

private:
    void StartRun(ExerciseLogic& exercise, ControlPage& page);
    void AnswerRun(ExerciseLogic& exercise, ControlPage& page);
    void StopRun(ExerciseLogic& exercise);
    std::optional<bool> JudgePress(const Press& press);
    // Stops recording the run in progress and makes its finished-run value.
    RunResult EndRecording(bool completed);
    // The stages of a finished run the cycle takes itself.
    void VerifyRecord(const RunResult& run);
    void ContinueAfterRun(const RunResult& run);
    void ShowTimer();
    void ShowPenalty();

    Context ctx_;
    MainWidgets& w_;
    ExerciseSet exercises_;
    SeriesHooks* seriesHooks_ = nullptr;
    LadderHooks* ladderHooks_ = nullptr;

    int activeExercise_ = 0;
    int seriesExercise_ = 0;
    int seriesStep_ = 1;
    bool ladderActive_ = false;
    std::array<QString, ExerciseCount> gipnoText_;
    QStringList wordList_;
    QStringList numStrLB_;

    ShownRecords records_;
    RunRecorder recorder_;
    RunTally tally_;
    FinishedRuns finished_;
    RunTimer runTimer_;
    QTimer sysTimer_;
    QTimer lessonTimer_;
    QTimer uprTimer_;
};
