#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "data/Text1251.h"
#include "data/Texts.h"
#include "exercises/JordanoPanel.h"
#include "exercises/NumbersExercise.h"
#include "exercises/ShulteExercise.h"

#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QPoint CentreOf(const TOxelPanel& board, int cell) {
    return board.CellRect(cell).center();
}

} // namespace

class TestNumbersExercise : public QObject {
    Q_OBJECT

    ProgramFolder folder{false};

    void Hover(BoardHost& host, int cell) {
        const QPoint p = CentreOf(host.board, cell);
        QVERIFY(host.board.OnMouseMove);
        host.board.OnMouseMove(p.x(), p.y());
    }

private slots:
    void init() { ProgramRandom().Seed(2718); }

    // The numbers fill whole rows in the middle; t = 3 leaves rows 0-2 and 6-8 as fillers.
    void boardShapesOfEveryMode() {
        BoardHost host;
        NumbersExercise numbers(host, host, host);
        const int tops[] = {4, 4, 3, 3, 2};
        for (int t = 1; t <= 5; ++t) {
            numbers.Draw(t);
            const int rows = t % 2 ? 9 : 10;
            QCOMPARE(host.board.ColCount(), 10);
            QCOMPARE(host.board.RowCount(), rows);
            QCOMPARE(NumbersExercise::TopRow(t), tops[t - 1]);
            const int first = tops[t - 1] * 10;
            QCOMPARE(host.board.LinesList().mid(first, 10 * t), numbers.ShownNumbers());
            QCOMPARE(
                QSet<QString>(numbers.ShownNumbers().begin(), numbers.ShownNumbers().end()).size(),
                10 * t);
            for (int i = 0; i < 10 * rows; ++i) {
                const bool number = i >= first && i < first + 10 * t;
                QCOMPARE(host.board.Mark(i), number ? 1 : 20);
                if (number)
                    QVERIFY(
                        QRegularExpression("^[0-9][0-9]$").match(host.board.Line(i)).hasMatch());
                else
                    QVERIFY(host.board.Line(i).isEmpty());
            }
            QCOMPARE(numbers.NumberStep(), 1);
        }
    }

