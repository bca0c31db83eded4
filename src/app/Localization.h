#pragma once

#include "exercises/ExerciseList.h"

#include <QString>

class QMainWindow;
struct MainMenu;
struct MainWidgets;

// Applies the interface-text table to the main window: the series box, the captions of
// every exercise page, the window caption with the signed-in user, the menu captions and the
// exercise list, which is refilled and set to its first position.
void Localization(QMainWindow* window, MainWidgets& widgets, MainMenu& menu,
                  const ExerciseSet& exercises, const QString& currentUser);

// "Oxelium (v1.8) [name]".
QString WindowCaption(const QString& userName);
