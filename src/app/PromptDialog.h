#pragma once

#include <QDialog>
#include <QLineEdit>

class QLabel;

// A one-line text prompt with OK and Cancel: starts empty, shows what is typed (or a "*" for
// each character of a password) and takes at most a given number of characters.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    PromptDialog(const QString& caption, const QString& label, int maxLength,
                 QWidget* parent = nullptr, QLineEdit::EchoMode echo = QLineEdit::Normal);

    QString Text() const;

    // Shows the prompt modally; the typed text for OK, the empty text for Cancel.
    static QString Ask(const QString& caption, const QString& label, int maxLength,
                       QWidget* parent = nullptr, QLineEdit::EchoMode echo = QLineEdit::Normal);

private:
    QLabel* label_;
    QLineEdit* edit_;
};
