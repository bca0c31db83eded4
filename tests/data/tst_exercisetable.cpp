#include "data/ExerciseInfo.h"

#include <QTest>

Q_DECLARE_METATYPE(EntryOrder)

class TestExerciseTable : public QObject {
    Q_OBJECT

private slots:
    // The entry names derived from the table, in the order oxel.ini is written and read.
    void lookEntriesKeepTheirNamesAndOrder_data() {
        QTest::addColumn<EntryOrder>("order");
        QTest::addColumn<QStringList>("expected");
        QStringList targetColours;
        for (int i = 1; i <= 10; ++i)
            targetColours << QStringLiteral("TargetColor%1").arg(i);
        QTest::newRow("save") << EntryOrder::Save
                              << QStringList{"DwordsBGColor",      "DwordsGridColor",
                                             "DwordsFont1",        "DwordsFont2",
                                             "MathBGColor",        "MathGridColor",
                                             "MathFont1",          "MathFont2",
                                             "RBShulteFont1",      "RBShulteFont2",
                                             "ShulteBGColor",      "ShulteGridColor",
                                             "ShulteGPColor",      "ShulteFont1",
                                             "ShulteFont2",        "MnemoBGColor",
                                             "MnemoFont1",         "MnemoFont2",
                                             "ProbeBGColor",       "ProbeFont1",
                                             "ProbeFont2",         "NumbersBGColor",
                                             "NumbersGridColor",   "NumbersShowHints",
                                             "NumbersShowJordano", "NumbersFont1",
                                             "NumbersFont2",       "TargetBGColor"} +
                                     targetColours +
                                     QStringList{"NBackBGColor", "NBackGridColor", "NBackGPColor",
                                                 "NBackFont1"};
        // Read names compare without regard to case: "RbShulteFont1" finds "RBShulteFont1".
        QTest::newRow("load") << EntryOrder::Load
                              << QStringList{"ShulteBGColor",      "ShulteGridColor",
                                             "ShulteGPColor",      "ShulteFont1",
                                             "ShulteFont2",        "RBShulteFont1",
                                             "RBShulteFont2",      "MnemoBGColor",
                                             "MnemoFont1",         "MnemoFont2",
                                             "ProbeBGColor",       "ProbeFont1",
                                             "ProbeFont2",         "MathBGColor",
                                             "MathGridColor",      "MathFont1",
                                             "MathFont2",          "DwordsBGColor",
                                             "DwordsGridColor",    "DwordsFont1",
                                             "DwordsFont2",        "NumbersBGColor",
                                             "NumbersGridColor",   "NumbersShowHints",
                                             "NumbersShowJordano", "NumbersFont1",
                                             "NumbersFont2",       "TargetBGColor"} +
                                     targetColours +
                                     QStringList{"NBackBGColor", "NBackGridColor", "NBackGPColor",
                                                 "NBackFont1"};
    }

    void lookEntriesKeepTheirNamesAndOrder() {
        QFETCH(EntryOrder, order);
        QFETCH(QStringList, expected);
        QStringList names;
        for (const LookEntry& entry : LookEntries(order)) {
            names << entry.name;
            // Each name belongs to its exercise and to the part it names.
            QVERIFY(entry.name.startsWith(QLatin1String(Exercise(entry.exercise).prefix)));
            QVERIFY(Exercise(entry.exercise).look.stored.Has(entry.part));
        }
        QCOMPARE(names, expected);
    }

    // The mode button's texts, exercise by exercise in list order, each mode in table order.
    void modeTextsInListOrder() {
        const QStringList expected[ExerciseCount] = {
            {"5x5", "6x6", "7x7", "8x8", "9x9"},         // Schulte
            {"5x5", "7x7", "9x9"},                       // red-black Schulte
            {"[поле]", "[ряд]", "[круг]", "[джокер]"},   // targets
            {"2", "3"},                                  // word pairs
            {"10", "20", "30"},                          // word mnemonics
            {"10", "20", "30", "40", "50"},              // number mnemonics
            {"3x3", "6x6", "9x9"},                       // counter
            {"[буквы]", "[цифры]"},                      // proofreading
            {"1-назад", "2-назад", "3-назад", "4-назад", "5-назад"}, // dual n-back
        };
        for (int position = 0; position < ExerciseCount; ++position) {
            const ExerciseInfo& e = ExerciseAtListPosition(position);
            QCOMPARE(e.listPosition, position);
            QStringList texts;
            for (int mode : e.modes)
                texts << e.modeText(mode);
            QCOMPARE(texts, expected[position]);
        }
    }
};

QTEST_GUILESS_MAIN(TestExerciseTable)
#include "tst_exercisetable.moc"
