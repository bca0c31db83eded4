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
                                     targetColours;
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
                                     targetColours;
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
};

QTEST_GUILESS_MAIN(TestExerciseTable)
#include "tst_exercisetable.moc"
