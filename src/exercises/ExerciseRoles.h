#pragma once

#include "RunResult.h"

#include <QString>
#include <QStringList>

class Settings;
class TOxelPanel;

// The main window as the exercises see it, in three roles; each exercise takes the roles it
// uses. The run cycle plays all three; tests play them with a board of their own.

// The one grid board `OxelP` and the looks read from oxel.ini that it is drawn in.
class ExerciseBoard {
public:
    virtual ~ExerciseBoard() = default;
    virtual TOxelPanel& Board() = 0;
    virtual const Settings& Looks() const = 0;
};

// The run in progress: what kind of run it is, its timer, its penalty or score, the presses
// it records and its end.
class RunControl {
public:
    virtual ~RunControl() = default;

    // The series check box `LessonChB` is checked (series tables, series look, timing).
    virtual bool LessonChecked() const = 0;
    // A training-ladder run is in progress.
    virtual bool LadderActive() const = 0;
    // 0 outside a series, else the exercise index + 1 of the series being run.
    virtual int SeriesExercise() const = 0;

    // The run timer counts from 0 again (the counter's restart).
    virtual void RestartTimer() = 0;
    // Seconds of penalty for the active exercise; ignored for an exercise without a penalty
    // display.
    virtual void AddPenalty(int seconds) = 0;
    // A scored exercise's points, which the run timer's display shows as the exercise writes
    // them and the run's result takes as its number.
    virtual void ShowScore(qint32 points, const QString& shown) = 0;
    // A press the exercise reports itself (the targets game's answers and misses, errors it
    // finds left unmarked on the board, answers it takes in hand); the host stamps its time.
    virtual void Record(const RunPress& press) = 0;
    // The common end of a run that ends otherwise than by a press (the counter's points
    // taken, a game's end, a run paced by a timer of its own): the result is fixed and handed
    // to everything that takes a finished run.
    virtual void FinishRun() = 0;
};

// The window around the board as an exercise uses it: the program folder, the word and
// number lists, the headings and the top bar, and the exercise's own mode button.
class ExerciseWindow {
public:
    virtual ~ExerciseWindow() = default;

    // The program folder with a trailing separator.
    virtual QString ProgramDir() const = 0;
    // The shared word list `WordList` and the number list `NumStrLB` (memory words of
    // 00..99).
    virtual QStringList& WordList() = 0;
    virtual const QStringList& NumberList() const = 0;
    // The heading of an exercise (`GipnoText`, by exercise index) and the caption of the
    // top bar `BaseButtonP`, which shows the heading while a run is in progress.
    virtual QString Heading(int index) const = 0;
    virtual void SetBarCaption(const QString& text) = 0;
    // Shows or hides the mode button on the exercise's own control page (an exercise with
    // buttons of its own while running puts them in its place).
    virtual void SetModeButtonVisible(int exerciseIndex, bool visible) = 0;
};

// The three roles together, as the list of exercises hands them out.
struct ExerciseRoles {
    ExerciseBoard& board;
    RunControl& run;
    ExerciseWindow& window;
};
