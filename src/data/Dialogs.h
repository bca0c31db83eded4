#pragma once

#include <QString>

// Every message box, Yes/No question and one-line prompt of the program goes through the
// installed Dialogs object, so that tests can answer them from a script.
class Dialogs {
public:
    enum class Kind { Information, Warning, Error };

    virtual ~Dialogs() = default;
    // A message box with one OK button.
    virtual void Message(const QString& text, Kind kind) = 0;
    // The same message without waiting for it to be read: what the program does meanwhile
    // (a run timing itself) goes on. By default it is a message box.
    virtual void Notice(const QString& text, Kind kind) { Message(text, kind); }
    // A question with Yes and No buttons; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // A one-line prompt with OK and Cancel, starting empty, not masked. Cancel gives the empty
    // text. maxLength 0 means no limit.
    virtual QString Prompt(const QString& caption, const QString& label, int maxLength) = 0;
    // The same prompt with every typed character shown as "*".
    virtual QString PasswordPrompt(const QString& caption, const QString& label, int maxLength) = 0;
    // A save dialog for CSV files starting at `suggested`; the chosen path, empty on Cancel.
    virtual QString SaveFileName(const QString& caption, const QString& suggested) = 0;
};

// The installed dialogs; without one, messages go to standard error and questions are
// answered No/empty.
Dialogs& AppDialogs();
// The caller keeps ownership; nullptr restores the default.
void InstallDialogs(Dialogs* dialogs);

// Shorthands.
void ShowMessage(const QString& text, Dialogs::Kind kind = Dialogs::Kind::Information);
void ShowError(const QString& text);
void ShowNotice(const QString& text, Dialogs::Kind kind = Dialogs::Kind::Warning);
