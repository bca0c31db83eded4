#pragma once

#include "SignIn.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TDataFile;

// The sign-in window: lists the users, preselects the last one, takes the password and
// lets a user be created or deleted. It closes only when a user has signed in with the
// right password, or when the user quits the program.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    TWelcomeForm(const QString& programDir, TDataFile* settingsFile, QWidget* parent = nullptr);

    // Creates the window, shows it modally and frees it: the user who signed in, or nothing
    // when the user chose to quit the program.
    static std::optional<SignedInUser> Execute(const QString& programDir, TDataFile* settingsFile,
                                               QWidget* parent);

    // The user signed in once the window has closed; nothing while it is open or after quit.
    const std::optional<SignedInUser>& SignedIn() const { return signedIn_; }
    // The quit button was pressed.
    bool QuitChosen() const { return quit_; }

    QComboBox* UserCB = nullptr;
    QLineEdit* PasswordME = nullptr;
    QLabel* NameL = nullptr;
    QLabel* PassL = nullptr;
    QToolButton* OkSB = nullptr;
    QToolButton* AddUserSB = nullptr;
    QToolButton* DelUserSB = nullptr;
    QToolButton* ExitProgramSB = nullptr;

    void FormShow();
    void FindUsers();
    void OkSBClick();
    void AddUserSBClick();
    void DelUserSBClick();
    void ExitProgramSBClick();
    void UserCBCloseUp();
    // Closing is allowed once a shown user has given the right password.
    bool FormCloseQuery() const;
    void FormClose();

    static constexpr int ClientWidth = 272;
    static constexpr int ClientHeight = 129;

public slots:
    // Escape and the window manager do not dismiss the window.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetCaptions();
    // The name shown in the list, empty when none is chosen.
    QString ShownName() const;
    void SelectName(const QString& name);

    SignInRules rules_;
    std::optional<SignedInUser> accepted_; // the password was right; closing is allowed
    std::optional<SignedInUser> signedIn_;
    bool quit_ = false;
};
