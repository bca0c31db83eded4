#include "NBackBlock.h"

#include "DrawDistinct.h"
#include "data/Random.h"

#include <algorithm>

namespace {

// A value of 0..count-1 other than `avoid`, each equally likely.
int AnyOtherThan(int avoid, int count) {
    const int r = Random(count - 1);
    return r >= avoid ? r + 1 : r;
}

} // namespace

const QString& NBackBlock::Letters() {
    static const QString letters = QStringLiteral("CHKLQRST");
    return letters;
}

NBackBlock NBackBlock::Draw(int n) {
    n = std::clamp(n, MinN, MaxN);
    const int count = BaseTrials + n;
    QVector<NBackTrial> trials(count);

    // Which trials match: distinct trials of n..end in random order; the first ones match
    // in both, then place only, then letter only.
    const int placeOnly = MatchesPerKind - BothMatches;
    const int matchTrials = BothMatches + 2 * placeOnly;
    const QList<int> drawn = *DrawDistinct(BaseTrials, matchTrials);
    for (int k = 0; k < matchTrials; ++k) {
        NBackTrial& trial = trials[n + drawn[k] - 1];
        trial.placeMatch = k < BothMatches + placeOnly;
        trial.letterMatch = k < BothMatches || k >= BothMatches + placeOnly;
    }

    const QString& letters = Letters();
    const int letterCount = int(letters.size());
    QVector<int> letterOf(count);
    for (int i = 0; i < count; ++i) {
        NBackTrial& trial = trials[i];
        if (i < n) {
            trial.cell = Random(Cells);
            letterOf[i] = Random(letterCount);
        } else {
            const NBackTrial& back = trials[i - n];
            trial.cell = trial.placeMatch ? back.cell : AnyOtherThan(back.cell, Cells);
            letterOf[i] =
                trial.letterMatch ? letterOf[i - n] : AnyOtherThan(letterOf[i - n], letterCount);
        }
        trial.letter = letters[letterOf[i]];
    }
    return NBackBlock(n, std::move(trials));
}
