#pragma once

#include <QChar>
#include <QString>
#include <QVector>

// The two things a trial can repeat from n trials before.
enum class NBackKind { Place, Letter };

// One trial of a dual n-back block: the cell of the 3x3 grid that is filled, the letter in
// it, and whether each of them repeats the trial n before.
struct NBackTrial {
    int cell = 0; // row * 3 + col
    QChar letter;
    bool placeMatch = false;
    bool letterMatch = false;

    bool Matches(NBackKind kind) const {
        return kind == NBackKind::Place ? placeMatch : letterMatch;
    }
    bool operator==(const NBackTrial&) const = default;
};

// A block of 20 + n trials. Among trials n..end, 6 repeat the place and 6 the letter of the
// trial n before; 2 of those trials repeat both, so 10 trials are matches. Every other
// trial differs from the one n before in place and letter, so no match comes by accident.
class NBackBlock {
public:
    static constexpr int Side = 3;
    static constexpr int Cells = Side * Side;
    static constexpr int BaseTrials = 20;
    static constexpr int MatchesPerKind = 6;
    static constexpr int BothMatches = 2;
    static constexpr int MinN = 1;
    static constexpr int MaxN = 5;
    // C H K L Q R S T: letters that sound unlike one another and look unlike in any font.
    static const QString& Letters();

    // Draws a block for n (kept within MinN..MaxN) on the program's random generator.
    static NBackBlock Draw(int n);
    // A block of the trials given, as drawn before.
    NBackBlock(int n, QVector<NBackTrial> trials) : n_(n), trials_(std::move(trials)) {}

    int N() const { return n_; }
    int TrialCount() const { return int(trials_.size()); }
    const NBackTrial& Trial(int i) const { return trials_[i]; }
    const QVector<NBackTrial>& Trials() const { return trials_; }

private:
    int n_;
    QVector<NBackTrial> trials_;
};
