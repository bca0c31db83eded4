// The files delivered beside the program: word, number and heading lists and the ladder.
// They are read from the source tree (never written) through the program's own readers.

#include "data/ExerciseInfo.h"
#include "data/LessonsIni.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QMap>
#include <QPair>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString Delivered(const QString& relative) {
    return QStringLiteral(OXEL_PROGRAMFILES_DIR "/") + relative;
}

QStringList LoadDelivered(const QString& relative) {
    return LoadLinesFile(Delivered(relative));
}

// Consonant code of the number search: digit -> its two consonants.
const QString ConsonantPairs[10] = {
    QStringLiteral("НМ"), QStringLiteral("ГЖ"), QStringLiteral("ДТ"), QStringLiteral("КХ"),
    QStringLiteral("ЧЩ"), QStringLiteral("ПБ"), QStringLiteral("ШЛ"), QStringLiteral("СЗ"),
    QStringLiteral("ВФ"), QStringLiteral("РЦ"),
};
const QString Vowels = QStringLiteral("ЙУЕЪЫАОЭЯИЬЮ");

QString Skeleton(const QString& word) {
    QString skeleton;
    for (QChar c : word.toUpper())
        if (!Vowels.contains(c))
            skeleton += c;
    return skeleton;
}

int ConsonantDigit(QChar letter) {
    for (int d = 0; d < 10; ++d)
        if (ConsonantPairs[d].contains(letter))
            return d;
    return -1;
}

// The two-digit number the first two consonants of a word stand for, or -1.
int ConsonantNumber(const QString& word) {
    const QString skeleton = Skeleton(word);
    if (skeleton.size() < 2)
        return -1;
    const int first = ConsonantDigit(skeleton[0]);
    const int second = ConsonantDigit(skeleton[1]);
    return first < 0 || second < 0 ? -1 : 10 * first + second;
}

// Digits of an English word by the sound code of the English number list: s z 0, t d 1,
// n 2, m 3, r 4, l 5, j sh ch tch dge and g before e/i/y 6, k ck q and other c, g 7,
// f v ph 8, p b 9, c before e/i/y 0; vowels, w, h, y silent, as are k and g before an
// initial n; a doubled letter is one sound. "?" marks a letter the code has no rule for.
QString SoundCode(const QString& word) {
    QString w = word.toLower();
    if (w.startsWith(QLatin1String("kn")) || w.startsWith(QLatin1String("gn")))
        w.remove(0, 1);
    static const QString silent = QStringLiteral("aeiouwhy");
    static const QString softening = QStringLiteral("eiy");
    static const QString letters = QStringLiteral("sztdnmrljkqfvpb");
    static const QString digits = QStringLiteral("001123456778899");
    QString code;
    for (qsizetype i = 0; i < w.size(); ++i) {
        const QChar c = w[i];
        const QChar next = i + 1 < w.size() ? w[i + 1] : QChar();
        const QStringView rest = QStringView(w).mid(i);
        if (rest.startsWith(u"tch")) {
            code += u'6';
            i += 2;
        } else if (rest.startsWith(u"dge") || rest.startsWith(u"sh") || rest.startsWith(u"ch")) {
            code += u'6';
            i += 1;
        } else if (rest.startsWith(u"ck")) {
            code += u'7';
            i += 1;
        } else if (rest.startsWith(u"ph")) {
            code += u'8';
            i += 1;
        } else if ((i > 0 && c == w[i - 1]) || silent.contains(c)) {
            continue;
        } else if (c == u'c') {
            code += softening.contains(next) ? u'0' : u'7';
        } else if (c == u'g') {
            code += softening.contains(next) ? u'6' : u'7';
        } else {
            const qsizetype k = letters.indexOf(c);
            code += k < 0 ? QChar(u'?') : digits[k];
        }
    }
    return code;
}

QString TwoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

class TestProgramFiles : public QObject {
    Q_OBJECT

private slots:
    void soundCodeReadsDigraphsDoubleAndSilentLetters();
    void consonantNumberUsesTheFirstTwoConsonants();
    void deliveredFilesAreWindows1251WithCrLf_data();
    void deliveredFilesAreWindows1251WithCrLf();
    void wordListsHoldAThousandDistinctLowerCaseWords_data();
    void wordListsHoldAThousandDistinctLowerCaseWords();
    void everyNumberHasARussianWord();
    void russianNumberListFollowsTheConsonantCode();
    void englishNumberListFollowsTheSoundCode();
    void headingListsHoldAHeadingPerExercise_data();
    void headingListsHoldAHeadingPerExercise();
    void ladderHasTenStartableLessonsOverAllExercises();
    void ladderLimitsNeverLoosenForTheSameRun();
    void everyDeliveredListIsAKnownVersion();
};

