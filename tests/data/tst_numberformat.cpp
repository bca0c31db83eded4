#include "data/Errors.h"
#include "data/NumberFormat.h"

#include <QTest>

class TestNumberFormat : public QObject {
    Q_OBJECT

private slots:
    void generalFormatDropsTrailingZeros_data();
    void generalFormatDropsTrailingZeros();
    void generalFormatHidesBinaryNoiseOfSums();
    void tenthsRoundToNearest_data();
    void tenthsRoundToNearest();
    void oneDecimalRoundsHalvesAwayFromZero();
    void resultParsingAcceptsPointNumbers_data();
    void resultParsingAcceptsPointNumbers();
    void resultParsingRejectsNonNumbers_data();
    void resultParsingRejectsNonNumbers();
    void integerParsing();
    void dateAndTimeFormats();
    void midnightLeavesOutTheTime();
    void shownDatesFollowTheLanguageAndLocale_data();
    void shownDatesFollowTheLanguageAndLocale();
};

void TestNumberFormat::generalFormatDropsTrailingZeros_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 30.0 << "30";
    QTest::newRow("tenth") << 23.4 << "23.4";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("large") << 9999.0 << "9999";
    QTest::newRow("small") << 0.5 << "0.5";
    QTest::newRow("fifteen digits") << 123456.789012345 << "123456.789012345";
}

void TestNumberFormat::generalFormatDropsTrailingZeros() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatGeneral(value), text);
}

void TestNumberFormat::generalFormatHidesBinaryNoiseOfSums() {
    QCOMPARE(FormatGeneral(23.4 + 15), QStringLiteral("38.4"));
    QCOMPARE(FormatGeneral(0.1 + 0.2), QStringLiteral("0.3"));
    QCOMPARE(FormatGeneral(37.4 + 30), QStringLiteral("67.4"));
    QCOMPARE(FormatGeneral(ParseResult("12.3") + 45), QStringLiteral("57.3"));
}

void TestNumberFormat::tenthsRoundToNearest_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0.0";
    QTest::newRow("down") << qint64(12340) << "12.3";
    QTest::newRow("up") << qint64(12360) << "12.4";
    QTest::newRow("half") << qint64(12350) << "12.4";
    QTest::newRow("below half") << qint64(12349) << "12.3";
    QTest::newRow("carry") << qint64(9960) << "10.0";
    QTest::newRow("under a second") << qint64(49) << "0.0";
    QTest::newRow("long run") << qint64(3600000) << "3600.0";
}

void TestNumberFormat::tenthsRoundToNearest() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(FormatTenths(ms), text);
}

void TestNumberFormat::oneDecimalRoundsHalvesAwayFromZero() {
    QCOMPARE(FormatOneDecimal(117.1), QStringLiteral("117.1"));
    QCOMPARE(FormatOneDecimal(23.42), QStringLiteral("23.4"));
    QCOMPARE(FormatOneDecimal(2.25), QStringLiteral("2.3"));
    QCOMPARE(FormatOneDecimal(-2.25), QStringLiteral("-2.3"));
    QCOMPARE(FormatOneDecimal(30), QStringLiteral("30.0"));
}

void TestNumberFormat::resultParsingAcceptsPointNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("tenth") << "23.4" << 23.4;
    QTest::newRow("whole") << "30" << 30.0;
    QTest::newRow("blanks") << "  7.5 " << 7.5;
    QTest::newRow("sign") << "-1.5" << -1.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("exponent") << "1E3" << 1000.0;
    QTest::newRow("clock set back") << "9999" << 9999.0;
}

void TestNumberFormat::resultParsingAcceptsPointNumbers() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ParseResult(text), value);
}

void TestNumberFormat::resultParsingRejectsNonNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("comma separator") << "23,4";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("trailing garbage") << "12.3s";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("overflow") << "1e999";
}

void TestNumberFormat::resultParsingRejectsNonNumbers() {
    QFETCH(QString, text);
    try {
        ParseResult(text);
        QFAIL("no conversion error");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

void TestNumberFormat::integerParsing() {
    QCOMPARE(ParseInteger("120"), 120);
    QCOMPARE(ParseInteger(" -7 "), -7);
    QCOMPARE(ParseInteger("2147483647"), 2147483647);
    QVERIFY(!TryParseInteger("40.5"));
    QVERIFY(!TryParseInteger("2147483648"));
    QVERIFY(!TryParseInteger(""));
    QVERIFY(!TryParseInteger("1 2"));
    try {
        ParseInteger("x9");
        QFAIL("no conversion error");
    } catch (const OxelError& e) {
        QCOMPARE(e.text(), QStringLiteral("'x9' is not a valid integer value"));
    }
}

void TestNumberFormat::dateAndTimeFormats() {
    QCOMPARE(FormatDate(QDate(2024, 3, 7)), QStringLiteral("07.03.2024"));
    QCOMPARE(FormatTime(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
    QCOMPARE(FormatDateTime(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58))),
             QStringLiteral("31.12.2024 23:59:58"));
}

void TestNumberFormat::midnightLeavesOutTheTime() {
    QCOMPARE(FormatDateTime(QDateTime(QDate(2024, 1, 2), QTime(0, 0))),
             QStringLiteral("02.01.2024"));
    QCOMPARE(FormatDateTime(QDateTime(QDate(2024, 1, 2), QTime(0, 0, 1))),
             QStringLiteral("02.01.2024 00:00:01"));
}

// The stored texts stay dd.MM.yyyy; only the English interface shows the locale's dates.
void TestNumberFormat::shownDatesFollowTheLanguageAndLocale_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("axis");
    QTest::newRow("british moment") << 1 << "en_GB" << "31.12.2024 23:59:58" << "31/12/2024 23:59"
                                    << "dd/MM/yyyy";
    QTest::newRow("german date") << 1 << "de_DE" << "07.03.2024" << "07.03.24" << "dd.MM.yy";
    QTest::newRow("russian keeps the text") << 2 << "en_GB" << "31.12.2024 23:59:58"
                                            << "31.12.2024 23:59:58" << "dd.MM.yy";
    QTest::newRow("damaged time") << 1 << "en_GB" << "31.12.2024 25:00:00"
                                  << "31.12.2024 25:00:00" << "dd/MM/yyyy";
}

void TestNumberFormat::shownDatesFollowTheLanguageAndLocale() {
    QFETCH(int, language);
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, axis);
    QCOMPARE(ShownDate(stored, language, QLocale(locale)), shown);
    QCOMPARE(ShownDateFormat(language, QLocale(locale)), axis);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
