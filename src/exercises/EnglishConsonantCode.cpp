#include "EnglishConsonantCode.h"

#include <array>

namespace {

bool Silent(QChar c) {
    return QStringLiteral("aeiouwhy").contains(c);
}

// The digit of a letter that always sounds the same, or 0 when it has none.
char Simple(QChar c) {
    static const QString letters = QStringLiteral("sztdnmrljkqfvpb");
    static const char digits[] = "001123456778899";
    const qsizetype at = letters.indexOf(c);
    return at < 0 ? 0 : digits[at];
}

} // namespace

QString EnglishConsonantCode::Code(const QString& word) {
    QString w = word.toLower();
    if (w.startsWith(QLatin1String("kn")) || w.startsWith(QLatin1String("gn")))
        w.remove(0, 1);
    QString code;
    for (qsizetype i = 0; i < w.size();) {
        const QStringView rest = QStringView(w).mid(i);
        const QChar c = w[i];
        const QChar next = i + 1 < w.size() ? w[i + 1] : QChar();
        const bool softened = QStringLiteral("eiy").contains(next);
        if (rest.startsWith(u"tch") || rest.startsWith(u"dge")) {
            code += u'6';
            i += rest.startsWith(u"tch") ? 3 : 2;
        } else if (rest.startsWith(u"sh") || rest.startsWith(u"ch")) {
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
