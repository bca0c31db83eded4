#include "ShellFixture.h"
#include "app/AnalysisLauncher.h"
#include "app/HistoryRecorder.h"
#include "app/UserExport.h"
#include "history/HistoryDb.h"

#include "../history/HistorySamples.h"
#include "FileBytes.h"

#include <QDir>
#include <QLabel>
#include <QtTest>

namespace {

using shell::HookRecorder;
using shell::Window;

const QString User = QStringLiteral("Анна");

// Plays a whole 5 x 5 table: a wrong press of 7 after 500 ms, then 1 to 25 every 100 ms.
void PlaySchulte(Window& win) {
    win.seams.clock.advance(500);
    QVERIFY(!win.press(7));
    for (int v = 1; v <= 25; ++v) {
        win.seams.clock.advance(100);
        QVERIFY(win.press(v));
    }
}

// The runs the history holds for the user's 5 x 5 tables, with their presses.
QVector<HistoryRun> StoredRuns(const Window& win) {
    HistoryDb db(win.folder.path(), HistoryDb::Access::ReadOnly);
    QVector<HistoryRun> runs;
    for (const HistoryRun& run : db.Runs(User, QStringLiteral("shulte"), 5))
        runs.append(*db.Run(run.id));
    return runs;
}

} // namespace

class TestHistoryRecorder : public QObject {
    Q_OBJECT

private slots:
    void wholeRunLandsWithItsPresses() {
        Window win(4242, User);
        win.start();
        const QStringList board = win.board().LinesList();
        PlaySchulte(win);
        QTRY_COMPARE(StoredRuns(win).size(), 1);
        const HistoryRun run = StoredRuns(win).first();
        QCOMPARE(run.kind, RunKind::Single);
        QVERIFY(run.completed);
        QCOMPARE(run.result, win.w().TimerP->text());
        QCOMPARE(run.durationMs, 3000);
        QCOMPARE(run.errors, 1);
        QCOMPARE(run.boardCols, 5);
        QCOMPARE(run.presses.size(), 26);
        const HistoryPress& wrong = run.presses.first();
        QCOMPARE(wrong.tMs, 500);
        QCOMPARE(wrong.item, QStringLiteral("7"));
        QCOMPARE(wrong.cell, board.indexOf("7"));
        QVERIFY(!wrong.correct);
        for (int v = 1; v <= 25; ++v) {
            const HistoryPress& p = run.presses[v];
            QCOMPARE(p.seq, v + 1);
            QCOMPARE(p.tMs, 500 + 100 * v);
            QCOMPARE(p.item, QString::number(v));
            QCOMPARE(p.cell, board.indexOf(QString::number(v)));
            QVERIFY(p.correct);
        }
        // The run as the analysis gets it, presses and all.
        QCOMPARE(win.form->Analysis().LastRun()->presses.size(), 26);
        // The result value the ten-best table, the series and the ladder take.
        QCOMPARE(win.finished.value, run.result.toDouble());
    }

