#pragma once

#include "IniFile.h"

#include <QList>
#include <QString>

// One step of a lesson: an exercise (by its position in the exercise list), a mode, a limit
// and the text announcing it.
struct LadderStep {
    int exercisePosition = 0; // L
    int mode = 0;             // R
    int limit = 0;            // F: seconds at most, or for Targets points at least
    QString text;             // S

    // A time passes at or below the limit, a Targets score at or above it.
    bool Passed(double result) const;
};

// Why a lesson cannot be started.
enum class LessonProblem {
    None,
    NoSteps,     // no "L1" key
    BadExercise, // a step's exercise position is outside the exercise list
    BadMode,     // a step's mode is not one of that exercise's modes
};

struct Lesson {
    int number = 0; // n of its section "LESSON_n"
    QString name;
    QString opis;
    QList<LadderStep> steps;
    LessonProblem problem = LessonProblem::None;
    int problemStep = 0; // 1-based step the problem was found in (0 for NoSteps)

    bool Startable() const { return problem == LessonProblem::None; }
};

// The lessons of the training ladder as lessons.ini defines them: sections LESSON_1 ..
// LESSON_10 up to the first missing one, each with up to ten steps L1.. up to the first
// missing L key. A damaged file never fails: its defects make lessons not startable.
class LessonsIni {
public:
    static constexpr int MaxLessons = 10;
    static constexpr int MaxSteps = 10;

    // A missing file has no lessons.
    static QList<Lesson> Load(const QString& path);
    static QList<Lesson> Read(const IniFile& ini);
};
