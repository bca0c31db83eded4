#include "ExerciseInfo.h"

#include <algorithm>
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
constexpr int nbackModes[] = {1, 2, 3, 4, 5};
constexpr int nbackCycle[] = {2, 3, 4, 5, 1};

constexpr Tx targetModeNames[] = {Tx::ModeField, Tx::ModeRow, Tx::ModeCircle, Tx::ModeJoker};
constexpr Tx probeModeNames[] = {Tx::ModeLetters, Tx::ModeDigits};
constexpr Tx nbackModeNames[] = {Tx::ModeBack1, Tx::ModeBack2, Tx::ModeBack3, Tx::ModeBack4,
                                 Tx::ModeBack5};

using P = LookPart;
namespace F = DefaultFont;

// clang-format off
constexpr std::array<ExerciseInfo, ExerciseCount> exercises = {{
    {0, 0, "Shulte",   Tx::TitleShulte,   Tx::HeadingVisualField,
     shulteModes, shulteModes,   "shulte.rec",   150, 3, "shulte",   "shulte",
     ResultKind::Time,  false, false, true, ModeText::Square, {},
     {.stored = P::Background | P::Grid | P::Glyph | P::Font1 | P::Font2,
      .background = 0xF0FBFF, .grid = 0xC0C0C0, .glyph = 0x00FF00,
      .font1 = F::SchulteLarge, .font2 = F::SchulteSmall,
      .saveRank = 3, .loadRank = 0, .restoreButton = "ShDefaultSB", .ladderPreview = true}},
    // Its board colours are fixed: only the fonts are kept.
    {1, 1, "RBShulte", Tx::TitleRBShulte, Tx::HeadingSwitching,
     rbShulteModes, rbShulteModes, "rbshulte.rec", 90, 3, "rbshulte", "rbshulte",
     ResultKind::Time,  false, false, true, ModeText::Square, {},
     {.stored = P::Font1 | P::Font2,
      .background = 0xF0FBFF, .grid = 0xC0C0C0,
      .font1 = F::SchulteLarge, .font2 = F::SmallBold,
      .saveRank = 2, .loadRank = 1, .restoreButton = "RbShDefaultSB", .fontColourNote = true,
      .ladderPreview = true}},
    {2, 4, "Mnemo",    Tx::TitleMnemo,    Tx::HeadingImagery,
     mnemoModes, mnemoModes,     "mnemo.rec",     90, 3, "mnemo",    "mnemo",
     ResultKind::Time,  true,  true,  true, ModeText::Tens, {},
     {.stored = P::Background | P::Font1 | P::Font2, .boardGrid = P::Background,
      .background = 0xF0CAA6, .font1 = F::Large14, .font2 = F::SmallBold,
      .saveRank = 4, .loadRank = 2, .restoreButton = "MnDefaultSB"}},
    {3, 2, "Target",   Tx::TitleTargets,  Tx::HeadingReaction,
     targetModes, targetCycle,   "targets.rec",  160, 4, "targets",  "target",
     ResultKind::Score, false, false, true, ModeText::Named, targetModeNames,
     {.stored = P::Background | P::TargetColours, .boardGrid = P::Background,
      .background = 0x000000, .targetColours = DefaultTargetColours,
      .saveRank = 7, .loadRank = 7, .restoreButton = "TgDefaultSB", .ladderPreview = true}},
    {4, 6, "Math",     Tx::TitleMath,     Tx::HeadingCounting,
     mathModes, mathModes,       "counter.rec",   90, 3, "counter",  "math",
     ResultKind::Time,  false, true,  true, ModeText::Square, {},
     {.stored = P::Background | P::Grid | P::Font1 | P::Font2,
      .background = 0xF0FBFF, .grid = 0xC0C0C0, .font1 = F::SchulteLarge, .font2 = F::SmallBold,
      .saveRank = 1, .loadRank = 4, .restoreButton = "MtDefaultSB"}},
    {5, 3, "Dwords",   Tx::TitleDwords,   Tx::HeadingImagery,
     dwordsModes, dwordsModes,   "dwords.rec",    60, 3, "dwords",   "dwords",
     ResultKind::Time,  true,  true,  true, ModeText::Plain, {},
     {.stored = P::Background | P::Grid | P::Font1 | P::Font2,
      .background = 0xF0CAA6, .grid = 0xF0FBFF, .font1 = F::Large14, .font2 = F::SmallBold,
      .saveRank = 0, .loadRank = 5, .restoreButton = "DwDefaultSB"}},
    // The number board draws cells and lines in the grid colour; the background entry is
    // kept but not shown.
    {6, 5, "Numbers",  Tx::TitleNumbers,  Tx::HeadingImagery,
     numbersModes, numbersModes, "numbers.rec",  150, 3, "numbers",  "numbers",
     ResultKind::Time,  true,  true,  true, ModeText::Tens, {},
     {.stored = P::Background | P::Grid | P::ShowHints | P::ShowJordano | P::Font1 | P::Font2,
      .hidden = P::Background,
      .boardBackground = P::Grid, .boardGrid = P::Grid,
      .background = 0x9C8C1F, .grid = 0x9C8C1F,
      .font1 = F::NumbersLarge, .font2 = F::NumbersSmall, .showHints = true,
      .saveRank = 6, .loadRank = 6, .restoreButton = "NumDefaultSB"}},
    {7, 7, "Probe",    Tx::TitleProbe,    Tx::HeadingAttention,
     probeModes, probeModes,     "probe.rec",     60, 3, "probe",    "probe",
     ResultKind::Time,  false, true,  false, ModeText::Named, probeModeNames,
     {.stored = P::Background | P::Font1 | P::Font2,
      .hidden = P::Font2, .boardGrid = P::Background,
      .background = 0xF0FBFF, .font1 = F::Large12, .font2 = F::SmallBold,
      .saveRank = 5, .loadRank = 3, .restoreButton = "PrDefaultSB", .backgroundBox = "BGCB"}},
    // The dual n-back: a score in percent; the glyph colour fills the trial's cell, the
    // letter is drawn in font 1. Its help is not required at start: a data folder of an
    // earlier version has none of its own.
    {8, 8, "NBack",    Tx::TitleNBack,    Tx::HeadingWorkingMemory,
     nbackModes, nbackCycle,     "nback.rec",    150, 3, "nback",    "nback",
     ResultKind::Score, false, false, false, ModeText::Named, nbackModeNames,
     {.stored = P::Background | P::Grid | P::Glyph | P::Font1,
      .background = 0xF0FBFF, .grid = 0xC0C0C0, .glyph = 0xB0602A, .font1 = F::NBackLetter,
      .saveRank = 8, .loadRank = 8, .restoreButton = "NbDefaultSB", .glyphLabel = Tx::CellColour}},
}};
// clang-format on

