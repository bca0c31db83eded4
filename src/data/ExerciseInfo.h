#pragma once

#include "Texts.h"

#include <QString>
#include <span>

// What the eight exercises share, in one table: numbering, titles, modes and their texts,
// best-result and statistics files, help documents, run shape. Everything that would
// otherwise be written eight times reads this table.

enum class ResultKind {
    Time,  // seconds on the run timer, smaller is better
    Score, // points, larger is better
};

struct ExerciseInfo {
    int index;               // exercise index, 0..7, the selector of every dispatch
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

    int exerciseNumber() const { return index + 1; }
    int firstMode() const { return modeCycle.front(); }
    // Position of the mode in table order; a value not in the list selects the first table.
    int modePosition(int mode) const;
    bool hasMode(int mode) const;
    // The mode after this one in the button's cycle (the first one for an unknown mode).
    int nextMode(int mode) const;
    // The mode text on the mode button: "5x5", "10", "[поле]", ...
    QString modeText(int mode) const;
    // The whole mode button caption: "Режим" + " " + mode text.
    QString modeCaption(int mode) const;
    // Lines of one mode's table: 10 rows.
    int tableLines() const { return 10 * rowLines; }
};

inline constexpr int ExerciseCount = 8;

// By exercise index 0..7 (0 Schulte, 1 red-black Schulte, 2 word mnemonics, 3 targets,
// 4 counter, 5 word pairs, 6 number mnemonics, 7 proofreading).
const ExerciseInfo& Exercise(int index);
// By list position 0..7 (Schulte, red-black Schulte, targets, word pairs, word mnemonics,
// number mnemonics, counter, proofreading).
const ExerciseInfo& ExerciseAtListPosition(int position);
// The exercise whose title (current language) equals the text, or -1.
int ExerciseIndexOfTitle(const QString& title);
