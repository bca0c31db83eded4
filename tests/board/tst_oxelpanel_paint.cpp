#include "board/OxelPanel.h"

#include <QFontMetrics>
#include <QTest>
#include <memory>

// What the board paints, checked on the pixels of grabbed images.
class TestOxelPanelPaint : public QObject {
    Q_OBJECT

    static constexpr TColor Bg = 0xF0FBFF;
    static constexpr TColor Grid = 0x808080;
    static constexpr TColor Yes = 0x00FF00;
    static constexpr TColor No = 0x0000FF;
    static constexpr TColor Centre = 0xFF00FF;
    static constexpr TColor BigInk = 0xFF0000;   // blue
    static constexpr TColor SmallInk = 0x008000; // green

    std::unique_ptr<TOxelPanel> board;

    void Make(int count, int size) {
        board = std::make_unique<TOxelPanel>();
        board->resize(size, size);
        board->SetColCount(count);
        board->SetRowCount(count);
        board->SetBgColor(Bg);
        board->SetGridColor(Grid);
        board->SetLightColorYES(Yes);
        board->SetLightColorNO(No);
        board->SetGPColor(Centre);
        FontRecord big;
        big.size = 20;
        big.style = FontRecord::Bold;
        big.colour = BigInk;
        board->SetFontBig(BoardFont(big));
        FontRecord small = big;
        small.size = 12;
        small.colour = SmallInk;
        board->SetFontSmall(BoardFont(small));
        QStringList lines;
        for (int i = 1; i <= count * count; ++i)
            lines.append(QString::number(i % 10 == 0 ? 8 : 88));
        board->SetLinesList(lines);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    }
    QImage Grab() const { return board->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static TColor At(const QImage& img, int x, int y) { return QColorToColor(img.pixelColor(x, y)); }
    static TColor Inside(const QImage& img, const QRect& cell) {
        return At(img, cell.left() + 3, cell.top() + 3);
    }
    static int Count(const QImage& img, const QRect& r, TColor c) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += At(img, x, y) == c;
        return n;
    }
    // Bounding box of the pixels inside the cell border that are not the background.
    static QRect Ink(const QImage& img, const QRect& cell, TColor background) {
        QRect box;
        const QRect inner = cell.adjusted(1, 1, -1, -1);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                if (At(img, x, y) != background)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

private slots:
    void cleanup() { board.reset(); }

    void cellBackgroundFollowsTheMark() {
        Make(5, 250);
        board->SetMark(0, 0);
        board->SetMark(1, 1);
        board->SetMark(2, 20);
        board->SetMark(3, 30);
        board->SetMark(4, 40);
        board->SetMark(5, 10);
        board->SetMark(6, 22);
        board->SetMark(7, 33);
        const QImage img = Grab();
        QCOMPARE(Inside(img, board->CellRect(0)), Bg);
        QCOMPARE(Inside(img, board->CellRect(1)), Bg);
        QCOMPARE(Inside(img, board->CellRect(2)), Grid);
        QCOMPARE(Inside(img, board->CellRect(3)), No);
        QCOMPARE(Inside(img, board->CellRect(4)), Yes);
        QCOMPARE(Inside(img, board->CellRect(5)), Bg);
        QCOMPARE(Inside(img, board->CellRect(6)), Bg);
        QCOMPARE(Inside(img, board->CellRect(7)), Bg);
    }

    void bordersAreInTheGridColour() {
        Make(5, 249);
        const QImage img = Grab();
        for (int k = 0; k < 249; k += 7) {
            QCOMPARE(At(img, 0, k), Grid);
            QCOMPARE(At(img, 248, k), Grid);
            QCOMPARE(At(img, k, 0), Grid);
            QCOMPARE(At(img, k, 248), Grid);
        }
        // Each cell draws its own rectangle, so neighbours meet in two grid pixels.
        const QRect a = board->CellRect(6), b = board->CellRect(7);
        QCOMPARE(At(img, a.right(), a.center().y()), Grid);
        QCOMPARE(At(img, b.left(), b.center().y()), Grid);
        QCOMPARE(At(img, b.left() + 1, b.top() + 5), Bg);
        QCOMPARE(At(img, a.center().x(), a.bottom()), Grid);
    }

    void textWiderThanItsCellIsClipped() {
        Make(3, 150);
        board->SetLinesList({QString(), QStringLiteral("WWWWWWWWWW\tWW"), QString(), QString(),
                             QStringLiteral("WWWWWWWWWW")});
        const QImage img = Grab();
        QVERIFY(Count(img, board->CellRect(1), BigInk) > 0);
        QVERIFY(Count(img, board->CellRect(4), BigInk) > 0);
        for (int neighbour : {0, 2, 3, 5})
            QCOMPARE(Count(img, board->CellRect(neighbour), BigInk), 0);
    }

    void gridWidthWidensTheCellBorders() {
        Make(5, 250);
        board->SetGridWidth(3);
        const QImage img = Grab();
        const QRect cell = board->CellRect(6);
        QCOMPARE(At(img, cell.left() + 2, cell.top() + 10), Grid);
        QCOMPARE(At(img, cell.left() + 3, cell.top() + 10), Bg);
        QCOMPARE(At(img, cell.right() - 2, cell.top() + 10), Grid);
        QCOMPARE(At(img, cell.left() + 10, cell.bottom() - 3), Bg);
    }

    void unknownMarkDrawsNothing() {
        Make(5, 250);
        board->SetMark(12, 5);
        const QImage img = Grab();
        const QRect cell = board->CellRect(12);
        QCOMPARE(Count(img, cell, Bg), cell.width() * cell.height());
    }

    void hiddenCellShowsNoText() {
        Make(5, 250);
        board->HideCell(6);
        const QImage img = Grab();
        const QRect inner = board->CellRect(6).adjusted(1, 1, -1, -1);
        QCOMPARE(Count(img, inner, Bg), inner.width() * inner.height());
        QVERIFY(Count(img, board->CellRect(7), BigInk) > 0);
    }

    void textInkFollowsTheMark() {
        Make(5, 250);
        board->SetRBColorR(0x800080);
        board->SetRBColorB(0x008080);
        board->SetMark(1, 2);
        board->SetMark(2, 3);
        board->SetMark(3, 22);
        board->SetMark(4, 33);
        const QImage img = Grab();
        QVERIFY(Count(img, board->CellRect(0), BigInk) > 0);
        QVERIFY(Count(img, board->CellRect(1), clBlack) > 0);
        QCOMPARE(Count(img, board->CellRect(1), BigInk), 0);
        QVERIFY(Count(img, board->CellRect(2), clRed) > 0);
        QVERIFY(Count(img, board->CellRect(3), 0x008080) > 0);
        QVERIFY(Count(img, board->CellRect(4), 0x800080) > 0);
        QCOMPARE(Count(img, board->CellRect(4), BigInk), 0);
    }

    void textIsCentredInItsCell() {
        Make(4, 400);
        const QImage img = Grab();
        for (int i : {0, 5, 15}) {
            const QRect cell = board->CellRect(i);
            const QRect ink = Ink(img, cell, Bg);
            QVERIFY(!ink.isEmpty());
            QVERIFY2(qAbs(ink.center().x() - cell.center().x()) <= 2, qPrintable(QString::number(i)));
            QVERIFY2(qAbs(ink.center().y() - cell.center().y()) <= ink.height() / 3 + 2,
                     qPrintable(QString::number(i)));
        }
    }

    void heldCellIsHighlightedByTheVerdict() {
        Make(5, 250);
        bool verdict = true;
        board->OnPress = [&](const Press&) { return std::optional<bool>(verdict); };
        const QPoint at = board->CellRect(8).center();
        QTest::mousePress(board.get(), Qt::LeftButton, {}, at);
        QCOMPARE(Inside(Grab(), board->CellRect(8)), Yes);
        QTest::mouseRelease(board.get(), Qt::LeftButton, {}, at);
        QCOMPARE(Inside(Grab(), board->CellRect(8)), Bg);
        verdict = false;
        QTest::mousePress(board.get(), Qt::LeftButton, {}, at);
        QCOMPARE(Inside(Grab(), board->CellRect(8)), No);
        QTest::mouseRelease(board.get(), Qt::LeftButton, {}, at);
    }

    void foundCellIsDrawnInTheSmallFont() {
        Make(5, 250);
        board->OnPress = [](const Press&) { return std::optional<bool>(true); };
        QTest::mouseClick(board.get(), Qt::LeftButton, {}, board->CellRect(3).center());
        const QImage img = Grab();
        QVERIFY(Count(img, board->CellRect(3), SmallInk) > 0);
        QCOMPARE(Count(img, board->CellRect(3), BigInk), 0);
        QVERIFY(Count(img, board->CellRect(2), BigInk) > 0);
    }

    void exposeShowsThePressedCellAgain() {
        Make(5, 250);
        board->OnPress = [](const Press&) { return std::optional<bool>(false); };
        const QPoint at = board->CellRect(4).center();
        QTest::mousePress(board.get(), Qt::LeftButton, {}, at);
        const QImage first = Grab();
        QCOMPARE(Grab(), first);
        QCOMPARE(Inside(first, board->CellRect(4)), No);
        board->Repaint();
        QCOMPARE(Inside(Grab(), board->CellRect(4)), Bg);
        QTest::mouseRelease(board.get(), Qt::LeftButton, {}, at);
    }

    void centreFrameOnOddTable() {
        Make(5, 250);
        board->SetGP(true);
        const QImage img = Grab();
        // Centre cell spans 100..149 both ways; the frame is 2 pixels, 1 pixel in from the grid.
        const int y = 105;
        QCOMPARE(At(img, 100, y), Grid);
        QCOMPARE(At(img, 101, y), Bg);
        QCOMPARE(At(img, 102, y), Centre);
        QCOMPARE(At(img, 103, y), Centre);
        QCOMPARE(At(img, 104, y), Bg);
        QCOMPARE(At(img, 145, y), Bg);
        QCOMPARE(At(img, 146, y), Centre);
        QCOMPARE(At(img, 147, y), Centre);
        QCOMPARE(At(img, 148, y), Bg);
        QCOMPARE(At(img, 149, y), Grid);
        QCOMPARE(At(img, 120, 102), Centre);
        QCOMPARE(At(img, 120, 147), Centre);
        QCOMPARE(At(img, 120, 148), Bg);
        QCOMPARE(Count(img, board->CellRect(6), Centre), 0);
    }

    void centreDotOnEvenTable() {
        Make(6, 300);
        board->SetGP(true);
        const QImage img = Grab();
        // The central crossing is at (150, 150).
        QCOMPARE(At(img, 150, 150), Centre);
        QCOMPARE(At(img, 147, 152), Centre);
        QCOMPARE(At(img, 153, 146), Centre);
        QVERIFY(At(img, 162, 150) != Centre);
        int darkest = 255;
        for (int y = 140; y <= 146; ++y)
            darkest = qMin(darkest, qGray(img.pixel(150, y)));
        QVERIFY2(darkest < 110, qPrintable(QString::number(darkest)));
        QCOMPARE(Count(img, QRect(100, 100, 30, 30), Centre), 0);
    }

    void fontFittingStopsAtSizeOne() {
        Make(20, 40);
        FontRecord huge;
        huge.size = 72;
        board->SetFontBig(BoardFont(huge));
        Grab();
        QCOMPARE(board->FontBig().Size(), 1);
    }

    void fontFittingShrinksUntilWFits() {
        Make(5, 250);
        FontRecord huge;
        huge.size = 72;
        board->SetFontBig(BoardFont(huge));
        board->FitFontBig();
        const int size = board->FontBig().Size();
        QVERIFY(size < 72);
        auto metrics = [&](int s) {
            QFont f = board->FontBig().Font();
            f.setPointSize(s);
            return QFontMetrics(f, board.get());
        };
        QVERIFY(metrics(size).height() < board->RowHeight(0) - 2);
        QVERIFY(metrics(size).horizontalAdvance(QLatin1Char('W')) < board->ColWidth(0) - 2);
        const QFontMetrics larger = metrics(size + 1);
        QVERIFY(larger.height() >= board->RowHeight(0) - 2 ||
                larger.horizontalAdvance(QLatin1Char('W')) >= board->ColWidth(0) - 2);
    }

    void fontFittingNeverEnlarges() {
        Make(3, 600);
        Grab();
        QCOMPARE(board->FontBig().Size(), 20);
    }
};

QTEST_MAIN(TestOxelPanelPaint)
#include "tst_oxelpanel_paint.moc"
