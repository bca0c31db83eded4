#pragma once

#include "RunHooks.h"
#include "users/LadderState.h"

#include <QString>
#include <functional>

class QWidget;
class RunCycle;
class Settings;
struct MainMenu;
struct MainWidgets;

// The training ladder in the main window: the ladder window (`N1Click`), the start of the
// lesson chosen there, the announcement and start of each step (`UprTimerTimer`) and the
// judging of each finished ladder run, which moves the user's position on the ladder and
// stores it in the user's data file.
class LadderFlow : public LadderHooks {
public:
    struct Context {
        QWidget* window; // the owner of the ladder window
        RunCycle& cycle;
        MainWidgets& widgets;
        MainMenu& menu;
        const Settings& looks;
        QString programDir;
        // The signed-in user and the ladder position, which the flow moves on.
        const QString& currentUser;
        int& uprLevel;
        int& uprSubLevel;
    };

    explicit LadderFlow(Context context);

    LadderState& State() { return state_; }
    const LadderState& State() const { return state_; }

    // Opens the ladder window modally; not while a run or a ladder is in progress.
    void N1Click();
    // The main window's part of the ladder window's start: series mode on (series tables and
    // board style) without a series, `LadderActive`, and `UprTimer` for the first step.
    void StartLadder();
    void UPRClear() { state_.UPRClear(); }

    // Told once a finished ladder run has been judged, before the verdict is announced; also
    // when a run ends a ladder that had no step left to judge.
    std::function<void()> OnStepJudged;

    // LadderHooks
    void UprTimerTimer() override;
    void LadderStep(const RunResult& run) override;

private:
    // Leaves the ladder without a question: `LadderActive` off, the steps cleared.
    void EndLadder();
    void RefreshLevelCaption();

    Context ctx_;
    LadderState state_;
};
