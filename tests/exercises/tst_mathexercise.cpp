#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/MathExercise.h"

#include <QSet>
#include <QtTest>

namespace {

using Math = MathExercise;

// Clears one triple with three clicks; true when all three were accepted.
bool ClearTriple(BoardHost& host, const Math::Triple& t) {
    return ClickCell(host, t.aCell) && ClickCell(host, t.bCell) && ClickCell(host, t.sumCell);
}

// A cell other than the two given whose value is not their sum; -1 when none is.
int WrongSumCell(const TOxelPanel& board, int first, int second) {
    const int sum = board.Line(first).toInt() + board.Line(second).toInt();
    for (int i = 0; i < board.LinesList().size(); ++i)
        if (i != first && i != second && board.Line(i).toInt() != sum)
            return i;
    return -1;
}

} // namespace

class TestMathExercise : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(271828); }

    void drawTakesTheLookOfTheSettings() {
        BoardHost host;
        host.looks.MathBGColor = 0x102030;
        host.looks.MathGridColor = 0x405060;
        host.looks.MathFont1.size = 26;
        host.looks.MathFont2.colour = 0x0000AA;
        host.board.SetGP(true);
        host.board.OnMouseMove = [](int, int) {};
        Math math(host, host, host);
        math.Draw(6);
        QCOMPARE(host.board.BgColor(), TColor(0x102030));
        QCOMPARE(host.board.GridColor(), TColor(0x405060));
        QCOMPARE(host.board.FontBig().Size(), 26);
        QCOMPARE(host.board.FontSmall().Color(), TColor(0x0000AA));
        QVERIFY(!host.board.GP());
        QVERIFY(!host.board.OnMouseMove);
        QCOMPARE(math.PreviewBgColor(), quint32(0x102030));
        QVERIFY(!math.SeriesLook());
    }

    void drawFillsEveryCellWithTriples() {
        BoardHost host;
        Math math(host, host, host);
        for (int n : {3, 6, 9}) {
            math.Draw(n);
            QCOMPARE(host.board.ColCount(), n);
            QCOMPARE(host.board.RowCount(), n);
            QCOMPARE(host.board.LinesList().size(), n * n);
            QCOMPARE(math.Triples().size(), n * n / 3);
            QCOMPARE(math.MathClick(), 1);
            QSet<int> cells;
            for (const Math::Triple& t : math.Triples()) {
                cells << t.aCell << t.bCell << t.sumCell;
                QCOMPARE(host.board.Line(t.aCell).toInt(), t.a);
                QCOMPARE(host.board.Line(t.bCell).toInt(), t.b);
                QCOMPARE(host.board.Line(t.sumCell).toInt(), t.a + t.b);
            }
            QCOMPARE(cells.size(), n * n);
            QCOMPARE(CountMark(host.board, n * n, 1), n * n);
        }
    }

    // Over 20 boards of 27 triples each bound is reached; a ladder run is no series.
    void operandRangesInAndOutOfASeries() {
        BoardHost host;
        Math math(host, host, host);
        for (int series : {0, 5}) {
            host.seriesExercise = series;
            const int top = series ? 50 : 10;
            int maxA = 0, maxB = 0, minA = 99, minB = 99;
            for (int seed = 1; seed <= 20; ++seed) {
                ProgramRandom().Seed(seed);
                math.Draw(9);
                QCOMPARE(math.MaxOperand(), top);
                for (const Math::Triple& t : math.Triples()) {
                    maxA = std::max(maxA, t.a);
                    maxB = std::max(maxB, t.b);
                    minA = std::min(minA, t.a);
                    minB = std::min(minB, t.b);
                }
            }
            QCOMPARE(maxA, top - 1);
            QCOMPARE(maxB, top);
            QCOMPARE(minA, 1);
            QCOMPARE(minB, 1);
        }
        host.seriesExercise = 0;
        host.ladderActive = true;
        math.Draw(3);
        QCOMPARE(math.MaxOperand(), 10);
    }

    void threeByThreeRunEndsAtTheNinthAcceptedClick() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(3);
        int accepted = 0;
        for (const Math::Triple& t : math.Triples()) {
            for (int cell : {t.aCell, t.bCell, t.sumCell}) {
                QCOMPARE(host.finished, 0);
                QVERIFY(ClickCell(host, cell));
                ++accepted;
            }
            // The completed triple is removed from view.
            for (int cell : {t.aCell, t.bCell, t.sumCell}) {
                QCOMPARE(host.board.Mark(cell), Math::RemovedMark);
                QCOMPARE(host.board.LookOf(cell)->ink, CellLook::Ink::BgInk);
            }
        }
        QCOMPARE(accepted, 9);
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.names(), QStringList({"CLICK", "CLICK", "N3", "CLICK", "CLICK", "N3",
                                                    "CLICK", "CLICK", "N3"}));
        QCOMPARE(seams.sounds.played.last().second, 2);
        QCOMPARE(host.penalty, 0);
        // The board is cleared: every press is an error and nothing ends twice.
        for (int i = 0; i < 9; ++i)
            QVERIFY(!ClickCell(host, i));
        QCOMPARE(host.finished, 1);
    }

    void aWrongSumKeepsBothOperandsChosen() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(6);
        const Math::Triple t = math.Triples().first();
        QVERIFY(ClickCell(host, t.aCell));
        QVERIFY(ClickCell(host, t.bCell));
        QCOMPARE(host.board.Mark(t.aCell), Math::ChosenMark);
        QCOMPARE(host.board.Mark(t.bCell), Math::ChosenMark);
        const int wrong = WrongSumCell(host.board, t.aCell, t.bCell);
        QVERIFY(wrong >= 0);
        QVERIFY(!ClickCell(host, wrong));
        QCOMPARE(host.board.Mark(wrong), 1);
        QCOMPARE(math.MathClick(), 3);
        QCOMPARE(math.MathFirst(), t.a);
        QCOMPARE(math.MathSecond(), t.b);
        QVERIFY(ClickCell(host, t.sumCell));
        QCOMPARE(host.board.Mark(t.aCell), Math::RemovedMark);
        QCOMPARE(host.board.Mark(t.sumCell), Math::RemovedMark);
        QCOMPARE(math.MathClick(), 4);
        QCOMPARE(seams.sounds.names(), QStringList({"CLICK", "CLICK", "ERROR", "N3"}));
        QCOMPARE(host.penalty, 0);
    }

    void chosenAndRemovedCellsAreErrorsThatChangeNothing() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(3);
        const Math::Triple t = math.Triples().first();
        QVERIFY(ClearTriple(host, t));
        const Math::Triple u = math.Triples().at(1);
        QVERIFY(ClickCell(host, u.aCell));
        QVERIFY(!ClickCell(host, u.aCell));
        QVERIFY(!ClickCell(host, t.sumCell));
        QCOMPARE(math.MathClick(), 5);
        QCOMPARE(math.MathFirst(), u.a);
        QCOMPARE(host.board.Mark(u.aCell), Math::ChosenMark);
        QCOMPARE(host.board.Mark(t.sumCell), Math::RemovedMark);
        QCOMPARE(seams.sounds.count("ERROR"), 2);
    }

    // Operands are any two numbers: two equal values, or a value that is a sum elsewhere.
    void anyTwoNumbersMayBeTheOperands() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(3);
        host.board.SetLinesList({"4", "4", "8", "8", "8", "16", "2", "7", "9"});
        QVERIFY(ClickCell(host, 0));
        QVERIFY(ClickCell(host, 1));
        QVERIFY(ClickCell(host, 2));
        QCOMPARE(host.board.Mark(2), Math::RemovedMark);
        QCOMPARE(host.board.Mark(3), 1);
        QVERIFY(ClickCell(host, 3));
        QVERIFY(ClickCell(host, 4));
        QVERIFY(!ClickCell(host, 8));
        QVERIFY(ClickCell(host, 5));
        QCOMPARE(host.finished, 0);
        QVERIFY(ClickCell(host, 6));
        QVERIFY(ClickCell(host, 7));
        QVERIFY(ClickCell(host, 8));
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("N3"), 3);
    }

    void restartShowsEverythingAgainWithTheTimeFromZero() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(6);
        host.TimerOn();
        QVERIFY(ClearTriple(host, math.Triples()[0]));
        QVERIFY(ClearTriple(host, math.Triples()[1]));
        QVERIFY(ClickCell(host, math.Triples()[2].aCell));
        QCOMPARE(CountMark(host.board, 36, Math::RemovedMark), 6);
        const QStringList before = host.board.LinesList();

        math.MathRestartSBClick();
        QCOMPARE(CountMark(host.board, 36, 1), 36);
        QCOMPARE(host.board.LinesList(), before);
        QCOMPARE(math.MathClick(), 1);
        QCOMPARE(host.timerStarts, 2);
        QVERIFY(host.timerRunning);
        QCOMPARE(host.penalty, 10);
        // The triples can be cleared again; a second restart adds another 10.
        QVERIFY(ClearTriple(host, math.Triples()[0]));
        math.MathRestartSBClick();
        QCOMPARE(host.penalty, 20);
        QCOMPARE(host.finished, 0);
        for (const Math::Triple& t : math.Triples())
            QVERIFY(ClearTriple(host, t));
        QCOMPARE(host.finished, 1);
        QCOMPARE(host.penalty, 20);
    }

    void takingThePointsOnAnUntouchedBoardCostsTenPerCell() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        math.Draw(6);
        math.GetScoreSBClick();
        QCOMPARE(host.penalty, 360);
        QCOMPARE(math.MathClick(), 36);
        QCOMPARE(host.finished, 1);
        // Taken once: the run is over.
        math.GetScoreSBClick();
        QCOMPARE(host.penalty, 360);
        QCOMPARE(host.finished, 1);
        QVERIFY(!PressCell(math, host, math.Triples()[0].aCell));
        QCOMPARE(host.finished, 1);
    }

    void takingThePointsCountsChosenCellsButNotRemovedOnes() {
        TestSeams seams;
        BoardHost host;
        Math math(host, host, host);
        QVERIFY(WireBoard(host, math));
        math.Draw(3);
        QVERIFY(ClearTriple(host, math.Triples()[0]));
        QVERIFY(ClickCell(host, math.Triples()[1].aCell));
        math.GetScoreSBClick();
        QCOMPARE(host.penalty, 60);
        QCOMPARE(host.finished, 1);
    }
};

QTEST_MAIN(TestMathExercise)
#include "tst_mathexercise.moc"
