#pragma once

#include "ExerciseLogic.h"

#include <QStringList>

class QLabel;
class RunControl;

// Proofreading: a 20×20 board of ten symbols, each 40 times, two of them the targets shown
// large beside the board. The user reads the board row by row and clicks every target; a
// target left behind a clicked one is marked missed and costs 5 seconds. The run ends when
// all 80 targets are marked, found or missed. The result is the time plus the penalty.
class ProbeExercise : public ExerciseLogic {
public:
    ProbeExercise(ExerciseBoard& board, RunControl& run);
    // The charts of a run's analysis: misses by part of the board.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    // The target panels `ProbeLetter1P` (lime) and `ProbeLetter2P` (yellow) on black, shown
    // only during a run.
    void AddPageControls(QWidget* page, QVBoxLayout* layout) override;

    // `ProbeDraw`: the symbols of the mode shuffled over the board, two different targets.
    void Draw(int mode) override;
    // The proofreading branch of `OxelPVerifyText`: a target is found, and every unmarked
    // target before it in reading order is marked missed.
    std::optional<Verdict> Judge(const Press& press) override;

    void RunShown() override;
    void IdleShown() override;

    // The symbol set of a mode: 1 letters (`ProbeLetters`), 2 digits.
    static QStringList Symbols(int mode);
    static constexpr int Side = 20;
    static constexpr int PenaltyPerMiss = 5;
    static constexpr int FoundMark = 40;
    static constexpr int MissedMark = 30;

    QString Target1() const { return target1_; }
    QString Target2() const { return target2_; }
    int ProbeMarked() const { return probeMarked_; }
    // Targets on the board: two symbols, each once in every ten cells.
    static constexpr int TargetCount() { return 2 * (Side * Side / 10); }

private:
    bool IsTarget(const QString& text) const { return text == target1_ || text == target2_; }

    RunControl& run_;
    QString target1_;
    QString target2_;
    int probeMarked_ = 0;

    QLabel* ProbeLetter1P = nullptr;
    QLabel* ProbeLetter2P = nullptr;
};
