#include "CommandLine.h"

#include "data/Texts.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

#ifndef OXEL_VERSION
#error "OXEL_VERSION is set by the build"
#endif

namespace {

CommandLine Refusal(const QString& text) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.answer = text + QLatin1Char('\n');
    return line;
}

} // namespace

CommandLine CommandLine::Parse(const QStringList& arguments, int language) {
    QCommandLineParser parser;
    parser.setApplicationDescription(T(Tx::CmdDescription, language));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  T(Tx::CmdHelpOption, language));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     T(Tx::CmdVersionOption, language));
    const QCommandLineOption dir(QStringLiteral("dir"), T(Tx::CmdDirOption, language),
                                 T(Tx::CmdDirValue, language));
    const QCommandLineOption exportTo(QStringLiteral("export"), T(Tx::CmdExportOption, language),
                                      T(Tx::CmdExportValue, language));
    parser.addOptions({help, version, dir, exportTo});

    if (!parser.parse(arguments))
        return Refusal(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return Refusal(T(Tx::CmdUnexpected, language).arg(parser.positionalArguments().first()));

    CommandLine line;
    if (parser.isSet(help)) {
        // The parser would name the program from the running application, which is not made
        // yet: its usage line is written here.
        const QString program = QFileInfo(arguments.value(0, QStringLiteral("oxelium"))).fileName();
        const QString text = parser.helpText();
        line.action = Action::Help;
        line.answer = QStringLiteral("Usage: %1 [options]").arg(program) +
                      text.mid(text.indexOf(QLatin1Char('\n')));
    } else if (parser.isSet(version)) {
        line.action = Action::Version;
        line.answer = QStringLiteral("Oxelium " OXEL_VERSION "\n");
    } else {
        if (parser.isSet(dir)) {
            line.dataDir = parser.value(dir);
            if (line.dataDir.isEmpty())
                return Refusal(T(Tx::DataDirNotCreated, language).arg(line.dataDir));
        }
        if (parser.isSet(exportTo)) {
            line.exportDir = parser.value(exportTo);
            if (line.exportDir.isEmpty())
                return Refusal(T(Tx::ExportNoFolder, language).arg(line.exportDir));
            line.action = Action::Export;
        }
    }
    return line;
}

int CommandLine::Answer() const {
    const QByteArray text = answer.toLocal8Bit();
    std::fputs(text.constData(), action == Action::Refuse ? stderr : stdout);
    return action == Action::Refuse ? 2 : 0;
}

int CommandLine::TerminalLanguage() {
    return QLocale::system().language() == QLocale::Russian ? 2 : 1;
}
