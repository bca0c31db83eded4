#include "TestSupport.h"
#include "data/Errors.h"
#include "data/Text1251.h"
#include "exercises/ConsonantSearch.h"
#include "exercises/EnglishConsonantCode.h"

#include <QCollator>
#include <QtTest>

namespace {

// The rule written out once more, independently: drop the vowels, compare in capitals.
bool EncodesByRule(const QString& word, const QString& digits) {
    static const QString pairs[] = {"НМ", "ГЖ", "ДТ", "КХ", "ЧЩ", "ПБ", "ШЛ", "СЗ", "ВФ", "РЦ"};
    QString skeleton;
    for (QChar c : word.toUpper())
        if (!QStringLiteral("ЙУЕЪЫАОЭЯИЬЮ").contains(c))
            skeleton += c;
    if (skeleton.size() < digits.size())
        return false;
    for (int i = 0; i < digits.size(); ++i)
        if (!pairs[digits[i].digitValue()].contains(skeleton[i]))
            return false;
    return true;
}

QStringList SortedIgnoringCase(QStringList words) {
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(words.begin(), words.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return words;
}

QStringList DeliveredWords() {
    return LoadLinesFile(QStringLiteral(OXEL_PROGRAMFILES_DIR "/dic/rus.dic"));
}

} // namespace

class TestConsonantSearch : public QObject {
    Q_OBJECT

private slots:
    // Every number over the delivered list against the rule written out in this test; 40
    // with its top line "40 = ЧЩ + НМ".
    void deliveredListFollowsTheRule() {
        const QStringList words = DeliveredWords();
        int numbersWithWords = 0;
        for (int n = 0; n < 100; ++n) {
            const QString digits = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            QStringList expected;
            for (const QString& w : words)
                if (EncodesByRule(w, digits))
                    expected << w;
            numbersWithWords += expected.isEmpty() ? 0 : 1;
            const auto result = ConsonantSearch::Jordano(digits, words);
            QCOMPARE(result.found, SortedIgnoringCase(expected));
            if (n == 40) {
                QCOMPARE(result.letters, QStringLiteral("40 = ЧЩ + НМ"));
                QVERIFY(result.found.contains(QStringLiteral("чемодан")));
            }
        }
        QVERIFY(numbersWithWords > 50);
    }

    void caseVowelsAndShortSkeletons() {
        QVERIFY(ConsonantSearch::Matches("ЧАЙНИК", "40"));
        QVERIFY(ConsonantSearch::Matches("щемить", "40"));
        QVERIFY(!ConsonantSearch::Matches("чай", "40"));  // one consonant only
        QVERIFY(!ConsonantSearch::Matches("аиуея", "4")); // vowels only
        QVERIFY(!ConsonantSearch::Matches(QString(), "4"));
        QVERIFY(!ConsonantSearch::Matches("ночь", "40")); // order counts
        QVERIFY(ConsonantSearch::Matches("ночь", "04"));
        // Ё is no vowel of the set, and no consonant of any digit.
        QCOMPARE(ConsonantSearch::Upper1251(QChar(u'ё')), QChar(u'Ё'));
        QVERIFY(!ConsonantSearch::Matches("щёки", "43"));
        QVERIFY(!ConsonantSearch::Matches("ёж", "1"));
        // The code page has no capital of the micro sign: it stays as it is.
        QCOMPARE(ConsonantSearch::Upper1251(QChar(0xB5)), QChar(0xB5));
    }

    void oneAndThreeDigitsAndTextsThatAreNoNumber() {
        const QStringList words = {"щука", "Чан", "арбуз", "чемпион", "Щёголь", "ЧуМаП"};
        auto r = ConsonantSearch::Jordano("4", words);
        QCOMPARE(r.letters, QStringLiteral("4 = ЧЩ"));
        QCOMPARE(r.found, QStringList({"Чан", "чемпион", "ЧуМаП", "Щёголь", "щука"}));
        r = ConsonantSearch::Jordano("405", words);
        QCOMPARE(r.letters, QStringLiteral("405 = ЧЩ + НМ + ПБ"));
        QCOMPARE(r.found, QStringList({"чемпион", "ЧуМаП"}));
        for (const QString& text : {QString(), QStringLiteral("4a"), QStringLiteral("1234")}) {
            r = ConsonantSearch::Jordano(text, words);
            QCOMPARE(r.letters, text);
            QVERIFY(r.found.isEmpty());
        }
    }

