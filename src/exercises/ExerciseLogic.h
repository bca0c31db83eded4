#pragma once

#include "board/Press.h"
#include "data/ExerciseInfo.h"

#include <QIcon>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class ExerciseBoard;
class QVBoxLayout;
class QWidget;
struct HistoryRun;
struct RunAnalysis;

// An exercise's answer to a press: accepted or rejected, and whether the run ends with it
// (the last accepted press).
struct Verdict {
    bool correct = false;
    bool endsRun = false;
};

// The interface every exercise plugs into the run cycle with: it draws its board for a
// mode, judges the presses reported to it, rearranges the board for answering, and adds
// what it needs to the window's running and idle looks. It holds its own per-run state;
// everything else it reaches through the roles of the main window it takes (ExerciseRoles.h).
// Each exercise class also names the charts of its runs' analysis by a static `Charts`
// (an `ExerciseCharts` in analysis/RunAnalysis.h), which the list of exercise classes takes.
class ExerciseLogic {
public:
    ExerciseLogic(ExerciseBoard& board, int index);
    virtual ~ExerciseLogic() = default;
    ExerciseLogic(const ExerciseLogic&) = delete;
    ExerciseLogic& operator=(const ExerciseLogic&) = delete;

    const ExerciseInfo& Info() const { return info_; }
    int Index() const { return info_.index; }

    // Adds the exercise's own controls to its control page, between the mode button and
    // the penalty display. Called once while the page is built.
    virtual void AddPageControls(QWidget* page, QVBoxLayout* layout);
    // Applies the interface texts to those controls (`Localization`).
    virtual void Localize();
    // The button glyphs of the window by image index; given when the window sets the glyphs
    // of every page, for the exercise's own buttons.
    using GlyphSource = std::function<QIcon(int index)>;
    virtual void SetGlyphs(const GlyphSource& glyph);

    // Checks what a run needs before anything changes (a word list long enough for the
    // mode); false leaves the exercise idle after the exercise has told the user why.
    virtual bool ReadyToStart(int mode);
    // Gives the board the exercise's colours and fonts from its look, as its row of the
    // exercise table says (its drawing does the same). The settings window calls it for the
    // active exercise after a change, with a repaint after it; an exercise with extras that
    // follow the settings (panels, hint handlers) adds them after this.
    virtual void ApplyLook();
    // Lays out the board for a new run of the mode (`ShulteDraw` and its family). Called
    // by the start after the run timer has started.
    virtual void Draw(int mode) = 0;
    // Judges a press of the run (`OxelPVerifyText`): plays the sound, advances and answers
    // with the verdict, which the board paints and the run records; the verdict of the last
    // accepted press ends the run. No verdict means the press is no answer: nothing is
    // painted or recorded for it (an exercise that records its answers itself).
    virtual std::optional<Verdict> Judge(const Press& press) = 0;
    // The mouse buttons the board reports presses of during a run (the left one).
    virtual Qt::MouseButtons PressButtons() const { return Qt::LeftButton; }
    // Keys pressed during a run that are presses of it, judged as the board's are (none).
    virtual bool AnswersKey(int key) const;
    // Memorise-then-answer exercises: rearranges the board when answering begins.
    virtual void Rearrange();
    // The user stopped the run: the exercise's own timers stop at once, before the cycle
    // shows any message, so nothing goes on behind it.
    virtual void StopOwnTimers();
    // The user stopped the run; the cycle then returns the window to idle.
    virtual void Abandon();

    // Extras of the running look (`TSShowOne`) and of the idle look (`TSShowAll`).
    virtual void RunShown();
    virtual void IdleShown();

    // A mouse button released over the board (`OxelPMouseUp`).
    virtual void BoardMouseUp(Qt::MouseButton button, int x, int y);

    // The board background the exercise draws with, shown as a preview while the mouse is
    // over its start button.
    virtual quint32 PreviewBgColor() const;
    // Series runs draw found cells in the big font; an exercise may keep the normal look.
    virtual bool SeriesLook() const { return true; }
    // Ladder runs do the same; an exercise whose marks are its feedback keeps the normal look.
    virtual bool LadderLook() const { return true; }
    // The detail text entered with a result in the best-result table (targets).
    virtual QString RecordDetail() const { return {}; }
    // The run timer runs during the run; an exercise with a score shows that instead
    // (`RunControl::ShowScore`).
    virtual bool UsesRunTimer() const { return true; }

protected:
    // The exercise's look in the settings.
    const ExerciseLook& Look() const;

    ExerciseBoard& board_;

private:
    const ExerciseInfo& info_;
};
