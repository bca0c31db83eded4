#include "TestSupport.h"
#include "data/Errors.h"
#include "data/Text1251.h"
#include "exercises/ConsonantSearch.h"

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

    void searchReadsTheRussianListOfTheFolder() {
        ProgramFolder folder(false);
        QDir().mkpath(folder.file("dic"));
        SaveLinesFile(folder.file("dic/rus.dic"), {"щенок", "кот", "чемодан"});
        SaveLinesFile(folder.file("dic/eng.dic"), {"chain", "machine"});
        const auto r = ConsonantSearch::Jordano(QStringLiteral("40"), folder.path());
        QCOMPARE(r.found, QStringList({"чемодан", "щенок"}));
        QFile::remove(folder.file("dic/rus.dic"));
        QVERIFY_THROWS_EXCEPTION(OxelError, ConsonantSearch::Jordano("40", folder.path()));
    }
};

QTEST_GUILESS_MAIN(TestConsonantSearch)
#include "tst_consonantsearch.moc"
