#pragma once

#include "data/Dictionaries.h"

#include <QStringList>

// Which list the number and heading editor edits.
enum class EditorMode : quint8 {
    Numbers = 1,  // the memory words of 00..99
    Headings = 2, // the heading of each exercise
};

// The rules of the number and heading editor without its window: which file it edits, how
// many lines it shows at least, what each line belongs to, and the check and the save of
// the whole list.
class EditorLines {
public:
    EditorLines(const QString& programDir, EditorMode mode);

    EditorMode Mode() const { return mode_; }
    // The window caption: "Числовая сетка" or "Заголовки-внушения".
    QString Caption() const;
    // 100 for numbers, one per exercise for headings.
    int MinimumLines() const;

    // The list of the current language, padded with empty lines to the minimum; throws
    // OxelError naming the file when it cannot be read.
    QStringList Load() const;
    // What a line belongs to: its number as two digits ("07", from 100 on all digits), or
    // the name of the exercise of that index (nothing past the last exercise).
    QString Info(int index) const;
    // The first line that cannot be stored as it is (a character Windows-1251 cannot hold,
    // a line break, a zero), or -1.
    static int FirstUnstorable(const QStringList& lines);
    // The message that refuses that line, naming it.
    QString RefusalText(const QStringList& lines, int index) const;
    // Replaces the file at once with every line followed by CR LF; throws OxelError.
    void Save(const QStringList& lines) const;

private:
    Dictionaries dictionaries_;
    EditorMode mode_;
};
