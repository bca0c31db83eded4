#include "app/Main.h"
#include "app/CommandLine.h"
#include "app/UserExport.h"
#include "app/Glyphs.h"
#include "help/HelpViewer.h"
#include "app/InstanceLock.h"
#include "sound/QtSoundPlayer.h"
#include "app/Splash.h"
#include "app/WidgetDialogs.h"
#include "board/BoardFont.h"
#include "data/DataFolder.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/FileLookup.h"
#include "data/InterfaceLanguage.h"
#include "data/Text1251.h"
#include "data/Texts.h"
#include "settings/WidgetPickers.h"
#include "stats/RunHistory.h"

#include <QApplication>
#include <QTextStream>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <cstdio>

namespace {

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Known before the application exists, so that a refusal needs no display.
QString ExecutableDir() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine command = CommandLine::Parse(Arguments(argc, argv),
                                                   CommandLine::TerminalLanguage());
    if (command.action == CommandLine::Action::Export) {
        // Reads the folder as it is: nothing is created or moved in, no display is needed.
        QCoreApplication app(argc, argv);
        QTextStream err(stderr);
        const QString dataDir = command.dataDir.isEmpty()
            ? DataFolder::DefaultPath(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath())
            : command.dataDir;
        return ExportDataFolder(dataDir, command.exportDir, err);
    }
    if (command.action != CommandLine::Action::Run)
        return command.Answer();

    const QString executableDir = ExecutableDir();
    const QString delivered =
        DataFolder::FindDelivered(executableDir, QStringLiteral(OXEL_DELIVERED_FROM_BIN));
    const DataFolder::Choice folder = DataFolder::Choose(
        command.dataDir,
        DataFolder::DefaultPath(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()),
        executableDir, delivered);
    if (!folder.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", folder.error.toLocal8Bit().constData());
        return 2;
    }
    FileLookup::SetDeliveredDir(delivered);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1Char('<') + T(Tx::ProductName) + QLatin1Char('>'));
    QGuiApplication::setDesktopFileName(QStringLiteral(OXEL_APP_ID));
    BoardFont::InstallSubstitutions();
    Glyphs::SetProgramIcon();
    WidgetDialogs dialogs;
    InstallDialogs(&dialogs);
    if (!CheckCodePage()) {
        InstallDialogs(nullptr);
        return 1;
    }

    try {
        SetLanguage(InterfaceLanguage::Settle(QDir(folder.path).filePath(QStringLiteral("oxel.ini")),
                                              QLocale::system().name()));
    } catch (const OxelError&) {
        // The main window opens the same file and reports what is wrong with it.
    }
    WidgetPickers::InstallToolkitTexts();

    InstanceLock lock(folder.path);
    if (!lock.CheckSingleInstance())
        return 0;
    if (!folder.moved.isEmpty())
        ShowMessage(T(Tx::DataMoved).arg(QDir::toNativeSeparators(folder.path),
                                         QDir::toNativeSeparators(executableDir)),
                    Dialogs::Kind::Information);

    QtSoundPlayer sounds;
    InstallSoundPlayer(&sounds);
    RunHistory::Install(RunHistory::FromDataFolder(folder.path));
    TSplashForm::ShowSplash();
    // Painted before the start-up work, so it shows while the main window is made.
    QCoreApplication::processEvents();

    // For the installation check: a start that ends by itself once its window is shown,
    // without waiting in the sign-in window.
    const bool quitWhenShown = qEnvironmentVariableIsSet("OXELIUM_QUIT_WHEN_SHOWN");
    if (quitWhenShown)
        TMainForm::SetSignInOnActivation(false);
    int result = 0;
    {
        TMainForm form(folder.path);
        form.show();
        if (form.TerminateRequested() || quitWhenShown)
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        result = QApplication::exec();
    }
    HelpViewer::Release();
    RunHistory::Install(nullptr);
    InstallSoundPlayer(nullptr);
    InstallDialogs(nullptr);
    return result;
}
