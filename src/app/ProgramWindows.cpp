#include "ProgramWindows.h"

#include "Main.h"
#include "Splash.h"

#include <QApplication>
#include <QTimer>

int RunProgramWindows(const QString& dataDir, bool quitWhenShown) {
    TSplashForm::ShowSplash();
    // Painted before the start-up work, so it shows while the main window is made.
    QCoreApplication::processEvents();
    if (quitWhenShown)
        TMainForm::SetSignInOnActivation(false);
    TMainForm form(dataDir);
    form.show();
    if (form.TerminateRequested() || quitWhenShown)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}
