#pragma once

#include "RunAnalysis.h"
#include "data/Texts.h"

// The charts an exercise's analysis is made of, each filled from a run's presses. An
// exercise picks those that fit how its presses are made (its `Charts`); one whose presses
// mean something else fills its own with `Plan` and `PlaceNames`.
class ChartSets {
public:
    static constexpr int NamedPlaces = 30; // more places are numbered, not named
    static constexpr int Slowest = 5;
    static constexpr int RegionSplit = 3;

    // The time spent on each number, the slowest marked, and the board shaded by time.
    // `plainOrder`: the k-th number is k, so the places' own numbers name them.
    static void NumberTimes(const HistoryRun& run, bool plainOrder, RunAnalysis& analysis);
    // Reactions and misses per stage of a reaction game.
    static void StageReactions(const HistoryRun& run, RunAnalysis& analysis);
    // Misses by part of the board, as bars and on the board drawn small.
    static void MissRegions(const HistoryRun& run, RunAnalysis& analysis);

    // How the item chart reads the presses.
    struct Items {
        int groupSize = 1;      // correct presses that make one item
        bool sums = false;      // an item of three presses is a sum, named "a+b=c"
        bool memorised = false; // the first answer holds the memorising: told, not charted
    };
    // The time of each item, with the wrong presses made meanwhile as points.
    static void ItemTimes(const HistoryRun& run, const Items& how, RunAnalysis& analysis);

    // A chart's heading part: its title, sentence, axis titles and the left axis's decimals.
    static ChartSpec Plan(Tx title, const QString& text, Tx xTitle, Tx yTitle, int decimals);
    // The names of the places, unless there are too many to read or two are the same.
    static QStringList PlaceNames(const QStringList& names);
};
