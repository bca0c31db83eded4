#pragma once

#include <QStringList>

class ExerciseWindow;

// What the word exercises share: the word list of the interface language, the check before a
// start that it is long enough, and the draw of a run's words from it.
class WordDraw {
public:
    // Loads the word list and checks that it holds at least `count` entries; otherwise tells
    // the user which list is too short and how many entries the run needs (or why it cannot
    // be read) and returns false.
    static bool ListHolds(const ExerciseWindow& window, int count);
    // Clears `WordList`, loads the word list into it and draws `count` different entries of
    // it (`DrawDistinct`), in draw order. Empty when the list cannot be read or is too short.
    static QStringList Draw(ExerciseWindow& window, int count);
};
