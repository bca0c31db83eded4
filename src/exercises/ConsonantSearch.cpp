#include "ConsonantSearch.h"

#include "EnglishConsonantCode.h"
#include "data/Dictionaries.h"
#include "data/Text1251.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

const std::array<QString, 10>& ConsonantSearch::ConsonantTable() {
    static const std::array<QString, 10> table = {
        QStringLiteral("НМ"), QStringLiteral("ГЖ"), QStringLiteral("ДТ"), QStringLiteral("КХ"),
        QStringLiteral("ЧЩ"), QStringLiteral("ПБ"), QStringLiteral("ШЛ"), QStringLiteral("СЗ"),
        QStringLiteral("ВФ"), QStringLiteral("РЦ")};
    return table;
}

const QString& ConsonantSearch::VowelSet() {
    static const QString vowels = QStringLiteral("ЙУЕЪЫАОЭЯИЬЮ");
    return vowels;
}

QChar ConsonantSearch::Upper1251(QChar c) {
    // Every lower-case letter of the code page is Latin or Cyrillic, and so is its upper-case
    // form; anything else (the micro sign, whose Unicode capital the code page lacks) stays.
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0x400 && u < 0x500))
        return c.toUpper();
    return c;
}

bool ConsonantSearch::IsCode(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 3)
        return false;
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool ConsonantSearch::Matches(const QString& word, const QString& digits) {
    if (!IsCode(digits))
        return false;
    const QString& vowels = VowelSet();
    qsizetype next = 0; // index of the digit the next consonant must encode
    for (const QChar c : word) {
        const QChar upper = Upper1251(c);
        if (vowels.contains(upper))
            continue;
        const QString& pair = ConsonantTable()[digits[next].unicode() - u'0'];
        if (!pair.contains(upper))
            return false;
        if (++next == digits.size())
            return true;
    }
    return false; // fewer consonants than digits
}

bool ConsonantSearch::MatchesEnglish(const QString& word, const QString& digits) {
    return IsCode(digits) && EnglishConsonantCode::Code(word).startsWith(digits);
}

ConsonantSearch::Result ConsonantSearch::Jordano(const QString& digits, const QStringList& words,
                                                 int language) {
    Result result;
    result.letters = digits;
    if (!IsCode(digits))
        return result;
    const bool english = language == 1;
    QStringList pairs;
    for (const QChar d : digits) {
        const int digit = d.unicode() - u'0';
        pairs << (english ? EnglishConsonantCode::Sounds(digit) : ConsonantTable()[digit]);
    }
    result.letters += QStringLiteral(" = ") + pairs.join(QStringLiteral(" + "));
    for (const QString& word : words)
        if (english ? MatchesEnglish(word, digits) : Matches(word, digits))
            result.found << word;
    // A sorted list box orders its items alphabetically, without regard to case.
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        result.found.begin(), result.found.end(),
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return result;
}

ConsonantSearch::Result ConsonantSearch::Jordano(const QString& digits, const QString& programDir,
                                                 int language) {
    if (!IsCode(digits))
        return Jordano(digits, QStringList(), language);
    return Jordano(digits, LoadLinesFile(Dictionaries(programDir).WordListPath(language)),
                   language);
}
