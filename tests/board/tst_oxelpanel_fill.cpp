#include "board/OxelPanel.h"
#include "data/Random.h"

#include <QSet>
#include <QTest>

// Fills and shuffles of the board contents: numbers, red-black tables, cell and column shuffles.
class TestOxelPanelFill : public QObject {
    Q_OBJECT

private:
    // Texts "t0".."t(n-1)" with mark 50 + index, so a moved cell shows where it came from.
    static void Tag(BoardCells& cells, int n) {
        QStringList lines;
        for (int i = 0; i < n; ++i) {
            lines.append(QStringLiteral("t%1").arg(i));
            cells.SetMark(i, quint8(50 + i % 200));
        }
        cells.SetLinesList(lines);
    }
    static int Origin(const QString& text) { return text.mid(1).toInt(); }

    // Length of the cycle through position 0 of the permutation cell -> origin of its text.
    static int CycleLength(const QList<int>& origin) {
        int length = 0;
        int k = 0;
        do {
            k = origin[k];
            ++length;
        } while (k != 0 && length <= origin.size());
        return length;
    }

private slots:
    void fillNumbersLeavesNoNumberInItsStartingCell() {
        BoardCells cells;
        for (quint32 seed = 1; seed <= 500; ++seed) {
            ProgramRandom().Seed(seed);
            cells.FillNumbers(9);
            QCOMPARE(cells.LinesList().size(), 9);
            for (int i = 0; i < 9; ++i)
                QVERIFY2(cells.Text(i) != QString::number(i + 1),
                         qPrintable(QStringLiteral("seed %1 cell %2").arg(seed).arg(i)));
        }
    }

    void fillNumbersIsOneCycleOverAllNumbers() {
        BoardCells cells;
        for (quint32 seed = 1; seed <= 200; ++seed) {
            ProgramRandom().Seed(seed);
            cells.FillNumbers(25);
            QList<int> origin;
            QSet<int> seen;
            for (const QString& t : cells.LinesList()) {
                origin.append(t.toInt() - 1);
                seen.insert(t.toInt());
            }
            QCOMPARE(seen.size(), 25);
            QVERIFY(seen.contains(1) && seen.contains(25));
            QCOMPARE(CycleLength(origin), 25);
        }
    }

    void fillNumbersResetsMarksAndRepeatsForASeed() {
        BoardCells cells;
        cells.SetMark(3, 0);
        cells.SetMark(399, 40);
        ProgramRandom().Seed(77);
        cells.FillNumbers(16);
        const QStringList first = cells.LinesList();
        for (int i = 0; i < BoardCells::MarkCount; ++i)
            QCOMPARE(cells.Mark(i), 1);
        ProgramRandom().Seed(77);
        cells.FillNumbers(16);
        QCOMPARE(cells.LinesList(), first);
    }

