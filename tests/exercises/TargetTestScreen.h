#pragma once

// What the targets tests share: a screen that records what the game asks of it, and a game
// set up the way the main window sets it up, driven by hand with the test clock.

#include "TestSupport.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "exercises/TargetGame.h"

#include <QStringList>
#include <algorithm>

class ScreenRecorder : public TargetGame::Screen {
public:
    ManualClock* clock = nullptr;
    // Milliseconds a paint of the showing takes on the test clock.
    int paintMs = 0;
    bool timerOn = false;
    int interval = 0;
    int timerStarts = 0;
    QStringList headings;
    int paints = 0;
    QList<bool> ended;

    void EnableTimer(int intervalMs) override {
        timerOn = true;
        interval = intervalMs;
        ++timerStarts;
    }
    void DisableTimer() override { timerOn = false; }
    void ShowHeading(const QString& text) override { headings << text; }
    void PaintShowing() override {
        ++paints;
        if (clock)
            clock->advance(paintMs);
    }
    void GameEnded(bool aborted) override { ended << aborted; }
};

// A game on an 800 x 600 board with the default colours, seeded and with the test seams.
struct TargetPlay {
    TestSeams seams;
    ScreenRecorder screen;
    TargetGame game{screen};
    qint64 lastTick = 0;

    explicit TargetPlay(quint32 seed = 9) {
        screen.clock = &seams.clock;
        ProgramRandom().Seed(seed);
    }
    static TargetGame::Setup Setup(int mode) {
        TargetGame::Setup s;
        s.mode = mode;
        s.background = 0x000000;
        s.colours = Settings::DefaultTargetColors;
        s.boardWidth = 800;
        s.boardHeight = 600;
        return s;
    }
    void Begin(int mode) { game.Begin(Setup(mode)); }
    void Press(Qt::MouseButton button) { game.TargetClickPMouseDown(button); }
    // The timer's tick one interval after the last one, whatever was pressed in between.
    void Tick() {
        lastTick = std::max(lastTick + game.Interval(), seams.clock.monotonic);
        seams.clock.advance(lastTick - seams.clock.monotonic);
        game.DXTimer1Timer();
    }
    // Ticks until a showing holds the pattern; false if the game or stage ends first.
    bool TickToPattern(int limit = 500) {
        for (int i = 0; i < limit && game.Running(); ++i) {
            const int stage = game.TargetStage();
            Tick();
            if (game.TargetStage() != stage || !game.Running())
                return false;
            if (game.TargetPending())
                return true;
        }
        return false;
    }
    // A left press reactionMs after the showing.
    void PressAfter(int reactionMs) {
        seams.clock.advance(reactionMs);
        Press(Qt::LeftButton);
    }
};
