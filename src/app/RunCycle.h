#pragma once

#include "RunTimer.h"
#include "data/RecordTables.h"
#include "exercises/ExerciseHost.h"
#include "exercises/ExerciseList.h"
#include "exercises/RunResult.h"
#include "history/HistoryRecord.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

class HelpPanel;
class LadderHooks;
class SeriesHooks;
class Settings;
struct ControlPage;
struct MainMenu;
struct MainWidgets;

// The start/stop/check cycle all eight exercises run through: the start buttons and their
// phases, the run timer, the running and idle looks of the window, the board's presses
// handed to the active exercise, and the common end of a run with the best-result check and
// the series and ladder continuation.
class RunCycle : public QObject, public ExerciseHost {
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

    // The one handler of the eight start buttons: start, answer, or stop by the phase.
    void ShulteStartSBClick();
    // The one handler of the eight mode buttons: the next mode, its caption and table.
    void ShulteSwitchSBClick(int exerciseIndex);
    void TimerOn() override;
    void TimerOff() override;
    void SysTimerTimer();
    // Running look for exercise i; idle look for exercise k − 1.
    void TSShowOne(int i);
    void TSShowAll(int k);
    void OxelPVerifyText();
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

    // ExerciseHost
    TOxelPanel& Board() override;
    const Settings& Looks() const override { return ctx_.looks; }
    QString ProgramDir() const override { return ctx_.programDir; }
    bool LessonChecked() const override;
    bool LadderActive() const override { return ladderActive_; }
    int SeriesExercise() const override { return seriesExercise_; }
    QString TimerText() const override;
    void SetTimerText(const QString& text) override;
    int Penalty() const override;
    void AddPenalty(int seconds) override;
    QString Heading(int index) const override { return gipnoText_[index]; }
    void SetBarCaption(const QString& text) override;
    void SetModeButtonVisible(int exerciseIndex, bool visible) override;
    QStringList& WordList() override { return wordList_; }
    const QStringList& NumberList() const override { return numStrLB_; }
    void FinishRun() override;
    void EndRun() override;
    void VerifyRecord() override;
    void ShowAll() override;
    void ContinueAfterRun() override;
    void LogPress(const RunPress& press) override;

    // The result of the last run that ended, completed or stopped.
    const RunResult& LastResult() const { return lastResult_; }
    // Told of every run that ended, with its kind, once the window shows the end.
    std::function<void(const RunResult&, RunKind)> OnRunEnded;

private:
    void StartRun(ExerciseLogic& exercise, ControlPage& page);
    void AnswerRun(ExerciseLogic& exercise, ControlPage& page);
    void StopRun(ExerciseLogic& exercise);
    void AddPenaltyToTime();
    // Fixes the result of the run in progress and hands it on.
    void RecordEnd(bool completed);

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
    RunResult lastResult_;
    RunTimer runTimer_;
    QTimer sysTimer_;
    QTimer lessonTimer_;
    QTimer uprTimer_;
};
