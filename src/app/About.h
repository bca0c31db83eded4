#pragma once

#include <QDialog>

// The modal about box: program icon, product name, version, a one-line description and the
// data folder in use, closed with its OK button.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr, const QString& dataDir = {});

    // Shows the about box modally and frees it when it closes.
    static void Execute(QWidget* parent, const QString& dataDir = {});
};