void TestProgramFiles::soundCodeReadsDigraphsDoubleAndSilentLetters() {
    QCOMPARE(SoundCode(QStringLiteral("cage")), QStringLiteral("76"));
    QCOMPARE(SoundCode(QStringLiteral("sauce")), QStringLiteral("00"));
    QCOMPARE(SoundCode(QStringLiteral("knife")), QStringLiteral("28"));
    QCOMPARE(SoundCode(QStringLiteral("gnome")), QStringLiteral("23"));
    QCOMPARE(SoundCode(QStringLiteral("match")), QStringLiteral("36"));
    QCOMPARE(SoundCode(QStringLiteral("judge")), QStringLiteral("66"));
    QCOMPARE(SoundCode(QStringLiteral("jockey")), QStringLiteral("67"));
    QCOMPARE(SoundCode(QStringLiteral("bell")), QStringLiteral("95"));
    QCOMPARE(SoundCode(QStringLiteral("mummy")), QStringLiteral("33"));
    QCOMPARE(SoundCode(QStringLiteral("phone")), QStringLiteral("82"));
    QCOMPARE(SoundCode(QStringLiteral("box")), QStringLiteral("9?"));
}

void TestProgramFiles::consonantNumberUsesTheFirstTwoConsonants() {
    QCOMPARE(Skeleton(QStringLiteral("чемодан")), QStringLiteral("ЧМДН"));
    QCOMPARE(ConsonantNumber(QStringLiteral("чемодан")), 40);
    QCOMPARE(ConsonantNumber(QStringLiteral("Дуб")), 25);
    QCOMPARE(ConsonantNumber(QStringLiteral("утка")), 23);
    QCOMPARE(ConsonantNumber(QStringLiteral("еж")), -1);
    QCOMPARE(ConsonantNumber(QStringLiteral("аэя")), -1);
}

void TestProgramFiles::deliveredFilesAreWindows1251WithCrLf_data() {
    QTest::addColumn<QString>("file");
    for (const char* name : {"dic/rus.dic", "dic/eng.dic", "dic/rnum.dic", "dic/enum.dic",
                             "dic/rgipno.dic", "dic/egipno.dic", "lessons.ini"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestProgramFiles::deliveredFilesAreWindows1251WithCrLf() {
    QFETCH(QString, file);
    const QByteArray bytes = LoadFileBytes(Delivered(file));
    QVERIFY(bytes.size() > 2);
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "byte-order mark");
    QVERIFY2(bytes.endsWith("\r\n"), "the last line has no CR LF");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const QByteArray where = QByteArray::number(i);
        if (byte == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "bare CR at " + where);
        else if (byte == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', "bare LF at " + where);
        else
            QVERIFY2(byte >= 0x20 && byte != 0x98, "byte outside the code page text at " + where);
    }
    const QString text = DecodeText(bytes);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QCOMPARE(EncodeText(text), bytes);
}

void TestProgramFiles::wordListsHoldAThousandDistinctLowerCaseWords_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("rus") << QStringLiteral("dic/rus.dic") << QStringLiteral("[а-я]+(-[а-я]+)?");
    QTest::newRow("eng") << QStringLiteral("dic/eng.dic") << QStringLiteral("[a-z]+(-[a-z]+)?");
}

void TestProgramFiles::wordListsHoldAThousandDistinctLowerCaseWords() {
    QFETCH(QString, file);
    QFETCH(QString, pattern);
    const QStringList words = LoadDelivered(file);
    const QRegularExpression word(QRegularExpression::anchoredPattern(pattern));
    QSet<QString> seen;
    for (const QString& w : words) {
        QVERIFY2(word.match(w).hasMatch(), qPrintable("not a lower-case word: '" + w + "'"));
        QVERIFY2(!seen.contains(w), qPrintable("listed twice: " + w));
        seen.insert(w);
    }
    QVERIFY2(seen.size() >= 1000, qPrintable(QString::number(seen.size()) + " words"));
}

void TestProgramFiles::everyNumberHasARussianWord() {
    QList<int> count(100, 0);
    for (const QString& w : LoadDelivered(QStringLiteral("dic/rus.dic"))) {
        const int n = ConsonantNumber(w);
        if (n >= 0)
            ++count[n];
    }
    for (int n = 0; n < 100; ++n)
        QVERIFY2(count[n] > 0, qPrintable("no word for " + TwoDigits(n)));
}

void TestProgramFiles::russianNumberListFollowsTheConsonantCode() {
    const QStringList numbers = LoadDelivered(QStringLiteral("dic/rnum.dic"));
    const QStringList words = LoadDelivered(QStringLiteral("dic/rus.dic"));
    QCOMPARE(numbers.size(), 100);
    for (int n = 0; n < 100; ++n) {
        const QString& w = numbers[n];
        QVERIFY2(ConsonantNumber(w) == n, qPrintable(TwoDigits(n) + " has " + w));
        QVERIFY2(words.contains(w), qPrintable(w + " is not in the word list"));
    }
}

void TestProgramFiles::englishNumberListFollowsTheSoundCode() {
    const QStringList numbers = LoadDelivered(QStringLiteral("dic/enum.dic"));
    const QStringList words = LoadDelivered(QStringLiteral("dic/eng.dic"));
    QCOMPARE(numbers.size(), 100);
    for (int n = 0; n < 100; ++n) {
        const QString& w = numbers[n];
        QVERIFY2(SoundCode(w) == TwoDigits(n),
                 qPrintable(TwoDigits(n) + " has " + w + " = " + SoundCode(w)));
        QVERIFY2(words.contains(w), qPrintable(w + " is not in the word list"));
    }
}

void TestProgramFiles::headingListsHoldAHeadingPerExercise_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("rus") << QStringLiteral("dic/rgipno.dic");
    QTest::newRow("eng") << QStringLiteral("dic/egipno.dic");
}

