#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The consonant code of number mnemonics: every digit stands for a pair of Russian
// consonants, and a word encodes a number when the first letters left after its vowels are
// dropped belong, in order, to the pairs of the number's digits. `Jordano` finds the words of
// a list that encode a number. In English the digits stand for consonant sounds instead
// (EnglishConsonantCode), the code the English number list is written in.
class ConsonantSearch {
public:
    // The pair of consonants of each digit 0..9 (`ConsonantTable`).
    static const std::array<QString, 10>& ConsonantTable();
    // The letters dropped from a word before its consonants are compared (`VowelSet`).
    static const QString& VowelSet();

    // Upper case as the Windows-1251 code page maps it: Latin and Cyrillic letters only, so a
    // letter keeps its own identity (Ё stays apart from Е).
    static QChar Upper1251(QChar c);
    // Whether the word encodes the digits: its letters that are not in the vowel set, compared
    // without regard to case, begin with one letter of each digit's pair in turn. A text that
    // is not one to three digits matches nothing.
    static bool Matches(const QString& word, const QString& digits);
    // The same by the English code: the word's code begins with the digits.
    static bool MatchesEnglish(const QString& word, const QString& digits);

    struct Result {
        // The top line: the digits, then " = " and the pair of each digit joined by " + "
        // ("40 = ЧЩ + НМ"); the text alone when it is not one to three digits.
        QString letters;
        // The matching words as they stand in the list, in alphabetical order.
        QStringList found;
    };
    // `Jordano`: the words of the list that encode the digits, by the code of the language
    // (1 English, 2 Russian).
    static Result Jordano(const QString& digits, const QStringList& words, int language = 2);
    // The same over the word list of the language in the program folder, read afresh for
    // each search; throws OxelError when it cannot be read.
    static Result Jordano(const QString& digits, const QString& programDir, int language);

    // One to three decimal digits.
    static bool IsCode(const QString& digits);
};
