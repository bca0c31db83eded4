#include "WordDraw.h"

#include "DrawDistinct.h"
#include "ExerciseRoles.h"
#include "data/Dialogs.h"
#include "data/Dictionaries.h"
#include "data/Errors.h"
#include "data/Texts.h"

#include <QDir>

bool WordDraw::ListHolds(const ExerciseWindow& window, int count) {
    const Dictionaries dictionaries(window.ProgramDir());
    qsizetype size = 0;
    try {
        size = dictionaries.LoadWordList().size();
    } catch (const OxelError& e) {
        ShowError(e.text());
        return false;
    }
    if (size >= count)
        return true;
    ShowMessage(T(Tx::WordListTooShort)
                    .arg(QDir::toNativeSeparators(dictionaries.WordListPath()),
                         QString::number(size), QString::number(count)),
                Dialogs::Kind::Warning);
    return false;
}

QStringList WordDraw::Draw(ExerciseWindow& window, int count) {
    QStringList& list = window.WordList();
    list.clear();
    try {
        list = Dictionaries(window.ProgramDir()).LoadWordList();
    } catch (const OxelError&) {
        return {}; // the check before the start has told the user
    }
    // A range of 0 would mean "as many as drawn": an empty list must not draw at all.
    if (list.size() < count)
        return {};
    QStringList words;
    words.reserve(count);
    for (int number : DrawDistinct(int(list.size()), count).value_or(QList<int>()))
        words << list[number - 1];
    return words;
}
