#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/RBShulteExercise.h"

#include <QtTest>

namespace {

using RB = RBShulteExercise;

bool PressNumber(RB& rb, BoardHost& host, int value, int mark) {
    const int cell = CellOf(host.board, value, mark);
    return cell >= 0 && PressCell(rb, host, cell);
}

// The accepted order of an n×n table: red h+1, black 1, red h, black 2, ..., red 1.
QList<QPair<int, int>> AcceptedOrder(int n) {
    const int half = n * n / 2;
    QList<QPair<int, int>> order;
    for (int k = 0; k < half; ++k) {
        order.append({half + 1 - k, RB::RedMark});
        order.append({k + 1, RB::BlackMark});
    }
    order.append({1, RB::RedMark});
    return order;
}

} // namespace

class TestRBShulteExercise : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(31337); }

    void drawUsesTheFixedColoursAndTheFontsOfTheSettings() {
        BoardHost host;
        host.looks.RbShulteFont1.size = 28;
        host.looks.RbShulteFont2.size = 9;
        host.looks.RbShulteFont2.colour = 0x00AA00;
        host.board.SetGP(true);
        host.board.SetBgColor(0x123456);
        host.board.SetGridColor(0x654321);
        host.board.OnMouseMove = [](int, int) {};
        RB rb(host, host);
        rb.Draw(7);
        QCOMPARE(host.board.BgColor(), TColor(0xF0FBFF));
        QCOMPARE(host.board.GridColor(), TColor(0xC0C0C0));
        QVERIFY(!host.board.GP());
        QVERIFY(!host.board.OnMouseMove);
        QCOMPARE(host.board.FontBig().Size(), 28);
        QCOMPARE(host.board.FontSmall().ToRecord(), host.looks.RbShulteFont2);
        QCOMPARE(rb.PreviewBgColor(), quint32(0xF0FBFF));
    }

    void drawLaysOutBlackAndRedNumbersOnceEach() {
        BoardHost host;
        RB rb(host, host);
        for (int n : {5, 7, 9}) {
            rb.Draw(n);
            const int half = n * n / 2;
            QCOMPARE(host.board.ColCount(), n);
            QCOMPARE(host.board.RowCount(), n);
            QCOMPARE(host.board.LinesList().size(), n * n);
            for (int v = 1; v <= half + 1; ++v) {
                QVERIFY(CellOf(host.board, v, RB::RedMark) >= 0);
                QCOMPARE(CellOf(host.board, v, RB::BlackMark) >= 0, v <= half);
            }
            QCOMPARE(rb.RedNext(), half + 1);
            QCOMPARE(rb.BlackNext(), 1);
            QVERIFY(rb.RedTurn());
        }
    }

    void wholeRunInTheAcceptedOrderEndsOnRedOne() {
        TestSeams seams;
        BoardHost host;
        RB rb(host, host);
        QVERIFY(WireBoard(host, rb));
        rb.Draw(5);
        const QList<QPair<int, int>> order = AcceptedOrder(5);
        QCOMPARE(order.size(), 25);
        QCOMPARE(order.first(), qMakePair(13, RB::RedMark));
        for (int step = 0; step < order.size(); ++step) {
            const int cell = CellOf(host.board, order[step].first, order[step].second);
            QVERIFY(cell >= 0);
            QCOMPARE(host.finished, 0);
            QVERIFY(ClickCell(host, cell));
            // Outside a series a found cell loses its colour and is drawn in the small font.
            QCOMPARE(host.board.Mark(cell), 0);
            QCOMPARE(host.board.LookOf(cell)->font, CellLook::FontKind::Small);
        }
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("CLICK"), 25);
        QCOMPARE(seams.sounds.count("ERROR"), 0);
        // Nothing is accepted after the end.
        for (int i = 0; i < 25; ++i)
            QVERIFY(!ClickCell(host, i));
        QCOMPARE(host.finished, 1);
    }

    void theFirstPressMustBeTheLargestRed() {
        TestSeams seams;
        BoardHost host;
        RB rb(host, host);
        rb.Draw(5);
        QVERIFY(!PressNumber(rb, host, 1, RB::BlackMark));
        QVERIFY(!PressNumber(rb, host, 12, RB::RedMark));
        QVERIFY(!PressNumber(rb, host, 1, RB::RedMark));
        QVERIFY(rb.RedTurn());
        QCOMPARE(rb.RedNext(), 13);
        QVERIFY(PressNumber(rb, host, 13, RB::RedMark));
        QCOMPARE(seams.sounds.names(), QStringList({"ERROR", "ERROR", "ERROR", "CLICK"}));
        QCOMPARE(seams.sounds.played.last().second, 2);
    }

    void redAfterRedIsWrongAndKeepsTheTurn() {
        TestSeams seams;
        BoardHost host;
        RB rb(host, host);
        rb.Draw(5);
        QVERIFY(PressNumber(rb, host, 13, RB::RedMark));
        QVERIFY(!PressNumber(rb, host, 12, RB::RedMark));
        QVERIFY(!rb.RedTurn());
        QCOMPARE(rb.RedNext(), 12);
        QCOMPARE(rb.BlackNext(), 1);
        QVERIFY(PressNumber(rb, host, 1, RB::BlackMark));
        QVERIFY(rb.RedTurn());
        QCOMPARE(rb.BlackNext(), 2);
    }

    // The value due in the other colour is wrong: black 12 when red 12 is due, red 1 when
    // black 1 is due.
    void theRightValueInTheWrongColourIsWrong() {
        TestSeams seams;
        BoardHost host;
        RB rb(host, host);
        rb.Draw(5);
        QVERIFY(PressNumber(rb, host, 13, RB::RedMark));
        QVERIFY(!PressNumber(rb, host, 1, RB::RedMark));
        QVERIFY(PressNumber(rb, host, 1, RB::BlackMark));
        QCOMPARE(rb.RedNext(), 12);
        QVERIFY(!PressNumber(rb, host, 12, RB::BlackMark));
        QVERIFY(rb.RedTurn());
        QCOMPARE(rb.RedNext(), 12);
        QCOMPARE(seams.sounds.count("ERROR"), 2);
    }

    void seriesRunKeepsTheColoursOfFoundCells() {
        TestSeams seams;
        BoardHost host;
        host.seriesExercise = 2;
        host.board.SetSeries(true);
        host.board.SetSmallerFont(false);
        RB rb(host, host);
        QVERIFY(WireBoard(host, rb));
        rb.Draw(5);
        const int red = CellOf(host.board, 13, RB::RedMark);
        const int black = CellOf(host.board, 1, RB::BlackMark);
        QVERIFY(ClickCell(host, red));
        QVERIFY(ClickCell(host, black));
        QCOMPARE(host.board.Mark(red), RB::KeptRedMark);
        QCOMPARE(host.board.Mark(black), RB::KeptBlackMark);
        // A repaint shows them in the board's red and black, in the big font.
        host.board.Repaint();
        QCOMPARE(host.board.LookOf(red)->ink, CellLook::Ink::RBRed);
        QCOMPARE(host.board.LookOf(black)->ink, CellLook::Ink::RBBlack);
        QCOMPARE(host.board.LookOf(red)->font, CellLook::FontKind::Big);
        // A kept cell is still clickable and judged by its colour: red 13 is not due again.
        QVERIFY(!ClickCell(host, red));
        QCOMPARE(rb.RedNext(), 12);
    }

    // A ladder run has the series look but is no series: found cells keep their colour only
    // until the next full repaint.
    void ladderRunFindsCellsWithoutKeepingTheirColour() {
        TestSeams seams;
        BoardHost host;
        host.ladderActive = true;
        host.board.SetSeries(true);
        host.board.SetSmallerFont(false);
        RB rb(host, host);
        QVERIFY(WireBoard(host, rb));
        rb.Draw(5);
        const int red = CellOf(host.board, 13, RB::RedMark);
        QVERIFY(ClickCell(host, red));
        QCOMPARE(host.board.Mark(red), 0);
        QCOMPARE(host.board.LookOf(red)->ink, CellLook::Ink::Red);
        host.board.Repaint();
        QCOMPARE(host.board.LookOf(red)->ink, CellLook::Ink::Own);
        QCOMPARE(host.board.LookOf(red)->font, CellLook::FontKind::Big);
    }
};

QTEST_MAIN(TestRBShulteExercise)
#include "tst_rbshulteexercise.moc"
