#include "data/ExerciseInfo.h"
#include "settings/SettingFields.h"

#include <QTest>

// The settings window's controls and tabs as the exercise table derives them, against the
// window as it has always been: tab, object name, caption, hidden ones marked.
class TestSettingFields : public QObject {
    Q_OBJECT

private slots:
    void controlsKeepTheirNamesCaptionsAndOrder() {
        QStringList expected = {
            "1 ShulteFont1SB Шрифт 1",   "1 ShulteFont2SB Шрифт 2",
            "1 ShulteGridCB Цвет сетки", "1 ShulteBgCB Цвет фона",
            "1 ShulteGPCB Цвет точки",   "2 RBShulteFont1SB Шрифт 1",
            "2 RBShulteFont2SB Шрифт 2"};
        for (int n = 1; n <= 10; ++n)
            expected << QStringLiteral("4 TargetColor%1P ").arg(n);
        expected << "4 TargetBgCB Цвет фона"
                 << "6 DwordsFont1SB Шрифт 1" << "6 DwordsFont2SB Шрифт 2"
                 << "6 DwordsGridCB Цвет сетки" << "6 DwordsBgCB Цвет фона"
                 << "3 MnemoFont1SB Шрифт 1" << "3 MnemoFont2SB Шрифт 2"
                 << "3 MnemoBgCB Цвет фона"
                 << "7 NumbersFont1SB Шрифт 1" << "7 NumbersFont2SB Шрифт 2"
                 << "7 NumbersGridCB Цвет фона" << "7 NumbersBgCB Цвет сетки hidden"
                 << "7 NumbersNetSB " << "7 NumbersJordSB "
                 << "5 MathFont1SB Шрифт 1" << "5 MathFont2SB Шрифт 2"
                 << "5 MathGridCB Цвет сетки" << "5 MathBgCB Цвет фона"
                 << "8 ProbeFont1SB Шрифт 1" << "8 ProbeFont2SB Шрифт 2 hidden"
                 << "8 ProbeBGCB Цвет фона"
                 << "9 NBackFont1SB Шрифт 1" << "9 NBackGridCB Цвет сетки"
                 << "9 NBackBgCB Цвет фона" << "9 NBackGPCB Цвет клетки";
        QStringList shown;
        for (const SettingField& field : SettingFields())
            shown << QStringLiteral("%1 %2 %3%4")
                         .arg(field.tag)
                         .arg(QLatin1String(field.name), field.Caption(),
                              field.hidden ? QStringLiteral(" hidden") : QString());
        QCOMPARE(shown, expected);
    }

    void tabsKeepTheirRestoreButtonsAndNote() {
        const QStringList expected = {"1 ShDefaultSB", "2 RbShDefaultSB note", "3 MnDefaultSB",
                                      "4 TgDefaultSB", "5 MtDefaultSB",        "6 DwDefaultSB",
                                      "7 NumDefaultSB", "8 PrDefaultSB",       "9 NbDefaultSB"};
        QStringList tabs;
        for (int tag = 1; tag <= ExerciseCount; ++tag) {
            const SettingTab& tab = SettingTabOf(tag);
            tabs << QStringLiteral("%1 %2%3").arg(tab.tag).arg(
                        QLatin1String(tab.restoreName),
                        tab.fontColourNote ? QStringLiteral(" note") : QString());
        }
        QCOMPARE(tabs, expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingFields)
#include "tst_settingfields.moc"
