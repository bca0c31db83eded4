#include "FileBytes.h"
#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "data/Texts.h"
#include "stats/BarChartView.h"
#include "stats/Lessons.h"

#include <QApplication>
#include <QBarSet>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

using Record = QPair<QString, QString>; // date line, results line

// A program folder with the statistics folder of Anna and a settings store; statistics
// files are written with the tests' own cipher.
struct Folder {
    TestSeams seams;
    ProgramFolder folder{false};
    std::unique_ptr<TDataFile> ini;
    QList<int> helpAsked;

    Folder() {
        QDir(folder.path()).mkpath("users/AnnaDB");
        ini = std::make_unique<TDataFile>(folder.file("oxel.ini"));
    }
    // Records newest first.
    void write(const QString& name, const QList<Record>& records) {
        QByteArray plain;
        for (const Record& r : records)
            plain += r.first.toLatin1() + "\r\n" + r.second.toLatin1() + "\r\n";
        writePlain(name, plain);
    }
    void writePlain(const QString& name, const QByteArray& plain) {
        WriteBytes(folder.file("users/AnnaDB/" + name), ReferenceCipher(plain, true));
    }
    TLessonsForm::Setup setup(int seriesExercise = 0, int seriesMode = 0) {
        return {folder.path() + "/", "Anna",
                ini.get(),           seriesExercise,
                seriesMode,          [this](int context) { helpAsked.append(context); }};
    }
};

// n series with the averages 31, 32, ... (newest first), one day apart.
QList<Record> Series(int n, int first = 31) {
    QList<Record> records;
    for (int i = 0; i < n; ++i) {
        const QString v = QString::number(first + i);
        records.append({QStringLiteral("%1.02.2024 10:00:00").arg(28 - i, 2, 10, QChar('0')),
                        QStringList(5, v).join('/')});
    }
    return records;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

// The colour a bar of the progress chart is drawn in.
QColor ProgressColor(const TLessonsForm& form, int bar) {
    for (int s = 0; s < 3; ++s) {
        QBarSet* set = form.Chart2->Set(s);
        if (set->at(bar) != 0)
            return set->isBarSelected(bar) ? set->selectedColor() : set->color();
    }
    return {};
}

void HoverOverDates(TLessonsForm& form, int selectedRow) {
    form.HistoryLB->setCurrentRow(selectedRow);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 5), QPointF(10, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form.HistoryLB->viewport(), &move);
}

const QColor LightGreen(0, 0xFF, 0);
const QColor DarkGreen(0, 0x80, 0);
const QColor SeriesGreen(0, 0xD7, 0);

} // namespace

