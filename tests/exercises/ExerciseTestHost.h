#pragma once

// What the exercise tests share: a host with a board of its own that plays every role of the
// main window and records what the exercise asks of it, and a press that reaches the exercise
// the way the board reports one.

#include "board/OxelPanel.h"
#include "data/Settings.h"
#include "exercises/ExerciseLogic.h"
#include "exercises/ExerciseRoles.h"

#include <QHash>
#include <QStringList>

class BoardHost : public ExerciseBoard, public RunControl, public ExerciseWindow {
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
    int score = 0;
    int penalty = 0;
    QString barCaption;
    QStringList headings = QStringList(ExerciseCount, QString());
    QStringList words;
    QStringList numbers;
    // Runs ended: by the verdict of a press or by the exercise itself.
    int finished = 0;
    // Visibility asked for the mode button of each exercise, by exercise index.
    QHash<int, bool> modeButtonVisible;
    QVector<RunPress> logged;
    // The verdict of the last press a wired board reported.
    bool lastVerdict = false;

    TOxelPanel& Board() override { return board; }
    const Settings& Looks() const override { return looks; }
    bool LessonChecked() const override { return lessonChecked; }
    bool LadderActive() const override { return ladderActive; }
    int SeriesExercise() const override { return seriesExercise; }
    // The run cycle's start of the run timer.
    void TimerOn() {
        timerRunning = true;
        ++timerStarts;
    }
    void RestartTimer() override { TimerOn(); }
    void AddPenalty(int seconds) override { penalty += seconds; }
    void ShowScore(qint32 points, const QString& shown) override {
        score = points;
        timerText = shown;
    }
    void Record(const RunPress& press) override { logged.append(press); }
    void FinishRun() override { ++finished; }
    QString ProgramDir() const override { return programDir; }
    QStringList& WordList() override { return words; }
    const QStringList& NumberList() const override { return numbers; }
    QString Heading(int index) const override { return headings.value(index); }
    void SetBarCaption(const QString& text) override { barCaption = text; }
    void SetModeButtonVisible(int exerciseIndex, bool visible) override {
        modeButtonVisible[exerciseIndex] = visible;
    }

    // The verdict of a judged press, as the run cycle takes it: a press that ends the run
    // counts in `finished`; no verdict reads as rejected.
    bool Take(const std::optional<Verdict>& verdict) {
        if (verdict && verdict->endsRun)
            FinishRun();
        return verdict && verdict->correct;
    }
};

// Judges a left press on cell i as the board reports it: the cell, its text and its mark.
// The verdict.
inline bool PressCell(ExerciseLogic& exercise, BoardHost& host, int cell) {
    Press press;
    press.cell = cell;
    press.item = host.board.Line(cell);
    press.mark = host.board.Mark(cell);
    return host.Take(exercise.Judge(press));
}

// The same for the first cell holding the text; false when no cell holds it.
inline bool PressText(ExerciseLogic& exercise, BoardHost& host, const QString& text) {
    const int cell = host.board.LinesList().indexOf(text);
    return cell >= 0 && PressCell(exercise, host, cell);
}
