#pragma once

#include "DataFile.h"
#include "Texts.h"

#include <array>
#include <variant>

// How an exercise's board looks: its colours ($BBGGRR), its two fonts and the extras only
// some exercises have. Every exercise has one record; which parts it keeps in oxel.ini and
// shows in the settings window is written in its row of the exercise table.
struct ExerciseLook {
    quint32 background = 0;
    quint32 grid = 0;
    quint32 glyph = 0; // the point on found cells
    FontRecord font1;  // large
    FontRecord font2;  // small
    bool showHints = false;
    bool showJordano = false;
    std::array<quint32, 10> targetColours{};

    bool operator==(const ExerciseLook&) const = default;
};

// The parts of a look that can be kept in oxel.ini, as bits of a set.
enum class LookPart : unsigned {
    Background = 1u << 0,
    Grid = 1u << 1,
    Glyph = 1u << 2,
    Font1 = 1u << 3,
    Font2 = 1u << 4,
    ShowHints = 1u << 5,
    ShowJordano = 1u << 6,
    TargetColours = 1u << 7,
};
// A set of parts.
struct LookParts {
    unsigned bits = 0;
    constexpr LookParts() = default;
    constexpr LookParts(LookPart part) : bits(static_cast<unsigned>(part)) {}
    constexpr bool Has(LookPart part) const { return (bits & static_cast<unsigned>(part)) != 0; }
    friend constexpr LookParts operator|(LookParts a, LookParts b) {
        LookParts set;
        set.bits = a.bits | b.bits;
        return set;
    }
};
constexpr LookParts operator|(LookPart a, LookPart b) { return LookParts(a) | LookParts(b); }

// The order of the parts among one exercise's entries in oxel.ini.
inline constexpr LookPart LookEntryOrder[] = {
    LookPart::Background, LookPart::Grid,  LookPart::Glyph, LookPart::ShowHints,
    LookPart::ShowJordano, LookPart::Font1, LookPart::Font2, LookPart::TargetColours};
inline constexpr int TargetColourCount = 10;
inline constexpr std::array<quint32, TargetColourCount> DefaultTargetColours = {
    0x00FF00, 0xFFFFFF, 0x0000FF, 0xFF8000, 0x3EFFFF, 0x73A332, 0xB6B6B6, 0xFF80FF, 0xA46C71, 0x5681A7};
// The settings window's colour-blind preset: ten target colours and a background, each two at
// least 20 CIEDE2000 apart for normal vision and for protanopia, deuteranopia and tritanopia.
inline constexpr std::array<quint32, TargetColourCount> ColourBlindTargetColours = {
    0x5A004B, 0xFFD2FF, 0x00FF00, 0x695A69, 0xE1FFF0, 0x003C0F, 0xFF0000, 0xFF87A5, 0x8787D2, 0x008700};
inline constexpr quint32 ColourBlindTargetBackground = 0x000000;

// One stored value of a look: a colour, a font or a flag.
using LookValue = std::variant<quint32*, FontRecord*, bool*>;
using ConstLookValue = std::variant<const quint32*, const FontRecord*, const bool*>;
// The value of the part; target colours by their number 1..10.
LookValue ValueOf(ExerciseLook& look, LookPart part, int number = 1);
ConstLookValue ValueOf(const ExerciseLook& look, LookPart part, int number = 1);
// How many entries the part has (ten target colours, one of everything else).
int EntryCount(LookPart part);

// A default font as the table writes it.
struct FontDefault {
    quint16 size = 8;
    quint32 colour = 0;
    quint8 style = 0;
    const char* face = "ARIAL";

    FontRecord Record() const;
};

namespace DefaultFont {
inline constexpr FontDefault SchulteLarge{22, 0x000000, 0};
inline constexpr FontDefault SchulteSmall{10, 0xFF0000, 0};
inline constexpr FontDefault SmallBold{10, 0xFF0000, FontRecord::Bold};
inline constexpr FontDefault Large14{14, 0x000000, 0};
inline constexpr FontDefault Large12{12, 0x000000, 0};
inline constexpr FontDefault NumbersLarge{22, 0xFFFFFF, 0};
inline constexpr FontDefault NumbersSmall{10, 0x00FFFF, FontRecord::Bold};
inline constexpr FontDefault Target{14, 0x0000FF, 0, "TIMES NEW ROMAN"};
inline constexpr FontDefault NBackLetter{40, 0xFFFFFF, FontRecord::Bold};
} // namespace DefaultFont

// An exercise's look in the exercise table: its defaults, what it keeps in oxel.ini, which
// colours paint its board and how the settings window shows it.
struct LookSpec {
    LookParts stored{};            // kept in oxel.ini and edited in the settings window
    LookParts hidden{};            // kept and edited, but not shown
    LookPart boardBackground = LookPart::Background; // the colour the board's cells get
    LookPart boardGrid = LookPart::Grid;             // the colour its lines get
    quint32 background = 0;
    quint32 grid = 0;
    quint32 glyph = 0;
    FontDefault font1{};
    FontDefault font2{};
    bool showHints = false;
    bool showJordano = false;
    std::array<quint32, TargetColourCount> targetColours{};
    int saveRank = 0;              // place of the exercise's entries when oxel.ini is written
    int loadRank = 0;              // and when it is read
    const char* restoreButton = ""; // object name of the settings tab's restore button
    const char* backgroundBox = "BgCB"; // object name suffix of the background colour box
    Tx glyphLabel = Tx::PointColour; // the settings label of the glyph colour
    bool fontColourNote = false;   // the tab notes that font 1 keeps its colour
    bool ladderPreview = false;    // a ladder step shows the board's background before its start

    ExerciseLook Defaults() const;
    // The board's colours in a look of this exercise.
    quint32 BoardBackground(const ExerciseLook& look) const;
    quint32 BoardGrid(const ExerciseLook& look) const;
};
