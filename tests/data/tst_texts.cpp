#include "data/Texts.h"

#include <QRegularExpression>
#include <QTest>

class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void everyPairIsCompleteInBothLanguages();
    void applicationTitleFollowsTheLanguage();
};

// Both elements are filled, the English one holds no Cyrillic left over, and both take the
// same arguments, so a message never loses a file name in one language.
void TestTexts::everyPairIsCompleteInBothLanguages() {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const char* arg : {"%1", "%2", "%3"})
            found << QString::number(text.count(arg) > 0);
        return found;
    };
    for (int i = 0; i < static_cast<int>(Tx::Count_); ++i) {
        const QString en = T(static_cast<Tx>(i), 1);
        const QString ru = T(static_cast<Tx>(i), 2);
        const QByteArray which = QByteArray::number(i) + ": " + ru.toUtf8();
        QVERIFY2(!en.trimmed().isEmpty(), which);
        QVERIFY2(!ru.trimmed().isEmpty(), which);
        QVERIFY2(!en.contains(cyrillic), which);
        QVERIFY2(placeholders(en) == placeholders(ru), which);
    }
}

// The Russian interface keeps its bracketed title; the English one names the program plainly.
void TestTexts::applicationTitleFollowsTheLanguage() {
    QCOMPARE(ApplicationTitle(1), QStringLiteral("Oxelium"));
    QCOMPARE(ApplicationTitle(2), QStringLiteral("<Oxelium>"));
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
