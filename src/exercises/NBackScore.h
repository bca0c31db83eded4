#pragma once

#include "NBackBlock.h"
#include "RunResult.h"

#include <QString>
#include <QVector>
#include <optional>

// One counted answer, or one match left unanswered, of a dual n-back block.
struct NBackPress {
    enum class Outcome { Hit, FalseAlarm, Miss };

    int trial = 0; // 0-based trial of the block
    NBackKind kind = NBackKind::Place;
    Outcome outcome = Outcome::Hit;
    std::optional<int> reactionMs; // from the trial's onset; none for a miss

    bool Correct() const { return outcome == Outcome::Hit; }
    bool operator==(const NBackPress&) const = default;

    // As the run's history keeps it: the kind as the item ("place", "letter"), the trial's
    // cell, the trial number from 1 as the stage, and the reaction time of an answer.
    // A miss is a wrong press without a reaction time. The history's time stamp is the
    // recorder's to set.
    RunPress ToRunPress(int cell) const;
    // Back from the history's fields; none for a press that is not one of these.
    static std::optional<NBackPress> FromRecord(const QString& item, bool correct,
                                                std::optional<int> reactionMs,
                                                std::optional<int> stage);
};

// Hits, misses and false alarms of one kind.
struct NBackTally {
    int hits = 0;
    int misses = 0;
    int falseAlarms = 0;

    int Counted() const { return hits + misses + falseAlarms; }
    bool operator==(const NBackTally&) const = default;
    static NBackTally Of(const QVector<NBackPress>& presses, NBackKind kind);
    // Sensitivity over a block of `trials` trials: hits among the matches (hits + misses),
    // false alarms among the other trials.
    double DPrime(int trials) const;
};

// The score of a block: hits / (hits + misses + false alarms) over both kinds, in whole
// percent (halves rounded up); 0 while nothing has been counted.
int NBackPercent(const NBackTally& place, const NBackTally& letter);
// "83%".
QString NBackPercentText(int percent);
// The n to train next after a block at n: one more from 80% on, one less below 50%,
// within 1..5; none in between or at the end of the range. It follows the percent as shown.
std::optional<int> NBackNextN(int percent, int n);

// Judges the answers of a block as its trials pass: the first answer of each kind in a
// trial counts, later ones of that kind are ignored; a match not answered by the trial's
// end is a miss. Reaction times run from the trial's onset on the monotonic clock.
class NBackScore {
public:
    explicit NBackScore(const NBackBlock& block);

    // Trial i is shown from onsetMs on; the previous trial must have ended.
    void BeginTrial(int trial, double onsetMs);
    // An answer at nowMs: its verdict, or none when it does not count (a second answer of
    // that kind in the trial, or no trial under way).
    std::optional<NBackPress> Answer(NBackKind kind, double nowMs);
    // The current trial is over: its unanswered matches, as misses.
    QVector<NBackPress> EndTrial();

    int CurrentTrial() const { return current_; }
    const QVector<NBackPress>& Presses() const { return presses_; }
    NBackTally Tally(NBackKind kind) const { return NBackTally::Of(presses_, kind); }
    int Percent() const;

private:
    struct Answered {
        bool place = false;
        bool letter = false;
        bool& operator[](NBackKind kind) { return kind == NBackKind::Place ? place : letter; }
    };

    NBackBlock block_;
    int current_ = -1;
    double onsetMs_ = 0;
    Answered answered_;
    QVector<NBackPress> presses_;
};
