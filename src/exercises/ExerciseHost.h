#pragma once

#include "RunResult.h"

#include <QString>
#include <QStringList>

class Settings;
class TOxelPanel;

// What an exercise sees of the main window: the board, the looks, the run state of the
// series and the ladder, the run timer, its penalty display, the top bar and the pieces of
// the common end of a run. The main window's run cycle implements it; tests implement it
// with a board of their own.
class ExerciseHost {
public:
    virtual ~ExerciseHost() = default;

    // The one grid board `OxelP`.
    virtual TOxelPanel& Board() = 0;
    // Colours and fonts read from oxel.ini.
    virtual const Settings& Looks() const = 0;
    // The program folder with a trailing separator.
    virtual QString ProgramDir() const = 0;

    // The series check box `LessonChB` is checked (series tables, series look, timing).
    virtual bool LessonChecked() const = 0;
    // A training-ladder run is in progress.
    virtual bool LadderActive() const = 0;
    // 0 outside a series, else the exercise index + 1 of the series being run.
    virtual int SeriesExercise() const = 0;

    // The run timer `TimerP`: TimerOn restarts it from now, TimerOff stops it and leaves
    // the last shown value.
    virtual void TimerOn() = 0;
    virtual void TimerOff() = 0;
    virtual QString TimerText() const = 0;
    virtual void SetTimerText(const QString& text) = 0;

    // The penalty display of the active exercise (seconds); 0 for exercises without one.
    virtual int Penalty() const = 0;
    virtual void AddPenalty(int seconds) = 0;

    // The heading of an exercise (`GipnoText`, by exercise index) and the caption of the
    // top bar `BaseButtonP`, which shows the heading while a run is in progress.
    virtual QString Heading(int index) const = 0;
    virtual void SetBarCaption(const QString& text) = 0;

    // Shows or hides the mode button on the exercise's own control page (an exercise with
    // buttons of its own while running puts them in its place).
    virtual void SetModeButtonVisible(int exerciseIndex, bool visible) = 0;

    // The shared word list `WordList` and the number list `NumStrLB` (memory words of
    // 00..99).
    virtual QStringList& WordList() = 0;
    virtual const QStringList& NumberList() const = 0;

    // The common end of a run, in order: TimerOff, results panel shown, the penalty added
    // to the time, the result fixed (EndRun), the best-result check, the window back to idle
    // (`TSShowAll`), then the series or ladder continuation. Exercises whose end is ordered
    // differently (targets) call the pieces below themselves.
    virtual void FinishRun() = 0;
    // Fixes the run's result value from the shown result, the penalty and the presses;
    // the first piece of the common end after the timer stops.
    virtual void EndRun() = 0;
    // Checks the result shown in `TimerP` against the best-result table of the active
    // exercise and mode; enters it when it ranks.
    virtual void VerifyRecord() = 0;
    // The active exercise's page back to idle (`TSShowAll`).
    virtual void ShowAll() = 0;
    // After a finished run: `SaveStats` in a series, else the ladder timer in a ladder run.
    virtual void ContinueAfterRun() = 0;
    // A press the exercise reports itself (the targets game's answers and misses, errors it
    // finds left unmarked on the board); the host stamps its time.
    virtual void LogPress(const RunPress& press) = 0;
};
