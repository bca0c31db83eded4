#pragma once

#include <QString>

// The English digit-consonant code: 0 s/z, 1 t/d, 2 n, 3 m, 4 r, 5 l, 6 j/sh/ch/soft g,
// 7 k/q/hard c/hard g, 8 f/v/ph, 9 p/b. Vowels and w, h, y carry nothing; a doubled letter
// counts once, the silent first letter of "kn" and "gn" not at all, and x sounds as "ks".
// The spelling rules of English sounds: "gh" is silent after a vowel when no vowel follows
// (night, high, though), a hard g before a vowel or at the start (ghost, spaghetti) and f in
// a few words (laugh, cough); "ch" is k before r (chrome) and in the Greek and Italian words
// of a small table (school, anchor, orchid, zucchini).
class EnglishConsonantCode {
public:
    // The digits of the word's consonants, in order ("sun" -> "02", "sumo" -> "03").
    static QString Code(const QString& word);
    // The consonants a digit stands for, as the search shows them ("S/Z").
    static QString Sounds(int digit);
};
