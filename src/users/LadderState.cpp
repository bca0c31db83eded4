#include "LadderState.h"

#include "data/Texts.h"

void LadderState::Load(const Lesson& lesson) {
    ladderStep_ = 1;
    ladderStepCount_ = 0;
    ladderLesson_ = lesson.number;
    steps_ = {};
    for (const LadderStep& step : lesson.steps) {
        if (ladderStepCount_ == MaxSteps)
            break;
        steps_[ladderStepCount_++] = step;
    }
}

void LadderState::UPRClear() {
    for (LadderStep& step : steps_) {
        step.exercisePosition = 0;
        step.mode = 0;
    }
}

QString LadderState::Announcement() const {
    return T(Tx::LadderStepAnnounce) + QString::number(ladderLesson_) + T(Tx::LadderStepWord) +
           QString::number(ladderStep_) + QLatin1Char(' ') + T(Tx::Of) + QLatin1Char(' ') +
           QString::number(ladderStepCount_) + QLatin1Char('\n') + Current().text;
}

LadderState::Verdict LadderState::Judge(double result) {
    if (!Current().Passed(result)) {
        UPRClear();
        return Verdict::Failed;
    }
    ++ladderStep_;
    if (ladderStep_ <= ladderStepCount_)
        return Verdict::StepPassed;
    UPRClear();
    return Verdict::LessonPassed;
}

int LadderState::LevelAfterLesson(int uprLevel, int ladderLesson) {
    return uprLevel < ladderLesson ? uprLevel + 1 : uprLevel;
}
