#pragma once

#include "data/LessonsIni.h"
#include "data/Texts.h"

#include <QList>
#include <QString>

// The rules of the ladder window without the window: the lessons of lessons.ini with their
// status for the user's level, the rows the window selects when it is shown, which lessons
// may be started, and why a lesson that lessons.ini spoils cannot be.
class UprLessons {
public:
    UprLessons(QList<Lesson> lessons, int uprLevel);
    // The lessons file of the language in the program folder; a missing file gives no
    // lessons.
    static UprLessons Load(const QString& programDir, int uprLevel, int language = Language());
    // "lessons.ini", or in English "elessons.ini" where the folder has it: the same steps
    // with English names, descriptions and tasks.
    static QString FileName(const QString& programDir, int language);

    int Count() const { return static_cast<int>(lessons_.size()); }
    // Lesson n, the row n of the list (1-based).
    const Lesson& At(int n) const { return lessons_.at(n - 1); }

    // The status of lesson n against the current lesson `UprLevel` + 1: "пройдено" before
    // it, "текущее" for it, "недоступно" after it.
    static QString Status(int n, int uprLevel);
    QString Status(int n) const { return Status(n, uprLevel_); }
    // The rows selected one after another when the window is shown: 2, 1 and `UprLevel` + 1,
    // each taken as the last row where the list is shorter; none for an empty list. The
    // last one selected is the lesson loaded.
    QList<int> ShowOrder() const;
    // Lesson n may be started: it is not beyond the current lesson and its steps can run.
    bool MayStart(int n) const;
    // Why lessons.ini keeps lesson n from being started; empty when nothing does.
    static QString Problem(const Lesson& lesson);

private:
    QList<Lesson> lessons_;
    int uprLevel_;
};
