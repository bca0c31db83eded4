#pragma once

#include <QHashFunctions>
#include <QString>
#include <optional>

struct ExerciseInfo;

// One exercise and mode as the history names them: the statistics base name and the mode.
struct PracticeKey {
    QString exercise;
    int mode = 0;

    bool operator==(const PracticeKey&) const = default;
};
size_t qHash(const PracticeKey& key, size_t seed = 0) noexcept;

// Which way an exercise's results improve.
enum class Better { Lower, Higher };

// What the exercise table says of a key: its row, the way its results improve, its name on
// screen and its place in the lists. An exercise the table does not know (from a newer
// version) has no row and no direction.
namespace PracticeKind {

std::optional<Better> BetterOf(const QString& exercise);
// True when `a` is strictly better than `b`.
bool Beats(Better better, double a, double b);
// The exercise's title in the current language; the stored name when the table lacks it.
QString Title(const PracticeKey& key);
// The mode as its button names it ("5x5", "[поле]", "10").
QString ModeText(const PracticeKey& key);
// Exercise list order, an exercise's modes in table order; unknown exercises last.
bool Before(const PracticeKey& a, const PracticeKey& b);

} // namespace PracticeKind
