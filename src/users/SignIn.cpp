#include "SignIn.h"

#include "data/DataFile.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/Settings.h"
#include "data/Texts.h"
#include "history/HistoryDb.h"

QString SignedInUser::LevelCaption() const {
    return name + T(Tx::LevelWord) + QString::number(level) + QLatin1Char('.') +
           QString::number(subLevel);
}

SignInRules::SignInRules(QString programDir, TDataFile* settingsFile)
    : programDir_(programDir), files_(std::move(programDir)), settingsFile_(settingsFile) {}

QStringList SignInRules::FindUsers() const {
    return files_.FindUsers();
}

QString SignInRules::LastUser() const {
    if (settingsFile_) {
        try {
            return Settings::ReadLastUser(*settingsFile_);
        } catch (const OxelError&) {
            // A damaged settings store was reported when the program started.
        }
    }
    return T(Tx::NoName, 2);
}

int SignInRules::IndexOf(const QStringList& users, const QString& name) {
    return static_cast<int>(users.indexOf(name));
}

std::optional<SignedInUser> SignInRules::CheckPassword(const QString& name,
                                                       const QString& typed) const {
    if (name.isEmpty()) {
        ShowMessage(T(Tx::NoUserChosen));
        return std::nullopt;
    }
    UserFiles::Record record;
    try {
        record = files_.ReadUser(name);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return std::nullopt;
    }
    if (typed != record.password) {
        ShowMessage(T(Tx::WrongPassword));
        return std::nullopt;
    }
    return SignedInUser{name, record.level, record.subLevel};
}

QString SignInRules::AddUser() const {
    const QString name =
        UserFiles::CutNewUserName(AppDialogs().Prompt(T(Tx::NewUser), T(Tx::EnterName), 0));
    if (!UserFiles::ValidUserName(name)) {
        ShowMessage(T(Tx::BadUserName));
        return {};
    }
    if (name.isEmpty())
        return {};
    // Another spelling of an existing name is the same user: refused before any password.
    if (files_.UserExists(name)) {
        ShowMessage(T(Tx::UserExists));
        return {};
    }
    const std::optional<QString> password = AskNewPassword();
    if (!password)
        return {};
    try {
        files_.CreateUser(name, *password);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return {};
    }
    return name;
}

std::optional<QString> SignInRules::AskNewPassword() {
    for (;;) {
        const QString password =
            AppDialogs()
                .PasswordPrompt(T(Tx::NewUser), T(Tx::EnterPassword), PasswordLength)
                .left(PasswordLength);
        // A substituted character would never match the typed one: the user could neither
        // sign in nor be deleted.
        if (!UserFiles::ValidPassword(password)) {
            ShowMessage(T(Tx::BadPassword));
            return std::nullopt;
        }
        // Nothing typed (or Cancel) is no password, which no typo can hide.
        if (password.isEmpty())
            return password;
        const QString again =
            AppDialogs()
                .PasswordPrompt(T(Tx::NewUser), T(Tx::RepeatPassword), PasswordLength)
                .left(PasswordLength);
        if (again == password)
            return password;
        ShowMessage(T(Tx::PasswordsDiffer));
    }
}

bool SignInRules::DeleteUser(const QString& name) const {
    if (name.isEmpty()) {
        ShowMessage(T(Tx::NoUserChosen));
        return false;
    }
    QString stored;
    try {
        stored = files_.ReadUser(name).password;
    } catch (const OxelError& e) {
        ShowError(e.text());
        return false;
    }
    // Unlimited, so that a longer password stored by an older version still matches.
    if (AppDialogs().PasswordPrompt(T(Tx::DeleteUser), T(Tx::EnterPassword), 0) != stored) {
        ShowMessage(T(Tx::WrongPassword));
        return false;
    }
    if (!AppDialogs().Confirm(T(Tx::ConfirmDeleteUser) + QLatin1Char(' ') + name +
                              QLatin1Char('?')))
        return false;
    // The runs go first: a user whose runs stay is kept, so that a later user of the same
    // name never inherits them.
    if (const QString problem = HistoryDb::DeleteUserRuns(programDir_, name); !problem.isEmpty()) {
        ShowError(T(Tx::UserNotDeleted).arg(problem));
        return false;
    }
    if (files_.DeleteUser(name))
        ShowMessage(T(Tx::UserFileDeleted));
    return true;
}

SignedInUser SignInRules::SignIn(SignedInUser user) const {
    user.name = user.name.left(UserFiles::CurrentNameLength);
    if (settingsFile_) {
        try {
            Settings::WriteLastUser(*settingsFile_, user.name);
        } catch (const OxelError& e) {
            ShowError(e.text());
        }
    }
    return user;
}
