#include "FileBytes.h"
#include "SettingsFixture.h"
#include "app/CaptionPanel.h"
#include "settings/Num.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringEncoder>
#include <QtTest>

using settingstest::WhenModal;
using shell::Window;

namespace {

// The lines with CR LF after each, in Windows-1251, encoded here independently.
QByteArray CrLfFile(const QStringList& lines) {
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += QByteArray(encoder.encode(line)) + "\r\n";
    return bytes;
}

QStringList Words(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QStringLiteral("слово%1").arg(i);
    return words;
}

// A program folder with the lists and the editor's messages recorded.
struct Folder {
    TestSeams seams;
    ProgramFolder folder{false};
    Folder(const QStringList& numbers, const QStringList& headings) {
        WriteBytes(path("rnum.dic"), CrLfFile(numbers));
        WriteBytes(path("rgipno.dic"), CrLfFile(headings));
    }
    QString path(const char* name) const {
        QDir().mkpath(folder.file("dic"));
        return folder.file(QStringLiteral("dic/") + QLatin1String(name));
    }
    // An editor shown with its list loaded.
    std::unique_ptr<TNumForm> open(EditorMode mode) {
        auto form = std::make_unique<TNumForm>(folder.path(), mode);
        if (!form->FormShow())
            return nullptr;
        form->show();
        return form;
    }
};

// Types one character as a key press carrying its text (Cyrillic has no key code here).
void Type(QWidget* widget, const QString& character) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
}

void Select(TNumForm& form, int row) {
    form.NumLB->setCurrentRow(row);
}

} // namespace

class TestNumForm : public QObject {
    Q_OBJECT

private slots:
    void shortNumberListIsShownAsHundredLines() {
        Folder f(Words(60), Words(8));
        const QByteArray before = ReadBytes(f.path("rnum.dic"));
        auto cancelled = f.open(EditorMode::Numbers);
        QVERIFY(cancelled);
        QCOMPARE(cancelled->windowTitle(), QStringLiteral("Числовая сетка"));
        QCOMPARE(cancelled->NumLB->count(), 100);
        QCOMPARE(cancelled->NumLB->item(59)->text(), QStringLiteral("слово59"));
        for (int i = 60; i < 100; ++i)
            QVERIFY(cancelled->NumLB->item(i)->text().isEmpty());
        QCOMPARE(cancelled->NumLB->currentRow(), 0);
        QCOMPARE(cancelled->NumE->text(), QStringLiteral("слово0"));
        QCOMPARE(cancelled->InfoP->text(), QStringLiteral("00"));
        QCOMPARE(cancelled->YesSB->text(), QStringLiteral("Да"));
        QCOMPARE(cancelled->CancelSB->text(), QStringLiteral("Отмена"));
        cancelled->CancelSB->click();
        QVERIFY(!cancelled->Saved());
        QCOMPARE(ReadBytes(f.path("rnum.dic")), before);

        auto confirmed = f.open(EditorMode::Numbers);
        confirmed->YesSB->click();
        QVERIFY(!confirmed->isVisible());
        QStringList expected = Words(60);
        for (int i = 60; i < 100; ++i)
            expected << QString();
        QCOMPARE(ReadBytes(f.path("rnum.dic")), CrLfFile(expected));
        QCOMPARE(*confirmed->Saved(), expected);
    }

    void infoNamesWhatTheSelectedLineBelongsTo() {
        QStringList headings = Words(12);
        Folder f(Words(120), headings);
        auto numbers = f.open(EditorMode::Numbers);
        QCOMPARE(numbers->NumLB->count(), 120);
        for (const auto& [row, info] : {std::pair{7, "07"}, {42, "42"}, {99, "99"}, {100, "100"}}) {
            Select(*numbers, row);
            QCOMPARE(numbers->InfoP->text(), QLatin1String(info));
        }
        auto names = f.open(EditorMode::Headings);
        QCOMPARE(names->windowTitle(), QStringLiteral("Заголовки-внушения"));
        QCOMPARE(names->InfoP->text(), QStringLiteral("Шульте"));
        Select(*names, 4);
        QCOMPARE(names->InfoP->text(), QStringLiteral("Считалка"));
        QCOMPARE(names->NumE->text(), QStringLiteral("слово4"));
        const QStringList all{"Шульте",   "Шульте к/ч", "Мнемоника слов",  "Мишени",
                              "Считалка", "Пары слов",  "Мнемоника чисел", "Корректурка"};
        for (int row = 0; row < 8; ++row) {
            Select(*names, row);
            QCOMPARE(names->InfoP->text(), all[row]);
        }
        Select(*names, 9);
        QCOMPARE(names->InfoP->text(), QString());
    }

