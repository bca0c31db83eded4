#pragma once

#include "ExerciseLogic.h"

#include <QStringList>

class ExerciseWindow;
class JordanoPanel;
class RunControl;

// Number mnemonics: 10 to 50 two-digit numbers in whole rows of ten in the middle of the
// board, memorised in reading order and then clicked, scrambled among the same cells, in that
// order. The result is the memorising time (the whole time in a series) plus 15 seconds for
// each wrong click on a number still to be found. Two aids: the memory word of the number
// under the mouse on the top bar, and the search for words whose consonants encode a number.
class NumbersExercise : public ExerciseLogic {
public:
    NumbersExercise(ExerciseBoard& board, RunControl& run, ExerciseWindow& window);
    // The charts of a run's analysis: the time of each number after the memorising.
    static void Charts(const HistoryRun& run, const ExerciseInfo& info, RunAnalysis& analysis);

    static constexpr int Columns = 10;
    // Rows of the board for a mode: 9 for an odd one, 10 for an even one.
    static int RowsFor(int mode) { return mode % 2 != 0 ? 9 : 10; }
    // The first row of numbers: the numbers stand in the middle of the board.
    static int TopRow(int mode) { return (RowsFor(mode) - mode) / 2; }

    // The search panel `pJordano` below the mode button.
    void AddPageControls(QWidget* page, QVBoxLayout* layout) override;
    // `NumbersGridColor` as background and grid, both fonts; and the aids as the settings
    // now say: the search panel of a run in progress, the hint over a number board.
    void ApplyLook() override;
    // `NumbersDraw` with 10 columns: the numbers of the mode between filler cells.
    void Draw(int mode) override;
    // Case 6 of `OxelPVerifyText`: the number due next in reading order.
    std::optional<Verdict> Judge(const Press& press) override;
    // `NumbersAsort`: the numbers change places among the number cells.
    void Rearrange() override;
    // The search panel is shown during a run when `NumbersShowJordano` is on.
    void RunShown() override;
    void IdleShown() override;
    // A right-button release over a number searches its words and shows the panel.
    void BoardMouseUp(Qt::MouseButton button, int x, int y) override;

    // The hint (`NumbersMouseMove`): the memory word of the number under the mouse on the
    // top bar, the exercise's heading over a filler cell.
    void NumbersMouseMove(int x, int y);
    // `Jordano`: the words of the Russian word list that encode the digits, into the panel.
    void Jordano(const QString& digits);

    const QStringList& ShownNumbers() const { return shownNumbers_; }
    int NumberStep() const { return numberStep_; }
    JordanoPanel* pJordano() const { return panel_; }

private:
    // The hint goes with a number board this exercise laid out, while the settings ask
    // for it and no series is being run.
    void AttachHint();
    // The board still shows the numbers of the last draw (no other exercise has drawn).
    bool BoardShowsNumbers() const;

    RunControl& run_;
    ExerciseWindow& window_;
    int top_ = 4;
    QStringList shownNumbers_;
    int numberStep_ = 1;
    QStringList laidOut_; // the board's texts as this exercise last left them
    bool running_ = false;
    JordanoPanel* panel_ = nullptr;
};
