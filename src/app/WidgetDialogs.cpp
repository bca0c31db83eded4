#include "WidgetDialogs.h"

#include "PromptDialog.h"
#include "data/Texts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconFor(Dialogs::Kind kind) {
    switch (kind) {
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

WidgetDialogs::WidgetDialogs(QString caption) : caption_(std::move(caption)) {}

QString WidgetDialogs::Caption() const {
    return caption_.isEmpty() ? QGuiApplication::applicationDisplayName() : caption_;
}

void WidgetDialogs::Message(const QString& text, Kind kind) {
    QMessageBox box(iconFor(kind), Caption(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.button(QMessageBox::Ok)->setText(T(Tx::Ok));
    box.exec();
}

bool WidgetDialogs::Confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(T(Tx::Yes));
    box.button(QMessageBox::No)->setText(T(Tx::No));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

QString WidgetDialogs::Prompt(const QString& caption, const QString& label, int maxLength) {
    return PromptDialog::Ask(caption, label, maxLength, QApplication::activeWindow());
}

QString WidgetDialogs::PasswordPrompt(const QString& caption, const QString& label, int maxLength) {
    return PromptDialog::Ask(caption, label, maxLength, QApplication::activeWindow(),
                             QLineEdit::Password);
}

QString WidgetDialogs::SaveFileName(const QString& caption, const QString& suggested) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested,
                                        QStringLiteral("CSV (*.csv)"));
}