class TestLessons : public QObject {
    Q_OBJECT

private slots:
    void oneSeriesShowsItsResultsAndThreeEqualBars() {
        Folder f;
        f.write("shulte5.db", {{"07.03.2024 14:05:09", "25.0/24.0/23/22.0/ 21.0"}});
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Статистика серий [Anna]"));
        QCOMPARE(form.CloseSB->text(), QStringLiteral("Закрыть"));
        QCOMPARE(form.SpeedButton1->text(), QStringLiteral("Справка"));
        QCOMPARE(Items(form.LessonLB), QStringList{"Шульте (5x5)"});
        QCOMPARE(form.LessonLB->currentRow(), 0);
        QCOMPARE(Items(form.HistoryLB), QStringList{"07.03.2024 14:05:09"});
        QCOMPARE(form.HistoryLB->currentRow(), 0);

        QCOMPARE(form.Chart1->Labels(), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(form.Chart1->Values(), QList<double>({25, 24, 23, 22, 21}));
        QCOMPARE(form.Chart1->TitleLines(),
                 QStringList({"Общее время = 115.0", "Среднее значение = 23.0"}));
        QCOMPARE(form.Chart1->Set(0)->color(), QColor(0, 0x80, 0xC0));

        QCOMPARE(form.Chart2->TitleLines(), QStringList{"график прогресса"});
        QCOMPARE(form.Chart2->Labels(), QStringList({"начало", ">>", "среднее"}));
        QCOMPARE(form.Chart2->Values(), QList<double>({23, 23, 23}));
        // Results as they were shown, averages with their one decimal.
        QCOMPARE(form.Chart1->Marks(), QStringList({"25.0", "24.0", "23", "22.0", "21.0"}));
        QCOMPARE(form.Chart2->Marks(), QStringList({"23.0", "23.0", "23.0"}));
        QCOMPARE(ProgressColor(form, 0), QColor(0xFF, 0, 0));
        QCOMPARE(ProgressColor(form, 1), SeriesGreen);
        QCOMPARE(ProgressColor(form, 2), QColor(0, 0, 0xFF));
        QVERIFY(f.seams.dialogs.messages.isEmpty());
    }

    void twelveSeriesShowTheTenNewestAndTheAverageOfAll() {
        Folder f;
        f.write("rbshulte7.db", Series(12));
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(form.HistoryLB->count(), 12);
        QStringList expectedLabels = {"начало"};
        for (int i = 0; i < 10; ++i)
            expectedLabels.append(">>");
        expectedLabels.append("среднее");
        QCOMPARE(form.Chart2->Labels(), expectedLabels);
        // Oldest three: 42, 41, 40; the smallest time wins.
        QCOMPARE(form.Chart2->Values(),
                 QList<double>({40, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 36.5}));
        // The newest series is the one charted.
        QCOMPARE(form.Chart1->Values(), QList<double>(5, 31));
    }

    void targetsBeginWithTheHighestOfTheThreeOldest() {
        Folder f;
        const QList<Record> records = {{"05.01.2024", "10/10/10/10/10"},
                                       {"04.01.2024", "90/90/90/90/90"},
                                       {"03.01.2024", "40/40/40/40/40"},
                                       {"02.01.2024", "50/50/50/50/50"},
                                       {"01.01.2024", "30/30/30/30/30"}};
        f.write("targets2.db", records);
        f.write("counter3.db", records);
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(Items(form.LessonLB), QStringList({"Мишени (ряд)", "Считалка (3x3)"}));
        QCOMPARE(form.Chart2->Values().first(), 50.0);
        QCOMPARE(form.Chart1->TitleLines().first(), QStringLiteral("Всего очков = 50.0"));
        form.LessonLB->setCurrentRow(1);
        QCOMPARE(form.Chart2->Values().first(), 30.0);
        QCOMPARE(form.Chart1->TitleLines().first(), QStringLiteral("Общее время = 50.0"));
    }

    void hoverMarksTheBarOfTheSelectedSeries() {
        Folder f;
        f.write("shulte6.db", Series(12));
        TLessonsForm form(f.setup());
        form.show();
        const int bars = static_cast<int>(form.Chart2->Values().size());

        HoverOverDates(form, 3);
        QCOMPARE(ProgressColor(form, bars - 5), DarkGreen);
        for (int bar = 1; bar < bars - 1; ++bar)
            if (bar != bars - 5)
                QCOMPARE(ProgressColor(form, bar), LightGreen);
        QCOMPARE(ProgressColor(form, 0), QColor(0xFF, 0, 0));
        QCOMPARE(ProgressColor(form, bars - 1), QColor(0, 0, 0xFF));

        // The tenth item is the oldest bar shown.
        HoverOverDates(form, 9);
        QCOMPARE(ProgressColor(form, 1), DarkGreen);
        QCOMPARE(ProgressColor(form, bars - 5), LightGreen);

        HoverOverDates(form, 10);
        for (int bar = 1; bar < bars - 1; ++bar)
            QCOMPARE(ProgressColor(form, bar), LightGreen);

        // Another label starts in the series colour again.
        f.write("shulte7.db", Series(2));
        form.LessonRefresh();
        QCOMPARE(Items(form.LessonLB), QStringList({"Шульте (7x7)", "Шульте (6x6)"}));
        form.LessonLB->setCurrentRow(0);
        QCOMPARE(ProgressColor(form, 1), SeriesGreen);
    }

    void equalDateLinesShowTheNewerSeries() {
        Folder f;
        f.write("mnemo1.db", {{"01.03.2024 09:00:00", "11/12/13/14/15"},
                              {"01.03.2024 09:00:00", "21/22/23/24/25"}});
        TLessonsForm form(f.setup());
        form.show();
        form.HistoryLB->setCurrentRow(1);
        QCOMPARE(form.Chart1->Values(), QList<double>({11, 12, 13, 14, 15}));
        QCOMPARE(form.Chart2->Values(), QList<double>({13, 23, 13, 18}));
    }

    void labelsAreSortedAndTheFirstIsShown() {
        Folder f;
        f.write("shulte5.db", Series(1, 20));
        f.write("probe1.db", Series(2, 40));
        f.write("targets4.db", Series(1, 60));
        f.write("mnemo2.db", Series(1, 70));
        f.write("numbers3.db", Series(1, 80));
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(Items(form.LessonLB),
                 QStringList({"Корректурка (буквы)", "Мишени (джокер)", "Мнемоника слов (20)",
                              "Мнемоника чисел (30)", "Шульте (5x5)"}));
        QCOMPARE(form.HistoryLB->count(), 2);
        QCOMPARE(form.Chart1->Values(), QList<double>(5, 40));
        QCOMPARE(form.GetFileStat(form.LessonLB), f.folder.file("users/AnnaDB/probe1.db"));
        form.LessonLB->setCurrentRow(1);
        QCOMPARE(form.Chart1->Values(), QList<double>(5, 60));
    }

    void damagedRecordIsReportedWithTheFileName() {
        Folder f;
        f.write("probe2.db", {{"04.01.2024", "1/2/3/4/5"},
                              {"03.01.2024", "1/2/3/4/5"},
                              {"02.01.2024", "1/2/x/4/5"},
                              {"01.01.2024", "1/2/3/4/5"}});
        f.write("shulte5.db", Series(3));
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(form.LessonLB->currentItem()->text(), QStringLiteral("Корректурка (цифры)"));
        QCOMPARE(f.seams.dialogs.messages.size(), 1);
        const QString path = QDir::toNativeSeparators(f.folder.file("users/AnnaDB/probe2.db"));
        QVERIFY2(f.seams.dialogs.messages[0].contains(path),
                 qPrintable(f.seams.dialogs.messages[0]));
        QVERIFY(f.seams.dialogs.messages[0].startsWith("Файл статистики повреждён"));
        // What was read stays; nothing of another label is charted.
        QCOMPARE(Items(form.HistoryLB), QStringList({"04.01.2024", "03.01.2024", "02.01.2024"}));
        QVERIFY(form.Chart2->Values().isEmpty());
        QVERIFY(form.ProgressBars().isEmpty());
        // The readable series of the file can still be shown, the damaged one is reported.
        form.HistoryLB->setCurrentRow(1);
        QCOMPARE(form.Chart1->Values(), QList<double>({1, 2, 3, 4, 5}));
        form.HistoryLB->setCurrentRow(2);
        QVERIFY(form.Chart1->Values().isEmpty());
        QCOMPARE(f.seams.dialogs.messages.size(), 2);
        // The window goes on working with other files.
        form.LessonLB->setCurrentRow(1);
        QCOMPARE(form.Chart2->Values().size(), 5);
        QCOMPARE(f.seams.dialogs.messages.size(), 2);
    }

    void fileCutAfterADateLineIsReported() {
        Folder f;
        f.writePlain("dwords3.db", "02.01.2024\r\n5/5/5/5/5\r\n01.01.2024\r\n");
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(f.seams.dialogs.messages.size(), 1);
        QVERIFY(f.seams.dialogs.messages[0].contains("dwords3.db"));
        QCOMPARE(form.HistoryLB->count(), 2);
    }

    void seriesPreselectsItsLabelAndNewestSeries() {
        Folder f;
        f.write("shulte5.db", Series(3, 20));
        f.write("shulte7.db", Series(4, 50));
        f.write("probe1.db", Series(1, 10));
        TLessonsForm form(f.setup(1, 7));
        form.show();
        QCOMPARE(form.LessonLB->currentItem()->text(), QStringLiteral("Шульте (7x7)"));
        QCOMPARE(form.HistoryLB->count(), 4);
        QCOMPARE(form.HistoryLB->currentRow(), 0);
        QCOMPARE(form.Chart1->Values(), QList<double>(5, 50));
        QCOMPARE(form.Chart2->Values().size(), 6);
    }

    void seriesWithoutStatisticsShowsEmptyListsAndCharts() {
        {
            Folder f;
            TLessonsForm form(f.setup(1, 5));
            form.show();
            QCOMPARE(form.LessonLB->count(), 0);
            QCOMPARE(form.HistoryLB->count(), 0);
            QVERIFY(form.Chart1->Values().isEmpty());
            QVERIFY(form.Chart1->TitleLines().isEmpty());
            QVERIFY(form.Chart2->Values().isEmpty());
            QVERIFY(f.seams.dialogs.messages.isEmpty());
        }
        // Other labels are listed: the first is chosen, as at any other opening.
        Folder f;
        f.write("probe1.db", Series(2));
        f.write("shulte5.db", Series(1, 20));
        TLessonsForm form(f.setup(4, 4));
        form.show();
        QCOMPARE(Items(form.LessonLB), QStringList({"Корректурка (буквы)", "Шульте (5x5)"}));
        QCOMPARE(form.LessonLB->currentRow(), 0);
        QCOMPARE(form.HistoryLB->count(), 2);
        QCOMPARE(form.HistoryLB->currentRow(), 0);
        QCOMPARE(form.Chart1->Values(), QList<double>(5, 31));
        QCOMPARE(form.Chart2->Values().size(), 4);
        QVERIFY(form.GetFileStat(form.LessonLB).endsWith("probe1.db"));
        QVERIFY(f.seams.dialogs.messages.isEmpty());
    }

    // The stored size is the outer one, frame included, as older installations keep it.
    void outerSizeIsReadAndKeptInTheSettings() {
        Folder f;
        {
            TLessonsForm form(f.setup());
            form.show();
            QCOMPARE(form.frameGeometry().size(), QSize(500, 300));
            QVERIFY(form.size() != form.frameGeometry().size());
        }
        Settings::WriteLessonsSize(*f.ini, QSize(640, 420));
        TLessonsForm form(f.setup());
        form.show();
        QCOMPARE(form.frameGeometry().size(), QSize(640, 420));
        const QSize frame = form.frameGeometry().size() - form.size();
        form.resize(700, 450);
        QTest::mouseClick(form.CloseSB, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(Settings::ReadLessonsSize(*f.ini), QSize(700, 450) + frame);
        // A stored size below the minimum opens at the minimum.
        Settings::WriteLessonsSize(*f.ini, QSize(120, -5));
        TLessonsForm small(f.setup());
        small.show();
        QCOMPARE(small.frameGeometry().size(), QSize(500, 300));
    }

    // At the smallest size no mark, label or title is cut off or runs into another; four-digit
    // values included.
    void marksAndLabelsFitAtTheSmallestSize() {
        for (int first : {31, 9995}) {
            Folder f;
            f.write("numbers5.db", Series(12, first));
            TLessonsForm form(f.setup());
            form.show();
            QCOMPARE(form.frameGeometry().size(), QSize(500, 300));
            QTest::qWait(1);
            QCOMPARE(form.Chart2->UprightMarks(), first > 1000);
            for (BarChartView* chart : {form.Chart1, form.Chart2}) {
                const int bars = static_cast<int>(chart->Values().size());
                const QRectF plot = chart->PlotArea();
                QVERIFY(plot.height() > 20);
                for (int i = 0; i < bars; ++i) {
                    QVERIFY2(plot.contains(chart->MarkRect(i)), qPrintable(chart->Marks()[i]));
                    QVERIFY(chart->LabelRect(i).top() >= plot.bottom() ||
                            chart->LabelRect(i).bottom() <= plot.top());
                    QVERIFY(chart->LabelRect(i).width() <= plot.width() / bars);
                    if (i + 1 < bars) {
                        QVERIFY(!chart->MarkRect(i).intersects(chart->MarkRect(i + 1)));
                        QVERIFY(!chart->LabelRect(i).intersects(chart->LabelRect(i + 1)));
                    }
                }
            }
            const QStringList title = form.Chart1->ShownTitleLines();
            QCOMPARE(title.join(' '), form.Chart1->TitleLines().join(' '));
            const QFontMetricsF metrics(form.Chart1->chart()->titleFont());
            for (const QString& line : title)
                QVERIFY2(metrics.horizontalAdvance(line) < form.Chart1->width(), qPrintable(line));
            QString drawn; // what the chart draws, not shortened
            for (QGraphicsItem* item : form.Chart1->scene()->items())
                if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                    if (text->toPlainText().contains('='))
                        drawn = text->toPlainText();
            QCOMPARE(drawn.simplified(), title.join(' '));
        }
    }

    void windowWithoutSeriesSaysHowTheyComeAbout_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("start");
        QTest::newRow("Russian") << 2 << QStringLiteral("Серий пока нет: отметьте «серии»");
        QTest::newRow("English") << 1 << QStringLiteral("No series yet: tick “series”");
    }

    void windowWithoutSeriesSaysHowTheyComeAbout() {
        QFETCH(int, language);
        QFETCH(QString, start);
        SetLanguage(language);
        Folder f;
        auto form = std::make_unique<TLessonsForm>(f.setup());
        form->show();
        SetLanguage(2);
        QVERIFY2(form->EmptyL->text().startsWith(start), qPrintable(form->EmptyL->text()));
        QVERIFY(form->EmptyL->isVisible());
        QVERIFY(!form->Panel1->isVisible() && !form->Panel4->isVisible());
        // Once a series is kept, the lists and charts come back in its place.
        f.write("shulte5.db", Series(1));
        form = std::make_unique<TLessonsForm>(f.setup());
        form->show();
        QVERIFY(!form->EmptyL->isVisible());
        QVERIFY(form->Panel1->isVisible() && form->Panel4->isVisible());
    }

    void helpOpensTheBookAt540() {
        Folder f;
        TLessonsForm form(f.setup());
        form.show();
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.helpAsked, QList<int>{540});
        QVERIFY(form.isVisible());
    }

    void windowIsModalAndClosesFromItsButton() {
        Folder f;
        f.write("shulte9.db", Series(2));
        QString seen;
        QTimer::singleShot(0, [&] {
            if (auto* form = qobject_cast<TLessonsForm*>(QApplication::activeModalWidget())) {
                seen = form->LessonLB->currentItem()->text();
                form->CloseSB->click();
            }
        });
        // Whatever happens above, the test never waits on the window for ever.
        QTimer::singleShot(5000, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<TLessonsForm*>(w))
                    form->done(0);
        });
        TLessonsForm::Execute(f.setup(), nullptr);
        QCOMPARE(seen, QStringLiteral("Шульте (9x9)"));
        QCOMPARE(Settings::ReadLessonsSize(*f.ini), QSize(500, 300));
    }
};

QTEST_MAIN(TestLessons)
#include "tst_lessons.moc"
