#include "app/RecordLayout.h"
#include "app/RecordPanel.h"
#include "board/BoardFont.h"

#include <QFontInfo>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QtTest>

namespace {

using L = RecordLayout;

QColor Background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QColor TextColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// A results panel of the given size, painted with the program's colours.
struct Panel {
    QFrame frame;
    bool series = false;
    RecordPanel panel{&frame, [this] { return series; }};
    explicit Panel(QSize size) {
        frame.resize(size);
        panel.PaintRecTable();
    }
    QLabel* cell(int i) const { return panel.RecList().at(i); }
};

RecordTables::Table SampleTable() {
    RecordTables::Table rows;
    for (int r = 0; r < RecordTables::RowCount; ++r)
        rows[r] = {QStringLiteral("user%1").arg(r + 1), QString::number(10 + r),
                   QStringLiteral(" [hint %1] ").arg(r + 1), QStringLiteral("0%1.05.2024").arg(r)};
    return rows;
}

} // namespace

class TestRecordPanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { BoardFont::InstallSubstitutions(); }

    void cellsLieWhereTheFormulasPutThem() {
        // W = 668, H = (530 - 16 - 65) div 12 = 37, cells 35 high.
        const auto c = L::Cells(QSize(700, 530));
        QCOMPARE(c[L::Title], QRect(16, 16, 668, 25));
        QCOMPARE(c[L::FirstNumber], QRect(16, 65, 50, 35));
        QCOMPARE(c[L::FirstNumber + 11], QRect(16, 65 + 11 * 37, 50, 35));
        QCOMPARE(c[L::NameHeads], QRect(68, 65, 222, 35));
        QCOMPARE(c[L::NameHeads + 1], QRect(68, 472, 222, 35));
        QCOMPARE(c[L::ResultHeads], QRect(292, 65, 133, 35));
        QCOMPARE(c[L::ResultHeads + 1], QRect(292, 472, 133, 35));
        QCOMPARE(c[L::DateHeads], QRect(427, 65, 257, 35));
        QCOMPARE(c[L::DateHeads + 1], QRect(427, 472, 257, 35));
        QCOMPARE(c[L::FirstName], QRect(68, 102, 222, 35));
        QCOMPARE(c[L::FirstName + 9], QRect(68, 435, 222, 35));
        QCOMPARE(c[L::FirstResult], QRect(292, 102, 133, 35));
        QCOMPARE(c[L::FirstResult + 9], QRect(292, 435, 133, 35));
        QCOMPARE(c[L::FirstDate], QRect(427, 102, 257, 35));
        QCOMPARE(c[L::FirstDate + 9], QRect(427, 435, 257, 35));
    }

    void gridFitsThePanelAtEverySize_data() {
        QTest::addColumn<QSize>("size");
        for (QSize s : {QSize(300, 200), QSize(689, 535), QSize(1000, 700), QSize(1787, 991),
                        QSize(1531, 847)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()))) << s;
    }
    void gridFitsThePanelAtEverySize() {
        QFETCH(QSize, size);
        const auto c = L::Cells(size);
        const QRect inner(16, 16, size.width() - 32, size.height() - 32);
        for (int i = 0; i < L::CellCount; ++i)
            QVERIFY2(inner.contains(c[i]), qPrintable(QString::number(i)));
        // The date column ends where the title ends; the columns keep two pixels apart.
        QCOMPARE(c[L::FirstDate].right(), c[L::Title].right());
        QCOMPARE(c[L::FirstNumber].right() + 3, c[L::FirstName].left());
        QCOMPARE(c[L::FirstName].right() + 3, c[L::FirstResult].left());
        QCOMPARE(c[L::FirstResult].right() + 3, c[L::FirstDate].left());
        // Rows follow each other with a two-pixel gap.
        for (int r = 1; r < L::GridRows; ++r)
            QCOMPARE(c[L::FirstNumber + r].top(), c[L::FirstNumber + r - 1].bottom() + 3);
    }

    void tinyPanelGivesEmptyCellsNotNegativeOnes() {
        const auto c = L::Cells(QSize(20, 30));
        for (const QRect& r : c) {
            QVERIFY(r.width() >= 0);
            QVERIFY(r.height() >= 0);
        }
        Panel p(QSize(0, 0));
        QCOMPARE(p.panel.RecList().size(), L::CellCount);
    }

    void paintingBuildsTheCellsInTheirOrder() {
        Panel p(QSize(700, 530));
        QCOMPARE(p.panel.RecList().size(), L::CellCount);
        QCOMPARE(p.cell(L::Title)->text(), QStringLiteral("ЛУЧШИЕ РЕЗУЛЬТАТЫ"));
        QCOMPARE(p.cell(L::FirstNumber)->text(), QStringLiteral("№"));
        for (int r = 1; r <= 10; ++r)
            QCOMPARE(p.cell(L::FirstNumber + r)->text(), QString::number(r));
        QCOMPARE(p.cell(L::FirstNumber + 11)->text(), QStringLiteral("№"));
        for (int bottom : {0, 1}) {
            QCOMPARE(p.cell(L::NameHeads + bottom)->text(), QStringLiteral("Имя"));
            QCOMPARE(p.cell(L::ResultHeads + bottom)->text(), QStringLiteral("Результат"));
            QCOMPARE(p.cell(L::DateHeads + bottom)->text(), QStringLiteral("Дата"));
        }
        for (int i = L::FirstName; i < L::CellCount; ++i)
            QVERIFY(p.cell(i)->text().isEmpty());
        const auto rects = L::Cells(QSize(700, 530));
        for (int i = 0; i < L::CellCount; ++i) {
            QCOMPARE(p.cell(i)->geometry(), rects[i]);
            QCOMPARE(p.cell(i)->parentWidget(), &p.frame);
            QCOMPARE(p.cell(i)->frameStyle(), int(QFrame::NoFrame));
        }
    }

    void headingsAndCellsHaveTheirLooks() {
        Panel p(QSize(700, 530));
        const QFont title = p.cell(L::Title)->font();
        QCOMPARE(title.pointSize(), 14);
        QVERIFY(title.bold());
        QCOMPARE(QFontInfo(title).family(), QStringLiteral("Liberation Serif"));
        for (int i : {L::FirstNumber, L::NameHeads, L::ResultHeads + 1, L::DateHeads}) {
            QCOMPARE(p.cell(i)->font().pointSize(), 11);
            QVERIFY(p.cell(i)->font().bold());
        }
        for (int i : {L::FirstNumber + 1, L::FirstName, L::FirstResult + 4, L::FirstDate + 9}) {
            QCOMPARE(p.cell(i)->font().pointSize(), 8);
            QVERIFY(p.cell(i)->font().bold());
            QCOMPARE(QFontInfo(p.cell(i)->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(Background(p.cell(i)), QColor(Qt::white));
            QCOMPARE(TextColour(p.cell(i)), QColor(Qt::black));
        }
        for (int i : {L::Title, L::FirstNumber, L::NameHeads + 1, L::DateHeads}) {
            QCOMPARE(Background(p.cell(i)), QColor(Qt::black));
            QCOMPARE(TextColour(p.cell(i)), QColor(Qt::white));
        }
    }

    void panelColourFollowsTheSeriesBox() {
        Panel p(QSize(700, 530));
        QCOMPARE(Background(&p.frame), QColor(0x00, 0x9F, 0x80));
        p.series = true;
        p.panel.PaintParent();
        QCOMPARE(Background(&p.frame), QColor(0x09, 0xA7, 0xCE));
        p.series = false;
        p.panel.PaintRecTable();
        QCOMPARE(Background(&p.frame), QColor(0x00, 0x9F, 0x80));
    }

    void givenColoursArePaintedInPlaceOfTheProgramOnes() {
        Panel p(QSize(700, 530));
        p.panel.PaintRecTable(0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF);
        QCOMPARE(Background(p.cell(L::Title)), QColor(Qt::red));
        QCOMPARE(TextColour(p.cell(L::DateHeads)), QColor(Qt::green));
        QCOMPARE(Background(p.cell(L::FirstName)), QColor(Qt::blue));
        QCOMPARE(TextColour(p.cell(L::FirstNumber + 3)), QColor(Qt::yellow));
    }

    void tableFillsNameResultAndDateCellsWithHints() {
        Panel p(QSize(700, 530));
        p.panel.ShowTable(SampleTable());
        for (int r = 0; r < 10; ++r) {
            QCOMPARE(p.cell(L::FirstName + r)->text(), QStringLiteral("user%1").arg(r + 1));
            QCOMPARE(p.cell(L::FirstResult + r)->text(), QString::number(10 + r));
            QCOMPARE(p.cell(L::FirstResult + r)->toolTip(),
                     QStringLiteral(" [hint %1] ").arg(r + 1));
            QCOMPARE(p.cell(L::FirstDate + r)->text(), QStringLiteral("0%1.05.2024").arg(r));
        }
        // A timed table has no hints: the old ones are emptied.
        RecordTables::Table timed;
        timed[0] = {"Anna", "12.3", QString(), "01.01.2025"};
        p.panel.ShowTable(timed);
        QCOMPARE(p.cell(L::FirstName)->text(), QStringLiteral("Anna"));
        QVERIFY(p.cell(L::FirstResult)->toolTip().isEmpty());
        QVERIFY(p.cell(L::FirstName + 1)->text().isEmpty());
    }

    void resultHintShowsOnHover() {
        Panel p(QSize(700, 530));
        p.frame.show();
        p.panel.ShowTable(SampleTable());
        QLabel* result = p.cell(L::FirstResult + 2);
        const QPoint at = result->rect().center();
        QHelpEvent hover(QEvent::ToolTip, at, result->mapToGlobal(at));
        QApplication::sendEvent(result, &hover);
        QCOMPARE(QToolTip::text(), QStringLiteral(" [hint 3] "));
        QToolTip::hideText();
    }

    void rebuildingKeepsTheShownTable() {
        Panel p(QSize(700, 530));
        p.panel.ShowTable(SampleTable());
        p.panel.PaintRecTable();
        QCOMPARE(p.panel.RecList().size(), L::CellCount);
        QCOMPARE(p.frame.findChildren<QLabel*>().size(), L::CellCount);
        QCOMPARE(p.cell(L::FirstName + 4)->text(), QStringLiteral("user5"));
        QCOMPARE(p.cell(L::FirstResult + 4)->toolTip(), QStringLiteral(" [hint 5] "));
    }

    void resizingThePanelLaysTheCellsOutAgain() {
        Panel p(QSize(700, 530));
        p.frame.show();
        p.panel.ShowTable(SampleTable());
        p.frame.resize(1200, 800);
        const auto rects = L::Cells(QSize(1200, 800));
        for (int i = 0; i < L::CellCount; ++i)
            QCOMPARE(p.cell(i)->geometry(), rects[i]);
        QCOMPARE(p.cell(L::FirstDate + 9)->text(), QStringLiteral("09.05.2024"));
    }

    void freeingDestroysEveryCell() {
        Panel p(QSize(700, 530));
        QList<QPointer<QLabel>> cells;
        for (QLabel* c : p.panel.RecList())
            cells.append(c);
        p.panel.RecListFree();
        QVERIFY(p.panel.RecList().isEmpty());
        for (const QPointer<QLabel>& c : cells)
            QVERIFY(c.isNull());
        QVERIFY(p.frame.findChildren<QLabel*>().isEmpty());
        // A panel without cells is not rebuilt by a resize until it is painted again.
        p.frame.show();
        p.frame.resize(800, 600);
        QVERIFY(p.panel.RecList().isEmpty());
    }
};

QTEST_MAIN(TestRecordPanel)
#include "tst_recordpanel.moc"
