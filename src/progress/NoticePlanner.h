#pragma once

#include "PracticeSummary.h"

// The day's goal was reached.
struct GoalNotice {
    QDate day;
    int goalMinutes = 0;
    int streakDays = 0;
};

// What to tell the user after runs: the goal reached, the personal bests beaten.
struct Notices {
    std::optional<GoalNotice> goal;
    QVector<BestChange> bests;

    bool IsEmpty() const { return !goal && bests.isEmpty(); }
};

// Decides which notices a stored run brings and when they may be shown. Nothing is shown
// during a series, which is judged as a whole, nor before the ladder has judged its step: the
// notices wait and come out together, a best beaten twice meanwhile as one notice from the
// first previous best to the last new one. The goal is announced once per day.
class NoticePlanner {
public:
    // Minutes a day; 0 turns the goal off.
    void SetGoal(int minutes) { goal_ = minutes; }
    int Goal() const { return goal_; }

    // A run ended, before it is stored: a run of a series or the ladder holds the notices back
    // until SeriesOver or StepJudged. A stopped run ends its series or ladder lesson.
    void RunEnded(RunKind kind, bool completed);
    // The notices of a run the summary counted: those to show now, with any that waited.
    Notices RunStored(const RunEffect& effect);
    // The last run of a series was judged, or the ladder judged a step: what waited.
    Notices SeriesOver();
    Notices StepJudged();

private:
    bool Holding() const { return seriesHold_ || ladderHold_; }
    Notices Release();
    void Keep(const BestChange& change);

    int goal_ = 0;
    QDate goalAnnounced_;
    bool seriesHold_ = false;
    bool ladderHold_ = false;
    Notices held_;
};
