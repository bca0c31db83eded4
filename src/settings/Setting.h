#pragma once

#include "SettingValues.h"

#include <QDialog>
#include <QHash>

class ExerciseLogic;
class QKeyEvent;
class QTabWidget;
class QToolButton;
class TDataFile;
class TOxelPanel;

// What the settings window edits and where it shows the result: the main window's looks,
// the settings store, the page of the active exercise in the exercise list, the active
// exercise and the board.
struct SettingContext {
    Settings& looks;
    TDataFile* file;
    int listPosition;
    ExerciseLogic& active;
    TOxelPanel& board;
};

// The settings window: one tab per exercise in the order of the exercise list, opening on
// the active exercise's tab, with the fonts, colours, target colours and number options of
// each board. "Да" and "Применить" store and write every value and re-apply the active
// exercise's look to the board; "Отмена" keeps what was last confirmed. Enter and Escape
// act as "Да" and "Отмена" over any control.
class TSettingForm : public QDialog {
    Q_OBJECT
public:
    explicit TSettingForm(SettingContext context, QWidget* parent = nullptr);

    // Creates the window, shows it modally and frees it.
    static void Execute(SettingContext context, QWidget* parent);

    QTabWidget* PageControl = nullptr;
    QToolButton* YesSB = nullptr;
    QToolButton* ApplySB = nullptr;
    QToolButton* CancelSB = nullptr;

    // The values the controls show.
    const SettingValues& Values() const { return values_; }

    void FormShow();
    void ShulteFont1SBClick(const SettingField& field);
    void ShulteFont2SBClick(const SettingField& field);
    void TargetColor1PClick(const SettingField& field);
    void ShDefaultSBClick(int tag);
    // The colour-blind preset of a tab with target colours.
    void ColourBlindSBClick(int tag);
    void NumbersNetSBClick();
    void NumbersJordSBClick();
    // "Да" closes the window; "Применить" (apply) leaves it open.
    void YesSBClick(bool apply);
    void CancelSBClick();
    // Enter and Escape; true when the key was taken.
    bool FormKeyPress(int key);

    static constexpr int ClientWidth = 266;
    static constexpr int ClientHeight = 298;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildPage(int tag);
    QWidget* BuildControl(const SettingField& field, QWidget* parent);
    // The preset button of a tab with target colours, under them.
    QToolButton* ColourBlindButton(int tag, QWidget* parent);
    void BuildButtons();
    void ShowValues(int tag);
    void ShowValue(const SettingField& field);
    // The font buttons of the tab draw on the background its board has.
    void ShowBackdrops(int tag);
    void EditFont(const SettingField& field);
    void FlipToggle(const SettingField& field);

    SettingContext ctx_;
    SettingValues values_;
    QHash<const SettingField*, QWidget*> controls_;
};
