#include "ShellFixture.h"
#include "app/CaptionPanel.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/DataFile.h"
#include "exercises/JordanoPanel.h"
#include "exercises/NumbersExercise.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

namespace {

using shell::Window;

constexpr int Mnemo = 2, Dwords = 5, Numbers = 6;

struct Run {
    Window& win;
    int index;
    ControlPage& page() { return win.w().Page(index); }
    TOxelPanel& board() { return win.board(); }
    void select() { win.w().TabSwitchCB->setCurrentIndex(Exercise(index).listPosition); }
    void button() { QTest::mouseClick(page().StartSB, Qt::LeftButton); }
    QString penalty() { return page().ShtrafTimerP->text(); }
    void click(int cell) {
        QTest::mouseClick(&board(), Qt::LeftButton, {}, board().CellRect(cell).center());
    }
    // Clicks the cell holding the text that is still to be found; the verdict.
    bool click(const QString& text) {
        for (int i = 0; i < board().LinesList().size(); ++i)
            if (board().Line(i) == text && board().Mark(i) == 1) {
                win.lastVerdict = false;
                click(i);
                return win.lastVerdict;
            }
        return false;
    }
};

} // namespace

class TestShellMemorise : public QObject {
    Q_OBJECT

private slots:
    void startButtonsOfTheThreeAreEnabled() {
        Window win;
        for (int index : {Mnemo, Dwords, Numbers})
            QVERIFY(win.w().Page(index).StartSB->isEnabled());
    }

    // Outside a series the result is the memorising time plus the penalties; the answering
    // time does not count.
    void mnemoRunOutsideASeries() {
        Window win;
        Run run{win, Mnemo};
        run.select();
        run.button();
        QCOMPARE(run.page().RunPhase, 2);
        QCOMPARE(run.page().StartSB->text(), QStringLiteral("Проверка"));
        QCOMPARE(run.penalty(), QStringLiteral("0"));
        QCOMPARE(win.w().BaseButtonP->Caption(), shell::Headings()[Mnemo]);
        QCOMPARE(run.board().ColCount(), 1);
        const QStringList memorised = run.board().LinesList();
        run.click(0); // clicks are blocked while memorising
        QCOMPARE(win.seams.sounds.count("CLICK") + win.seams.sounds.count("ERROR"), 0);
        win.tickAfter(4000);

        run.button();
        QCOMPARE(run.page().RunPhase, 3);
        QCOMPARE(run.page().StartSB->text(), QStringLiteral("Стоп"));
        QVERIFY(!win.form->Cycle().SysTimer().isActive());
        QVERIFY(!run.board().BlockClick());
        for (int i = 0; i < 10; ++i)
            QVERIFY(run.board().Line(i) != memorised[i]);
        QVERIFY(!run.click(memorised[5]));
        QCOMPARE(run.penalty(), QStringLiteral("15"));
        win.seams.clock.advance(9000);
        for (const QString& word : memorised)
            QVERIFY(run.click(word));
        QCOMPARE(win.w().TimerP->text(), QStringLiteral("19"));
        QCOMPARE(win.table("mnemo.rec").mid(0, 3), QStringList({QString(), "19", win.today()}));
        QCOMPARE(run.page().RunPhase, 1);
        QVERIFY(run.page().SwitchSB->isEnabled());
    }

    // A run that has ended judges no more presses: no sound, no second result, and the cell
    // shows no verdict, neither while held nor after.
    void endedRunJudgesNoMorePresses() {
        Window win;
        Run run{win, 0};
        run.button();
        for (int v = 1; v <= 25; ++v)
            QVERIFY(win.press(v));
        const int last = run.board().LinesList().indexOf("25");
        const int sounds = int(win.seams.sounds.played.size());
        const QStringList table = win.table("shulte.rec");
        QTest::mousePress(&run.board(), Qt::LeftButton, {}, run.board().CellRect(last).center());
        QCOMPARE(run.board().LookOf(last), CellLook::ForMark(0, false));
        QTest::mouseRelease(&run.board(), Qt::LeftButton, {}, run.board().CellRect(last).center());
        run.click(run.board().LinesList().indexOf("3"));
        QCOMPARE(run.board().LookOf(last), CellLook::ForMark(0, false));
        QCOMPARE(win.seams.sounds.played.size(), sounds);
        QCOMPARE(win.table("shulte.rec"), table);

        // Nor does the next exercise judge the board left by the last one.
        Run mnemo{win, Mnemo};
        mnemo.select();
        run.click(0);
        QCOMPARE(win.seams.sounds.played.size(), sounds);
    }

    // In a series the clock runs through the answering phase; word pairs keep the normal look.
    void seriesRunsCountTheAnsweringTime() {
        Window win;
        win.w().LessonChB->setChecked(true);
        Run run{win, Mnemo};
        run.select();
        run.button();
        QVERIFY(run.board().Series());
        const QStringList memorised = run.board().LinesList();
        win.tickAfter(3000);
        run.button();
        QVERIFY(win.form->Cycle().SysTimer().isActive());
        win.tickAfter(5000);
        for (const QString& word : memorised)
            run.click(word);
        QCOMPARE(win.table("smnemo.rec")[1], QStringLiteral("8"));
        QVERIFY(win.table("mnemo.rec").join(QString()).isEmpty());

        Run pairs{win, Dwords};
        pairs.select();
        pairs.button();
        QVERIFY(!pairs.board().Series());
        QVERIFY(pairs.board().SmallerFont());
        QCOMPARE(win.form->Cycle().SeriesExercise(), Dwords + 1);
        // Stopped while answering: no result, and the series is dropped.
        win.form->Cycle().SetSeriesStep(3);
        pairs.button();
        pairs.button();
        QCOMPARE(pairs.page().RunPhase, 1);
        QCOMPARE(win.form->Cycle().SeriesExercise(), 0);
        QCOMPARE(win.form->Cycle().SeriesStep(), 1);
        QVERIFY(win.table("sdwords.rec").join(QString()).isEmpty());
    }

