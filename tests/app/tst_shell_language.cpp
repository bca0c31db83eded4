#include "FileBytes.h"
#include "ShellFixture.h"
#include "app/MainMenu.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "stats/Lessons.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>

namespace {

// The English lists beside the Russian ones of the fixture, and a series of Anna's in
// Schulte 5x5 and in the targets' joker mode.
void InstallEnglishAndStatistics(const ProgramFolder& folder) {
    QStringList numbers;
    for (int i = 0; i < 100; ++i)
        numbers << QStringLiteral("image%1").arg(i);
    shell::WriteFile(folder.file("dic/enum.dic"), WriteLines(numbers));
    shell::WriteFile(folder.file("dic/egipno.dic"), WriteLines(QStringList(8, "heading")));
    QDir(folder.path()).mkpath("users/AnnaDB");
    for (const char* file : {"shulte5.db", "targets4.db"})
        WriteBytes(folder.file(QStringLiteral("users/AnnaDB/") + QLatin1String(file)),
                   ReferenceCipher("28.02.2024 10:00:00\r\n31/32/33/34/35\r\n", true));
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

} // namespace

class TestShellLanguage : public QObject {
    Q_OBJECT

private slots:
    void switchReachesWindowsAndMenusAndIsRefusedDuringARun();
};

void TestShellLanguage::switchReachesWindowsAndMenusAndIsRefusedDuringARun() {
    shell::Window win(4242, QStringLiteral("Anna"));
    InstallEnglishAndStatistics(win.folder);
    MainMenu& menu = win.form->Menu();
    TLessonsForm stats({win.folder.path() + "/", "Anna", win.form->SettingsFile(), 0, 0, {}});
    stats.show();
    const QList<QListWidgetItem*> joker =
        stats.LessonLB->findItems("Мишени (джокер)", Qt::MatchExactly);
    QCOMPARE(joker.size(), 1);
    stats.LessonLB->setCurrentItem(joker.first());
    stats.LessonLBClick();
    QCOMPARE(stats.CloseSB->text(), QStringLiteral("Закрыть"));

    menu.EnglishN->trigger();
    QCOMPARE(Language(), 1);
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Start"));
    QCOMPARE(win.w().TabSwitchCB->itemText(2), QStringLiteral("Targets"));
    QCOMPARE(win.w().LessonSB->text(), QStringLiteral("Single"));
    QCOMPARE(menu.OptionN->title(), QStringLiteral("&Options"));
    QCOMPARE(menu.LanguageN->title(), QStringLiteral("Language"));
    QCOMPARE(menu.N3->title(), QStringLiteral("Control panel"));
    QVERIFY(menu.EnglishN->isChecked());
    QCOMPARE(win.form->windowTitle(), QStringLiteral("Oxelium (v1.8) [Anna]"));
    QCOMPARE(stats.CloseSB->text(), QStringLiteral("Close"));
    QCOMPARE(stats.windowTitle(), QStringLiteral("Series statistics [Anna]"));
    QCOMPARE(Items(stats.LessonLB), QStringList({"Schulte (5x5)", "Targets (joker)"}));
    QCOMPARE(stats.LessonLB->currentItem()->text(), QStringLiteral("Targets (joker)"));
    QCOMPARE(stats.HistoryLB->count(), 1);
    {
        TDataFile ini(win.folder.file("oxel.ini"));
        QCOMPARE(Settings::ReadLanguage(ini), 1);
    }

    win.start();
    QVERIFY(!menu.LanguageN->menuAction()->isEnabled());
    menu.RussianN->trigger();
    QCOMPARE(Language(), 1);
    QVERIFY(menu.EnglishN->isChecked());
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Stop"));

    win.start();
    menu.RussianN->trigger();
    QCOMPARE(win.shulte().StartSB->text(), QStringLiteral("Старт"));
    QCOMPARE(menu.OptionN->title(), QStringLiteral("&Опции"));
    QCOMPARE(stats.LessonLB->currentItem()->text(), QStringLiteral("Мишени (джокер)"));
    QVERIFY(win.seams.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestShellLanguage)
#include "tst_shell_language.moc"
