#include "FileBytes.h"
#include "ShellFixture.h"
#include "app/AnalysisLauncher.h"
#include "app/MainMenu.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "stats/BarChartView.h"
#include "stats/Lessons.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>

class TestShellLanguage : public QObject {
    Q_OBJECT

private slots:
    void switchReachesWindowsAndMenusAndIsRefusedDuringARun();
};

// Anna has series in Schulte 5x5 and in the targets' joker mode; the English lists stand
// beside the Russian ones of the fixture.
void TestShellLanguage::switchReachesWindowsAndMenusAndIsRefusedDuringARun() {
    shell::Window win(4242, QStringLiteral("Anna"));
    shell::WriteFile(win.folder.file("dic/enum.dic"), WriteLines(QStringList(100, "image")));
    shell::WriteFile(win.folder.file("dic/egipno.dic"), WriteLines(QStringList(8, "heading")));
    QDir(win.folder.path()).mkpath("users/AnnaDB");
    for (const char* file : {"shulte5.db", "targets4.db"})
        WriteBytes(win.folder.file(QStringLiteral("users/AnnaDB/") + QLatin1String(file)),
                   ReferenceCipher("28.02.2024 10:00:00\r\n31/32/33/34/35\r\n", true));
    MainMenu& menu = win.form->Menu();
    TLessonsForm stats({win.folder.path() + "/", "Anna", win.form->SettingsFile(), 0, 0, {}, {}});
    stats.show();
    stats.LessonLB->setCurrentRow(0);
    stats.LessonLBClick();
    QCOMPARE(stats.LessonLB->currentItem()->text(), QStringLiteral("Мишени (джокер)"));

    // Dates follow the locale in English only.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    menu.EnglishN->trigger();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Oxelium"));
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Start"));
    QCOMPARE(win.w().TabSwitchCB->itemText(2), QStringLiteral("Targets"));
    QCOMPARE(win.w().LessonSB->text(), QStringLiteral("Single"));
    QCOMPARE(menu.OptionN->title(), QStringLiteral("&Options"));
    QCOMPARE(menu.N3->title(), QStringLiteral("Control panel"));
    QVERIFY(menu.EnglishN->isChecked());
    QCOMPARE(win.form->Analysis().AnalysisN->text(), QStringLiteral("Run analysis"));
    QCOMPARE(stats.CloseSB->text(), QStringLiteral("Close"));
    QCOMPARE(stats.ViewSB->text(), QStringLiteral("Every run"));
    QCOMPARE(stats.windowTitle(), QStringLiteral("Series statistics [Anna]"));
    QCOMPARE(stats.LessonLB->item(0)->text(), QStringLiteral("Schulte (5x5)"));
    QCOMPARE(stats.LessonLB->currentItem()->text(), QStringLiteral("Targets (joker)"));
    QCOMPARE(stats.HistoryLB->count(), 1);
    QCOMPARE(stats.HistoryLB->item(0)->text(), QStringLiteral("28/02/2024 10:00"));
    QCOMPARE(stats.Chart1->Values(), QList<double>({31, 32, 33, 34, 35}));
    {
        TDataFile ini(win.folder.file("oxel.ini"));
        QCOMPARE(Settings::ReadLanguage(ini), 1);
    }

    win.start();
    QVERIFY(!menu.LanguageN->menuAction()->isEnabled());
    menu.RussianN->trigger();
    QVERIFY(menu.EnglishN->isChecked());
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Stop"));

    win.start();
    menu.RussianN->trigger();
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Старт"));
    QCOMPARE(menu.OptionN->title(), QStringLiteral("&Опции"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("<Oxelium>"));
    QCOMPARE(stats.HistoryLB->item(0)->text(), QStringLiteral("28.02.2024 10:00:00"));
    QCOMPARE(stats.LessonLB->currentItem()->text(), QStringLiteral("Мишени (джокер)"));
    QVERIFY(win.seams.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestShellLanguage)
#include "tst_shell_language.moc"
