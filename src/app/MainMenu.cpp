#include "MainMenu.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainMenu MainMenu::Build(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    MainMenu m;

    m.FileN = AddMenu(bar, "FileN");
    m.UserN = AddItem(m.FileN, "UserN", QKeySequence(Qt::Key_F4));
    m.StatsN = AddItem(m.FileN, "StatsN", QKeySequence(Qt::Key_F5));
    m.FileN->addSeparator();
    m.MinimizeN = AddItem(m.FileN, "MinimizeN", QKeySequence(Qt::Key_Escape));
    m.ExitN = AddItem(m.FileN, "ExitN", QKeySequence(Qt::ALT | Qt::Key_X));

    m.OptionN = AddMenu(bar, "OptionN");
    m.SettingsN = AddItem(m.OptionN, "SettingsN", QKeySequence(Qt::Key_F6));
    m.NumbersNetN = AddItem(m.OptionN, "NumbersNetN");
    m.GipnoN = AddItem(m.OptionN, "GipnoN");
    m.OptionN->addSeparator();
    m.LightClickN = AddItem(m.OptionN, "LightClickN");
    m.LightClickN->setCheckable(true);
    m.LightClickN->setChecked(true);
    m.N3 = m.OptionN->addMenu(QString());
    m.N3->setObjectName(QStringLiteral("N3"));
    m.CPRightN = AddItem(m.N3, "CPRightN");
    m.CPLeftN = AddItem(m.N3, "CPLeftN");
    auto* side = new QActionGroup(m.N3);
    for (QAction* a : {m.CPRightN, m.CPLeftN}) {
        a->setCheckable(true);
        side->addAction(a);
    }
    m.CPRightN->setChecked(true);
    m.FullScreenN = AddItem(m.OptionN, "FullScreenN", QKeySequence(Qt::ALT | Qt::Key_Return));
    m.FullScreenN->setCheckable(true);
    m.LanguageN = m.OptionN->addMenu(QString());
    m.LanguageN->setObjectName(QStringLiteral("LanguageN"));
    m.LanguageN->menuAction()->setObjectName(QStringLiteral("LanguageN"));
    m.RussianN = AddItem(m.LanguageN, "RussianN");
    m.EnglishN = AddItem(m.LanguageN, "EnglishN");
    auto* language = new QActionGroup(m.LanguageN);
    for (QAction* a : {m.RussianN, m.EnglishN}) {
        a->setCheckable(true);
        language->addAction(a);
    }

    m.HelpN = AddMenu(bar, "HelpN");
    m.ContentN = AddItem(m.HelpN, "ContentN", QKeySequence(Qt::Key_F1));
    m.NewN = AddItem(m.HelpN, "NewN");
    m.HelpN->addSeparator();
    m.AboutN = AddItem(m.HelpN, "AboutN");

    m.LevelNameN = AddMenu(bar, "LevelNameN");
    m.LevelNameN->setTitle(QStringLiteral("..."));
    m.LevelNameN->menuAction()->setVisible(false);
    m.N1 = AddItem(m.LevelNameN, "N1");
    return m;
}
