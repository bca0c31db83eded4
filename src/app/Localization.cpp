#include "Localization.h"

#include "MainMenu.h"
#include "MainWidgets.h"
#include "data/Texts.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>

QString WindowCaption(const QString& userName) {
    return T(Tx::ProductName) + QLatin1Char(' ') + QLatin1String(VersionText) +
           QStringLiteral(" [") + userName + QLatin1Char(']');
}

void Localization(QMainWindow* window, MainWidgets& w, MainMenu& m, const ExerciseSet& exercises,
                  const QString& currentUser) {
    w.LessonChB->setText(T(Tx::Series));
    w.LessonSB->setText(T(w.SeriesMode() ? Tx::SeriesRuns : Tx::SingleRuns));

    for (ControlPage& page : w.pages) {
        page.StartSB->setText(T(Tx::Start));
        page.HelpSB->setText(T(Tx::Help));
        page.SwitchSB->setText(page.info->modeCaption(page.ExerciseMode));
        if (page.ShtrafTimerP)
            page.ShtrafTimerP->setToolTip(T(Tx::PenaltyHint));
        exercises[page.info->index]->Localize();
    }

    window->setWindowTitle(WindowCaption(currentUser));

    m.FileN->setTitle(T(Tx::MenuFile));
    m.UserN->setText(T(Tx::MenuUser));
    m.StatsN->setText(T(Tx::MenuStats));
    m.MinimizeN->setText(T(Tx::MenuMinimize));
    m.ExitN->setText(T(Tx::MenuExit));
    m.OptionN->setTitle(T(Tx::MenuOptions));
    m.SettingsN->setText(T(Tx::MenuSettings));
    m.NumbersNetN->setText(T(Tx::MenuNumbersNet));
    m.GipnoN->setText(T(Tx::MenuGipno));
    m.LightClickN->setText(T(Tx::MenuLightClick));
    m.N3->setTitle(T(Tx::MenuControlPanel));
    m.CPRightN->setText(T(Tx::MenuRight));
    m.CPLeftN->setText(T(Tx::MenuLeft));
    m.FullScreenN->setText(T(Tx::MenuFullScreen));
    m.LanguageN->setTitle(T(Tx::MenuLanguage));
    m.RussianN->setText(T(Tx::LanguageRussian));
    m.EnglishN->setText(T(Tx::LanguageEnglish));
    (Language() == 1 ? m.EnglishN : m.RussianN)->setChecked(true);
    m.HelpN->setTitle(T(Tx::MenuHelp));
    m.ContentN->setText(T(Tx::MenuContents));
    m.NewN->setText(T(Tx::MenuNew));
    m.AboutN->setText(T(Tx::MenuAbout));
    m.N1->setText(T(Tx::MenuLadder));

    const QSignalBlocker quiet(w.TabSwitchCB);
    w.TabSwitchCB->clear();
    for (int position = 0; position < ExerciseCount; ++position)
        w.TabSwitchCB->addItem(T(ExerciseAtListPosition(position).title));
    w.TabSwitchCB->setCurrentIndex(0);
}