// Each of 0..count-1 once.
template <typename Key>
constexpr bool IsPermutation(Key key) {
    std::array<bool, ExerciseCount> seen{};
    for (const ExerciseInfo& e : exercises) {
        const int k = key(e);
        if (k < 0 || k >= ExerciseCount || seen[static_cast<std::size_t>(k)])
            return false;
        seen[static_cast<std::size_t>(k)] = true;
    }
    return true;
}

constexpr bool RowsInIndexOrder() {
    for (int k = 0; k < ExerciseCount; ++k)
        if (exercises[static_cast<std::size_t>(k)].index != k)
            return false;
    return true;
}

constexpr bool EveryRowComplete() {
    for (const ExerciseInfo& e : exercises)
        if (!e.prefix || e.modes.empty() || e.modeCycle.empty() || !e.recordFile ||
            !e.statsBase || !e.helpName || !e.look.restoreButton[0] ||
            (e.modeTextKind == ModeText::Named && e.modeNames.size() != e.modes.size()))
            return false;
    return true;
}

static_assert(RowsInIndexOrder(), "one row per exercise, in index order");
static_assert(EveryRowComplete(), "a row lacks a value");
static_assert(IsPermutation([](const ExerciseInfo& e) { return e.listPosition; }));
static_assert(IsPermutation([](const ExerciseInfo& e) { return e.look.saveRank; }));
static_assert(IsPermutation([](const ExerciseInfo& e) { return e.look.loadRank; }));

