#include "board/BoardGeometry.h"

#include <QTest>

// Splitting the board into columns and rows, and finding the cell under a position.
class TestOxelPanelGeometry : public QObject {
    Q_OBJECT

private:
    static BoardGeometry Make(int cols, int rows, int w, int h) {
        BoardGeometry g;
        g.SetColCount(cols);
        g.SetRowCount(rows);
        g.SetPaintRect(0, 0, w, h);
        return g;
    }
    static QList<int> Widths(const BoardGeometry& g) {
        QList<int> widths;
        for (int i = 0; i < g.ColCount(); ++i)
            widths.append(g.ColWidth(i));
        return widths;
    }

private slots:
    void splitsRemainderOverFirstColumns_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("widths");
        // 79.8 rounds up to 80, one pixel too many: the first column gives it back.
        QTest::newRow("399/5") << 399 << 5 << QList<int>{79, 80, 80, 80, 80};
        QTest::newRow("402/5") << 402 << 5 << QList<int>{81, 81, 80, 80, 80};
        QTest::newRow("exact") << 400 << 5 << QList<int>{80, 80, 80, 80, 80};
        // Ties go to the even quotient: 2.5 -> 2, 3.5 -> 4, 4.5 -> 4.
        QTest::newRow("10/4 tie down") << 10 << 4 << QList<int>{3, 3, 2, 2};
        QTest::newRow("14/4 tie up") << 14 << 4 << QList<int>{3, 3, 4, 4};
        QTest::newRow("9/2 tie down") << 9 << 2 << QList<int>{5, 4};
        QTest::newRow("7/2 tie up") << 7 << 2 << QList<int>{3, 4};
        QTest::newRow("narrower than count") << 3 << 5 << QList<int>{0, 0, 1, 1, 1};
        QTest::newRow("one column") << 123 << 1 << QList<int>{123};
    }
    void splitsRemainderOverFirstColumns() {
        QFETCH(int, width);
        QFETCH(int, count);
        QFETCH(QList<int>, widths);
        const BoardGeometry g = Make(count, 1, width, 10);
        QCOMPARE(Widths(g), widths);
        QCOMPARE(g.ColLeft(count), width);
    }

    void partsAlwaysFillTheWholeSize() {
        for (int count = 1; count <= 20; ++count) {
            for (int total = 0; total <= 600; ++total) {
                int sum = 0;
                for (int i = 0; i < count; ++i) {
                    const int part = BoardGeometry::PartSize(total, count, i);
                    QVERIFY2(qAbs(part * count - total) < 2 * count,
                             qPrintable(QStringLiteral("%1/%2").arg(total).arg(count)));
                    QCOMPARE(BoardGeometry::PartStart(total, count, i), sum);
                    sum += part;
                }
                QCOMPARE(sum, total);
            }
        }
    }

    void rowsFollowTheSameRule() {
        const BoardGeometry g = Make(3, 5, 300, 399);
        QCOMPARE(g.RowHeight(0), 79);
        QCOMPARE(g.RowHeight(4), 80);
        QCOMPARE(g.RowTop(1), 79);
        QCOMPARE(g.RowTop(5), 399);
    }

    void colAtFindsColumnsAtTheirEdges() {
        const BoardGeometry g = Make(5, 5, 399, 399);
        QCOMPARE(g.ColAt(0), 1);
        QCOMPARE(g.ColAt(78), 1);
        QCOMPARE(g.ColAt(79), 2);
        QCOMPARE(g.ColAt(158), 2);
        QCOMPARE(g.ColAt(159), 3);
        QCOMPARE(g.ColAt(398), 5);
        QCOMPARE(g.RowAt(79), 2);
    }

    void positionsOutsideTheGridSelectNothing() {
        const BoardGeometry g = Make(5, 4, 399, 200);
        QCOMPARE(g.ColAt(399), 0);
        QCOMPARE(g.ColAt(1000), 0);
        QCOMPARE(g.ColAt(-1), 0);
        QCOMPARE(g.RowAt(200), 0);
        QCOMPARE(g.RowAt(-1), 0);
        QCOMPARE(g.CellAt(399, 10), -1);
        QCOMPARE(g.CellAt(10, 200), -1);
        QCOMPARE(g.CellAt(-1, 10), -1);
        QCOMPARE(g.CellAt(10, -1), -1);
    }

    void cellAtNumbersRowByRow() {
        const BoardGeometry g = Make(4, 3, 400, 300);
        QCOMPARE(g.CellAt(0, 0), 0);
        QCOMPARE(g.CellAt(399, 0), 3);
        QCOMPARE(g.CellAt(0, 100), 4);
        QCOMPARE(g.CellAt(150, 250), 9);
        QCOMPARE(g.CellAt(399, 299), 11);
    }

    void cellRectCoversExactlyItsCell() {
        const BoardGeometry g = Make(7, 6, 401, 377);
        for (int i = 0; i < g.CellCount(); ++i) {
            const QRect r = g.CellRect(i);
            QCOMPARE(r.width(), g.ColWidth(i % 7));
            QCOMPARE(r.height(), g.RowHeight(i / 7));
            QCOMPARE(g.CellAt(r.left(), r.top()), i);
            QCOMPARE(g.CellAt(r.right(), r.bottom()), i);
            QCOMPARE(g.CellAt(r.center().x(), r.center().y()), i);
        }
        QVERIFY(g.CellRect(-1).isNull());
        QVERIFY(g.CellRect(42).isNull());
    }

    void paintRectOriginShiftsTheGrid() {
        BoardGeometry g = Make(2, 2, 100, 100);
        g.SetPaintRect(10, 20, 110, 120);
        QCOMPARE(g.CellAt(9, 50), -1);
        QCOMPARE(g.CellAt(10, 20), 0);
        QCOMPARE(g.CellAt(60, 70), 3);
        QCOMPARE(g.CellAt(110, 70), -1);
        QCOMPARE(g.CellRect(3), QRect(60, 70, 50, 50));
    }

    void countsAreClampedToOneToTwenty() {
        BoardGeometry g;
        QCOMPARE(g.ColCount(), 3);
        QCOMPARE(g.RowCount(), 3);
        g.SetColCount(0);
        QCOMPARE(g.ColCount(), 1);
        g.SetColCount(-7);
        QCOMPARE(g.ColCount(), 1);
        g.SetColCount(21);
        QCOMPARE(g.ColCount(), 20);
        g.SetRowCount(1000);
        QCOMPARE(g.RowCount(), 20);
        g.SetRowCount(0);
        QCOMPARE(g.RowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOxelPanelGeometry)
#include "tst_oxelpanel_geometry.moc"
