#include "ShellFixture.h"
#include "app/Main.h"
#include "app/RecordLayout.h"
#include "app/RecordPanel.h"
#include "board/OxelPanel.h"
#include "data/FileCipher.h"
#include "data/NumberFormat.h"
#include "data/Random.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

using L = RecordLayout;

// A shown main window with Anna signed in, in a fresh folder.
struct Window : shell::Window {
    Window() : shell::Window(77, QStringLiteral("Anna")) {}
    RecordPanel& panel() { return form->Records(); }
    QLabel* cell(int i) { return panel().RecList().at(i); }
    QStringList row(int r) {
        return {cell(L::FirstName + r - 1)->text(), cell(L::FirstResult + r - 1)->text(),
                cell(L::FirstDate + r - 1)->text()};
    }
    // The 49 cells lie where the formulas put them for the panel's present size.
    void checkFits() {
        const auto rects = L::Cells(w().RecordP->size());
        QCOMPARE(panel().RecList().size(), L::CellCount);
        for (int i = 0; i < L::CellCount; ++i)
            QCOMPARE(cell(i)->geometry(), rects[i]);
    }
    QByteArray tableBytes(const QString& name) const { return LoadFileBytes(tablePath(name)); }
    void writeTable(const QString& name, const QStringList& lines) const {
        SaveFileBytes(tablePath(name), EncryptBytes(WriteLines(lines)));
    }

    // A whole Schulte run of the current size; the timer shows `ms` at the last press.
    void run(qint64 ms) {
        QTest::mouseClick(shulte().StartSB, Qt::LeftButton);
        const int last = shulte().ExerciseMode * shulte().ExerciseMode;
        for (int v = 1; v < last; ++v)
            QVERIFY(press(v));
        tickAfter(ms);
        QVERIFY(press(last));
        QCOMPARE(shulte().RunPhase, 1);
    }
};

// Ten full rows of a timed table: "P1".."P10" with 1..10 seconds.
QStringList TenRows() {
    QStringList lines;
    for (int r = 1; r <= 10; ++r)
        lines << QStringLiteral("P%1").arg(r) << QString::number(r) << "01.01.2020";
    return lines;
}

} // namespace

class TestRecordPanelMain : public QObject {
    Q_OBJECT

private slots:
    void panelIsBuiltAtShowToFitTheBoardArea() {
        Window win;
        QCOMPARE(win.panel().RecList().size(), L::CellCount);
        const QSize size = win.w().RecordP->size();
        QVERIFY(size.width() > 300 && size.height() > 300);
        win.checkFits();
        // The menu bar takes its height once events run; the panel follows.
        QCoreApplication::processEvents();
        win.checkFits();
        QCOMPARE(win.w().RecordP->palette().color(QPalette::Window), QColor(0x00, 0x9F, 0x80));
        QCOMPARE(win.cell(L::Title)->text(), QStringLiteral("ЛУЧШИЕ РЕЗУЛЬТАТЫ"));
        QCOMPARE(win.row(1), QStringList({QString(), QString(), QString()}));
    }

    void fullScreenTogglesRebuildThePanelToFit() {
        Window win;
        const QSize windowed = win.w().RecordP->size();
        win.form->FullScreenNClick();
        QVERIFY(win.w().RecordP->size() != windowed);
        win.checkFits();
        win.form->FullScreenNClick();
        win.checkFits();
    }

    void schulteRunPutsAnnaIntoRowOneOfPanelAndFile() {
        Window win;
        win.run(12300);
        QCOMPARE(win.row(1), QStringList({"Anna", "12.3", win.today()}));
        QCOMPARE(win.table("shulte.rec").mid(0, 3), QStringList({"Anna", "12.3", win.today()}));
        QCOMPARE(win.seams.sounds.count("REC_IN"), 1);
        QCOMPARE(win.seams.sounds.played.last(), qMakePair(QStringLiteral("REC_IN"), 2));
        QVERIFY(win.w().RecordP->isVisible());
    }

    void equalTimeEntersBelowAndBetterAbove() {
        Window win;
        win.run(12300);
        win.form->CurrentUser = QStringLiteral("Bob");
        win.run(12300);
        QCOMPARE(win.row(1), QStringList({"Anna", "12.3", win.today()}));
        QCOMPARE(win.row(2), QStringList({"Bob", "12.3", win.today()}));
        win.run(11000);
        QCOMPARE(win.row(1), QStringList({"Bob", "11", win.today()}));
        QCOMPARE(win.row(3)[0], QStringLiteral("Bob"));
        QCOMPARE(win.seams.sounds.count("REC_IN"), 3);
        QCOMPARE(win.table("shulte.rec").size(), 150);
    }