    // t = 3: the first number due is the leftmost of row 3; fillers never reach the judging;
    // a wrong number still to be found costs 15 seconds, a found one nothing.
    void wholeRunOfModeThree() {
        TestSeams seams;
        BoardHost host;
        NumbersExercise numbers(host, host, host);
        QVERIFY(WireBoard(host, numbers));
        numbers.Draw(3);
        QCOMPARE(numbers.ShownNumbers().first(), host.board.Line(30));
        const QStringList shown = numbers.ShownNumbers();
        numbers.Rearrange();
        QStringList after = host.board.LinesList().mid(30, 30);
        QStringList sortedShown = shown;
        after.sort();
        sortedShown.sort();
        QCOMPARE(after, sortedShown);

        for (int filler : {0, 29, 60, 89})
            ClickCell(host, filler);
        QVERIFY(seams.sounds.played.isEmpty());
        QVERIFY(!ClickText(host, shown[1]));
        QCOMPARE(host.penalty, 15);
        for (int k = 0; k < 30; ++k) {
            QCOMPARE(host.finished, 0);
            QVERIFY(ClickText(host, shown[k]));
            if (k == 0) {
                QVERIFY(!ClickCell(host, host.board.LinesList().indexOf(shown[0])));
                QCOMPARE(host.penalty, 15);
            }
        }
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("CLICK"), 30);
        QCOMPARE(seams.sounds.count("ERROR"), 2);
    }

    // The hint shows the memory word of the number under the mouse, the heading over a
    // filler, nothing past a short number list; it stays until another exercise draws.
    void hintFollowsTheSettingsAndStaysUntilTheNextDraw() {
        BoardHost host;
        host.headings[6] = QStringLiteral("числа в образы");
        for (int i = 0; i < 50; ++i)
            host.numbers << QStringLiteral("образ%1").arg(i);
        NumbersExercise numbers(host, host, host);
        host.looks.NumbersShowHints = true;
        host.lessonChecked = true;
        numbers.Draw(5);
        QVERIFY(!host.board.OnMouseMove);
        host.lessonChecked = false;
        numbers.Draw(5);
        QVERIFY(WireBoard(host, numbers));
        for (int i = 20; i < 70; ++i) {
            Hover(host, i);
            const int n = host.board.Line(i).toInt();
            QCOMPARE(host.barCaption, n < 50 ? QStringLiteral("образ%1").arg(n) : QString());
        }
        Hover(host, 5);
        QCOMPARE(host.barCaption, QStringLiteral("числа в образы"));

        // The settings change while the number board is shown.
        host.looks.NumbersShowHints = false;
        numbers.ApplyLook();
        QVERIFY(!host.board.OnMouseMove);
        host.looks.NumbersShowHints = true;
        numbers.ApplyLook();
        QVERIFY(host.board.OnMouseMove);

        ShulteExercise shulte(host);
        shulte.Draw(5);
        QVERIFY(!host.board.OnMouseMove);
        numbers.ApplyLook(); // not over another exercise's board
        QVERIFY(!host.board.OnMouseMove);
    }

    // The search panel: shown in a run while the setting says so, following a change of the
    // setting; a right-button release on a number fills and shows it in any phase.
    void searchPanelAndTheRightButton() {
        TestSeams seams;
        WriteWordList(folder.path(), {"щенок", "кот", "чемодан", "лимон"});
        BoardHost host;
        host.programDir = folder.path();
        NumbersExercise numbers(host, host, host);
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        numbers.AddPageControls(&page, layout);
        JordanoPanel* panel = numbers.pJordano();
        QVERIFY(panel && panel->isHidden());

        host.looks.NumbersShowJordano = true;
        numbers.RunShown();
        QVERIFY(!panel->isHidden());
        host.looks.NumbersShowJordano = false;
        numbers.ApplyLook();
        QVERIFY(panel->isHidden());
        numbers.IdleShown();
        host.looks.NumbersShowJordano = true;
        numbers.ApplyLook();
        QVERIFY(panel->isHidden());

        numbers.Draw(1);
        QVERIFY(WireBoard(host, numbers));
        host.board.SetLine(40, QStringLiteral("40"));
        const QPoint p = CentreOf(host.board, 40);
        numbers.BoardMouseUp(Qt::LeftButton, p.x(), p.y());
        QVERIFY(panel->isHidden());
        const QPoint filler = CentreOf(host.board, 0);
        numbers.BoardMouseUp(Qt::RightButton, filler.x(), filler.y());
        QVERIFY(panel->isHidden());
        SetLanguage(1); // the English code over the English list
        SaveLinesFile(folder.file("dic/eng.dic"), {"chess", "rose", "sun"});
        numbers.BoardMouseUp(Qt::RightButton, p.x(), p.y());
        SetLanguage(2);
        QCOMPARE(panel->pLetters->text(), QStringLiteral("40 = R + S/Z"));
        QCOMPARE(panel->lbFind->count(), 1);
        QCOMPARE(panel->lbFind->item(0)->text(), QStringLiteral("rose"));
        panel->lbFind->clear();
        numbers.BoardMouseUp(Qt::RightButton, p.x(), p.y());
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->pLetters->text(), QStringLiteral("40 = ЧЩ + НМ"));
        QCOMPARE(panel->lbFind->count(), 2);
        QCOMPARE(panel->lbFind->item(0)->text(), QStringLiteral("чемодан"));
        QCOMPARE(panel->lbFind->item(1)->text(), QStringLiteral("щенок"));
        QCOMPARE(panel->pInfo->text(), QStringLiteral("найдено слов - 2"));

        QFile::remove(folder.file("dic/rus.dic"));
        numbers.Jordano(QStringLiteral("41"));
        QCOMPARE(seams.dialogs.messages.size(), 1);
        QVERIFY(seams.dialogs.messages[0].contains("rus.dic"));
    }
};

QTEST_MAIN(TestNumbersExercise)
#include "tst_numbersexercise.moc"