    // The lines a short list lacks show the built-in headings, and are saved as shown.
    void shortHeadingListIsFilledWithBuiltInHeadings() {
        Folder f(Words(100), {QStringLiteral("один")});
        auto form = f.open(EditorMode::Headings);
        QCOMPARE(form->NumLB->count(), ExerciseCount);
        form->YesSB->click();
        QStringList expected = {QStringLiteral("один")};
        for (int k = 1; k < ExerciseCount; ++k)
            expected.append(T(Exercise(k).heading));
        QCOMPARE(ReadBytes(f.path("rgipno.dic")), CrLfFile(expected));
        QCOMPARE(expected.last(), QStringLiteral("развиваем рабочую память"));
    }

    void listMirrorsTheFieldAtEveryKeystroke() {
        Folder f(Words(100), Words(8));
        auto form = f.open(EditorMode::Numbers);
        Select(*form, 42);
        QCOMPARE(form->NumE->text(), QStringLiteral("слово42"));
        form->NumE->selectAll();
        QTest::keyClick(form->NumE, Qt::Key_Backspace);
        QCOMPARE(form->NumLB->item(42)->text(), QString());
        const QString word = QStringLiteral("бегемот");
        for (int i = 0; i < word.size(); ++i) {
            Type(form->NumE, word.mid(i, 1));
            QCOMPARE(form->NumLB->item(42)->text(), word.left(i + 1));
        }
        QCOMPARE(form->NumLB->item(41)->text(), QStringLiteral("слово41"));
        QCOMPARE(form->NumLB->item(43)->text(), QStringLiteral("слово43"));
    }

