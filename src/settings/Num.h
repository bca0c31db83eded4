#pragma once

#include "EditorLines.h"

#include <QDialog>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

// The number and heading editor: the lines of the number list (a memory word for each of
// 00..99) or of the heading list (one heading per exercise) in a list, the selected line in
// an edit field that the list mirrors at every keystroke, and what the line belongs to.
// "Да" saves the whole list; "Отмена" and closing save nothing. A line that cannot be
// stored is refused, naming it, and the window stays open.
class TNumForm : public QDialog {
    Q_OBJECT
public:
    TNumForm(const QString& programDir, EditorMode mode, QWidget* parent = nullptr);

    // Creates the window, shows it modally and frees it: the lines saved, or nothing when
    // the window was closed without saving or its list could not be read.
    static std::optional<QStringList> Execute(const QString& programDir, EditorMode mode,
                                              QWidget* parent);

    // The lines written by "Да"; nothing until then.
    const std::optional<QStringList>& Saved() const { return saved_; }
    QStringList Lines() const;

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QLineEdit* NumE = nullptr;
    QListWidget* NumLB = nullptr;
    QLabel* InfoP = nullptr;
    QToolButton* YesSB = nullptr;
    QToolButton* CancelSB = nullptr;

    // False when the list could not be read (the error has been shown); the window then
    // closes without being shown.
    bool FormShow();
    void NumLBClick();
    void NumLBDblClick();
    void NumLBKeyPress(int key);
    void NumEChange(const QString& text);
    void NumEKeyPress(int key);
    void YesSBClick();
    void CancelSBClick();

    static constexpr int DesignWidth = 350;
    static constexpr int DesignHeight = 233;
    static constexpr int MinimumHeight = 200;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();

    EditorLines lines_;
    std::optional<QStringList> saved_;
};
