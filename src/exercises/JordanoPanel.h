#pragma once

#include "ConsonantSearch.h"

#include <QFrame>

class QLabel;
class QListWidget;

// The search panel `pJordano` of number mnemonics: the number and its consonants on top
// (`pLetters`), the words found (`lbFind`) and their count below (`pInfo`).
class JordanoPanel : public QFrame {
    Q_OBJECT
public:
    explicit JordanoPanel(QWidget* parent = nullptr);

    // Shows a search result: the top line, the words in the order given, the count.
    void ShowResult(const ConsonantSearch::Result& result);

    QLabel* pLetters = nullptr;
    QListWidget* lbFind = nullptr;
    QLabel* pInfo = nullptr;
};
