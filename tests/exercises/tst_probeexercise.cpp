#include "BoardPress.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/ProbeExercise.h"

#include <QtTest>

namespace {

using Probe = ProbeExercise;
constexpr int Cells = 400;

QList<int> TargetCells(const TOxelPanel& board, const Probe& probe) {
    QList<int> cells;
    for (int i = 0; i < Cells; ++i)
        if (board.Line(i) == probe.Target1() || board.Line(i) == probe.Target2())
            cells.append(i);
    return cells;
}

} // namespace

class TestProbeExercise : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(161803); }

    void drawTakesTheLookOfTheSettings() {
        BoardHost host;
        host.looks.ProbeBGColor = 0x0A1B2C;
        host.looks.ProbeFont1.size = 19;
        host.looks.ProbeFont2.size = 7;
        host.board.SetGP(true);
        host.board.OnMouseMove = [](int, int) {};
        Probe probe(host, host);
        probe.Draw(1);
        QCOMPARE(host.board.BgColor(), TColor(0x0A1B2C));
        QCOMPARE(host.board.GridColor(), TColor(0x0A1B2C));
        QCOMPARE(host.board.FontBig().Size(), 19);
        QCOMPARE(host.board.FontSmall().Size(), 7);
        QVERIFY(!host.board.GP());
        QVERIFY(!host.board.OnMouseMove);
        QCOMPARE(probe.PreviewBgColor(), quint32(0x0A1B2C));
    }

    void eachSymbolOccursFortyTimes() {
        BoardHost host;
        Probe probe(host, host);
        for (int mode : {1, 2}) {
            probe.Draw(mode);
            QCOMPARE(host.board.ColCount(), 20);
            QCOMPARE(host.board.RowCount(), 20);
            const QStringList lines = host.board.LinesList();
            QCOMPARE(lines.size(), Cells);
            const QStringList symbols = Probe::Symbols(mode);
            QCOMPARE(symbols.size(), 10);
            for (const QString& s : symbols)
                QCOMPARE(lines.count(s), 40);
            QCOMPARE(CountMark(host.board, Cells, 1), Cells);
            QCOMPARE(probe.ProbeMarked(), 0);
        }
        QCOMPARE(Probe::Symbols(1).join(QString()), QStringLiteral("ABKEMHOPCT"));
        QCOMPARE(Probe::Symbols(2).join(QString()), QStringLiteral("0123456789"));
        // Latin capitals, not their Cyrillic look-alikes.
        for (const QString& s : Probe::Symbols(1))
            QVERIFY(s.at(0).unicode() < 128);
    }

    void theTwoTargetsAreAlwaysDifferentSymbolsOfTheSet() {
        BoardHost host;
        Probe probe(host, host);
        QSet<QString> firstTargets;
        for (int seed = 1; seed <= 300; ++seed) {
            ProgramRandom().Seed(seed);
            const int mode = seed % 2 + 1;
            probe.Draw(mode);
            QVERIFY(probe.Target1() != probe.Target2());
            QVERIFY(Probe::Symbols(mode).contains(probe.Target1()));
            QVERIFY(Probe::Symbols(mode).contains(probe.Target2()));
            if (mode == 1)
                firstTargets << probe.Target1();
        }
        QCOMPARE(firstTargets.size(), 10);
    }

    void clickingTheLastTargetFirstMarksTheOther79Missed() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        // A board whose bottom-right cell holds a target.
        int seed = 1;
        do {
            ProgramRandom().Seed(seed++);
            probe.Draw(1);
        } while (!TargetCells(host.board, probe).contains(Cells - 1));

        QVERIFY(ClickCell(host, Cells - 1));
        QCOMPARE(host.board.Mark(Cells - 1), Probe::FoundMark);
        QCOMPARE(CountMark(host.board, Cells, Probe::MissedMark), 79);
        for (int cell : TargetCells(host.board, probe).mid(0, 79))
            QCOMPARE(host.board.Mark(cell), Probe::MissedMark);
        QCOMPARE(host.penalty, 395);
        // Each swept target is reported as a wrong press at its cell.
        QCOMPARE(host.logged.size(), 79);
        for (int i = 0; i < 79; ++i) {
            QCOMPARE(host.logged[i].cell, TargetCells(host.board, probe)[i]);
            QVERIFY(!host.logged[i].correct);
        }
        QCOMPARE(probe.ProbeMarked(), 80);
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.names(), QStringList{"CLICK"});
        // Every target is marked now and no longer reports a press.
        QVERIFY(!ClickCell(host, TargetCells(host.board, probe).first()));
        QCOMPARE(host.finished, 1);
    }

    void targetsInReadingOrderAreNeverMissed() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        probe.Draw(2);
        const QList<int> targets = TargetCells(host.board, probe);
        QCOMPARE(targets.size(), 80);
        for (int k = 0; k < targets.size(); ++k) {
            QCOMPARE(host.finished, 0);
            QVERIFY(ClickCell(host, targets[k]));
            QCOMPARE(probe.ProbeMarked(), k + 1);
        }
        QCOMPARE(CountMark(host.board, Cells, Probe::FoundMark), 80);
        QCOMPARE(CountMark(host.board, Cells, Probe::MissedMark), 0);
        QCOMPARE(host.penalty, 0);
        QCOMPARE(host.finished, 1);
        QCOMPARE(seams.sounds.count("CLICK"), 80);
    }

    void onlyTargetsBeforeTheClickedOneAreSwept() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        probe.Draw(1);
        const QList<int> targets = TargetCells(host.board, probe);
        QVERIFY(ClickCell(host, targets[10]));
        for (int k = 0; k < 10; ++k)
            QCOMPARE(host.board.Mark(targets[k]), Probe::MissedMark);
        for (int k = 11; k < 80; ++k)
            QCOMPARE(host.board.Mark(targets[k]), 1);
        QCOMPARE(host.penalty, 50);
        QCOMPARE(probe.ProbeMarked(), 11);
        // A later click sweeps only what is still unmarked between the two.
        QVERIFY(ClickCell(host, targets[13]));
        QCOMPARE(host.penalty, 60);
        QCOMPARE(probe.ProbeMarked(), 14);
        QCOMPARE(host.board.Mark(targets[12]), Probe::MissedMark);
        // Skipping ahead sweeps the six targets in between.
        QVERIFY(ClickCell(host, targets[20]));
        QCOMPARE(host.penalty, 90);
        QCOMPARE(host.finished, 0);
    }

    // The sweep reaches the cell right before the clicked one.
    void aTargetJustBeforeTheClickedOneIsMissed() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        probe.Draw(1);
        const QList<int> targets = TargetCells(host.board, probe);
        int k = 1;
        while (k < targets.size() && targets[k] != targets[k - 1] + 1)
            ++k;
        QVERIFY(k < targets.size());
        QVERIFY(ClickCell(host, targets[k]));
        QCOMPARE(host.board.Mark(targets[k - 1]), Probe::MissedMark);
        QCOMPARE(host.penalty, 5 * k);
        QCOMPARE(probe.ProbeMarked(), k + 1);
    }

    void aNewDrawClearsTheMarksOfTheLastRun() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        probe.Draw(1);
        QVERIFY(ClickCell(host, TargetCells(host.board, probe)[40]));
        QVERIFY(CountMark(host.board, Cells, Probe::MissedMark) > 0);
        probe.Draw(1);
        QCOMPARE(CountMark(host.board, Cells, 1), Cells);
        QCOMPARE(probe.ProbeMarked(), 0);
    }

    void wrongSymbolsCostNothing() {
        TestSeams seams;
        BoardHost host;
        Probe probe(host, host);
        QVERIFY(WireBoard(host, probe));
        probe.Draw(1);
        const QList<int> targets = TargetCells(host.board, probe);
        int wrongCell = Cells - 1;
        while (targets.contains(wrongCell))
            --wrongCell;
        QVERIFY(!ClickCell(host, wrongCell));
        QCOMPARE(host.board.Mark(wrongCell), 1);
        QCOMPARE(CountMark(host.board, Cells, Probe::MissedMark), 0);
        QCOMPARE(host.penalty, 0);
        QCOMPARE(probe.ProbeMarked(), 0);
        QCOMPARE(seams.sounds.names(), QStringList{"ERROR"});
        QCOMPARE(seams.sounds.played.last().second, 2);
    }
};

QTEST_MAIN(TestProbeExercise)
#include "tst_probeexercise.moc"
