#include "board/OxelPanel.h"

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(CellLook)

// A press whose release goes to a modal window: the statistics window opened by the last
// press of a series, the countdown of the next series run or a ladder message opened while
// the button is still held. The board must not keep the pressed look of such a press.
class TestOxelPanelModal : public QObject {
    Q_OBJECT

    // The board inside a window, as in the main window.
    QWidget window;
    TOxelPanel* board = nullptr;
    bool verdict = true;

    QPoint At(int cell) const { return board->CellRect(cell).center(); }
    std::optional<CellLook> Look(CellLook l) const { return l; }
    QColor PaintedBackground(int cell) {
        return board->grab().toImage().pixelColor(board->CellRect(cell).topLeft() + QPoint(3, 3));
    }

private slots:
    void initTestCase() {
        auto* layout = new QVBoxLayout(&window);
        board = new TOxelPanel(&window);
        layout->addWidget(board);
        window.resize(300, 300);
        board->SetColCount(3);
        board->SetRowCount(3);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void init() {
        board->SetLinesList({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
        board->ResetMarks();
        board->Repaint();
        verdict = true;
        board->OnPress = [this](const Press&) { return std::optional<bool>(verdict); };
    }

    void modalWindowOpenedByThePressEndsItAsItsReleaseWould() {
        QDialog dialog(&window);
        board->OnPress = [&](const Press&) {
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            dialog.exec();
            return std::optional<bool>(true);
        };
        QTest::mousePress(board, Qt::LeftButton, {}, At(4));
        QCOMPARE(board->Mark(4), 0);
        QCOMPARE(board->LookOf(4), Look(CellLook::Small()));
        QCOMPARE(PaintedBackground(4), ColorToQColor(board->BgColor()));
        // A release that still comes afterwards belongs to no press.
        board->SetMark(4, 1);
        QTest::mouseRelease(board, Qt::LeftButton, {}, At(4));
        QCOMPARE(board->Mark(4), 1);
    }

    void modalWindowOpenedWhileAPressIsHeldEndsIt_data() {
        QTest::addColumn<bool>("correct");
        QTest::addColumn<int>("mark");
        QTest::addColumn<CellLook>("look");
        QTest::newRow("accepted") << true << 0 << CellLook::Small();
        QTest::newRow("rejected") << false << 1 << CellLook::Normal();
    }
    void modalWindowOpenedWhileAPressIsHeldEndsIt() {
        QFETCH(bool, correct);
        QFETCH(int, mark);
        QFETCH(CellLook, look);
        verdict = correct;
        QTest::mousePress(board, Qt::LeftButton, {}, At(2));
        QCOMPARE(board->LookOf(2), Look(correct ? CellLook::OnYes() : CellLook::OnNo()));
        {
            QDialog dialog(&window);
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            QCOMPARE(board->Mark(2), mark);
            QCOMPARE(board->LookOf(2), Look(look));
            QCOMPARE(PaintedBackground(2), ColorToQColor(board->BgColor()));
        }
        // The board takes presses again as before.
        verdict = true;
        QTest::mouseClick(board, Qt::LeftButton, {}, At(5));
        QCOMPARE(board->Mark(5), 0);
    }

    void modalWindowWithoutAPressChangesNothing() {
        QTest::mouseClick(board, Qt::LeftButton, {}, At(1));
        board->SetMark(1, 1);
        QDialog dialog(&window);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QCOMPARE(board->Mark(1), 1);
    }
};

QTEST_MAIN(TestOxelPanelModal)
#include "tst_oxelpanel_modal.moc"