constexpr std::array<int, ExerciseCount> ByKey(int (*key)(const ExerciseInfo&)) {
    std::array<int, ExerciseCount> order{};
    for (const ExerciseInfo& e : exercises)
        order[static_cast<std::size_t>(key(e))] = e.index;
    return order;
}

constexpr std::array<int, ExerciseCount> byListPosition =
    ByKey([](const ExerciseInfo& e) { return e.listPosition; });

QString EntrySuffix(LookPart part, int number) {
    switch (part) {
    case LookPart::Background:
        return QStringLiteral("BGColor");
    case LookPart::Grid:
        return QStringLiteral("GridColor");
    case LookPart::Glyph:
        return QStringLiteral("GPColor");
    case LookPart::Font1:
        return QStringLiteral("Font1");
    case LookPart::Font2:
        return QStringLiteral("Font2");
    case LookPart::ShowHints:
        return QStringLiteral("ShowHints");
    case LookPart::ShowJordano:
        return QStringLiteral("ShowJordano");
    case LookPart::TargetColours:
        break;
    }
    return QStringLiteral("Color%1").arg(number);
}

std::vector<LookEntry> BuildEntries(int (*rank)(const ExerciseInfo&)) {
    std::vector<LookEntry> entries;
    for (int index : ByKey(rank)) {
        const ExerciseInfo& e = Exercise(index);
        for (LookPart part : LookEntryOrder) {
            if (!e.look.stored.Has(part))
                continue;
            for (int n = 1; n <= EntryCount(part); ++n)
                entries.push_back({index, part, n, QLatin1String(e.prefix) + EntrySuffix(part, n)});
        }
    }
    return entries;
}

} // namespace

int ExerciseInfo::modePosition(int mode) const {
    for (std::size_t k = 0; k < modes.size(); ++k)
        if (modes[k] == mode)
            return static_cast<int>(k);
    return 0;
}

bool ExerciseInfo::hasMode(int mode) const {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

int ExerciseInfo::nextMode(int mode) const {
    for (std::size_t k = 0; k < modeCycle.size(); ++k)
        if (modeCycle[k] == mode)
            return modeCycle[(k + 1) % modeCycle.size()];
    return modeCycle.front();
}

QString ExerciseInfo::modeText(int mode) const {
    switch (modeTextKind) {
    case ModeText::Square:
        return QStringLiteral("%1x%1").arg(mode);
    case ModeText::Tens:
        return QString::number(10 * mode);
    case ModeText::Plain:
        return QString::number(mode);
    case ModeText::Named:
        break;
    }
    return T(modeNames[static_cast<std::size_t>(modePosition(mode))]);
}

QString ExerciseInfo::modeName(int mode) const {
    const QString text = modeText(mode);
    return text.startsWith(u'[') && text.endsWith(u']') ? text.mid(1, text.size() - 2) : text;
}

QString ExerciseInfo::modeCaption(int mode) const { return T(Tx::Mode) + ' ' + modeText(mode); }

const ExerciseInfo& Exercise(int index) { return exercises.at(static_cast<std::size_t>(index)); }

const ExerciseInfo* ExerciseOfStatsBase(const QString& statsBase) {
    for (const ExerciseInfo& e : exercises)
        if (statsBase == QLatin1String(e.statsBase))
            return &e;
    return nullptr;
}

const ExerciseInfo& ExerciseAtListPosition(int position) {
    if (position < 0 || position >= ExerciseCount)
        throw std::out_of_range("exercise list position out of range");
    return Exercise(byListPosition[static_cast<std::size_t>(position)]);
}

int ExerciseIndexOfTitle(const QString& title) {
    for (const ExerciseInfo& e : exercises)
        if (T(e.title) == title)
            return e.index;
    return -1;
}

const std::vector<LookEntry>& LookEntries(EntryOrder order) {
    static const std::vector<LookEntry> saved =
        BuildEntries([](const ExerciseInfo& e) { return e.look.saveRank; });
    static const std::vector<LookEntry> loaded =
        BuildEntries([](const ExerciseInfo& e) { return e.look.loadRank; });
    return order == EntryOrder::Save ? saved : loaded;
}
