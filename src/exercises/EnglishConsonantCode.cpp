#include "EnglishConsonantCode.h"

#include <QSet>

#include <array>

namespace {

bool Silent(QChar c) {
    return QStringLiteral("aeiouwhy").contains(c);
}

bool Vowel(QChar c) {
    return QStringLiteral("aeiouy").contains(c);
}

// The digit of a letter that always sounds the same, or 0 when it has none.
char Simple(QChar c) {
    static const QString letters = QStringLiteral("sztdnmrljkqfvpb");
    static const char digits[] = "001123456778899";
    const qsizetype at = letters.indexOf(c);
    return at < 0 ? 0 : digits[at];
}

// Words, or parts of words, whose "ch" sounds as k though no r follows it; "^" matches at
// the start of a word only.
constexpr std::array HardCh = {
    "^ache",     "alchem",    "anarch",    "anchor",      "archaeo",   "archaic",   "archangel",
    "archipel",  "architect", "archive",   "backache",    "bronchi",   "chameleon", "chaos",
    "chaotic",   "character", "charisma",  "chasm",       "chemi",     "chemo",     "chimera",
    "chlor",     "choir",     "cholera",   "cholesterol", "choral",    "chord",     "chorus",
    "earache",   "echo",      "epoch",     "gnocchi",     "headache",  "mechani",   "monarch",
    "orchestra", "orchid",    "patriarch", "psych",       "scheme",    "schema",    "scholar",
    "school",    "schooner",  "stomach",   "techn",       "toothache", "zucchini"};
// Words whose "gh" sounds as f.
constexpr std::array GhAsF = {"^cough", "^enough", "^laugh", "^rough", "^tough", "^trough"};

// Where in the word the pair (ch or gh) of a table entry stands.
template <std::size_t N>
QSet<qsizetype> PairsIn(const QString& word, const std::array<const char*, N>& table,
                        QStringView pair) {
    QSet<qsizetype> at;
    for (const char* entry : table) {
        const QString text = QString::fromLatin1(entry);
        const bool atStart = text.startsWith(u'^');
        const QString part = atStart ? text.mid(1) : text;
        for (qsizetype from = word.indexOf(part); from >= 0 && (!atStart || from == 0);
             from = word.indexOf(part, from + 1))
            for (qsizetype p = part.indexOf(pair); p >= 0; p = part.indexOf(pair, p + 1))
                at.insert(from + p);
    }
    return at;
}

} // namespace

QString EnglishConsonantCode::Code(const QString& word) {
    QString w = word.toLower();
    if (w.startsWith(QLatin1String("kn")) || w.startsWith(QLatin1String("gn")))
        w.remove(0, 1);
    const QSet<qsizetype> hardCh = PairsIn(w, HardCh, u"ch");
    const QSet<qsizetype> ghAsF = PairsIn(w, GhAsF, u"gh");
    QString code;
    for (qsizetype i = 0; i < w.size();) {
        const QStringView rest = QStringView(w).mid(i);
        const QChar c = w[i];
        const QChar next = i + 1 < w.size() ? w[i + 1] : QChar();
        const QChar afterPair = i + 2 < w.size() ? w[i + 2] : QChar();
        const bool softened = QStringLiteral("eiy").contains(next);
        if (rest.startsWith(u"tch") || rest.startsWith(u"dge")) {
            code += u'6';
            i += rest.startsWith(u"tch") ? 3 : 2;
        } else if (rest.startsWith(u"ch")) {
            const bool hard = afterPair == u'r' || hardCh.contains(i);
            // A k after a c is one sound ("zucchini"), as a doubled letter is.
            if (!hard)
                code += u'6';
            else if (i == 0 || w[i - 1] != u'c')
                code += u'7';
            i += 2;
        } else if (rest.startsWith(u"gh")) {
            // After another g ("egghead") the pair's g is the doubled one.
            if (ghAsF.contains(i))
                code += u'8';
            else if ((i == 0 || Vowel(afterPair)) && (i == 0 || w[i - 1] != u'g'))
                code += u'7';
            i += 2;
        } else if (rest.startsWith(u"sh")) {
            code += u'6';
            i += 2;
        } else if (rest.startsWith(u"ck") || rest.startsWith(u"ph")) {
            code += rest.startsWith(u"ck") ? u'7' : u'8';
            i += 2;
        } else {
            // A doubled consonant is one sound.
            const bool doubled = i > 0 && c == w[i - 1] && !Silent(c);
            if (!doubled && !Silent(c)) {
                if (c == u'c')
                    code += softened ? u'0' : u'7';
                else if (c == u'g')
                    code += softened ? u'6' : u'7';
                else if (c == u'x')
                    code += QStringLiteral("70");
                else if (const char digit = Simple(c))
                    code += QLatin1Char(digit);
            }
            ++i;
        }
    }
    return code;
}

QString EnglishConsonantCode::Sounds(int digit) {
    static const std::array<const char*, 10> sounds = {"S/Z", "T/D",     "N",     "M",   "R",
                                                       "L",   "J/SH/CH", "K/G/C", "F/V", "P/B"};
    return digit >= 0 && digit < 10 ? QString::fromLatin1(sounds[digit]) : QString();
}
