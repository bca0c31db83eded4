#include "app/Main.h"
#include "app/Glyphs.h"
#include "app/HelpViewer.h"
#include "app/InstanceLock.h"
#include "app/QtSoundPlayer.h"
#include "app/Splash.h"
#include "app/WidgetDialogs.h"
#include "board/BoardFont.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1Char('<') + T(Tx::ProductName) + QLatin1Char('>'));
    BoardFont::InstallSubstitutions();
    Glyphs::SetProgramIcon();
    WidgetDialogs dialogs;
    InstallDialogs(&dialogs);
    if (!CheckCodePage()) {
        InstallDialogs(nullptr);
        return 1;
    }

    const QString programDir = QCoreApplication::applicationDirPath();
    InstanceLock lock(programDir);
    if (!lock.CheckSingleInstance())
        return 0;

    QtSoundPlayer sounds;
    InstallSoundPlayer(&sounds);
    TSplashForm::ShowSplash();
    // Painted before the start-up work, so it shows while the main window is made.
    QCoreApplication::processEvents();

    int result = 0;
    {
        TMainForm form(programDir);
        form.show();
        if (form.TerminateRequested())
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        result = QApplication::exec();
    }
    HelpViewer::Release();
    InstallSoundPlayer(nullptr);
    InstallDialogs(nullptr);
    return result;
}
