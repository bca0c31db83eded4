#pragma once

#include "ControlPage.h"
#include "board/ColorRef.h"
#include "exercises/ExerciseList.h"

#include <array>

class CaptionPanel;
class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QStackedWidget;
class QTextBrowser;
class QToolButton;
class TOxelPanel;

// The controls of the main window, named as the program names them, and the layout that
// holds them: the top bar with the exercise bar and the run timer, the control panel with
// one notebook page per exercise (in list order), and the board area with the board, the
// results panel and the help panel on top of each other.
struct MainWidgets {
    QFrame* ToolsP = nullptr;
    QHBoxLayout* toolsLayout = nullptr;
    CaptionPanel* BaseButtonP = nullptr;
    QComboBox* TabSwitchCB = nullptr;
    QToolButton* LessonSB = nullptr;
    QCheckBox* LessonChB = nullptr;
    QLabel* TimerP = nullptr;

    QHBoxLayout* bodyLayout = nullptr;
    QFrame* BaseControlP = nullptr;
    QStackedWidget* ControlNB = nullptr;
    // By list position.
    std::array<ControlPage, ExerciseCount> pages;

    QFrame* BaseP = nullptr;
    TOxelPanel* OxelP = nullptr;
    QFrame* RecordP = nullptr;
    QFrame* HelpP = nullptr;
    QTextBrowser* HelpMemo = nullptr;

    // The page of an exercise, by exercise index.
    ControlPage& Page(int exerciseIndex);

    // Series mode on or off: the switch `LessonSB` ("Серии", tag 1 / "Одиночные", tag 0)
    // and the check box `LessonChB` it mirrors, whose change recolours and reloads.
    void SetSeriesMode(bool on);
    bool SeriesMode() const;

    // The exercise list's background ($BBGGRR): green, or blue in series mode.
    void SetExerciseListColor(TColor color);
    // Puts the control panel and the run timer on the right or the left side.
    void SetControlPanelSide(bool right);

    static MainWidgets Build(QMainWindow* window, const ExerciseSet& exercises);
};
