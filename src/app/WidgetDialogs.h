#pragma once

#include "data/Dialogs.h"

class QWidget;

// The program's real message boxes, Yes/No questions and one-line prompts, shown modally
// over the active window with the application title as caption and Russian button texts;
// notices are message boxes over the main window that wait for nothing.
class WidgetDialogs : public Dialogs {
public:
    // caption: the title of message boxes and questions; empty takes the application's
    // display name.
    explicit WidgetDialogs(QString caption = {});

    void Message(const QString& text, Kind kind) override;
    void Notice(const QString& text, Kind kind) override;
    bool Confirm(const QString& text) override;
    QString Prompt(const QString& caption, const QString& label, int maxLength) override;
    QString PasswordPrompt(const QString& caption, const QString& label, int maxLength) override;
    QString SaveFileName(const QString& caption, const QString& suggested) override;

    QString Caption() const;

    // The window a dialog is shown over: the active one, unless it frees itself on closing.
    static QWidget* Parent();

private:
    QString caption_;
};