    void searchReadsTheListOfTheLanguage() {
        ProgramFolder folder(false);
        QDir().mkpath(folder.file("dic"));
        SaveLinesFile(folder.file("dic/rus.dic"), {"щенок", "кот", "чемодан"});
        SaveLinesFile(folder.file("dic/eng.dic"), {"rose", "chain", "razor", "machine"});
        auto r = ConsonantSearch::Jordano(QStringLiteral("40"), folder.path(), 2);
        QCOMPARE(r.found, QStringList({"чемодан", "щенок"}));
        r = ConsonantSearch::Jordano(QStringLiteral("40"), folder.path(), 1);
        QCOMPARE(r.letters, QStringLiteral("40 = R + S/Z"));
        QCOMPARE(r.found, QStringList({"razor", "rose"}));
        QFile::remove(folder.file("dic/rus.dic"));
        QVERIFY_THROWS_EXCEPTION(OxelError, ConsonantSearch::Jordano("40", folder.path(), 2));
    }

    // The code the English number list is written in: every line of it encodes its own
    // number, and the spellings of one sound give one digit.
    void englishCode() {
        const QStringList numbers =
            LoadLinesFile(QStringLiteral(OXEL_PROGRAMFILES_DIR "/dic/enum.dic"));
        QCOMPARE(numbers.size(), 100);
        for (int n = 0; n < 100; ++n)
            QCOMPARE(EnglishConsonantCode::Code(numbers[n]),
                     QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
        for (const char* coded :
             {"Knot 21", "gnome 23", "cheese 60", "match 36", "judge 66", "city 01", "cat 71",
              "gem 63", "back 97", "phone 82", "butter 914", "box 970", "queen 72", "why "}) {
            const QStringList pair = QString::fromLatin1(coded).split(u' ');
            QCOMPARE(EnglishConsonantCode::Code(pair[0]), pair[1]);
        }
        const QStringList words =
            LoadLinesFile(QStringLiteral(OXEL_PROGRAMFILES_DIR "/dic/eng.dic"));
        const auto sun = ConsonantSearch::Jordano("02", words, 1);
        QCOMPARE(sun.letters, QStringLiteral("02 = S/Z + N"));
        QVERIFY(sun.found.contains(QStringLiteral("sun")));
        QVERIFY(!sun.found.contains(QStringLiteral("sumo")));
        const auto sumo = ConsonantSearch::Jordano("03", words, 1);
        QCOMPARE(sumo.letters, QStringLiteral("03 = S/Z + M"));
        QVERIFY(sumo.found.contains(QStringLiteral("sumo")));
        QVERIFY(!sumo.found.contains(QStringLiteral("sun")));
    }

    // The spelling rules of English sounds: a silent gh, gh as g and as f, ch as k before r and
    // in the Greek and Italian words of the table, and the sh sound of ch everywhere else.
    void englishSpellingRules_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("code");
        for (const char* coded :
             {"knight 21",    "highway ",      "flashlight 85651", "nightingale 21275",
              "doughnut 121", "though 1",      "ghost 701",        "spaghetti 0971",
              "dinghy 127",   "egghead 71",    "laugh 58",         "cough 78",
              "through 14",   "school 075",    "anchor 274",       "orchid 471",
              "chrome 743",   "stomach 0137",  "headache 17",      "zucchini 072",
              "chain 62",     "mustache 3016", "cache 76",         "chef 68"}) {
            const QStringList pair = QString::fromLatin1(coded).split(u' ');
            QTest::newRow(coded) << pair[0] << pair[1];
        }
    }

    void englishSpellingRules() {
        QFETCH(QString, word);
        QFETCH(QString, code);
        QCOMPARE(EnglishConsonantCode::Code(word), code);
    }
};

QTEST_GUILESS_MAIN(TestConsonantSearch)
#include "tst_consonantsearch.moc"
