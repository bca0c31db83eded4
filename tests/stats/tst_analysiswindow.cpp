#include "stats/AnalysisWindow.h"
#include "stats/BoardShadeView.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QTest>

namespace {

// A run of `count` correct presses of 1, 2, ... on cells 0, 1, ..., each `gap` ms after the
// one before; the press on `slow` takes 5 s.
HistoryRun Run(const char* exercise, int mode, int count, int slow = -1) {
    HistoryRun run;
    run.exercise = QLatin1String(exercise);
    run.mode = mode;
    run.boardCols = run.boardRows = 5;
    run.result = QStringLiteral("40.3");
    run.started = QDateTime(QDate(2026, 12, 9), QTime(18, 30));
    qint64 t = 0;
    for (int i = 0; i < count; ++i) {
        t += i == slow ? 5000 : 700;
        run.presses.append(
            {i + 1, t, QString::number(i + 1), i, true,
             exercise == QByteArray("targets") ? std::optional(300 + i) : std::nullopt,
             exercise == QByteArray("targets") ? std::optional(1 + i / 5) : std::nullopt});
    }
    return run;
}

} // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private slots:
    void everyExerciseGetsItsTitledCharts() {
        const struct {
            const char* exercise;
            int mode;
            int charts;
            bool board;
        } cases[] = {{"shulte", 5, 1, true},   {"rbshulte", 5, 1, true}, {"targets", 1, 2, false},
                     {"probe", 1, 1, true},    {"mnemo", 1, 1, false},   {"dwords", 2, 1, false},
                     {"numbers", 1, 1, false}, {"counter", 3, 1, false}};
        for (const auto& c : cases) {
            AnalysisWindow window(Run(c.exercise, c.mode, 12));
            QCOMPARE(window.Charts().size(), c.charts);
            QCOMPARE(window.Board() != nullptr, c.board);
            for (QChartView* view : window.Charts()) {
                QVERIFY(!view->chart()->title().isEmpty());
                const QList<QAbstractAxis*> axes = view->chart()->axes();
                QVERIFY(axes.size() >= 2);
                for (QAbstractAxis* axis : axes)
                    QVERIFY2(axis->titleText().contains(QLatin1Char(',')) ||
                                 axis->orientation() == Qt::Horizontal,
                             qPrintable(axis->titleText())); // values carry their unit
            }
            QStringList sentences;
            for (QLabel* label : window.findChildren<QLabel*>())
                sentences.append(label->text());
            for (const ChartSpec& plan : window.Analysis().charts)
                QVERIFY(!plan.text.isEmpty() && sentences.contains(plan.text));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.width() <= 1024 && window.height() <= 768);
            QVERIFY(window.minimumWidth() <= 1024 && window.minimumHeight() <= 768);
        }
    }

    void schulteBoardIsDarkestWhereTheNumberTookLongest() {
        AnalysisWindow window(Run("shulte", 5, 25, 8));
        BoardShadeView* board = window.Board();
        QVERIFY(board);
        QCOMPARE(board->CellColor(8), BoardShadeView::Shade(1, 1));
        QVERIFY(board->CellColor(3).lightness() > board->CellColor(8).lightness());
        QVERIFY(window.Analysis().charts[0].text.contains(QStringLiteral("9: 5.0")));
    }

    void runWithoutPressesSaysSo() {
        AnalysisWindow window(Run("shulte", 5, 0));
        QVERIFY(window.Charts().isEmpty());
        QStringList texts;
        for (QLabel* label : window.findChildren<QLabel*>())
            texts.append(label->text());
        QVERIFY(texts.contains(window.Analysis().nothing));
    }
};

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysiswindow.moc"