void TestProgramFiles::headingListsHoldAHeadingPerExercise() {
    QFETCH(QString, file);
    const QStringList headings = LoadDelivered(file);
    QCOMPARE(headings.size(), ExerciseCount);
    for (const QString& h : headings)
        QVERIFY(!h.trimmed().isEmpty());
}

void TestProgramFiles::ladderHasTenStartableLessonsOverAllExercises() {
    const QList<Lesson> lessons = LessonsIni::Load(Delivered(QStringLiteral("lessons.ini")));
    QCOMPARE(lessons.size(), 10);
    QSet<int> trained;
    for (const Lesson& lesson : lessons) {
        const QByteArray which = "lesson " + QByteArray::number(lesson.number);
        QVERIFY2(lesson.Startable(), which);
        QVERIFY2(lesson.steps.size() >= 2 && lesson.steps.size() <= 6, which);
        QVERIFY2(!lesson.name.isEmpty() && lesson.name != T(Tx::LessonMissingText), which);
        QVERIFY2(lesson.name.size() <= 24, which + " has a name too long for the list");
        QVERIFY2(!lesson.opis.isEmpty() && lesson.opis != T(Tx::LessonMissingText), which);
        for (const LadderStep& step : lesson.steps) {
            QVERIFY2(step.limit > 0, which);
            QVERIFY2(!step.text.isEmpty(), which);
            trained.insert(step.exercisePosition);
        }
    }
    // Every exercise the lessons were written for; the dual n-back came after them.
    QCOMPARE(trained.size(), 8);
}

void TestProgramFiles::ladderLimitsNeverLoosenForTheSameRun() {
    const QList<Lesson> lessons = LessonsIni::Load(Delivered(QStringLiteral("lessons.ini")));
    QVERIFY(!lessons.isEmpty());
    QMap<QPair<int, int>, int> lastLimit; // (exercise position, mode) -> limit so far
    for (const Lesson& lesson : lessons) {
        for (const LadderStep& step : lesson.steps) {
            const QPair<int, int> run(step.exercisePosition, step.mode);
            const bool score =
                ExerciseAtListPosition(step.exercisePosition).result == ResultKind::Score;
            if (lastLimit.contains(run)) {
                const int before = lastLimit.value(run);
                QVERIFY2(
                    score ? step.limit >= before : step.limit <= before,
                    qPrintable(QStringLiteral("lesson %1: %2").arg(lesson.number).arg(step.text)));
            }
            lastLimit.insert(run, step.limit);
        }
    }
}

// Every list delivered today is a recorded version, so that the move of earlier data does not
// take it for the user's own. Record with: python3 tools/make_programfiles.py --record
void TestProgramFiles::everyDeliveredListIsAKnownVersion() {
    const QByteArray recorded = LoadFileBytes(Delivered("dic/delivered.sha256"));
    for (const QString& list : QDir(Delivered("dic")).entryList({"*.dic"})) {
        const QByteArray bytes = LoadFileBytes(Delivered("dic/" + list));
        const QByteArray sum = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        QVERIFY2(recorded.contains(sum.toHex() + "  " + list.toLatin1() + '\n'), qPrintable(list));
    }
}

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
