#include "TestSupport.h"
#include "data/Text1251.h"
#include "users/LadderState.h"
#include "users/Upr.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const char* const ThreeLessons = "[LESSON_1]\nname=Первые шаги\nopis=Начало пути.\nL1=0\nR1=5\n"
                                 "[LESSON_2]\nname=Внимание\nopis=Шульте и мишени.\n"
                                 "L1=0\nR1=5\nF1=40\nL2=2\nR2=1\nF2=100\n"
                                 "[LESSON_3]\nname=Память\nopis=Слова.\nL1=4\nR1=1\nF1=120\n";

// A program folder holding the given lessons.ini, and the ladder window on it.
struct Ladder {
    TestSeams seams;
    ProgramFolder folder{false};
    LadderState state;
    int starts = 0;

    explicit Ladder(const QByteArray& lessons = ThreeLessons) {
        if (lessons.isNull())
            return;
        QFile file(folder.file(QStringLiteral("lessons.ini")));
        if (file.open(QIODevice::WriteOnly))
            file.write(EncodeText(QString::fromUtf8(lessons)));
    }
    std::unique_ptr<TUprForm> shown(int uprLevel) {
        auto form =
            std::make_unique<TUprForm>(folder.path(), uprLevel, state, [this] { ++starts; });
        form->show();
        return form;
    }
};

QStringList Column(const QTableWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->item(row, column)->text();
    return texts;
}

// The ladder window that is open modally (or else shown), or null.
TUprForm* OpenForm() {
    if (auto* form = qobject_cast<TUprForm*>(QApplication::activeModalWidget()))
        return form;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TUprForm*>(w); form && form->isVisible())
            return form;
    return nullptr;
}

void ClickRow(TUprForm& form, int n) {
    const QRect cell = form.UprVLE->visualItemRect(form.UprVLE->item(n - 1, 1));
    QTest::mouseClick(form.UprVLE->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestUpr : public QObject {
    Q_OBJECT

private slots:
    void listShowsTheLessonsWithTheirProgress() {
        Ladder ladder;
        auto form = ladder.shown(1);
        QCOMPARE(form->windowTitle(), QStringLiteral("Ступени развития"));
        QCOMPARE(form->size(), QSize(382, 251));
        QCOMPARE(form->UprVLE->horizontalHeaderItem(0)->text(), QStringLiteral("Упражнение"));
        QCOMPARE(form->UprVLE->horizontalHeaderItem(1)->text(), QStringLiteral("Прогресс"));
        QCOMPARE(form->UprVLE->columnWidth(0), 211);
        QCOMPARE(form->UprVLE->columnWidth(1), 167);
        QCOMPARE(Column(form->UprVLE, 0), QStringList({"Первые шаги", "Внимание", "Память"}));
        QCOMPARE(Column(form->UprVLE, 1), QStringList({"пройдено", "текущее", "недоступно"}));
        QCOMPARE(form->StartSB->text(), QStringLiteral("Старт"));
        QVERIFY(form->OpisP->wordWrap());
        QCOMPARE(form->OpisP->alignment(), Qt::AlignCenter);
        // The current lesson is selected and loaded.
        QCOMPARE(form->UprVLE->currentRow(), 1);
        QCOMPARE(form->UprVLE->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(form->OpisP->text(), QStringLiteral("Шульте и мишени."));
        QVERIFY(form->StartSB->isEnabled());
        QCOMPARE(ladder.state.LadderLesson(), 2);
        QCOMPARE(ladder.state.LadderStepCount(), 2);
        QCOMPARE(ladder.state.Step(), 1);
    }

    void selectingALockedLessonDisablesTheStart() {
        Ladder ladder;
        auto form = ladder.shown(1);
        ClickRow(*form, 3);
        QCOMPARE(form->UprVLE->currentRow(), 2);
        QVERIFY(!form->StartSB->isEnabled());
        QCOMPARE(form->OpisP->text(), QStringLiteral("Слова."));
        QCOMPARE(ladder.state.LadderLesson(), 3);
        QTest::mouseClick(form->StartSB, Qt::LeftButton);
        QCOMPARE(ladder.starts, 0);
        QVERIFY(form->isVisible());

        ClickRow(*form, 1);
        QVERIFY(form->StartSB->isEnabled());
        QCOMPARE(form->OpisP->text(), QStringLiteral("Начало пути."));
        QCOMPARE(ladder.state.LadderLesson(), 1);
    }

    void levelPastTheListSelectsTheLastRow() {
        Ladder ladder;
        auto form = ladder.shown(3);
        QCOMPARE(Column(form->UprVLE, 1), QStringList({"пройдено", "пройдено", "пройдено"}));
        QCOMPARE(form->UprVLE->currentRow(), 2);
        QCOMPARE(ladder.state.LadderLesson(), 3);
        QVERIFY(form->StartSB->isEnabled());
    }

    void missingFileLeavesNothingToStart() {
        Ladder ladder(QByteArray{});
        auto form = ladder.shown(0);
        QCOMPARE(form->UprVLE->rowCount(), 0);
        QVERIFY(!form->StartSB->isEnabled());
        QVERIFY(form->OpisP->text().isEmpty());
        form->StartSBClick();
        QCOMPARE(ladder.starts, 0);
        QCOMPARE(ladder.state.LadderStepCount(), 0);
    }

    void lessonThatCannotRunSaysWhyAndCannotStart() {
        Ladder ladder("[LESSON_1]\nname=Сломанный\nopis=Описание.\nL1=0\nR1=5\nL2=0\nR2=4\n"
                      "[LESSON_2]\nname=Пустой\nopis=Без этапов.\n");
        auto form = ladder.shown(1);
        QCOMPARE(Column(form->UprVLE, 1), QStringList({"пройдено", "текущее"}));
        QVERIFY(!form->StartSB->isEnabled());
        QCOMPARE(
            form->OpisP->text(),
            QStringLiteral("Без этапов.\nНачать нельзя: в lessons.ini у упражнения нет этапов."));
        ClickRow(*form, 1);
        QVERIFY(!form->StartSB->isEnabled());
        QVERIFY(form->OpisP->text().startsWith(QStringLiteral("Описание.\n")));
        QVERIFY(form->OpisP->text().contains(QStringLiteral("у этапа 2")));
        form->StartSBClick();
        QCOMPARE(ladder.starts, 0);
        QVERIFY(form->isVisible());
    }

    void startHandsOverOnceAndCloses() {
        Ladder ladder;
        bool started = false;
        int shownStarts = -1;
        QTimer::singleShot(0, [&] {
            TUprForm* form = OpenForm();
            if (!form)
                return;
            ClickRow(*form, 1);
            QTest::mouseClick(form->StartSB, Qt::LeftButton);
            shownStarts = ladder.starts;
            if (form->isVisible())
                form->reject();
        });
        started = TUprForm::Execute(
            ladder.folder.path(), 1, ladder.state, [&] { ++ladder.starts; }, nullptr);
        QVERIFY(started);
        QCOMPARE(shownStarts, 1);
        QCOMPARE(ladder.starts, 1);
        QCOMPARE(ladder.state.LadderLesson(), 1);
        QCOMPARE(ladder.state.Step(), 1);
    }
};

QTEST_MAIN(TestUpr)
#include "tst_upr.moc"
