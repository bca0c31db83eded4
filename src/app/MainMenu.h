#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar, its items named as the program names them (`UserN`,
// `FullScreenN`, …) with their shortcuts. Captions of the items the interface texts cover
// are set by `Localization`; the others are fixed here.
struct MainMenu {
    QMenu* FileN = nullptr;
    QAction* UserN = nullptr;
    QAction* StatsN = nullptr;
    QAction* MinimizeN = nullptr;
    QAction* ExitN = nullptr;

    QMenu* OptionN = nullptr;
    QAction* SettingsN = nullptr;
    QAction* NumbersNetN = nullptr;
    QAction* GipnoN = nullptr;
    QAction* LightClickN = nullptr;
    QMenu* N3 = nullptr;
    QAction* CPRightN = nullptr;
    QAction* CPLeftN = nullptr;
    QAction* FullScreenN = nullptr;
    QMenu* LanguageN = nullptr;
    QAction* RussianN = nullptr;
    QAction* EnglishN = nullptr;

    QMenu* HelpN = nullptr;
    QAction* ContentN = nullptr;
    QAction* NewN = nullptr;
    QAction* AboutN = nullptr;

    QMenu* LevelNameN = nullptr;
    QAction* N1 = nullptr;

    // Builds the menu bar of the window; the level menu is hidden until a user signs in.
    static MainMenu Build(QMainWindow* window);
};
