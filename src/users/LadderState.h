#pragma once

#include "data/LessonsIni.h"

#include <QString>
#include <array>

// The lesson being run on the training ladder: its number, its steps, the step that comes
// next, and the judging of each finished run against that step's limit.
class LadderState {
public:
    static constexpr int MaxSteps = LessonsIni::MaxSteps;

    // What a finished run did to the ladder.
    enum class Verdict {
        Failed,       // the limit was missed: the ladder ends, the steps are cleared
        StepPassed,   // the next step follows
        LessonPassed, // the last step was passed: the ladder ends, the steps are cleared
    };

    // `UprVLESelectCell`: the lesson's steps (`LadderSteps`) loaded, step 1 next.
    void Load(const Lesson& lesson);
    // `UPRClear`: exercise position and mode of all ten steps back to 0; limits and texts
    // stay.
    void UPRClear();

    // `LadderLesson`: number n of the lesson loaded.
    int LadderLesson() const { return ladderLesson_; }
    // `LadderStep`: 1-based number of the step to run next.
    int Step() const { return ladderStep_; }
    int LadderStepCount() const { return ladderStepCount_; }
    // Step k (1..10) as loaded.
    const LadderStep& StepAt(int k) const { return steps_.at(k - 1); }
    // A step of the lesson is left to run.
    bool StepPending() const { return ladderStep_ >= 1 && ladderStep_ <= ladderStepCount_; }
    // The step to run next; only while StepPending().
    const LadderStep& Current() const { return StepAt(ladderStep_); }

    // The announcement of the next step: "УПРАЖНЕНИЕ 3 / этап 2 из 4", a line break and the
    // step's text.
    QString Announcement() const;

    // Judges the result of the run of the current step (a time passes at or below the
    // limit, a Targets score at or above it; a result that is not a number passes no limit).
    // A passed step advances to the next one; a failed run or the last passed step clears
    // the steps. Only while StepPending().
    Verdict Judge(double result);

    // `UprSubLevel` after a passed step: the number of steps passed.
    int PassedSteps() const { return ladderStep_ - 1; }
    // `UprLevel` after a completed lesson: only completing the current lesson (the one
    // after the last passed) opens the next; replaying an earlier one changes nothing.
    static int LevelAfterLesson(int uprLevel, int ladderLesson);

private:
    int ladderLesson_ = 0;
    int ladderStep_ = 1;
    int ladderStepCount_ = 0;
    std::array<LadderStep, MaxSteps> steps_{};
};
