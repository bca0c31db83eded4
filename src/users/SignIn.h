#pragma once

#include "data/UserFiles.h"

#include <QString>
#include <QStringList>
#include <optional>

class TDataFile;

// The user who signed in, as the main window takes it over.
struct SignedInUser {
    QString name;     // `CurrentUser`, at most 32 characters
    int level = 0;    // `UprLevel`
    int subLevel = 0; // `UprSubLevel`

    // The caption of the level menu: "Anna - ступень 2.1".
    QString LevelCaption() const;
};

// The rules of the sign-in window, without the window: which users there are and who is
// preselected, the password check, creating and deleting a user, and what is recorded when
// a user signs in. Messages and prompts go through the installed dialogs; a user or
// settings file that cannot be read is shown there and the operation is abandoned.
class SignInRules {
public:
    // settingsFile: the open oxel.ini, or null when it could not be opened.
    SignInRules(QString programDir, TDataFile* settingsFile);

    QStringList FindUsers() const;
    // COMMON/LastUser, "без имени" when absent or unreadable.
    QString LastUser() const;
    // The first entry equal to the name (letter case matters), or -1.
    static int IndexOf(const QStringList& users, const QString& name);

    // OK pressed with the name shown and the typed password: the user when the password
    // equals the stored one exactly; otherwise the message and nothing.
    std::optional<SignedInUser> CheckPassword(const QString& name, const QString& typed) const;
    // Asks for a name and a password, masked and typed twice, and creates the user. The name
    // created, or empty when nothing was created.
    QString AddUser() const;
    // Asks for the user's password and a confirmation and deletes the user: their runs in the
    // history, then their files. True when the deletion was carried out, so the list must be
    // filled again.
    bool DeleteUser(const QString& name) const;
    // The sign-in itself: the name cut to 32 characters and written as LastUser.
    SignedInUser SignIn(SignedInUser user) const;

    // A new user's password is at most as long as the sign-in field takes.
    static constexpr int PasswordLength = 12;

private:
    // The new user's password, asked until two typings agree; nothing when the code page
    // cannot hold it.
    static std::optional<QString> AskNewPassword();

    QString programDir_;
    UserFiles files_;
    TDataFile* settingsFile_;
};
