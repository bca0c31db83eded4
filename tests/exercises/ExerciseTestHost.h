#pragma once

// What the exercise tests share: a host with a board of its own that records what the
// exercise asks of the main window, and a press that reaches the exercise the way the board
// reports one.

#include "board/OxelPanel.h"
#include "data/Settings.h"
#include "exercises/ExerciseHost.h"
#include "exercises/ExerciseLogic.h"

#include <QHash>
#include <QStringList>

class BoardHost : public ExerciseHost {
public:
    TOxelPanel board;
    Settings looks;
    QString programDir;
    bool lessonChecked = false;
    bool ladderActive = false;
    int seriesExercise = 0;
    bool timerRunning = false;
    int timerStarts = 0;
    QString timerText = QStringLiteral("0.0");
    int penalty = 0;
    QString barCaption;
    QStringList headings = QStringList(8, QString());
    QStringList words;
    QStringList numbers;
    int finished = 0;
    int verified = 0;
    int shownAll = 0;
    int continued = 0;
    // Visibility asked for the mode button of each exercise, by exercise index.
    QHash<int, bool> modeButtonVisible;

    TOxelPanel& Board() override { return board; }
    const Settings& Looks() const override { return looks; }
    QString ProgramDir() const override { return programDir; }
    bool LessonChecked() const override { return lessonChecked; }
    bool LadderActive() const override { return ladderActive; }
    int SeriesExercise() const override { return seriesExercise; }
    void TimerOn() override {
        timerRunning = true;
        ++timerStarts;
    }
    void TimerOff() override { timerRunning = false; }
    QString TimerText() const override { return timerText; }
    void SetTimerText(const QString& text) override { timerText = text; }
    int Penalty() const override { return penalty; }
    void AddPenalty(int seconds) override { penalty += seconds; }
    QString Heading(int index) const override { return headings.value(index); }
    void SetBarCaption(const QString& text) override { barCaption = text; }
    void SetModeButtonVisible(int exerciseIndex, bool visible) override {
        modeButtonVisible[exerciseIndex] = visible;
    }
    QStringList& WordList() override { return words; }
    const QStringList& NumberList() const override { return numbers; }
    void FinishRun() override { ++finished; }
    void VerifyRecord() override { ++verified; }
    void ShowAll() override { ++shownAll; }
    void ContinueAfterRun() override { ++continued; }
    void EndRun() override {}
    void LogPress(const RunPress& press) override { logged.append(press); }
    QVector<RunPress> logged;
};

// Judges a press on cell i as the board reports it: CellText, CellInfo and CellNumber of
// that cell, a CorrectFlag the exercise must set. The verdict.
inline bool PressCell(ExerciseLogic& exercise, TOxelPanel& board, int cell) {
    board.SetCellText(board.Line(cell));
    board.SetCellInfo(board.Mark(cell));
    board.SetCellNumber(cell);
    board.SetCorrectFlag(!board.CorrectFlag());
    exercise.Verify();
    return board.CorrectFlag();
}

// The same for the first cell holding the text; false when no cell holds it.
inline bool PressText(ExerciseLogic& exercise, TOxelPanel& board, const QString& text) {
    const int cell = board.LinesList().indexOf(text);
    return cell >= 0 && PressCell(exercise, board, cell);
}
