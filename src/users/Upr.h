#pragma once

#include "UprLessons.h"

#include <QDialog>
#include <functional>

class LadderState;
class QLabel;
class QTableWidget;
class QToolButton;

// The ladder window: the lessons of lessons.ini with their progress for the user, the
// description of the selected one, and the start of a lesson the user may run. Selecting a
// lesson loads its steps into the ladder state; the start hands over to the main window.
class TUprForm : public QDialog {
    Q_OBJECT
public:
    // startLadder: the main window's part of the start (series mode, the ladder timer).
    TUprForm(const QString& programDir, int uprLevel, LadderState& ladder,
             std::function<void()> startLadder, QWidget* parent = nullptr);

    // Creates the window, shows it modally and frees it; true when a lesson was started.
    static bool Execute(const QString& programDir, int uprLevel, LadderState& ladder,
                        std::function<void()> startLadder, QWidget* parent);

    QTableWidget* UprVLE = nullptr;
    QLabel* OpisP = nullptr;
    QToolButton* StartSB = nullptr;

    // Builds the list from lessons.ini.
    void FormCreate();
    // Selects rows 2, 1 and the current lesson in turn, so the current lesson is loaded.
    void FormShow();
    // Lesson n (row n, 1-based) selected: the start, the description and its steps.
    void UprVLESelectCell(int n);
    void StartSBClick();
    // Selects row n as a click on it would.
    void SelectRow(int n);

    const UprLessons& Lessons() const { return lessons_; }
    bool Started() const { return started_; }

    static constexpr int ClientWidth = 382;
    static constexpr int ClientHeight = 251;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();

    UprLessons lessons_;
    LadderState& ladder_;
    std::function<void()> startLadder_;
    bool started_ = false;
};
