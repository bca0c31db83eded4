#pragma once

#include "PracticeKey.h"

#include <QDate>
#include <QHash>
#include <QList>

// A best result: its value, the text the run showed, and the day it was first reached.
struct BestResult {
    double value = 0;
    QString text;
    QDate day;

    bool operator==(const BestResult&) const = default;
};

// A run that beat the best of its exercise and mode.
struct BestChange {
    PracticeKey key;
    BestResult previous;
    BestResult now;
};

// The user's own best per exercise and mode, from their completed runs.
class PersonalBests {
public:
    // Offers a completed run's result. The change when it beats the kept best; the first result
    // of an exercise and mode becomes its best with nothing beaten; an equal result leaves the
    // kept one, reached first.
    std::optional<BestChange> Offer(const PracticeKey& key, const BestResult& result,
                                    Better better);
    // Keeps a best as it is, for a summary read from the history.
    void Set(const PracticeKey& key, const BestResult& best) { bests_.insert(key, best); }
    std::optional<BestResult> Of(const PracticeKey& key) const;
    // Every exercise and mode with a best, in list order.
    QList<PracticeKey> Keys() const;

private:
    QHash<PracticeKey, BestResult> bests_;
};
