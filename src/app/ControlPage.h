#pragma once

#include <QString>

class ExerciseLogic;
class QLabel;
class QToolButton;
class QVBoxLayout;
class QWidget;
struct ExerciseInfo;

// One page of the control notebook: the exercise's start, help and mode buttons (named by
// its prefix: `ShulteStartSB`, `ShulteHelpSB`, `ShulteSwitchSB`), its penalty display when
// it charges penalties, and the place for its own controls. The start button's phase
// (`RunPhase`) and the mode button's mode (`ExerciseMode`) are kept here.
struct ControlPage {
    const ExerciseInfo* info = nullptr;
    QWidget* page = nullptr;
    QToolButton* StartSB = nullptr;
    QToolButton* HelpSB = nullptr;
    QToolButton* SwitchSB = nullptr;
    QLabel* ShtrafTimerP = nullptr;
    QVBoxLayout* extras = nullptr;

    // The phases of the start button, with the numbers the run state has always used.
    enum Phase : int { Running = 0, Idle = 1, Memorising = 2, Answering = 3 };
    int RunPhase = Idle;
    int ExerciseMode = 0;

    // Builds the page of the exercise into a new widget, its buttons width pixels wide; the
    // exercise adds its own controls.
    static ControlPage Build(ExerciseLogic& exercise, int width);
};
