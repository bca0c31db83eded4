#include "TestSupport.h"
#include "board/OxelPanel.h"

#include <QTest>
#include <memory>

// Presses and releases on real cells: what reaches the owner, how the pressed cell looks while
// held and after release, and which mark it is left with.
class TestOxelPanelPress : public QObject {
    Q_OBJECT

    std::unique_ptr<TOxelPanel> board;
    int verifyCalls = 0;
    bool verdict = true;
    // Properties seen by the handler at the moment it was called.
    QString seenText;
    int seenInfo = -2;
    int seenNumber = -2;

    QPoint At(int cell) const { return board->CellRect(cell).center(); }
    void Press(int cell, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(board.get(), b, {}, At(cell));
    }
    void Release(int cell, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(board.get(), b, {}, At(cell));
    }
    void Click(int cell) { QTest::mouseClick(board.get(), Qt::LeftButton, {}, At(cell)); }
    std::optional<CellLook> Look(CellLook l) const { return l; }

private slots:
    void init() {
        board = std::make_unique<TOxelPanel>();
        board->resize(300, 300);
        board->SetColCount(3);
        board->SetRowCount(3);
        board->SetLinesList({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        verifyCalls = 0;
        verdict = true;
        seenText.clear();
        seenInfo = seenNumber = -2;
        board->OnPress = [this](const ::Press& press) -> std::optional<bool> {
            ++verifyCalls;
            seenText = press.item;
            seenInfo = press.mark;
            seenNumber = press.cell;
            return verdict;
        };
    }
    void cleanup() { board.reset(); }

    void pressReportsTheCellToTheOwner() {
        board->SetMark(5, 2);
        Press(5);
        QCOMPARE(verifyCalls, 1);
        QCOMPARE(seenText, QStringLiteral("6"));
        QCOMPARE(seenInfo, 2);
        QCOMPARE(seenNumber, 5);
        Release(5);
        QCOMPARE(verifyCalls, 1);
        QCOMPARE(seenText, QStringLiteral("6"));
    }

    // The press as a value: its button and its moment on the monotonic clock. The right
    // button is reported only when the owner asks for it; the release of a reported button
    // ends its press.
    void pressCarriesItsButtonAndMoment_data() {
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("kind"); // -1: not reported
        const int left = Qt::LeftButton;
        const int both = Qt::LeftButton | Qt::RightButton;
        QTest::newRow("left") << left << left << int(::Press::Kind::Left);
        QTest::newRow("right, not asked for") << left << int(Qt::RightButton) << -1;
        QTest::newRow("right, asked for")
            << both << int(Qt::RightButton) << int(::Press::Kind::Right);
        QTest::newRow("left, right asked for too") << both << left << int(::Press::Kind::Left);
        QTest::newRow("middle") << both << int(Qt::MiddleButton) << -1;
    }

    void pressCarriesItsButtonAndMoment() {
        QFETCH(int, reported);
        QFETCH(int, button);
        QFETCH(int, kind);
        ManualClock clock;
        clock.monotonic = 4321;
        InstallClock(&clock);
        ::Press seen;
        board->OnPress = [&](const ::Press& press) {
            ++verifyCalls;
            seen = press;
            return std::optional<bool>(true);
        };
        board->SetPressButtons(Qt::MouseButtons(reported));
        Press(4, Qt::MouseButton(button));
        Release(4, Qt::MouseButton(button));
        InstallClock(nullptr);
        QCOMPARE(verifyCalls, kind < 0 ? 0 : 1);
        QCOMPARE(board->Mark(4), kind < 0 ? 1 : 0);
        if (kind < 0)
            return;
        QCOMPARE(int(seen.kind), kind);
        QCOMPARE(seen.atMs, qint64(4321));
        QCOMPARE(seen.cell, 4);
        QCOMPARE(seen.item, QStringLiteral("5"));
        QCOMPARE(seen.mark, 1);
    }

    void verdictShownOnACellLastsUntilTheRepaint_data() {
        QTest::addColumn<bool>("correct");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }

    void verdictShownOnACellLastsUntilTheRepaint() {
        QFETCH(bool, correct);
        board->ShowVerdict(3, correct);
        QCOMPARE(board->LookOf(3), Look(correct ? CellLook::OnYes() : CellLook::OnNo()));
        QCOMPARE(board->Mark(3), 1);
        QCOMPARE(board->LookOf(2), Look(CellLook::Normal()));
        board->Repaint();
        QCOMPARE(board->LookOf(3), Look(CellLook::Normal()));
    }

    void cellBeyondTheListReportsEmptyText() {
        board->SetLinesList({"1", "2", "3", "4"});
        Click(7);
        QCOMPARE(verifyCalls, 1);
        QCOMPARE(seenText, QString());
        QCOMPARE(seenInfo, -1);
        QCOMPARE(seenNumber, -1);
    }

    void blockedBoardIgnoresClicks() {
        board->SetBlockClick(true);
        QCOMPARE(board->cursor().shape(), Qt::ArrowCursor);
        Click(0);
        QCOMPARE(verifyCalls, 0);
        QCOMPARE(board->Mark(0), 1);
        QCOMPARE(seenNumber, -2);
        board->SetBlockClick(false);
        QCOMPARE(board->cursor().shape(), Qt::PointingHandCursor);
        Click(0);
        QCOMPARE(verifyCalls, 1);
    }

    void rightAndMiddlePressesNeverReachTheOwner() {
        QList<Qt::MouseButton> ups;
        QList<QPoint> upAt;
        board->OnMouseUp = [&](Qt::MouseButton b, int x, int y) {
            ups.append(b);
            upAt.append(QPoint(x, y));
        };
        Press(4, Qt::RightButton);
        Release(4, Qt::RightButton);
        QTest::mouseClick(board.get(), Qt::MiddleButton, {}, At(2));
        QCOMPARE(verifyCalls, 0);
        QCOMPARE(seenNumber, -2);
        QCOMPARE(board->LookOf(4), Look(CellLook::Normal()));
        QCOMPARE(ups, (QList<Qt::MouseButton>{Qt::RightButton, Qt::MiddleButton}));
        QCOMPARE(upAt.first(), At(4));
    }

    void ownerGetsEveryReleaseEvenWhenBlocked() {
        int ups = 0;
        board->OnMouseUp = [&](Qt::MouseButton, int, int) { ++ups; };
        board->SetBlockClick(true);
        Click(1);
        board->SetBlockClick(false);
        Click(1);
        QCOMPARE(ups, 2);
    }

    void unclickableMarksAreIgnored() {
        board->SetMark(0, 20);
        board->SetMark(1, 30);
        board->SetMark(2, 40);
        Click(0);
        Click(1);
        Click(2);
        QCOMPARE(verifyCalls, 0);
        QCOMPARE(board->Mark(0), 20);
        QCOMPARE(board->Mark(1), 30);
        QCOMPARE(board->Mark(2), 40);
        board->SetMark(3, 7); // an unknown mark is clickable
        Click(3);
        QCOMPARE(verifyCalls, 1);
    }

    void heldCellShowsTheVerdict() {
        Press(0);
        QCOMPARE(board->LookOf(0), Look(CellLook::OnYes()));
        Release(0);
        verdict = false;
        Press(1);
        QCOMPARE(board->LookOf(1), Look(CellLook::OnNo()));
        Release(1);
        board->SetLightClick(false);
        verdict = true;
        Press(2);
        QCOMPARE(board->LookOf(2), Look(CellLook::Normal()));
    }

    void acceptedPressMarksTheCellFound() {
        Click(4);
        QCOMPARE(board->Mark(4), 0);
        QCOMPARE(board->LookOf(4), Look(CellLook::Small()));
    }

    void rejectedPressKeepsTheMark() {
        verdict = false;
        Click(4);
        QCOMPARE(board->Mark(4), 1);
        QCOMPARE(board->LookOf(4), Look(CellLook::Normal()));
    }

    void foundCellClickedAgainStaysSmall() {
        Click(3);
        QCOMPARE(board->Mark(3), 0);
        verdict = false;
        Press(3);
        QCOMPARE(verifyCalls, 2);
        QCOMPARE(seenInfo, 0);
        QCOMPARE(board->LookOf(3), Look(CellLook::OnNo()));
        Release(3);
        QCOMPARE(board->Mark(3), 0);
        QCOMPARE(board->LookOf(3), Look(CellLook::Small()));
    }

    void seriesRunKeepsTheBigFont() {
        board->SetSmallerFont(false);
        board->SetSeries(true);
        Click(3);
        QCOMPARE(board->Mark(3), 0);
        QCOMPARE(board->LookOf(3), Look(CellLook::Normal()));
        board->Repaint();
        QCOMPARE(board->LookOf(3), Look(CellLook::Normal()));
    }

    void releaseOverAWrongCellLeavesThePressedCellUnchanged() {
        Press(0);
        board->MarkWrong(8);
        Release(8);
        QCOMPARE(board->Mark(0), 1);
        QCOMPARE(board->LookOf(0), Look(CellLook::OnYes()));
        // The release was the end of that press: a later release does nothing more.
        QTest::mouseRelease(board.get(), Qt::LeftButton, {}, At(0));
        QCOMPARE(board->Mark(0), 1);
    }

    void hiddenCellStaysHidden() {
        board->HideCell(5);
        Click(5);
        QCOMPARE(verifyCalls, 1);
        QCOMPARE(board->Mark(5), 10);
        QCOMPARE(board->LookOf(5), CellLook::ForMark(10, false));
    }

    void ownerHidingThePressedCellKeepsItHidden() {
        board->OnPress = [this](const ::Press& press) {
            board->HideCell(press.cell);
            return std::optional<bool>(true);
        };
        Click(2);
        QCOMPARE(board->Mark(2), 10);
        QCOMPARE(board->LookOf(2), CellLook::ForMark(10, false));
    }

    void redBlackCellsKeepTheirColourMarks() {
        board->SetSmallerFont(false);
        board->SetMark(0, 33);
        board->SetMark(1, 22);
        Click(0);
        Click(1);
        QCOMPARE(board->Mark(0), 33);
        QCOMPARE(board->Mark(1), 22);
        QCOMPARE(board->LookOf(0), CellLook::ForMark(33, false));
        QCOMPARE(board->LookOf(1), CellLook::ForMark(22, false));
    }

    void acceptedRedBlackCellGetsTheSmallFontUntilRepainted() {
        board->SetMark(0, 33);
        Click(0);
        QCOMPARE(board->Mark(0), 33);
        QCOMPARE(board->LookOf(0), Look(CellLook::Small()));
        // A repaint of the whole board draws by the mark again.
        board->Repaint();
        QCOMPARE(board->LookOf(0), CellLook::ForMark(33, false));
    }

    void rightCellStaysRight() {
        board->OnPress = [this](const ::Press& press) {
            board->MarkRight(press.cell);
            return std::optional<bool>(true);
        };
        Click(6);
        QCOMPARE(board->Mark(6), 40);
        QCOMPARE(board->LookOf(6), Look(CellLook::OnYes()));
    }

    void releaseWithoutAJudgedPressChangesNothing() {
        Click(0);
        QCOMPARE(board->Mark(0), 0);
        board->SetMark(0, 1);
        board->Repaint();
        // A press on a filled cell is not judged; its release must not act on cell 0.
        board->SetMark(4, 20);
        Click(4);
        QCOMPARE(board->Mark(0), 1);
        QCOMPARE(board->LookOf(0), Look(CellLook::Normal()));
        QCOMPARE(board->Mark(4), 20);
    }

    void refillWhileJudgingDropsThePress() {
        board->OnPress = [this](const ::Press&) {
            board->ResetMarks();
            return std::optional<bool>(true);
        };
        Press(2);
        QCOMPARE(board->LookOf(2), Look(CellLook::Normal()));
        Release(2);
        QCOMPARE(board->Mark(2), 1);
    }

    void doubleClickIsJudgedOncePerPress() {
        // Through the window, as a window system delivers it: the second press of a quick pair
        // reaches the board as a double click and must be judged like any press.
        QTest::mouseDClick(board->windowHandle(), Qt::LeftButton, {}, At(1));
        QCOMPARE(verifyCalls, 2);
    }

    void mouseMoveHandlerCanBeInstalledAndRemoved() {
        QList<QPoint> moves;
        board->OnMouseMove = [&](int x, int y) { moves.append(QPoint(x, y)); };
        QTest::mouseMove(board->windowHandle(), At(4));
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last(), At(4));
        QCOMPARE(board->CellAt(moves.last().x(), moves.last().y()), 4);
        board->OnMouseMove = nullptr;
        const qsizetype seen = moves.size();
        QTest::mouseMove(board->windowHandle(), At(8));
        QCOMPARE(moves.size(), seen);
    }
};

QTEST_MAIN(TestOxelPanelPress)
#include "tst_oxelpanel_press.moc"
