#pragma once

#include <QString>

// The program's windows on a data folder this copy holds: the splash, then the main window
// with its sign-in, until the event loop ends; the event loop's exit code. quitWhenShown ends
// the loop once the main window is shown, without the sign-in (the installation check).
int RunProgramWindows(const QString& dataDir, bool quitWhenShown);
