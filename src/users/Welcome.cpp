#include "Welcome.h"

#include "data/Texts.h"
#include "widgets/FlatButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>

namespace {

// The list and the password field: white bold 13-pixel text on $799700.
const char* const FieldStyle =
    "QComboBox, QLineEdit { background: #009779; color: white; font-family: 'Liberation Sans';"
    " font-weight: bold; font-size: 13px; border: 1px solid #005E4B; padding-left: 3px;"
    " lineedit-password-character: 42; }"
    "QComboBox QAbstractItemView { background: #009779; color: white;"
    " selection-background-color: #005E4B; selection-color: white; }";

QToolButton* PlacedButton(QWidget* parent, const char* name, const QRect& geometry) {
    QToolButton* button = FlatButton(
        parent, name, QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;"));
    button->setGeometry(geometry);
    return button;
}

QLabel* Label(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

TWelcomeForm::TWelcomeForm(const QString& programDir, TDataFile* settingsFile, QWidget* parent)
    : QDialog(parent), rules_(programDir, settingsFile) {
    setObjectName(QStringLiteral("WelcomeForm"));
    // A title bar without buttons: the window is left only by signing in or quitting.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);
    BuildControls();
    SetCaptions();
}

void TWelcomeForm::BuildControls() {
    // Wide enough for "Password" as well as "Пароль".
    NameL = Label(this, "NameL", QRect(6, 8, 64, 24));
    PassL = Label(this, "PassL", QRect(6, 38, 64, 24));

    UserCB = new QComboBox(this);
    UserCB->setObjectName(QStringLiteral("UserCB"));
    UserCB->setEditable(false);
    UserCB->setMaxVisibleItems(10);
    UserCB->setGeometry(72, 8, 190, 24);
    UserCB->setStyleSheet(QLatin1String(FieldStyle));

    PasswordME = new QLineEdit(this);
    PasswordME->setObjectName(QStringLiteral("PasswordME"));
    PasswordME->setEchoMode(QLineEdit::Password);
    PasswordME->setMaxLength(SignInRules::PasswordLength);
    PasswordME->setGeometry(72, 38, 190, 24);
    PasswordME->setStyleSheet(QLatin1String(FieldStyle));

    OkSB = PlacedButton(this, "OkSB", QRect(8, 68, 84, 26));
    AddUserSB = PlacedButton(this, "AddUserSB", QRect(94, 68, 84, 26));
    DelUserSB = PlacedButton(this, "DelUserSB", QRect(180, 68, 84, 26));
    ExitProgramSB = PlacedButton(this, "ExitProgramSB", QRect(8, 98, 256, 26));

    connect(OkSB, &QToolButton::clicked, this, &TWelcomeForm::OkSBClick);
    connect(PasswordME, &QLineEdit::returnPressed, this, &TWelcomeForm::OkSBClick);
    connect(AddUserSB, &QToolButton::clicked, this, &TWelcomeForm::AddUserSBClick);
    connect(DelUserSB, &QToolButton::clicked, this, &TWelcomeForm::DelUserSBClick);
    connect(ExitProgramSB, &QToolButton::clicked, this, &TWelcomeForm::ExitProgramSBClick);
    connect(UserCB, &QComboBox::activated, this, &TWelcomeForm::UserCBCloseUp);
}

void TWelcomeForm::SetCaptions() {
    setWindowTitle(T(Tx::ChooseUser));
    NameL->setText(T(Tx::NameHead));
    PassL->setText(T(Tx::PasswordLabel));
    OkSB->setText(T(Tx::ConfirmButton));
    AddUserSB->setText(T(Tx::NewButton));
    DelUserSB->setText(T(Tx::DeleteButton));
    ExitProgramSB->setText(T(Tx::QuitProgram));
}

std::optional<SignedInUser> TWelcomeForm::Execute(const QString& programDir,
                                                  TDataFile* settingsFile, QWidget* parent) {
    TWelcomeForm form(programDir, settingsFile, parent);
    form.exec();
    return form.SignedIn();
}

void TWelcomeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TWelcomeForm::FormShow() {
    FindUsers();
    SelectName(rules_.LastUser());
    PasswordME->setFocus();
    SetCaptions();
}

void TWelcomeForm::FindUsers() {
    UserCB->setCurrentIndex(-1);
    UserCB->clear();
    UserCB->addItems(rules_.FindUsers());
    UserCB->setCurrentIndex(-1);
}

void TWelcomeForm::SelectName(const QString& name) {
    QStringList users;
    for (int i = 0; i < UserCB->count(); ++i)
        users.append(UserCB->itemText(i));
    UserCB->setCurrentIndex(SignInRules::IndexOf(users, name));
}

QString TWelcomeForm::ShownName() const {
    return UserCB->currentIndex() < 0 ? QString() : UserCB->currentText();
}

void TWelcomeForm::OkSBClick() {
    accepted_ = rules_.CheckPassword(ShownName(), PasswordME->text());
    if (accepted_)
        close();
}

void TWelcomeForm::AddUserSBClick() {
    const QString created = rules_.AddUser();
    if (created.isEmpty())
        return;
    FindUsers();
    SelectName(created);
    PasswordME->setFocus();
}

void TWelcomeForm::DelUserSBClick() {
    if (!rules_.DeleteUser(ShownName()))
        return;
    FindUsers();
    UserCB->setCurrentIndex(UserCB->count() > 0 ? 0 : -1);
}

void TWelcomeForm::ExitProgramSBClick() {
    quit_ = true;
    accepted_.reset();
    done(QDialog::Rejected);
}

void TWelcomeForm::UserCBCloseUp() {
    PasswordME->setFocus();
}

bool TWelcomeForm::FormCloseQuery() const {
    return accepted_.has_value() && !ShownName().isEmpty() && accepted_->name == ShownName();
}

void TWelcomeForm::FormClose() {
    signedIn_ = rules_.SignIn(*accepted_);
}

void TWelcomeForm::closeEvent(QCloseEvent* event) {
    if (quit_ || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    done(QDialog::Accepted);
}

void TWelcomeForm::reject() {}