    void dwordsRunOfTriples() {
        Window win;
        Run run{win, Dwords};
        run.select();
        QTest::mouseClick(run.page().SwitchSB, Qt::LeftButton);
        QCOMPARE(run.page().SwitchSB->text(), QStringLiteral("Режим 3"));
        run.button();
        QCOMPARE(run.board().ColCount(), 3);
        QCOMPARE(run.board().RowCount(), 10);
        QStringList rows;
        for (int r = 0; r < 10; ++r)
            rows << run.board().LinesList().mid(3 * r, 3).join('|');
        win.tickAfter(7000);
        run.button();
        for (int r = 0; r < 10; ++r) {
            const QStringList group = rows[r].split('|');
            QVERIFY(run.click(group[0]));
            if (r == 4)
                QVERIFY(!run.click(rows[5].split('|')[1])); // a partner of another row
            QVERIFY(run.click(group[1]));
            QVERIFY(run.click(group[2]));
        }
        QCOMPARE(run.penalty(), QStringLiteral("15"));
        QCOMPARE(win.seams.sounds.count("N3"), 10);
        QCOMPARE(win.table("dwords.rec").mid(30, 3), QStringList({QString(), "22", win.today()}));
        QTest::mouseClick(run.page().SwitchSB, Qt::LeftButton);
        QCOMPARE(run.page().SwitchSB->text(), QStringLiteral("Режим 2"));
    }

    // Every mode's board; the search panel during a run when the setting is on; the hint and
    // the right-button search on the board.
    void numbersModesPanelHintAndSearch() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        shell::WriteFile(folder.file("dic/rus.dic"), WriteLines({"чемодан", "кот", "щенок"}));
        {
            TDataFile ini(folder.file("oxel.ini"));
            ini.WriteBool("OPTIONS", "NumbersShowJordano", true);
        }
        TMainForm form(folder.path());
        form.show();
        MainWidgets& w = form.Widgets();
        w.TabSwitchCB->setCurrentIndex(Exercise(Numbers).listPosition);
        ControlPage& page = w.Page(Numbers);
        TOxelPanel& board = *w.OxelP;
        auto* panel = form.findChild<JordanoPanel*>("pJordano");
        QVERIFY(panel && !panel->isVisible());
        for (int t : {2, 3, 4, 5, 1}) {
            QTest::mouseClick(page.SwitchSB, Qt::LeftButton);
            QCOMPARE(page.SwitchSB->text(), QStringLiteral("Режим %1").arg(10 * t));
            QTest::mouseClick(page.StartSB, Qt::LeftButton);
            QCOMPARE(board.RowCount(), t % 2 ? 9 : 10);
            QCOMPARE(board.LinesList().mid(NumbersExercise::TopRow(t) * 10, 10 * t).join("").size(),
                     20 * t);
            QVERIFY(panel->isVisible());
            QTest::mouseClick(page.StartSB, Qt::LeftButton);
            QTest::mouseClick(page.StartSB, Qt::LeftButton);
            QCOMPARE(page.RunPhase, 1);
            QVERIFY(!panel->isVisible());
        }

        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        board.SetLine(40, QStringLiteral("40"));
        QTest::mouseMove(&board, board.CellRect(40).center());
        QCOMPARE(w.BaseButtonP->Caption(), QStringLiteral("образ40"));
        QTest::mouseMove(&board, board.CellRect(3).center());
        QCOMPARE(w.BaseButtonP->Caption(), shell::Headings()[Numbers]);
        QTest::mouseClick(&board, Qt::RightButton, {}, board.CellRect(40).center());
        QCOMPARE(panel->pLetters->text(), QStringLiteral("40 = ЧЩ + НМ"));
        QCOMPARE(panel->lbFind->count(), 2);
        QCOMPARE(panel->pInfo->text(), QStringLiteral("найдено слов - 2"));
    }

    void tooShortWordListKeepsTheExerciseIdle() {
        Window win;
        QStringList words;
        for (int i = 0; i < 15; ++i)
            words << QStringLiteral("слово%1").arg(i);
        shell::WriteFile(win.folder.file("dic/rus.dic"), WriteLines(words));
        for (int index : {Mnemo, Dwords}) {
            Run run{win, index};
            run.select();
            if (index == Mnemo) // mode 2: twenty words
                QTest::mouseClick(run.page().SwitchSB, Qt::LeftButton);
            win.seams.dialogs.messages.clear();
            run.button();
            QCOMPARE(win.seams.dialogs.messages.size(), 1);
            const QString& message = win.seams.dialogs.messages[0];
            QVERIFY(message.contains("rus.dic") && message.contains("15") &&
                    message.contains("20"));
            QCOMPARE(run.page().RunPhase, 1);
            QVERIFY(!win.form->Cycle().SysTimer().isActive());
            QVERIFY(win.w().TabSwitchCB->isVisible());
            QVERIFY(win.w().RecordP->isVisible());
        }
    }
};

QTEST_MAIN(TestShellMemorise)
#include "tst_shell_memorise.moc"
