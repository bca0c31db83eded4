#include "ExerciseInfo.h"

#include <array>
#include <stdexcept>

namespace {

constexpr int shulteModes[] = {5, 6, 7, 8, 9};
constexpr int rbShulteModes[] = {5, 7, 9};
constexpr int mnemoModes[] = {1, 2, 3};
constexpr int targetModes[] = {1, 2, 3, 4};
constexpr int targetCycle[] = {1, 4, 2, 3};
constexpr int mathModes[] = {3, 6, 9};
constexpr int dwordsModes[] = {2, 3};
constexpr int numbersModes[] = {1, 2, 3, 4, 5};
constexpr int probeModes[] = {1, 2};

// clang-format off
const std::array<ExerciseInfo, ExerciseCount> exercises = {{
    {0, 0, "Shulte",   Tx::TitleShulte,   Tx::HeadingVisualField,
     shulteModes, shulteModes,   "shulte.rec",   150, 3, "shulte",   "shulte",
     ResultKind::Time,  false, false, true},
    {1, 1, "RBShulte", Tx::TitleRBShulte, Tx::HeadingSwitching,
     rbShulteModes, rbShulteModes, "rbshulte.rec", 90, 3, "rbshulte", "rbshulte",
     ResultKind::Time,  false, false, true},
    {2, 4, "Mnemo",    Tx::TitleMnemo,    Tx::HeadingImagery,
     mnemoModes, mnemoModes,     "mnemo.rec",     90, 3, "mnemo",    "mnemo",
     ResultKind::Time,  true,  true,  true},
    {3, 2, "Target",   Tx::TitleTargets,  Tx::HeadingReaction,
     targetModes, targetCycle,   "targets.rec",  160, 4, "targets",  "target",
     ResultKind::Score, false, false, true},
    {4, 6, "Math",     Tx::TitleMath,     Tx::HeadingCounting,
     mathModes, mathModes,       "counter.rec",   90, 3, "counter",  "math",
     ResultKind::Time,  false, true,  true},
    {5, 3, "Dwords",   Tx::TitleDwords,   Tx::HeadingImagery,
     dwordsModes, dwordsModes,   "dwords.rec",    60, 3, "dwords",   "dwords",
     ResultKind::Time,  true,  true,  true},
    {6, 5, "Numbers",  Tx::TitleNumbers,  Tx::HeadingImagery,
     numbersModes, numbersModes, "numbers.rec",  150, 3, "numbers",  "numbers",
     ResultKind::Time,  true,  true,  true},
    {7, 7, "Probe",    Tx::TitleProbe,    Tx::HeadingAttention,
     probeModes, probeModes,     "probe.rec",     60, 3, "probe",    "probe",
     ResultKind::Time,  false, true,  false},
}};
// clang-format on

constexpr int byListPosition[ExerciseCount] = {0, 1, 3, 5, 2, 6, 4, 7};

} // namespace

int ExerciseInfo::modePosition(int mode) const {
    for (std::size_t k = 0; k < modes.size(); ++k)
        if (modes[k] == mode)
            return static_cast<int>(k);
    return 0;
}

bool ExerciseInfo::hasMode(int mode) const {
    for (int m : modes)
        if (m == mode)
            return true;
    return false;
}

int ExerciseInfo::nextMode(int mode) const {
    for (std::size_t k = 0; k < modeCycle.size(); ++k)
        if (modeCycle[k] == mode)
            return modeCycle[(k + 1) % modeCycle.size()];
    return modeCycle.front();
}

QString ExerciseInfo::modeText(int mode) const {
    switch (index) {
    case 0: case 1: case 4:
        return QStringLiteral("%1x%1").arg(mode);
    case 2: case 6:
        return QString::number(10 * mode);
    case 3: {
        static constexpr Tx texts[] = {Tx::ModeField, Tx::ModeRow, Tx::ModeCircle, Tx::ModeJoker};
        return T(texts[modePosition(mode)]);
    }
    case 5:
        return QString::number(mode);
    default:
        return T(mode == 2 ? Tx::ModeDigits : Tx::ModeLetters);
    }
}

QString ExerciseInfo::modeCaption(int mode) const { return T(Tx::Mode) + ' ' + modeText(mode); }

const ExerciseInfo& Exercise(int index) { return exercises.at(static_cast<std::size_t>(index)); }

const ExerciseInfo& ExerciseAtListPosition(int position) {
    if (position < 0 || position >= ExerciseCount)
        throw std::out_of_range("exercise list position out of range");
    return Exercise(byListPosition[position]);
}

int ExerciseIndexOfTitle(const QString& title) {
    for (const ExerciseInfo& e : exercises)
        if (T(e.title) == title)
            return e.index;
    return -1;
}
