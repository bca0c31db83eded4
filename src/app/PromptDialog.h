#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// A one-line text prompt with OK and Cancel: starts empty, shows what is typed and takes
// at most a given number of characters.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    PromptDialog(const QString& caption, const QString& label, int maxLength,
                 QWidget* parent = nullptr);

    QString Text() const;

    // Shows the prompt modally; the typed text for OK, the empty text for Cancel.
    static QString Ask(const QString& caption, const QString& label, int maxLength,
                       QWidget* parent = nullptr);

private:
    QLabel* label_;
    QLineEdit* edit_;
};
