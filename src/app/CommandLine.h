#pragma once

#include <QString>
#include <QStringList>

// The command line, read before anything else so that the answers that need no window
// (help, version, a refusal) work without a display. An option that does its work without
// a window gets its own Action, answered by main before the application is made.
class CommandLine {
public:
    enum class Action { Run, Help, Version, Refuse, Export };

    Action action = Action::Run;
    QString dataDir;  // --dir PATH; empty for the default data folder
    QString exportDir; // --export OUTDIR: the folder the CSV files are written to
    QString answer;   // what Help, Version or Refuse print

    // arguments[0] is the program as it was started; texts in the given language.
    static CommandLine Parse(const QStringList& arguments, int language);

    // Prints the answer (a refusal on stderr) and returns the exit code: 0, or 2 for a refusal.
    int Answer() const;

    // The language of the terminal: Russian in a Russian locale, English otherwise.
    static int TerminalLanguage();
};
