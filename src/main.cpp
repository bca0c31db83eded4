#include "app/CommandLine.h"
#include "app/UserExport.h"
#include "app/Glyphs.h"
#include "app/ProgramWindows.h"
#include "app/WidgetDialogs.h"
#include "board/BoardFont.h"
#include "data/DataFolder.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/FileLookup.h"
#include "data/FolderStart.h"
#include "data/InterfaceLanguage.h"
#include "data/Text1251.h"
#include "data/Texts.h"
#include "help/HelpViewer.h"
#include "settings/WidgetPickers.h"
#include "sound/QtSoundPlayer.h"
#include "stats/RunHistory.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
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
    // Until the data folder's settings are read, texts follow the terminal, as --help does.
    SetLanguage(CommandLine::TerminalLanguage());
    const CommandLine command = CommandLine::Parse(Arguments(argc, argv), Language());
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
    // The folder's lock comes before anything in it is created, moved or read.
    FolderStart start(
        command.dataDir,
        DataFolder::DefaultPath(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()),
        executableDir, delivered);
    const DataFolder::Choice folder = start.Open();
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

    const QString settings = QDir(folder.path).filePath(QStringLiteral("oxel.ini"));
    try {
        // A second copy only reads the language; the first one settles a new folder's.
        SetLanguage(folder.running ? InterfaceLanguage::Of(settings, QLocale::system().name())
                                   : InterfaceLanguage::Settle(settings, QLocale::system().name()));
    } catch (const OxelError&) {
        // The main window opens the same file and reports what is wrong with it.
        SetLanguage(2);
    }
    QGuiApplication::setApplicationDisplayName(ApplicationTitle(Language()));
    WidgetPickers::InstallToolkitTexts();
    if (!FolderStart::MayRun(folder)) {
        InstallDialogs(nullptr);
        return 0;
    }
    if (!folder.moved.isEmpty() || !folder.unreadable.isEmpty())
        ShowMessage(start.MovedText(folder), folder.unreadable.isEmpty()
                                                 ? Dialogs::Kind::Information
                                                 : Dialogs::Kind::Warning);

    QtSoundPlayer sounds;
    InstallSoundPlayer(&sounds);
    RunHistory::Install(RunHistory::FromDataFolder(folder.path));
    const int result =
        RunProgramWindows(folder.path, qEnvironmentVariableIsSet("OXELIUM_QUIT_WHEN_SHOWN"));
    HelpViewer::Release();
    RunHistory::Install(nullptr);
    InstallSoundPlayer(nullptr);
    InstallDialogs(nullptr);
    return result;
}
