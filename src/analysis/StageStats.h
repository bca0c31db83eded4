#pragma once

#include "history/HistoryRecord.h"

#include <QVector>

// The reactions and misses of one stage of the targets game.
struct StageReaction {
    int stage = 0;
    int hits = 0;        // correct clicks with a measured reaction
    double meanMs = 0;   // mean reaction of the hits; 0 without hits
    double spreadMs = 0; // their standard deviation (of the hits themselves, not a sample)
    int misses = 0;      // targets not clicked and clicks at the wrong moment
};

// How the reactions of a targets game went from stage to stage.
class StageStats {
public:
    // One entry per stage that has a press, in stage order. Presses without a stage are
    // left out.
    static QVector<StageReaction> Of(const HistoryRun& run);
};
