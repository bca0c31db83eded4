#pragma once

#include "ExerciseLook.h"
#include "Texts.h"

#include <QString>
#include <span>
#include <vector>

// What the exercises share, in one table: numbering, titles, modes and their texts,
// best-result and statistics files, help documents, run shape, look. Everything that would
// otherwise be written once per exercise reads this table.

enum class ResultKind {
    Time,  // seconds on the run timer, smaller is better
    Score, // points, larger is better
};

// How the mode button names a mode.
enum class ModeText {
    Square, // "5x5"
    Tens,   // ten times the mode: "10", "20"
    Plain,  // the mode itself
    Named,  // a text per mode, in table order
};

struct ExerciseInfo {
    int index;               // exercise index 0..ExerciseCount-1: its row, stored files, lessons
    int listPosition;        // position in the exercise list and the control notebook
    const char* prefix;      // "Shulte", "RBShulte", ... (control and operation names)
    Tx title;                // title in the exercise list
    Tx heading;              // built-in heading shown while a run is in progress
    std::span<const int> modes;     // mode values in table order (table k = position here)
    std::span<const int> modeCycle; // order in which the mode button steps through them
    const char* recordFile;  // best-result table under rec/ ("shulte.rec"); series: "s" + it
    int recordLines;         // line count of a fresh table file
    int rowLines;            // lines per table row: 3, Targets 4
    const char* statsBase;   // statistics file base name ("shulte" -> shulte5.db)
    const char* helpName;    // help document hlp/<name>.rtf, English hlp/e<name>.rtf
    ResultKind result;
    bool memorisePhase;      // memorise, then answer (phases 2 and 3)
    bool penalty;            // has a penalty display
    bool helpChecked;        // its help document is part of the start-up presence check
    ModeText modeTextKind;
    std::span<const Tx> modeNames; // ModeText::Named: the texts of the modes in table order
    LookSpec look;

    int exerciseNumber() const { return index + 1; }
    int firstMode() const { return modeCycle.front(); }
    // Position of the mode in table order; a value not in the list selects the first table.
    int modePosition(int mode) const;
    bool hasMode(int mode) const;
    // The mode after this one in the button's cycle (the first one for an unknown mode).
    int nextMode(int mode) const;
    // The mode text on the mode button: "5x5", "10", "[поле]", ...
    QString modeText(int mode) const;
    // The mode as the statistics window names it: the mode text without brackets ("5x5",
    // "10", "поле").
    QString modeName(int mode) const;
    // The whole mode button caption: "Режим" + " " + mode text.
    QString modeCaption(int mode) const;
    // Lines of one mode's table: 10 rows.
    int tableLines() const { return 10 * rowLines; }
};

inline constexpr int ExerciseCount = 9;

// By exercise index 0..ExerciseCount - 1 (0 Schulte, 1 red-black Schulte, 2 word mnemonics,
// 3 targets, 4 counter, 5 word pairs, 6 number mnemonics, 7 proofreading, then each exercise
// added after them); out of range throws.
const ExerciseInfo& Exercise(int index);
// By list position 0..ExerciseCount - 1 (Schulte, red-black Schulte, targets, word pairs,
// word mnemonics, number mnemonics, counter, proofreading, then each exercise added after
// them).
const ExerciseInfo& ExerciseAtListPosition(int position);
// The exercise whose statistics base name (as the history keeps it: "shulte") is the text,
// or null.
const ExerciseInfo* ExerciseOfStatsBase(const QString& statsBase);
// The exercise whose title (current language) equals the text, or -1.
int ExerciseIndexOfTitle(const QString& title);

// One "OPTIONS" entry of oxel.ini: whose look, which part (target colours by number 1..10)
// and its name, the exercise's prefix and the part's suffix ("ShulteBGColor").
struct LookEntry {
    int exercise;
    LookPart part;
    int number;
    QString name;
};
// Every look entry: exercise after exercise by their save or load rank, each exercise's
// parts in LookEntryOrder.
enum class EntryOrder { Save, Load };
const std::vector<LookEntry>& LookEntries(EntryOrder order);
