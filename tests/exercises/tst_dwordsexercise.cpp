#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/DwordsExercise.h"

#include <QtTest>

namespace {

// The cell now holding the word of the memorised table, found by text.
int CellOf(const TOxelPanel& board, const QString& word) {
    return board.LinesList().indexOf(word);
}

} // namespace

class TestDwordsExercise : public QObject {
    Q_OBJECT

    ProgramFolder folder{false};

private slots:
    void init() {
        ProgramRandom().Seed(4711);
        WriteWordList(folder.path(), NumberedWords(40));
    }

    // Each word moves to another row of its own column; marks stay.
    void drawFillsThePairTableAndAsortKeepsColumns() {
        BoardHost host;
        host.programDir = folder.path();
        host.looks.DwordsBGColor = 0x010203;
        host.looks.DwordsGridColor = 0x040506;
        DwordsExercise dwords(host, host, host);
        QVERIFY(!dwords.SeriesLook());
        for (int mode : {2, 3}) {
            dwords.Draw(mode);
            TOxelPanel& board = host.board;
            QCOMPARE(board.ColCount(), mode);
            QCOMPARE(board.RowCount(), 10);
            QCOMPARE(board.BgColor(), TColor(0x010203));
            QCOMPARE(board.GridColor(), TColor(0x040506));
            for (int r = 0; r < 10; ++r)
                for (int c = 0; c < 3; ++c)
                    QCOMPARE(dwords.PairTable()[r][c], c < mode ? board.Line(r * mode + c) : "");
            board.SetMark(4, 0);
            dwords.Rearrange();
            for (int r = 0; r < 10; ++r)
                for (int c = 0; c < mode; ++c) {
                    const int cell = CellOf(board, dwords.PairTable()[r][c]);
                    QCOMPARE(cell % mode, c);
                    QVERIFY(cell / mode != r);
                }
            QCOMPARE(board.Mark(4), 0);
            QCOMPARE(board.Mark(5), 1);
        }
    }

    // Triples: the second word sounds "CLICK", the third "N3" and the group vanishes; a wrong
    // partner costs 15 seconds and keeps the group open; a taken or vanished word is refused
    // without penalty; the run ends with the 30th accepted click.
    void wholeRunOfTriples() {
        TestSeams seams;
        BoardHost host;
        host.programDir = folder.path();
        DwordsExercise dwords(host, host, host);
        QVERIFY(WireBoard(host, dwords));
        dwords.Draw(3);
        dwords.Rearrange();
        TOxelPanel& board = host.board;
        const auto& table = dwords.PairTable();
        int expectedPenalty = 0;
        for (int r = 0; r < 10; ++r) {
            const int a = CellOf(board, table[r][2]);
            const int b = CellOf(board, table[r][0]);
            const int c = CellOf(board, table[r][1]);
            QVERIFY(ClickCell(host, a));
            QCOMPARE(dwords.GroupRow(), r);
            QCOMPARE(seams.sounds.played.last().first, QStringLiteral("CLICK"));
            QVERIFY(!ClickCell(host, a)); // the opening word, taken
            QCOMPARE(host.penalty, expectedPenalty);
            if (r < 9) {
                QVERIFY(!ClickCell(host, CellOf(board, table[r + 1][0])));
                expectedPenalty += 15;
                QCOMPARE(host.penalty, expectedPenalty);
            }
            QVERIFY(ClickCell(host, b));
            QCOMPARE(seams.sounds.played.last().first, QStringLiteral("CLICK"));
            QCOMPARE(host.finished, 0);
            QVERIFY(ClickCell(host, c));
            QCOMPARE(seams.sounds.played.last(), qMakePair(QStringLiteral("N3"), 2));
            for (int cell : {a, b, c})
                QCOMPARE(board.Mark(cell), 10);
            if (r == 0) {
                QVERIFY(!ClickCell(host, b)); // vanished
                QCOMPARE(host.penalty, expectedPenalty);
            }
        }
        QCOMPARE(dwords.PairClickCount(), 30);
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("N3"), 10);
    }

    // A word standing in two rows binds the group to the lower one.
    void duplicatedWordOpensTheGroupOfTheLowerRow() {
        TestSeams seams;
        QStringList words = NumberedWords(19);
        words << words[3];
        WriteWordList(folder.path(), words);
        BoardHost host;
        host.programDir = folder.path();
        DwordsExercise dwords(host, host, host);
        QVERIFY(WireBoard(host, dwords));
        dwords.Draw(2);
        QList<int> rows;
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 2; ++c)
                if (dwords.PairTable()[r][c] == words[3])
                    rows << r;
        QCOMPARE(rows.size(), 2);
        const auto partnerIn = [&](int r) {
            const auto& row = dwords.PairTable()[r];
            return row[0] == words[3] ? row[1] : row[0];
        };
        dwords.Rearrange();
        QVERIFY(ClickText(host, words[3]));
        QCOMPARE(dwords.GroupRow(), rows[1]);
        QVERIFY(!ClickText(host, partnerIn(rows[0])));
        QCOMPARE(host.penalty, 15);
        QVERIFY(ClickText(host, partnerIn(rows[1])));
        QCOMPARE(seams.sounds.played.last().first, QStringLiteral("N3"));
    }
};

QTEST_MAIN(TestDwordsExercise)
#include "tst_dwordsexercise.moc"
