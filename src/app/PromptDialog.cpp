#include "PromptDialog.h"

#include "data/Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

PromptDialog::PromptDialog(const QString& caption, const QString& label, int maxLength,
                           QWidget* parent, QLineEdit::EchoMode echo)
    : QDialog(parent), label_(new QLabel(label, this)), edit_(new QLineEdit(this)) {
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    edit_->setEchoMode(echo);
    // A password shows "*" for each character, as the sign-in field does.
    if (echo == QLineEdit::Password)
        edit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    if (maxLength > 0)
        edit_->setMaxLength(maxLength);
    edit_->setMinimumWidth(260);
    label_->setBuddy(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(T(Tx::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(T(Tx::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit_->setFocus();
}

QString PromptDialog::Text() const {
    return edit_->text();
}

QString PromptDialog::Ask(const QString& caption, const QString& label, int maxLength,
                          QWidget* parent, QLineEdit::EchoMode echo) {
    // On the heap and watched, as the message boxes are: a parent that goes away while the
    // prompt waits takes it along and the prompt gives the empty text.
    const QPointer<PromptDialog> dialog = new PromptDialog(caption, label, maxLength, parent, echo);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    const QString text = dialog && accepted ? dialog->Text() : QString();
    delete dialog.data();
    return text;
}