    // Arrow to a line, Enter to edit it, Enter to go back to the list.
    void enterCyclesBetweenListAndField() {
        Folder f(Words(100), Words(8));
        auto form = f.open(EditorMode::Numbers);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->NumLB);
        QTest::keyClick(form->NumLB, Qt::Key_Down);
        QCOMPARE(form->NumE->text(), QStringLiteral("слово1"));
        QCOMPARE(form->InfoP->text(), QStringLiteral("01"));
        QTest::keyClick(form->NumLB, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), form->NumE);
        QVERIFY(form->isVisible());
        QCOMPARE(form->NumE->selectedText(), QStringLiteral("слово1"));
        QTest::keyClick(form->NumE, Qt::Key_End);
        QTest::keyClicks(form->NumE, QStringLiteral("!"));
        QTest::keyClick(form->NumE, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), form->NumLB);
        QCOMPARE(form->NumLB->item(1)->text(), QStringLiteral("слово1!"));
        QVERIFY(form->isVisible());

        QListWidgetItem* item = form->NumLB->item(5);
        const QPoint centre = form->NumLB->visualItemRect(item).center();
        QTest::mouseClick(form->NumLB->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(form->NumLB->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(QApplication::focusWidget(), form->NumE);
        QCOMPARE(form->NumE->text(), QStringLiteral("слово5"));
        Type(form->NumE, QStringLiteral("я"));
        QCOMPARE(form->NumLB->item(5)->text(), QStringLiteral("я"));
    }

    void lineWindows1251CannotHoldIsRefusedByName() {
        Folder f(Words(100), Words(8));
        const QByteArray numbers = ReadBytes(f.path("rnum.dic"));
        auto form = f.open(EditorMode::Numbers);
        Select(*form, 42);
        form->NumE->setText(QStringLiteral("象"));
        Select(*form, 3);
        form->YesSB->click();
        QVERIFY(form->isVisible());
        QVERIFY(!form->Saved());
        QCOMPARE(f.seams.dialogs.messages.size(), 1);
        QVERIFY(f.seams.dialogs.messages[0].contains(QStringLiteral("42")));
        QVERIFY(f.seams.dialogs.messages[0].contains(QStringLiteral("象")));
        QCOMPARE(form->NumLB->currentRow(), 42);
        QCOMPARE(ReadBytes(f.path("rnum.dic")), numbers);
        // Mended, the list is saved.
        form->NumE->setText(QStringLiteral("слон"));
        form->YesSB->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->Saved()->at(42), QStringLiteral("слон"));

        auto headings = f.open(EditorMode::Headings);
        Select(*headings, 4);
        headings->NumE->setText(QStringLiteral("считаем ★"));
        headings->YesSB->click();
        QVERIFY(headings->isVisible());
        QVERIFY(f.seams.dialogs.messages.last().contains(QStringLiteral("Считалка")));
    }

    // A line break or a zero would split or cut the line in the file and shift the numbers
    // after it.
    void lineBreaksAndZerosAreRefused() {
        QCOMPARE(EditorLines::FirstUnstorable({"а", "б\nв"}), 1);
        QCOMPARE(EditorLines::FirstUnstorable({"а\r", "б"}), 0);
        QCOMPARE(EditorLines::FirstUnstorable({"а", QStringLiteral("б") + QChar(0)}), 1);
        QCOMPARE(EditorLines::FirstUnstorable({"ёЁ№ «»", "", "—"}), -1);
    }

    void listThatCannotBeReadOpensNoWindow() {
        Folder f(Words(100), Words(8));
        QFile::remove(f.path("rnum.dic"));
        QVERIFY(!TNumForm::Execute(f.folder.path(), EditorMode::Numbers, nullptr));
        QCOMPARE(f.seams.dialogs.messages.size(), 1);
        QVERIFY(f.seams.dialogs.messages[0].contains(QStringLiteral("rnum.dic")));
        QVERIFY(!QFile::exists(f.path("rnum.dic")));
    }

    // The number hints read the number list of the run cycle: confirming replaces it at
    // once, cancelling leaves it.
    void confirmedNumbersReachTheNextHint() {
        Window win;
        QAction* item = win.form->Menu().NumbersNetN;
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Числовая сетка"));
        bool found = false;
        WhenModal<TNumForm>(
            [](TNumForm& form) {
                Select(form, 42);
                form.NumE->setText(QStringLiteral("бегемот"));
                form.YesSB->click();
            },
            &found);
        item->trigger();
        QVERIFY(found);
        QCOMPARE(win.form->Cycle().NumberList().value(42), QStringLiteral("бегемот"));
        QCOMPARE(LoadLinesFile(win.folder.file("dic/rnum.dic")).value(42),
                 QStringLiteral("бегемот"));

        WhenModal<TNumForm>(
            [](TNumForm& form) {
                Select(form, 42);
                form.NumE->setText(QStringLiteral("жираф"));
                form.CancelSB->click();
            },
            &found);
        item->trigger();
        QCOMPARE(win.form->Cycle().NumberList().value(42), QStringLiteral("бегемот"));
    }

    // A run under way keeps its bar text; the next start shows the edited heading.
    void confirmedHeadingShowsFromTheNextRun() {
        Window win;
        QAction* item = win.form->Menu().GipnoN;
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Заголовки-внушения"));
        win.start();
        QCOMPARE(win.w().BaseButtonP->Caption(), QStringLiteral("смотрим в центр"));
        bool found = false;
        WhenModal<TNumForm>(
            [](TNumForm& form) {
                form.NumE->setText(QStringLiteral("ищем по порядку"));
                Select(form, 4);
                form.NumE->setText(QStringLiteral("складываем быстро"));
                form.YesSB->click();
            },
            &found);
        item->trigger();
        QVERIFY(found);
        QCOMPARE(win.w().BaseButtonP->Caption(), QStringLiteral("смотрим в центр"));
        QCOMPARE(win.form->Cycle().Heading(4), QStringLiteral("складываем быстро"));
        win.start();
        QVERIFY(win.w().BaseButtonP->Caption().isEmpty());
        win.start();
        QCOMPARE(win.w().BaseButtonP->Caption(), QStringLiteral("ищем по порядку"));

        WhenModal<TNumForm>(
            [](TNumForm& form) {
                form.NumE->setText(QStringLiteral("отменено"));
                form.CancelSB->click();
            },
            &found);
        item->trigger();
        QCOMPARE(win.form->Cycle().Heading(0), QStringLiteral("ищем по порядку"));
    }
};

QTEST_MAIN(TestNumForm)
#include "tst_numform.moc"
