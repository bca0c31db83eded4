#include "data/Random.h"
#include "exercises/DrawDistinct.h"

#include <QSet>
#include <QtTest>
#include <algorithm>

class TestDrawDistinct : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(777); }

    void equalRangeAndCountGiveAPermutation() {
        for (int range : {0, 81}) {
            const auto drawn = DrawDistinct(range, 81);
            QVERIFY(drawn.has_value());
            QList<int> sorted = *drawn;
            std::sort(sorted.begin(), sorted.end());
            QList<int> expected;
            for (int i = 1; i <= 81; ++i)
                expected << i;
            QCOMPARE(sorted, expected);
            QVERIFY(*drawn != expected); // shuffled, not in order
        }
    }

    void selectionIsDistinctAndInRange() {
        const auto drawn = DrawDistinct(100, 50);
        QVERIFY(drawn.has_value());
        QCOMPARE(drawn->size(), 50);
        QCOMPARE(QSet<int>(drawn->begin(), drawn->end()).size(), 50);
        for (int v : *drawn)
            QVERIFY(v >= 1 && v <= 100);
    }

    void everyNumberIsDrawnAboutEquallyOften() {
        // 3 of 10, 20000 times: each number is expected 6000 times.
        QList<int> seen(11, 0);
        for (int i = 0; i < 20000; ++i) {
            const auto drawn = DrawDistinct(10, 3);
            for (int v : *drawn)
                ++seen[v];
        }
        for (int v = 1; v <= 10; ++v)
            QVERIFY2(seen[v] > 5700 && seen[v] < 6300, qPrintable(QString::number(seen[v])));
    }

    void impossibleRequestIsRefusedWithoutDrawing() {
        ProgramRandom().Seed(5);
        const int before = Random(1000);
        ProgramRandom().Seed(5);
        QVERIFY(!DrawDistinct(29, 30).has_value());
        QVERIFY(!DrawDistinct(10, -1).has_value());
        QCOMPARE(Random(1000), before);
        const auto none = DrawDistinct(10, 0);
        QVERIFY(none.has_value());
        QVERIFY(none->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDrawDistinct)
#include "tst_drawdistinct.moc"