    void worseTimeThanTenFullRowsChangesNothing() {
        Window win;
        QStringList lines = TenRows();
        while (lines.size() < 150)
            lines << QString();
        win.writeTable("shulte.rec", lines);
        win.form->Cycle().LoadRecord();
        QCOMPARE(win.row(10), QStringList({"P10", "10", "01.01.2020"}));
        const QByteArray before = win.tableBytes("shulte.rec");

        win.run(12300);
        QCOMPARE(win.tableBytes("shulte.rec"), before);
        QCOMPARE(win.seams.sounds.count("REC_IN"), 0);
        QCOMPARE(win.row(1), QStringList({"P1", "1", "01.01.2020"}));
        QCOMPARE(win.row(10), QStringList({"P10", "10", "01.01.2020"}));
    }

    void otherModesKeepTheirLines() {
        Window win;
        QStringList lines = TenRows();
        for (int k = 1; k < 5; ++k)
            for (int r = 1; r <= 10; ++r)
                lines << QStringLiteral("M%1R%2").arg(k).arg(r) << QString::number(k * 10 + r)
                      << "02.02.2022";
        win.writeTable("shulte.rec", lines);
        win.run(9500);
        const QStringList after = win.table("shulte.rec");
        QCOMPARE(after.size(), 150);
        QCOMPARE(after.mid(30), lines.mid(30));
        // 9.5 enters at row 10 and pushes the old row 10 out.
        QCOMPARE(after.mid(24, 3), QStringList({"P9", "9", "01.01.2020"}));
        QCOMPARE(after.mid(27, 3), QStringList({"Anna", "9.5", win.today()}));
        QVERIFY(!after.contains("P10"));
        QCOMPARE(win.row(9), QStringList({"P9", "9", "01.01.2020"}));
        QCOMPARE(win.row(10), QStringList({"Anna", "9.5", win.today()}));
    }

    void modeButtonShowsThatModesTable() {
        Window win;
        QStringList lines(150);
        lines[30] = "Bob";
        lines[31] = "20.5";
        lines[32] = "03.03.2023";
        win.writeTable("shulte.rec", lines);
        QTest::mouseClick(win.shulte().SwitchSB, Qt::LeftButton);
        QCOMPARE(win.shulte().ExerciseMode, 6);
        QCOMPARE(win.row(1), QStringList({"Bob", "20.5", "03.03.2023"}));
    }

    void exerciseChoiceShowsItsTableWithTargetsHints() {
        Window win;
        QStringList targets(160);
        targets[0] = "Kim";
        targets[1] = "57";
        targets[2] = " [1 / 700] ";
        targets[3] = "04.04.2024";
        win.writeTable("targets.rec", targets);
        win.w().TabSwitchCB->setCurrentIndex(2);
        QCOMPARE(win.form->ActiveExercise(), 3);
        QCOMPARE(win.row(1), QStringList({"Kim", "57", "04.04.2024"}));
        QCOMPARE(win.cell(L::FirstResult)->toolTip(), QStringLiteral(" [1 / 700] "));

        QStringList numbers(150);
        numbers[0] = "Lea";
        numbers[1] = "41.2";
        numbers[2] = "05.05.2025";
        win.writeTable("numbers.rec", numbers);
        win.w().TabSwitchCB->setCurrentIndex(5);
        QCOMPARE(win.form->ActiveExercise(), 6);
        QCOMPARE(win.row(1), QStringList({"Lea", "41.2", "05.05.2025"}));
        QVERIFY(win.cell(L::FirstResult)->toolTip().isEmpty());
    }

