#include "ExerciseTestHost.h"
#include "TestSupport.h"
#include "board/OxelPanel.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "exercises/ShulteExercise.h"

#include <QSet>
#include <QtTest>

class TestShulteExercise : public QObject {
    Q_OBJECT

private slots:
    void init() { ProgramRandom().Seed(20240611); }

    void drawTakesLooksAndSizeFromSettings() {
        BoardHost host;
        host.looks.ShulteBGColor = 0x112233;
        host.looks.ShulteGridColor = 0x445566;
        host.looks.ShulteGPColor = 0x778899;
        host.looks.ShulteFont1.size = 30;
        host.looks.ShulteFont2.size = 11;
        host.looks.ShulteFont2.colour = 0x00FF00;
        host.board.OnMouseMove = [](int, int) {};
        ShulteExercise shulte(host);
        shulte.Draw(7);

        QCOMPARE(host.board.ColCount(), 7);
        QCOMPARE(host.board.RowCount(), 7);
        QVERIFY(host.board.GP());
        QCOMPARE(host.board.BgColor(), TColor(0x112233));
        QCOMPARE(host.board.GridColor(), TColor(0x445566));
        QCOMPARE(host.board.GPColor(), TColor(0x778899));
        QCOMPARE(host.board.FontSmall().ToRecord(), host.looks.ShulteFont2);
        QCOMPARE(host.board.FontSmall().Color(), TColor(0x00FF00));
        QVERIFY(!host.board.OnMouseMove);
        QCOMPARE(shulte.NextNumber(), 1);
    }

    void drawLaysOutEveryNumberOnceWithNormalMarks() {
        BoardHost host;
        ShulteExercise shulte(host);
        for (int n : {5, 6, 7, 8, 9}) {
            shulte.Draw(n);
            const QStringList lines = host.board.LinesList();
            QCOMPARE(lines.size(), n * n);
            QSet<int> numbers;
            for (const QString& line : lines)
                numbers.insert(line.toInt());
            QCOMPARE(numbers.size(), n * n);
            QVERIFY(numbers.contains(1) && numbers.contains(n * n));
            for (int i = 0; i < n * n; ++i)
                QCOMPARE(host.board.Mark(i), 1);
        }
    }

    // One cyclic permutation never leaves a number in its starting cell; the second one on
    // top of it does now and then, so a table with a number at home shows both were made.
    void drawComposesTwoCyclicShuffles() {
        BoardHost host;
        host.board.resize(300, 300);
        ShulteExercise shulte(host);
        int tablesWithANumberAtHome = 0;
        for (int seed = 1; seed <= 200; ++seed) {
            ProgramRandom().Seed(seed);
            shulte.Draw(5);
            for (int i = 0; i < 25; ++i)
                if (host.board.Line(i) == QString::number(i + 1)) {
                    ++tablesWithANumberAtHome;
                    break;
                }
        }
        QVERIFY(tablesWithANumberAtHome > 0);
        QVERIFY(tablesWithANumberAtHome < 200);
    }

    void drawIsFixedBySeed() {
        BoardHost host;
        ShulteExercise shulte(host);
        ProgramRandom().Seed(7);
        shulte.Draw(6);
        const QStringList first = host.board.LinesList();
        ProgramRandom().Seed(7);
        shulte.Draw(6);
        QCOMPARE(host.board.LinesList(), first);
        ProgramRandom().Seed(8);
        shulte.Draw(6);
        QVERIFY(host.board.LinesList() != first);
    }

    void numbersInOrderAreAcceptedWithClick() {
        TestSeams seams;
        BoardHost host;
        ShulteExercise shulte(host);
        shulte.Draw(5);
        for (int v = 1; v <= 24; ++v) {
            QVERIFY(PressText(shulte, host, QString::number(v)));
            QCOMPARE(shulte.NextNumber(), v + 1);
        }
        QCOMPARE(seams.sounds.count(QStringLiteral("CLICK")), 24);
        QCOMPARE(seams.sounds.played.first().second, 2);
        QCOMPARE(host.finished, 0);
    }

    void wrongNumberIsRejectedWithErrorAndCountsNothing() {
        TestSeams seams;
        BoardHost host;
        ShulteExercise shulte(host);
        shulte.Draw(5);
        QVERIFY(PressText(shulte, host, QStringLiteral("1")));
        QVERIFY(!PressText(shulte, host, QStringLiteral("3")));
        QVERIFY(!PressText(shulte, host, QStringLiteral("1")));
        QCOMPARE(shulte.NextNumber(), 2);
        QCOMPARE(seams.sounds.names(), QStringList({"CLICK", "ERROR", "ERROR"}));
        QCOMPARE(seams.sounds.played.last().second, 2);
    }

    void emptyCellIsRejected() {
        TestSeams seams;
        BoardHost host;
        ShulteExercise shulte(host);
        shulte.Draw(5);
        QVERIFY(!host.Take(shulte.Judge(Press{})));
        QCOMPARE(shulte.NextNumber(), 1);
    }

    // The run cycle stops judging once the run has ended; the exercise itself simply ends
    // on the last number.
    void lastNumberEndsTheRun() {
        TestSeams seams;
        BoardHost host;
        ShulteExercise shulte(host);
        shulte.Draw(6);
        for (int v = 1; v <= 35; ++v)
            PressText(shulte, host, QString::number(v));
        QCOMPARE(host.finished, 0);
        QVERIFY(PressText(shulte, host, QStringLiteral("36")));
        QCOMPARE(host.finished, 1);
        QCOMPARE(shulte.NextNumber(), 36);
    }

    void newDrawStartsAgainAtOne() {
        TestSeams seams;
        BoardHost host;
        ShulteExercise shulte(host);
        shulte.Draw(5);
        PressText(shulte, host, QStringLiteral("1"));
        PressText(shulte, host, QStringLiteral("2"));
        shulte.Draw(5);
        QCOMPARE(shulte.NextNumber(), 1);
        QVERIFY(!PressText(shulte, host, QStringLiteral("3")));
    }

    void previewShowsTheSchulteBackground() {
        BoardHost host;
        host.looks.ShulteBGColor = 0x0A0B0C;
        ShulteExercise shulte(host);
        QCOMPARE(shulte.PreviewBgColor(), quint32(0x0A0B0C));
        QVERIFY(shulte.UsesRunTimer());
        QVERIFY(shulte.SeriesLook());
    }
};

QTEST_MAIN(TestShulteExercise)
#include "tst_shulteexercise.moc"