    void fillRedBlackCountsAndMarks_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("red");
        QTest::newRow("5x5") << 25 << 12 << 13;
        QTest::newRow("7x7") << 49 << 24 << 25;
        QTest::newRow("9x9") << 81 << 40 << 41;
        // An even table has as many red as black numbers and no text past its cells.
        QTest::newRow("6x6") << 36 << 18 << 18;
        QTest::newRow("20x20") << 400 << 200 << 200;
    }
    void fillRedBlackCountsAndMarks() {
        QFETCH(int, n);
        QFETCH(int, black);
        QFETCH(int, red);
        BoardCells cells;
        ProgramRandom().Seed(5);
        cells.FillRedBlack(n);
        QCOMPARE(cells.LinesList().size(), n);
        QSet<int> blacks, reds;
        for (int i = 0; i < n; ++i) {
            const int v = cells.Text(i).toInt();
            if (cells.Mark(i) == 2)
                blacks.insert(v);
            else if (cells.Mark(i) == 3)
                reds.insert(v);
            else
                QFAIL(qPrintable(QStringLiteral("cell %1 has mark %2").arg(i).arg(cells.Mark(i))));
        }
        QCOMPARE(blacks.size(), black);
        QCOMPARE(reds.size(), red);
        for (int v = 1; v <= black; ++v)
            QVERIFY(blacks.contains(v));
        for (int v = 1; v <= red; ++v)
            QVERIFY(reds.contains(v));
    }

    void fillRedBlackMovesEveryCell() {
        BoardCells cells;
        for (quint32 seed = 1; seed <= 100; ++seed) {
            ProgramRandom().Seed(seed);
            cells.FillRedBlack(25);
            // Laid out in order, cell i would hold black i+1 (i < 12) or red i-11.
            for (int i = 0; i < 25; ++i) {
                const bool unmoved = i < 12 ? cells.Mark(i) == 2 && cells.Text(i).toInt() == i + 1
                                            : cells.Mark(i) == 3 && cells.Text(i).toInt() == i - 11;
                QVERIFY2(!unmoved, qPrintable(QStringLiteral("seed %1 cell %2").arg(seed).arg(i)));
            }
        }
    }

    void shuffleCellsMovesMarksWithTexts() {
        BoardCells cells;
        Tag(cells, 25);
        ProgramRandom().Seed(11);
        cells.ShuffleCells();
        QList<int> origin;
        for (int i = 0; i < 25; ++i) {
            const int from = Origin(cells.Text(i));
            QVERIFY(from != i);
            QCOMPARE(cells.Mark(i), 50 + from);
            origin.append(from);
        }
        QCOMPARE(CycleLength(origin), 25);
    }

    void shuffleCellsLeavesMarksPastTheListAlone() {
        BoardCells cells;
        Tag(cells, 5);
        cells.SetMark(5, 40);
        cells.SetMark(399, 30);
        cells.ShuffleCells();
        QCOMPARE(cells.Mark(5), 40);
        QCOMPARE(cells.Mark(399), 30);
    }

    void shuffleCellsOfALongListStaysWithinTheMarks() {
        BoardCells cells;
        Tag(cells, 450);
        ProgramRandom().Seed(3);
        cells.ShuffleCells();
        QCOMPARE(cells.LinesList().size(), 450);
        QSet<QString> texts(cells.LinesList().begin(), cells.LinesList().end());
        QCOMPARE(texts.size(), 450);
        // Texts that came from past the 400 marked cells bring the normal mark.
        for (int i = 0; i < BoardCells::MarkCount; ++i) {
            const int from = Origin(cells.Text(i));
            QCOMPARE(cells.Mark(i), from < 400 ? 50 + from % 200 : 1);
        }
    }

    void shuffleColumnMovesTextsWithinTheColumnOnly() {
        BoardCells cells;
        Tag(cells, 12); // 3 columns, 4 rows
        ProgramRandom().Seed(21);
        cells.ShuffleColumn(1, 3, 4);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(cells.Mark(i), 50 + i);
            const int from = Origin(cells.Text(i));
            if (i % 3 == 1) {
                QCOMPARE(from % 3, 1);
                QVERIFY(from != i);
            } else {
                QCOMPARE(from, i);
            }
        }
    }

    void shuffleColumnOfAShortListTakesOnlyCellsWithTexts() {
        BoardCells cells;
        Tag(cells, 7); // column 0 of 3x4 has texts in rows 0..2 only
        cells.ShuffleColumn(0, 3, 4);
        QCOMPARE(cells.LinesList().size(), 7);
        QSet<int> column{Origin(cells.Text(0)), Origin(cells.Text(3)), Origin(cells.Text(6))};
        QCOMPARE(column, (QSet<int>{0, 3, 6}));
        cells.ShuffleColumn(5, 3, 4);
        cells.ShuffleColumn(-1, 3, 4);
        QCOMPARE(Origin(cells.Text(1)), 1);
    }

    void singleTextReplacesTheList() {
        BoardCells cells;
        Tag(cells, 9);
        cells.SetSingleText(QStringLiteral("ЭТАП 2"));
        QCOMPARE(cells.LinesList(), QStringList{QStringLiteral("ЭТАП 2")});
        QCOMPARE(cells.Mark(0), 1);
        QCOMPARE(cells.Text(1), QString());
    }

    void marksOutsideTheTableAreRefused() {
        BoardCells cells;
        QCOMPARE(cells.Mark(-1), -1);
        QCOMPARE(cells.Mark(400), -1);
        cells.SetMark(400, 0);
        cells.SetMark(-1, 0);
        cells.SetText(400, QStringLiteral("x"));
        QVERIFY(cells.LinesList().isEmpty());
        cells.SetText(2, QStringLiteral("x"));
        QCOMPARE(cells.LinesList(), (QStringList{QString(), QString(), QStringLiteral("x")}));
    }

    void panelStartsWithItsDefaults() {
        TOxelPanel panel;
        QCOMPARE(panel.PressButtons(), Qt::MouseButtons(Qt::LeftButton));
        QCOMPARE(panel.FontBig().Size(), 8);
        QCOMPARE(panel.GridWidth(), 1);
        QCOMPARE(panel.BgColor(), TColor(0xF0FBFF));
        QCOMPARE(panel.GridColor(), TColor(0xC0C0C0));
        QCOMPARE(panel.RBColorR(), TColor(0x0000FF));
        QCOMPARE(panel.RBColorB(), TColor(0x000000));
        QCOMPARE(panel.ColCount(), 3);
        QCOMPARE(panel.RowCount(), 3);
        QVERIFY(panel.LinesList().isEmpty());
        QCOMPARE(panel.LightColorYES(), TColor(0x00FF00));
        QCOMPARE(panel.LightColorNO(), TColor(0x0000FF));
        QVERIFY(panel.LightClick());
        QVERIFY(panel.SmallerFont());
        QVERIFY(!panel.BlockClick());
        QVERIFY(!panel.GP());
        QCOMPARE(panel.GPColor(), TColor(0x00FF00));
        QVERIFY(!panel.Series());
        QCOMPARE(panel.PaintRectX2(), panel.width());
        QCOMPARE(panel.PaintRectY2(), panel.height());
        for (quint8 m : panel.Marks())
            QCOMPARE(m, quint8(1));
        QVERIFY(!panel.OnPress && !panel.OnMouseUp && !panel.OnMouseMove);
    }

    void panelClampsItsSize() {
        TOxelPanel panel;
        panel.SetColCount(0);
        panel.SetRowCount(99);
        QCOMPARE(panel.ColCount(), 1);
        QCOMPARE(panel.RowCount(), 20);
    }

    void panelFillsItsOwnCellCount() {
        TOxelPanel panel;
        panel.SetColCount(4);
        panel.SetRowCount(5);
        panel.FillNumbers();
        QCOMPARE(panel.LinesList().size(), 20);
        panel.SetColCount(5);
        panel.FillRedBlack();
        QCOMPARE(panel.LinesList().size(), 25);
    }

    void hideCellAndResetMarksChangeTheLook() {
        TOxelPanel panel;
        panel.resize(300, 300);
        panel.SetColCount(3);
        panel.FillNumbers();
        panel.HideCell(4);
        QCOMPARE(panel.Mark(4), 10);
        QCOMPARE(panel.LookOf(4), CellLook::ForMark(10, false));
        panel.ShuffleCells();
        panel.ResetMarks();
        QCOMPARE(panel.Mark(4), 1);
        QCOMPARE(panel.LookOf(4), std::optional<CellLook>(CellLook::Normal()));
    }

    void setLineChangesOneCell() {
        TOxelPanel panel;
        panel.SetLinesList({QStringLiteral("a"), QStringLiteral("b")});
        panel.SetLine(1, QStringLiteral("z"));
        panel.SetLine(3, QStringLiteral("d"));
        QCOMPARE(panel.LinesList(),
                 (QStringList{QStringLiteral("a"), QStringLiteral("z"), QString(),
                              QStringLiteral("d")}));
        QCOMPARE(panel.Line(7), QString());
    }
};

QTEST_MAIN(TestOxelPanelFill)
#include "tst_oxelpanel_fill.moc"
