#include "ShellFixture.h"
#include "app/CaptionPanel.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/DataFile.h"
#include "data/ExerciseInfo.h"
#include "data/Texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QRect Screen() {
    return QGuiApplication::primaryScreen()->geometry();
}

bool ControlPanelOnTheRight(TMainForm& form) {
    MainWidgets& w = form.Widgets();
    return w.BaseControlP->geometry().left() > w.BaseP->geometry().left() &&
           w.TimerP->geometry().left() > w.BaseButtonP->geometry().left();
}

} // namespace

class TestShellStartup : public QObject {
    Q_OBJECT

private slots:
    void freshFolderStartsAndCreatesWorkingFiles() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        QVERIFY(!form.TerminateRequested());
        QVERIFY(seams.dialogs.messages.isEmpty());
        QVERIFY(QFileInfo(folder.file("users")).isDir());
        for (int i = 0; i < ExerciseCount; ++i) {
            const QString name = QLatin1String(Exercise(i).recordFile);
            QVERIFY2(QFile::exists(folder.file("rec/" + name)), qPrintable(name));
            QVERIFY2(QFile::exists(folder.file("rec/s" + name)), qPrintable(name));
        }
        QCOMPARE(QDir(folder.file("rec")).entryList(QDir::Files).size(), 2 * ExerciseCount);
        QVERIFY(QFile::exists(folder.file("oxel.ini")));
        QCOMPARE(seams.sounds.played.first(), qMakePair(QStringLiteral("BUT_CLICK"), 2));
        QVERIFY(form.CurrentUser.isEmpty());
    }

    void leftOverScratchFileIsDeletedAtStartAndAtExit() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        shell::WriteFile(folder.file("tmp"), "left over");
        {
            TMainForm form(folder.path());
            QVERIFY(!QFile::exists(folder.file("tmp")));
            form.show();
            shell::WriteFile(folder.file("tmp"), "scratch");
        }
        QVERIFY(!QFile::exists(folder.file("tmp")));
    }

    void missingHelpDocumentStopsTheProgramAfterStartUp() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        QFile::remove(folder.file("hlp/math.rtf"));
        TMainForm form(folder.path());
        QCOMPARE(seams.dialogs.messages,
                 QStringList{QStringLiteral("Не найдены файлы! Переустановите программу.")});
        QVERIFY(form.TerminateRequested());
        // The rest of the start-up still runs.
        QCOMPARE(QDir(folder.file("rec")).entryList(QDir::Files).size(), 2 * ExerciseCount);
        QCOMPARE(form.Cycle().Heading(0), shell::Headings()[0]);
    }

    void missingWordListStopsTheProgramAfterStartUp() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        QFile::remove(folder.file("dic/rnum.dic"));
        TMainForm form(folder.path());
        QVERIFY(seams.dialogs.messages.contains(
            QStringLiteral("Не найдены файлы! Переустановите программу.")));
        QVERIFY(form.TerminateRequested());
    }

    void proofreadingDocumentIsNotPartOfTheCheck() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        QFile::remove(folder.file("hlp/probe.rtf"));
        TMainForm form(folder.path());
        QVERIFY(!form.TerminateRequested());
        QVERIFY(seams.dialogs.messages.isEmpty());
    }

    void notebookHasAPagePerExerciseInListOrder() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        MainWidgets& w = form.Widgets();
        const char* prefixes[] = {"Shulte", "RBShulte", "Target", "Dwords", "Mnemo",
                                  "Numbers", "Math",    "Probe",  "NBack"};
        QCOMPARE(w.ControlNB->count(), 9);
        for (int position = 0; position < 9; ++position) {
            const QString prefix = QLatin1String(prefixes[position]);
            QWidget* page = w.ControlNB->widget(position);
            for (const char* kind : {"StartSB", "HelpSB", "SwitchSB"})
                QVERIFY2(page->findChild<QToolButton*>(prefix + QLatin1String(kind)),
                         qPrintable(prefix + kind));
            const bool penalty = page->findChild<QLabel*>(prefix + "ShtrafTimerP") != nullptr;
            const bool expected =
                QStringList{"Dwords", "Mnemo", "Numbers", "Math", "Probe"}.contains(prefix);
            QCOMPARE(penalty, expected);
        }
        QLabel* penalty = form.findChild<QLabel*>("MathShtrafTimerP");
        QCOMPARE(penalty->text(), QStringLiteral("0"));
        QCOMPARE(penalty->size(), QSize(90, 22));
        QCOMPARE(w.TimerP->size(), QSize(115, 32));
        QCOMPARE(w.TimerP->text(), QStringLiteral("0.0"));
        QCOMPARE(w.TabSwitchCB->width(), 305);
        QVERIFY(!w.TabSwitchCB->isEditable());
        QCOMPARE(w.BaseControlP->width(), 117);
    }

    // Every caption a button of a control page shows, in every mode of every exercise and
    // in every phase, fits the button whole in the 117-pixel panel.
    void everyButtonCaptionFitsItsButton() {
        shell::Window win;
        MainWidgets& w = win.w();
        for (int position = 0; position < ExerciseCount; ++position) {
            w.TabSwitchCB->setCurrentIndex(position);
            QCoreApplication::processEvents();
            ControlPage& page = w.pages[position];
            auto fits = [](QToolButton* button) {
                return button->sizeHint().width() <= button->width();
            };
            QVERIFY(page.SwitchSB->width() > 0 && page.SwitchSB->width() < 117);
            const int modes = int(page.info->modes.size());
            for (int k = 0; k < modes; ++k) {
                QTest::mouseClick(page.SwitchSB, Qt::LeftButton);
                QVERIFY2(fits(page.SwitchSB), qPrintable(page.SwitchSB->text()));
            }
            QCOMPARE(page.ExerciseMode, page.info->firstMode());
            QVERIFY(fits(page.HelpSB));
            for (Tx caption : {Tx::Start, Tx::Stop, Tx::Check}) {
                page.StartSB->setText(T(caption));
                QVERIFY2(fits(page.StartSB), qPrintable(T(caption)));
            }
            page.StartSB->setText(T(Tx::Start));
        }
        // Only a caption that needs it is made smaller.
        QCOMPARE(w.Page(0).SwitchSB->font(), w.Page(0).StartSB->font());
    }

    void menuItemsHaveTheirNamesAndShortcuts() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        const QList<QPair<const char*, QKeySequence>> items = {
            {"UserN", QKeySequence(Qt::Key_F4)},
            {"StatsN", QKeySequence(Qt::Key_F5)},
            {"MinimizeN", QKeySequence(Qt::Key_Escape)},
            {"ExitN", QKeySequence(Qt::ALT | Qt::Key_X)},
            {"SettingsN", QKeySequence(Qt::Key_F6)},
            {"NumbersNetN", QKeySequence()},
            {"GipnoN", QKeySequence()},
            {"LightClickN", QKeySequence()},
            {"CPRightN", QKeySequence()},
            {"CPLeftN", QKeySequence()},
            {"FullScreenN", QKeySequence(Qt::ALT | Qt::Key_Return)},
            {"ContentN", QKeySequence(Qt::Key_F1)},
            {"NewN", QKeySequence()},
            {"AboutN", QKeySequence()},
            {"N1", QKeySequence()}};
        for (const auto& [name, shortcut] : items) {
            QAction* action = form.findChild<QAction*>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->shortcut(), shortcut);
        }
        const MainMenu& m = form.Menu();
        QCOMPARE(m.FileN->title(), QStringLiteral("&Файл"));
        QCOMPARE(m.StatsN->text(), QStringLiteral("Статистика серий"));
        QCOMPARE(m.SettingsN->text(), QStringLiteral("Разные настройки..."));
        QCOMPARE(m.LightClickN->text(), QStringLiteral("Подсветка нажатий"));
        QCOMPARE(m.FullScreenN->text(), QStringLiteral("Полный Экран"));
        QCOMPARE(m.HelpN->title(), QStringLiteral("&Справка"));
        QCOMPARE(m.AboutN->text(), QStringLiteral("О программе..."));
        QCOMPARE(m.N3->title(), QStringLiteral("Контрольная панель"));
        QCOMPARE(m.N1->text(), QStringLiteral("Ступени развития"));
        for (QAction* ready : {m.UserN, m.StatsN, m.ExitN, m.MinimizeN, m.FullScreenN, m.ContentN,
                               m.AboutN, m.SettingsN, m.NumbersNetN, m.GipnoN, m.N1})
            QVERIFY(ready->isEnabled());
        QVERIFY(!m.LevelNameN->menuAction()->isVisible());
    }

    void interfaceTextsAreAppliedAtTheFirstShow() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        QVERIFY(!form.LocalizedOnce());
        form.show();
        QVERIFY(form.LocalizedOnce());
        MainWidgets& w = form.Widgets();
        QCOMPARE(w.LessonChB->text(), QStringLiteral("серии"));
        QVERIFY(!w.LessonChB->isVisibleTo(&form));
        QCOMPARE(form.findChild<QToolButton*>("ShulteStartSB")->text(), QStringLiteral("Старт"));
        QCOMPARE(form.findChild<QToolButton*>("ProbeHelpSB")->text(), QStringLiteral("Помощь"));
        const QStringList modes = {"Режим 5x5", "Режим 5x5", "Режим [поле]", "Режим 2",
                                   "Режим 10",  "Режим 10",  "Режим 3x3",    "Режим [буквы]"};
        QStringList titles;
        for (int position = 0; position < 8; ++position) {
            QCOMPARE(w.pages[position].SwitchSB->text(), modes[position]);
            titles << w.TabSwitchCB->itemText(position);
        }
        QCOMPARE(titles,
                 QStringList({"Шульте", "Шульте к/ч", "Мишени", "Пары слов", "Мнемоника слов",
                              "Мнемоника чисел", "Считалка", "Корректурка"}));
        QCOMPARE(w.TabSwitchCB->currentIndex(), 0);
        // A new data folder has no last user: the caption names the default.
        QCOMPARE(form.windowTitle(), QStringLiteral("Oxelium (v1.8) [без имени]"));
        QCOMPARE(w.ControlNB->currentIndex(), 0);
        QVERIFY(!w.HelpP->isVisible());
    }

    void startsWithDefaultsWithoutSettings() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        const QRect screen = Screen();
        const int w = screen.width() - screen.width() / 5;
        const int h = screen.height() - screen.height() / 5;
        QCOMPARE(form.geometry().size(), QSize(w, h));
        QCOMPARE(form.geometry().center(), screen.center());
        QVERIFY(!(form.windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(!form.Menu().FullScreenN->isChecked());
        QVERIFY(ControlPanelOnTheRight(form));
        QVERIFY(form.Menu().CPRightN->isChecked());
        QVERIFY(form.Menu().LightClickN->isChecked());
        QVERIFY(form.Widgets().OxelP->LightClick());
    }

    void rightCPOffPutsTheControlPanelLeft() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TDataFile(folder.file("oxel.ini")).WriteBool("COMMON", "RightCP", false);
        TMainForm form(folder.path());
        form.show();
        QVERIFY(!ControlPanelOnTheRight(form));
        QVERIFY(form.Menu().CPLeftN->isChecked());
        QVERIFY(!form.Menu().CPRightN->isChecked());
        form.Menu().CPRightN->trigger();
        QTRY_VERIFY(ControlPanelOnTheRight(form));
        QVERIFY(TDataFile(folder.file("oxel.ini")).ReadBool("COMMON", "RightCP", false));
        form.Menu().CPLeftN->trigger();
        QTRY_VERIFY(!ControlPanelOnTheRight(form));
        QVERIFY(!TDataFile(folder.file("oxel.ini")).ReadBool("COMMON", "RightCP", true));
    }

    void lightClickToggleIsWrittenAtOnce() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        form.Menu().LightClickN->trigger();
        QVERIFY(!form.Menu().LightClickN->isChecked());
        QVERIFY(!form.Widgets().OxelP->LightClick());
        QVERIFY(!form.SettingsFile()->ReadBool("COMMON", "LightClick", true));
        form.Menu().LightClickN->trigger();
        QVERIFY(form.Widgets().OxelP->LightClick());
        QVERIFY(TDataFile(folder.file("oxel.ini")).ReadBool("COMMON", "LightClick", false));
    }

    void storedLightClickOffIsRead() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TDataFile(folder.file("oxel.ini")).WriteBool("COMMON", "LightClick", false);
        TMainForm form(folder.path());
        QVERIFY(!form.Menu().LightClickN->isChecked());
        QVERIFY(!form.Widgets().OxelP->LightClick());
    }

    void storedFullScreenCoversTheScreenWithoutBorder() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TDataFile(folder.file("oxel.ini")).WriteBool("COMMON", "FullScreen", true);
        TMainForm form(folder.path());
        form.show();
        QVERIFY(form.FullScreen());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.geometry(), Screen());
        QVERIFY(form.Menu().FullScreenN->isChecked());
    }

    void fullScreenTwiceKeepsThePageAndWritesTheOption() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        const QRect windowed = form.geometry();
        MainWidgets& w = form.Widgets();
        w.TabSwitchCB->setCurrentIndex(3);
        QCOMPARE(form.ActiveExercise(), 5);

        form.Menu().FullScreenN->trigger();
        QVERIFY(form.FullScreen());
        QCOMPARE(form.geometry(), Screen());
        QVERIFY(TDataFile(folder.file("oxel.ini")).ReadBool("COMMON", "FullScreen", false));
        QCOMPARE(w.TabSwitchCB->currentIndex(), 3);
        QCOMPARE(w.ControlNB->currentIndex(), 3);

        form.Menu().FullScreenN->trigger();
        QVERIFY(!form.FullScreen());
        QVERIFY(!(form.windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(form.geometry(), windowed);
        QVERIFY(!TDataFile(folder.file("oxel.ini")).ReadBool("COMMON", "FullScreen", true));
        QCOMPARE(w.TabSwitchCB->currentIndex(), 3);
        QCOMPARE(w.ControlNB->currentIndex(), 3);
        QCOMPARE(form.ActiveExercise(), 5);
        QVERIFY(form.isVisible());
    }

    void choosingNumberMnemonicsShowsItsPageAndTable() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        MainWidgets& w = form.Widgets();
        w.TabSwitchCB->setCurrentIndex(w.TabSwitchCB->findText("Мнемоника чисел"));
        QCOMPARE(w.ControlNB->currentIndex(), 5);
        QCOMPARE(form.ActiveExercise(), 6);
        QCOMPARE(w.ControlNB->currentWidget()->objectName(), QStringLiteral("NumbersControlP"));
        QCOMPARE(form.Cycle().Records().exercise, 6);
        QCOMPARE(form.Cycle().Records().mode, 1);
        QVERIFY(!form.Cycle().Records().series);
    }

    void changingThePageResetsTheRunTimer() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        TMainForm form(folder.path());
        form.show();
        MainWidgets& w = form.Widgets();
        w.TimerP->setText("12.3");
        form.Cycle().SysTimer().start();
        w.TabSwitchCB->setCurrentIndex(6);
        QCOMPARE(w.TimerP->text(), QStringLiteral("0.0"));
        QVERIFY(!form.Cycle().SysTimer().isActive());
    }

    void headingsComeFromTheHeadingList() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        shell::WriteFile(folder.file("dic/rgipno.dic"),
                         WriteLines({QStringLiteral("только одна")}));
        TMainForm form(folder.path());
        QCOMPARE(form.Cycle().Heading(0), QStringLiteral("только одна"));
        // The lines the list lacks keep the built-in headings.
        for (int i = 1; i < ExerciseCount; ++i)
            QCOMPARE(form.Cycle().Heading(i), T(Exercise(i).heading));
        QCOMPARE(form.Cycle().NumberList().value(7), QStringLiteral("образ7"));
    }

    void damagedSettingsFileStartsWithDefaults() {
        TestSeams seams;
        ProgramFolder folder(false);
        shell::Install(folder);
        shell::WriteFile(folder.file("oxel.ini"), QByteArray(200, 'x'));
        TMainForm form(folder.path());
        form.show();
        QCOMPARE(seams.dialogs.messages, QStringList{QStringLiteral("Invalid file format.")});
        QVERIFY(form.Menu().LightClickN->isChecked());
        QVERIFY(ControlPanelOnTheRight(form));
    }
};

QTEST_MAIN(TestShellStartup)
#include "tst_shell_startup.moc"
