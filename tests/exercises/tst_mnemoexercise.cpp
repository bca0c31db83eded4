#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/MnemoExercise.h"

#include <QSet>
#include <QtTest>

class TestMnemoExercise : public QObject {
    Q_OBJECT

    ProgramFolder folder{false};

private slots:
    void init() {
        ProgramRandom().Seed(31337);
        WriteWordList(folder.path(), NumberedWords(45));
    }

    void drawLaysOutColumnsOfTenDifferentWords() {
        BoardHost host;
        host.programDir = folder.path();
        host.looks.MnemoBGColor = 0x123456;
        host.looks.MnemoFont1.size = 20;
        host.looks.MnemoFont2.size = 9;
        host.board.OnMouseMove = [](int, int) {};
        host.board.SetGP(true);
        MnemoExercise mnemo(host, host, host);
        for (int mode : {1, 2, 3}) {
            mnemo.Draw(mode);
            TOxelPanel& board = host.board;
            QCOMPARE(board.ColCount(), mode);
            QCOMPARE(board.RowCount(), 10);
            QCOMPARE(board.LinesList().size(), 10 * mode);
            QCOMPARE(QSet<QString>(board.LinesList().begin(), board.LinesList().end()).size(),
                     10 * mode);
            QCOMPARE(host.words, board.LinesList());
            for (int i = 0; i < 10 * mode; ++i)
                QCOMPARE(board.Mark(i), 1);
            QVERIFY(!board.OnMouseMove && !board.GP());
            QCOMPARE(board.BgColor(), TColor(0x123456));
            QCOMPARE(board.GridColor(), TColor(0x123456));
            QCOMPARE(board.FontSmall().Size(), 9);
            QCOMPARE(mnemo.RecallStep(), 0);
        }
    }

    // Mode 3 is answered down the columns: the eleventh word due is the top of column 2.
    // Every word has left its cell; a wrong word still to be found costs 15 seconds, a found
    // one nothing; the last word ends the run.
    void wholeRunOfModeThree() {
        TestSeams seams;
        BoardHost host;
        host.programDir = folder.path();
        MnemoExercise mnemo(host, host, host);
        QVERIFY(WireBoard(host, mnemo));
        mnemo.Draw(3);
        const QStringList memorised = host.board.LinesList();
        mnemo.Rearrange();
        for (int i = 0; i < 30; ++i)
            QVERIFY(host.board.Line(i) != memorised[i]);

        QCOMPARE(MnemoExercise::ExpectedIndex(3, 10), 1);
        QVERIFY(!ClickText(host, memorised[1])); // top of column 2, not yet due
        QCOMPARE(host.penalty, 15);
        for (int s = 0; s < 30; ++s) {
            const QString due = memorised[3 * (s % 10) + s / 10];
            if (s == 10)
                QCOMPARE(due, memorised[1]);
            if (s == 12) {
                const int found = host.board.LinesList().indexOf(memorised[0]);
                QCOMPARE(host.board.Mark(found), 0);
                QVERIFY(!ClickCell(host, found)); // found already: no penalty
                QCOMPARE(host.penalty, 15);
            }
            QCOMPARE(host.finished, 0);
            QVERIFY(ClickText(host, due));
        }
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("CLICK"), 30);
        QCOMPARE(seams.sounds.count("ERROR"), 2);
        QCOMPARE(seams.sounds.played.last().second, 2);
    }

    void eitherCopyOfADuplicatedWordIsAcceptedWhenDue() {
        TestSeams seams;
        WriteWordList(folder.path(),
                      {"кот", "дом", "лес", "кот", "сад", "мяч", "нос", "рак", "сок", "лук"});
        for (int copy : {0, 1}) {
            BoardHost host;
            host.programDir = folder.path();
            MnemoExercise mnemo(host, host, host);
            QVERIFY(WireBoard(host, mnemo));
            mnemo.Draw(1);
            const QStringList memorised = host.board.LinesList();
            mnemo.Rearrange();
            for (int s = 0; s < 10; ++s) {
                QList<int> cells; // the cells holding the due word
                for (int i = 0; i < 10; ++i)
                    if (host.board.Line(i) == memorised[s])
                        cells << i;
                QVERIFY(ClickCell(host, cells[qMin(copy, cells.size() - 1)]));
            }
            QCOMPARE(host.finished, 1);
            QCOMPARE(host.penalty, 0);
        }
    }

    void startNeedsAListLongEnoughForTheMode() {
        TestSeams seams;
        WriteWordList(folder.path(), NumberedWords(25));
        BoardHost host;
        host.programDir = folder.path();
        MnemoExercise mnemo(host, host, host);
        QVERIFY(mnemo.ReadyToStart(2));
        QVERIFY(seams.dialogs.messages.isEmpty());
        QVERIFY(!mnemo.ReadyToStart(3));
        QCOMPARE(seams.dialogs.messages.size(), 1);
        const QString& message = seams.dialogs.messages[0];
        QVERIFY(message.contains(QDir::toNativeSeparators(folder.file("dic/rus.dic"))));
        QVERIFY(message.contains("25") && message.contains("30"));
        // A draw that cannot be made leaves an empty board that accepts nothing.
        mnemo.Draw(3);
        QVERIFY(host.board.LinesList().isEmpty());
        QVERIFY(!PressCell(mnemo, host, 0));
        QCOMPARE(host.finished, 0);

        QFile::remove(folder.file("dic/rus.dic"));
        QVERIFY(!mnemo.ReadyToStart(1));
        QCOMPARE(seams.dialogs.messages.size(), 2);
        QVERIFY(seams.dialogs.messages[1].contains("rus.dic"));
    }
};

QTEST_MAIN(TestMnemoExercise)
#include "tst_mnemoexercise.moc"