    void targetsDetailShowsAtOnceAndStaysAMinute() {
        Window win;
        QStringList targets(160);
        targets[0] = "Kim";
        targets[1] = "57";
        targets[2] = " [1 / 700] ";
        targets[3] = "04.04.2024";
        win.writeTable("targets.rec", targets);
        win.w().TabSwitchCB->setCurrentIndex(2);
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0xFF, 0xFB, 0xF0));

        // Resting the pointer on the result shows the detail on the next turn of the event
        // loop; the toolkit's usual wake-up delay is most of a second.
        QLabel* result = win.cell(L::FirstResult);
        QToolTip::hideText();
        QTest::mouseMove(result, result->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 300);
        QCOMPARE(QToolTip::text(), QStringLiteral(" [1 / 700] "));
        QCOMPARE(result->toolTipDuration(), 60000);
        QToolTip::hideText();

        // Any other control with a hint gets the same minute.
        QLabel other(win.form.get());
        other.setToolTip(QStringLiteral("x"));
        other.show();
        QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), other.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&other, &hover);
        QCOMPARE(other.toolTipDuration(), 60000);
        QToolTip::hideText();
    }

    void seriesBoxSwitchesTablesAndColoursWithoutTouchingFiles() {
        Window win;
        QStringList series(150);
        series[0] = "Ser";
        series[1] = "30";
        series[2] = "06.06.2026";
        win.writeTable("sshulte.rec", series);
        const QByteArray ordinary = win.tableBytes("shulte.rec");
        const QByteArray seriesBytes = win.tableBytes("sshulte.rec");

        win.w().LessonChB->setChecked(true);
        QCOMPARE(win.row(1), QStringList({"Ser", "30", "06.06.2026"}));
        QCOMPARE(win.w().RecordP->palette().color(QPalette::Window), QColor(0x09, 0xA7, 0xCE));
        QVERIFY(win.w().TabSwitchCB->styleSheet().contains("#09a7ce"));
        QCOMPARE(win.form->focusWidget(), win.w().ToolsP);

        win.w().LessonChB->setChecked(false);
        QCOMPARE(win.row(1), QStringList({QString(), QString(), QString()}));
        QCOMPARE(win.w().RecordP->palette().color(QPalette::Window), QColor(0x00, 0x9F, 0x80));
        QVERIFY(win.w().TabSwitchCB->styleSheet().contains("#009f80"));
        QCOMPARE(win.tableBytes("shulte.rec"), ordinary);
        QCOMPARE(win.tableBytes("sshulte.rec"), seriesBytes);
    }

    void seriesRunEntersTheSeriesTable() {
        Window win;
        win.w().LessonChB->setChecked(true);
        const QByteArray ordinary = win.tableBytes("shulte.rec");
        win.run(15000);
        QCOMPARE(win.table("sshulte.rec").mid(0, 3), QStringList({"Anna", "15", win.today()}));
        QCOMPARE(win.row(1), QStringList({"Anna", "15", win.today()}));
        QCOMPARE(win.tableBytes("shulte.rec"), ordinary);
        // The panel keeps the series look after a rebuild.
        win.form->FullScreenNClick();
        QCOMPARE(win.w().RecordP->palette().color(QPalette::Window), QColor(0x09, 0xA7, 0xCE));
        QCOMPARE(win.row(1), QStringList({"Anna", "15", win.today()}));
    }

    void missingTableAtLoadIsReportedAndThePanelKept() {
        Window win;
        win.run(12300);
        win.seams.dialogs.messages.clear();
        QVERIFY(QFile::remove(win.tablePath("shulte.rec")));
        QTest::mouseClick(win.shulte().SwitchSB, Qt::LeftButton);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QVERIFY(win.seams.dialogs.messages.first().contains("shulte.rec"));
        QCOMPARE(win.row(1), QStringList({"Anna", "12.3", win.today()}));
        // Shown again (full screen) the panel is rebuilt with what it showed.
        win.form->FullScreenNClick();
        QCOMPARE(win.seams.dialogs.messages.size(), 2);
        QCOMPARE(win.row(1), QStringList({"Anna", "12.3", win.today()}));
    }

    void damagedResultAtCheckIsReportedAndNothingWritten() {
        Window win;
        QStringList lines(150);
        lines[0] = "Old";
        lines[1] = "abc";
        lines[2] = "07.07.2017";
        win.writeTable("shulte.rec", lines);
        win.form->Cycle().LoadRecord();
        const QByteArray before = win.tableBytes("shulte.rec");
        win.run(12300);
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QCOMPARE(win.tableBytes("shulte.rec"), before);
        QCOMPARE(win.seams.sounds.count("REC_IN"), 0);
        QCOMPARE(win.row(1), QStringList({"Old", "abc", "07.07.2017"}));
        QVERIFY(win.row(2)[0].isEmpty());
    }
};

QTEST_MAIN(TestRecordPanelMain)
#include "tst_recordpanel_main.moc"