    void eachRunGetsItsKind_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("completed");
        QTest::newRow("single") << 0 << int(RunKind::Single) << true;
        QTest::newRow("series") << 1 << int(RunKind::Series) << true;
        QTest::newRow("ladder") << 2 << int(RunKind::Ladder) << true;
        QTest::newRow("stopped") << 3 << int(RunKind::Single) << false;
    }

    void eachRunGetsItsKind() {
        QFETCH(int, way);
        QFETCH(int, kind);
        QFETCH(bool, completed);
        Window win(4242, User);
        HookRecorder hooks;
        hooks.lessonChB = win.w().LessonChB;
        win.form->Cycle().SetSeriesHooks(&hooks);
        win.form->Cycle().SetLadderHooks(&hooks);
        win.w().LessonChB->setChecked(way == 1 || way == 2);
        win.form->Cycle().SetLadderActive(way == 2);
        win.start();
        if (way == 3) {
            win.seams.clock.advance(700);
            win.press(1);
            win.start();
        } else {
            PlaySchulte(win);
        }
        QTRY_COMPARE(StoredRuns(win).size(), 1);
        const HistoryRun run = StoredRuns(win).first();
        QCOMPARE(int(run.kind), kind);
        QCOMPARE(run.completed, completed);
        QCOMPARE(run.presses.size(), completed ? 26 : 1);
        win.form->Cycle().SetSeriesHooks(nullptr);
        win.form->Cycle().SetLadderHooks(nullptr);
    }

    void damagedHistoryIsSetAsideAndTheBestTableStillWritten() {
        Window win(4242, User);
        shell::WriteFile(win.folder.file(HistoryDb::FileName), QByteArray(4096, 'x'));
        win.start();
        PlaySchulte(win);
        QCOMPARE(win.table("shulte.rec").mid(0, 2),
                 QStringList({User, FormatGeneral(win.finished.value)}));
        QTRY_COMPARE(StoredRuns(win).size(), 1);
        const QStringList aside = QDir(win.folder.path())
                                      .entryList({QStringLiteral("history.sqlite.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QVERIFY2(win.seams.dialogs.messages[0].contains(aside[0]),
                 qPrintable(win.seams.dialogs.messages[0]));
        // The problem is told once; the next run is stored without a word.
        win.start();
        PlaySchulte(win);
        QTRY_COMPARE(StoredRuns(win).size(), 2);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
    }

    // A newer version's history through a session with runs: its runs are read, the file is
    // left byte for byte as it was, and the user is told once, without waiting.
    void newerHistoryIsReadAndLeftAsItWas() {
        Window win(4242, User);
        win.start();
        PlaySchulte(win);
        QTRY_COMPARE(StoredRuns(win).size(), 1);
        win.open(User);
        const QString path = win.folder.file(HistoryDb::FileName);
        // A newer program's version, with a table this one does not know.
        samples::Query(path, "CREATE TABLE goals (user TEXT, target REAL)");
        samples::Query(path, "PRAGMA user_version = 9");
        const QByteArray before = ReadBytes(path);
        for (int run = 0; run < 2; ++run) {
            win.start();
            PlaySchulte(win);
        }
        QTRY_COMPARE(win.seams.dialogs.notices.size(), 1);
        QVERIFY(win.seams.dialogs.notices[0].contains(path));
        QCOMPARE(win.form->History().Waiting(), 0);
        QCOMPARE(StoredRuns(win).size(), 1);
        QCOMPARE(win.table("shulte.rec")[0], User); // the best table is written as always
        win.form.reset();
        QCOMPARE(ReadBytes(path), before);
    }

    // A history that could not be opened is tried again at the next run; the run it missed
    // waits in memory and goes in first.
    void failedOpenIsTriedAgainAndTheRunKept() {
        Window win(4242, User);
        const QString path = win.folder.file(HistoryDb::FileName);
        QVERIFY(QDir().mkpath(path)); // a folder where the file should be: cannot be opened
        win.start();
        PlaySchulte(win);
        QTRY_COMPARE(win.form->History().Waiting(), 1);
        QVERIFY(QDir(path).removeRecursively());
        win.start();
        win.press(1);
        win.start(); // stopped after one press
        QTRY_COMPARE(win.form->History().Waiting(), 0);
        const QVector<HistoryRun> runs = StoredRuns(win);
        QCOMPARE(runs.size(), 2);
        QVERIFY(runs[0].completed && runs[0].presses.size() == 26 && !runs[1].completed);
        QCOMPARE(win.seams.dialogs.notices.size(), 1);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
    }

    // The statistics window's export of one label: the runs of that exercise and mode only.
    void exportOfALabelWritesItsRuns() {
        Window win(4242, User);
        win.start();
        PlaySchulte(win);
        QTRY_COMPARE(StoredRuns(win).size(), 1);
        QTemporaryDir out;
        const QString base = out.filePath(QStringLiteral("anna.csv"));
        for (const auto& [mode, rows] : {std::pair{5, 2}, std::pair{6, 1}}) {
            win.seams.dialogs.saveAnswers.push_back(base);
            ExportUserData(win.folder.path(), User, StatsLabel{0, mode, {}});
            for (const char* name : {"anna-runs.csv", "anna-days.csv"}) {
                QFile file(out.filePath(QLatin1String(name)));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll().trimmed().split('\n').size(), rows);
            }
        }
        QCOMPARE(win.seams.dialogs.messages.size(), 2);
        // The command line's export writes the days beside the runs.
        QString errors;
        QTextStream err(&errors);
        QCOMPARE(ExportDataFolder(win.folder.path(), out.path(), err), 0);
        QVERIFY(QFile::exists(out.filePath(QStringLiteral("runs.csv"))));
        QVERIFY(QFile::exists(out.filePath(QStringLiteral("days.csv"))));
        // Cancel in the save dialog writes nothing and says nothing.
        ExportUserData(win.folder.path(), User, std::nullopt);
        QCOMPARE(win.seams.dialogs.messages.size(), 2);
    }
};

QTEST_MAIN(TestHistoryRecorder)
#include "tst_historyrecorder.moc"
