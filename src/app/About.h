#pragma once

#include <QDialog>

// The modal about box: program icon, product name, version and a one-line description,
// closed with its OK button.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // Shows the about box modally and frees it when it closes.
    static void Execute(QWidget* parent);
};
