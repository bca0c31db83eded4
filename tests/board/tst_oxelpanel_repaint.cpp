#include "board/OxelPanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QTest>
#include <memory>

// Which paints draw the board by its marks alone and which keep the looks of presses: a
// paint of the whole board for the screen, whatever caused it, draws by the marks; the
// repaint of a pressed cell, a partial exposure and a grab keep what the cells show.
class TestOxelPanelRepaint : public QObject {
    Q_OBJECT

    static constexpr TColor Bg = 0xF0FBFF;
    static constexpr TColor Yes = 0x00FF00;
    static constexpr TColor No = 0x0000FF;

    // The board under an overlay in one grid cell, as the main window stacks it under the
    // results and help panels.
    std::unique_ptr<QFrame> base;
    TOxelPanel* board = nullptr;
    QFrame* overlay = nullptr;
    bool verdict = true;

    QPoint At(int cell) const { return board->CellRect(cell).center(); }
    std::optional<CellLook> Look(CellLook l) const { return l; }
    std::optional<CellLook> ByMark(int cell) const {
        return CellLook::ForMark(board->Mark(cell), board->Series());
    }
    // Lets the window system deliver the pending paints to the screen.
    static void Settle() { QTest::qWait(20); }
    TColor Inside(int cell) const {
        const QRect r = board->CellRect(cell);
        return QColorToColor(board->grab().toImage().pixelColor(r.left() + 3, r.top() + 3));
    }

private slots:
    void init() {
        base = std::make_unique<QFrame>();
        base->resize(330, 330);
        auto* stack = new QGridLayout(base.get());
        board = new TOxelPanel(base.get());
        stack->addWidget(board, 0, 0);
        overlay = new QFrame(base.get());
        overlay->setAutoFillBackground(true);
        stack->addWidget(overlay, 0, 0);
        overlay->hide();
        board->SetColCount(3);
        board->SetRowCount(3);
        board->SetBgColor(Bg);
        board->SetLightColorYES(Yes);
        board->SetLightColorNO(No);
        board->SetLinesList({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
        verdict = true;
        board->OnPress = [this](const Press&) { return std::optional<bool>(verdict); };
        base->show();
        QVERIFY(QTest::qWaitForWindowExposed(base.get()));
        Settle();
    }
    void cleanup() { base.reset(); }

    void heldPressStaysLitThroughItsOwnRepaint() {
        verdict = false;
        QTest::mousePress(board, Qt::LeftButton, {}, At(4));
        Settle();
        QCOMPARE(board->LookOf(4), Look(CellLook::OnNo()));
        QCOMPARE(Inside(4), No);
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(4));
        Settle();
        QCOMPARE(board->LookOf(4), Look(CellLook::Normal()));
    }

    void heldPressOnASingleCellBoardStaysLit() {
        // The one cell is the whole board: its own repaint covers all of it.
        board->SetColCount(1);
        board->SetRowCount(1);
        board->SetSingleText(QStringLiteral("word"));
        Settle();
        QCOMPARE(board->CellRect(0), board->rect());
        QTest::mousePress(board, Qt::LeftButton, {}, At(0));
        Settle();
        QCOMPARE(board->LookOf(0), Look(CellLook::OnYes()));
        QCOMPARE(Inside(0), Yes);
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(0));
    }

    void hidingThePanelOverTheBoardDrawsByMarks() {
        // A red cell of the red-black table found in a run: small font, red mark kept.
        board->SetMark(2, 33);
        QTest::mouseClick(board, Qt::LeftButton, {}, At(2));
        Settle();
        QCOMPARE(board->Mark(2), 33);
        QCOMPARE(board->LookOf(2), Look(CellLook::Small()));
        // A press held meanwhile loses its look as well.
        verdict = false;
        QTest::mousePress(board, Qt::LeftButton, {}, At(7));
        Settle();
        QCOMPARE(board->LookOf(7), Look(CellLook::OnNo()));

        overlay->show();
        Settle();
        overlay->hide();
        Settle();
        QCOMPARE(board->LookOf(2), ByMark(2));
        QCOMPARE(board->LookOf(2), CellLook::ForMark(33, false));
        QCOMPARE(board->LookOf(7), Look(CellLook::Normal()));
        QCOMPARE(Inside(7), Bg);
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(7));
    }

    void windowShownAgainDrawsByMarks() {
        verdict = false;
        QTest::mousePress(board, Qt::LeftButton, {}, At(1));
        Settle();
        QCOMPARE(board->LookOf(1), Look(CellLook::OnNo()));
        base->hide();
        base->show();
        QVERIFY(QTest::qWaitForWindowExposed(base.get()));
        Settle();
        QCOMPARE(board->LookOf(1), Look(CellLook::Normal()));
    }

    void resizeDrawsByMarks() {
        verdict = false;
        QTest::mousePress(board, Qt::LeftButton, {}, At(3));
        QCOMPARE(board->LookOf(3), Look(CellLook::OnNo()));
        base->resize(400, 360);
        Settle();
        QCOMPARE(board->LookOf(3), Look(CellLook::Normal()));
    }

    void wholeBoardUpdateDrawsByMarks() {
        board->SetMark(0, 33);
        QTest::mouseClick(board, Qt::LeftButton, {}, At(0));
        Settle();
        QCOMPARE(board->LookOf(0), Look(CellLook::Small()));
        board->update();
        Settle();
        QCOMPARE(board->LookOf(0), CellLook::ForMark(33, false));
    }

    void partialExposureAndGrabsKeepTheLooks() {
        verdict = false;
        QTest::mousePress(board, Qt::LeftButton, {}, At(5));
        Settle();
        // Another cell repainted, and the whole board grabbed twice: nothing changes.
        board->update(QRegion(board->CellRect(0)) + board->CellRect(8));
        Settle();
        QCOMPARE(board->LookOf(5), Look(CellLook::OnNo()));
        const QImage first = board->grab().toImage();
        QCOMPARE(board->grab().toImage(), first);
        QCOMPARE(Inside(5), No);
        QCOMPARE(board->LookOf(5), Look(CellLook::OnNo()));
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(5));
    }

    void newLookAskedWhileJudgingKeepsThePressLit() {
        // The owner changes the board's look while judging; the press after it still shows.
        board->OnPress = [this](const Press&) {
            board->SetBgColor(0xE0E0E0);
            return std::optional<bool>(true);
        };
        QTest::mousePress(board, Qt::LeftButton, {}, At(6));
        Settle();
        QCOMPARE(board->LookOf(6), Look(CellLook::OnYes()));
        QCOMPARE(Inside(6), Yes);
        QCOMPARE(Inside(0), TColor(0xE0E0E0));
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(6));
    }
};

QTEST_MAIN(TestOxelPanelRepaint)
#include "tst_oxelpanel_repaint.moc"
