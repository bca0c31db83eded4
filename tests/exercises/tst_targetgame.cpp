#include "TargetTestScreen.h"

#include <QtTest>

namespace {

using Clicker = TargetGame::Clicker;
const QList<int> FieldIntervals = {1000, 900, 800, 750, 700, 650, 600, 575, 550, 500};
const QList<int> JokerIntervals = {1500, 1400, 1300, 750, 700, 650, 600, 575, 550, 500};
const int LivesAdded[] = {1, 1, 1, 3, 3, 3, 5, 5, 5, 10};

// The rule of a pattern, told once more from the colours the figures were given.
bool TwoOfThree(const std::array<quint32, 3>& c) {
    const bool a = c[0] == c[1], b = c[0] == c[2], d = c[1] == c[2];
    return (a || b || d) && !(a && b);
}

std::array<quint32, 3> Colours(const TargetGame& game) {
    const auto& s = game.Figures().shape;
    return {s[0].colour, s[1].colour, s[2].colour};
}

// A joker game whose target colours alternate between the two, one of them the background.
TargetGame::Setup JokerSetup(quint32 colour, quint32 background) {
    TargetGame::Setup setup = TargetPlay::Setup(4);
    for (std::size_t i = 0; i < setup.colours.size(); ++i)
        setup.colours[i] = i % 2 ? colour : background;
    return setup;
}

// Starts the stage prepared and ticks until it ends, pressing every pattern after reactionMs.
void PlayStage(TargetPlay& play, int reactionMs) {
    const int stage = play.game.TargetStage();
    play.Press(Qt::RightButton);
    for (int guard = 0; guard < 1000 && play.game.Running() && play.game.TargetStage() == stage;
         ++guard) {
        play.Tick();
        if (play.game.TargetPending())
            play.PressAfter(reactionMs);
    }
}

} // namespace

class TestTargetGame : public QObject {
    Q_OBJECT

private slots:
    void wholeGameFollowsTheStageTable_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("intervals");
        QTest::addColumn<int>("score");
        // Sum of stage² x (interval - 200) over the ten stages.
        QTest::newRow("field") << 1 << FieldIntervals << 148450;
        QTest::newRow("row") << 2 << FieldIntervals << 148450;
        QTest::newRow("circle") << 3 << FieldIntervals << 148450;
        QTest::newRow("joker") << 4 << JokerIntervals << 155450;
    }
    void wholeGameFollowsTheStageTable() {
        QFETCH(int, mode);
        QFETCH(QList<int>, intervals);
        QFETCH(int, score);
        TargetPlay play;
        TargetGame& g = play.game;
        play.Begin(mode);
        int lives = 0;
        int expectedScore = 0;
        for (int stage = 1; stage <= 10; ++stage) {
            QCOMPARE(g.TargetStage(), stage);
            QCOMPARE(g.ClickerState(), Clicker::Begin);
            QVERIFY(g.ClickerEnabled());
            QVERIFY(!play.screen.timerOn);
            QCOMPARE(g.Interval(), intervals[stage - 1]);
            lives = stage == 1 ? 1 : lives + LivesAdded[stage - 1];
            QCOMPARE(g.TargetLives(), lives);
            QCOMPARE(g.PanelTexts().stage,
                     QStringLiteral("этап %1 (%2)").arg(stage).arg(intervals[stage - 1]));
            QCOMPARE(g.PanelTexts().timer, QString::number(expectedScore));
            const int shownAtStart = g.TargetShown();
            const int length = stage == 10 ? 100 : 15 * stage;
            if (stage >= 2)
                QCOMPARE(g.TargetQuota(), shownAtStart + length);

            PlayStage(play, 200);
            QCOMPARE(play.screen.interval, intervals[stage - 1]);
            if (stage >= 2)
                QCOMPARE(g.TargetShown() - shownAtStart, length);
            expectedScore += stage * stage * (intervals[stage - 1] - 200);
            QCOMPARE(g.TargetScore(), expectedScore);
        }
        QCOMPARE(expectedScore, score);
        QVERIFY(!g.Running());
        QCOMPARE(g.TargetStage(), 11);
        QCOMPARE(g.TargetLives(), 37);
        QCOMPARE(g.TargetErrors(), 0);
        QCOMPARE(g.TargetAvgReaction(), 200);
        QCOMPARE(play.screen.ended, QList<bool>{false});
        QVERIFY(!play.screen.timerOn);
        QVERIFY(!g.ClickerEnabled());
        QVERIFY(!g.Figures().visible);
        QCOMPARE(play.screen.headings.last(), QString());
        QCOMPARE(g.PanelTexts().stage, QStringLiteral("этап 11 (500)"));
        QCOMPARE(g.PanelTexts().timer, QString::number(score));
        // Ten stage timers, one per "начать".
        QCOMPARE(play.seams.sounds.count("T_GO"), 10);
        QCOMPARE(play.screen.timerStarts, 10);
    }

    void stageHeadingsNameTheStage() {
        TargetPlay play;
        play.Begin(1);
        QCOMPARE(play.screen.headings, QStringList{"этап 1 [1 попадание]"});
        PlayStage(play, 250);
        QCOMPARE(play.screen.headings.mid(1),
                 QStringList({QString(), QStringLiteral("этап 2 [40 мишеней]")}));
        QCOMPARE(TargetGame::StageHeading(10), QStringLiteral("этап 10 [200 мишеней]"));
    }

    void patternIsExactlyTwoEqualColours() {
        const quint32 a = 0x0000FF, b = 0x00FF00, c = 0xFF0000;
        for (int mode : {1, 2, 3}) {
            QVERIFY(TargetGame::IsPattern(mode, {a, a, b}, 0));
            QVERIFY(TargetGame::IsPattern(mode, {a, b, a}, 0));
            QVERIFY(TargetGame::IsPattern(mode, {b, a, a}, 0));
            QVERIFY(!TargetGame::IsPattern(mode, {a, a, a}, 0));
            QVERIFY(!TargetGame::IsPattern(mode, {a, b, c}, 0));
        }
        // The joker: exactly one of the two squares in its previous colour; its own colour
        // does not count.
        QVERIFY(TargetGame::IsPattern(4, {c, a, b}, a));
        QVERIFY(TargetGame::IsPattern(4, {c, b, a}, a));
        QVERIFY(!TargetGame::IsPattern(4, {c, a, a}, a));
        QVERIFY(!TargetGame::IsPattern(4, {a, b, c}, a));
        QVERIFY(!TargetGame::IsPattern(4, {a, a, a}, b));
    }

    // Every showing of a game is judged by the colours its figures got.
    void pendingFollowsTheColoursOfEachShowing() {
        for (quint32 seed = 1; seed <= 5; ++seed) {
            TargetPlay play(seed);
            play.Begin(2);
            int patterns = 0;
            for (int stage = 1; stage <= 3; ++stage) {
                play.Press(Qt::RightButton);
                while (play.game.Running() && play.game.TargetStage() == stage) {
                    const int shown = play.game.TargetShown();
                    play.Tick();
                    if (play.game.TargetShown() == shown)
                        continue;
                    QCOMPARE(play.game.TargetPending(), TwoOfThree(Colours(play.game)));
                    if (play.game.TargetPending()) {
                        ++patterns;
                        play.PressAfter(300);
                    }
                }
            }
            QVERIFY(patterns > 10);
        }
    }

    void threeEqualColoursAreNeverAPattern() {
        TargetPlay play;
        TargetGame::Setup setup = TargetPlay::Setup(1);
        setup.colours.fill(0x3EFFFF);
        play.game.Begin(setup);
        play.Press(Qt::RightButton);
        for (int i = 0; i < 40; ++i) {
            play.Tick();
            QVERIFY(!play.game.TargetPending());
        }
        QCOMPARE(play.game.TargetStage(), 1);
        QCOMPARE(play.game.TargetShown(), 40);
        QCOMPARE(play.game.TargetSetsInStage(), 0);
    }

    // The joker compares with the colour it showed before, so the first showing of a stage
    // holds no pattern, nor does a showing after a joker in the background colour, which
    // nobody could see. A pattern left unclicked before such a showing costs one life, once.
    void jokerComparesWithTheColourItShowed() {
        const quint32 background = 0x000000, lime = 0x00FF00;
        int backgroundJokersAfterMisses = 0;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            TargetPlay play(seed);
            play.game.Begin(JokerSetup(lime, background));
            quint32 previousJoker = background;
            int missed = 0;
            bool pending = false;
            int stage = 0;
            while (play.game.Running()) {
                if (play.game.ClickerState() == Clicker::Begin) {
                    play.Press(Qt::RightButton);
                    stage = play.game.TargetStage();
                    previousJoker = background;
                    pending = false;
                }
                const int shown = play.game.TargetShown();
                play.Tick();
                missed += pending;
                QCOMPARE(play.game.TargetErrors(), missed);
                if (play.game.TargetShown() == shown || play.game.TargetStage() != stage)
                    continue;
                const std::array<quint32, 3> colours = Colours(play.game);
                const bool expected =
                    previousJoker != background &&
                    ((colours[1] == previousJoker) != (colours[2] == previousJoker));
                QCOMPARE(play.game.TargetPending(), expected);
                if (pending && previousJoker == background)
                    ++backgroundJokersAfterMisses;
                QCOMPARE(play.game.JokerColour(), colours[0]);
                previousJoker = colours[0];
                pending = expected;
            }
        }
        QVERIFY(backgroundJokersAfterMisses > 0);
    }

    // The settings window may change the background between "начать" and the first
    // showing: the waiting figures take the new one, and the joker is still unknown there.
    void newBackgroundBeforeTheFirstShowingKeepsTheJokerUnknown() {
        const quint32 background = 0x000000, grey = 0x808080, lime = 0x00FF00;
        int oneSquareInTheOldBackground = 0;
        for (quint32 seed = 1; seed <= 20; ++seed) {
            TargetPlay play(seed);
            play.game.Begin(JokerSetup(lime, background));
            play.Press(Qt::RightButton);
            play.game.SetBackground(grey);
            QCOMPARE(Colours(play.game), (std::array<quint32, 3>{grey, grey, grey}));
            QCOMPARE(play.game.JokerColour(), grey);
            play.Tick();
            QCOMPARE(play.game.TargetShown(), 1);
            QVERIFY(!play.game.TargetPending());
            const std::array<quint32, 3> shown = Colours(play.game);
            oneSquareInTheOldBackground += (shown[1] == background) != (shown[2] == background);
        }
        QVERIFY(oneSquareInTheOldBackground > 0);
    }

    void missedPatternCostsALifeAndEndsStage1AtThatTick() {
        TargetPlay play;
        play.Begin(1);
        play.Press(Qt::RightButton);
        QVERIFY(play.TickToPattern());
        const int shown = play.game.TargetShown();
        play.seams.sounds.played.clear();
        play.Tick();
        QCOMPARE(play.seams.sounds.played.first(), qMakePair(QStringLiteral("ERROR"), 2));
        QCOMPARE(play.game.TargetErrors(), 1);
        QCOMPARE(play.game.TargetShown(), shown);
        QCOMPARE(play.game.PanelTexts().counts, QStringLiteral("%1 / 0 / 1").arg(shown));
        // Stage 1 ended at that tick: stage 2 is prepared with 0 + 1 lives.
        QCOMPARE(play.game.TargetStage(), 2);
        QCOMPARE(play.game.TargetLives(), 1);
        QCOMPARE(play.game.ClickerState(), Clicker::Begin);
        QVERIFY(!play.screen.timerOn);
        QCOMPARE(play.game.TargetScore(), 0);
    }

    void twoClicksInOneShowingCountOnce() {
        TargetPlay play;
        play.Begin(1);
        play.Press(Qt::RightButton);
        QVERIFY(play.TickToPattern());
        play.seams.sounds.played.clear();
        play.PressAfter(180);
        play.PressAfter(50);
        QCOMPARE(play.game.TargetHits(), 1);
        QCOMPARE(play.game.TargetLastReaction(), 180);
        QCOMPARE(play.game.TargetLives(), 1);
        QCOMPARE(play.game.ClickerState(), Clicker::Hit);
        QVERIFY(!play.game.ClickerEnabled());
        QCOMPARE(play.seams.sounds.played, (QList<QPair<QString, int>>{{"T_YES", 2}}));

        // A wrong click is one answer as well.
        PlayStage(play, 100);
        play.Press(Qt::RightButton);
        play.Tick();
        while (play.game.TargetPending()) {
            play.PressAfter(100);
            play.Tick();
        }
        play.PressAfter(10);
        play.PressAfter(10);
        QCOMPARE(play.game.TargetLives(), 1);
        QCOMPARE(play.game.TargetErrors(), 1);
        QCOMPARE(play.seams.sounds.count("T_NO"), 1);
        QCOMPARE(play.game.ClickerState(), Clicker::Wrong);
    }

    void rightClickOnBeginStartsTheStageAndLeftDoesNothing() {
        TargetPlay play;
        play.Begin(1);
        play.Press(Qt::LeftButton);
        play.Press(Qt::MiddleButton);
        QVERIFY(play.seams.sounds.played.isEmpty());
        QCOMPARE(play.game.ClickerState(), Clicker::Begin);
        QVERIFY(play.game.ClickerEnabled());
        QCOMPARE(play.game.TargetLives(), 1);
        QVERIFY(!play.screen.timerOn);

        play.Press(Qt::RightButton);
        QCOMPARE(play.seams.sounds.played, (QList<QPair<QString, int>>{{"T_GO", 1}}));
        QCOMPARE(play.game.ClickerState(), Clicker::Waiting);
        QVERIFY(play.screen.timerOn);
        QCOMPARE(play.screen.interval, 1000);
        QCOMPARE(play.screen.headings.last(), QString());
        // Figures shown, in the background colour until the first showing.
        QVERIFY(play.game.Figures().visible);
        QCOMPARE(Colours(play.game), (std::array<quint32, 3>{0, 0, 0}));

        // Right presses during a stage do nothing.
        play.Press(Qt::RightButton);
        QCOMPARE(play.seams.sounds.count("T_GO"), 1);
        QCOMPARE(play.screen.timerStarts, 1);
        QVERIFY(play.game.ClickerEnabled());
        // A left press before any pattern is a wrong click.
        play.Press(Qt::LeftButton);
        QCOMPARE(play.game.TargetLives(), 0);
        QCOMPARE(play.seams.sounds.played.last(), qMakePair(QStringLiteral("T_NO"), 2));
        play.Tick();
        play.Press(Qt::RightButton);
        QVERIFY(play.game.ClickerEnabled());
        QCOMPARE(play.game.ClickerState(), Clicker::Waiting);
        QCOMPARE(play.seams.sounds.count("T_GO"), 1);
    }

    // The moment of a showing is taken once its figures are painted, so the time the paint
    // takes is not counted against the user.
    void reactionCountsFromThePaintedShowing() {
        TargetPlay play;
        play.screen.paintMs = 7;
        play.Begin(1);
        play.Press(Qt::RightButton);
        QVERIFY(play.TickToPattern());
        QCOMPARE(play.game.ShowMoment(), double(play.seams.clock.monotonic));
        const double shownAt = double(play.seams.clock.monotonic);
        play.PressAfter(250);
        QCOMPARE(play.game.ClickMoment(), shownAt + 250);
        QCOMPARE(play.game.TargetLastReaction(), 250);
        QCOMPARE(play.game.PanelTexts().last, QStringLiteral("250"));
        PlayStage(play, 0); // stage 1 ends at the next tick
        play.Press(Qt::RightButton);
        QVERIFY(play.TickToPattern());
        play.PressAfter(301);
        QCOMPARE(play.game.TargetReactionTotal(), 551);
        QCOMPARE(play.game.TargetAvgReaction(), 275);
        play.Tick();
        QCOMPARE(play.game.PanelTexts().average, QStringLiteral("275"));
        QCOMPARE(play.game.PanelTexts().last, QStringLiteral("301"));
    }

    // The whole milliseconds between the two moments, the fraction cut off.
    void reactionIsTruncatedToWholeMilliseconds() {
        struct FineClock : ManualClock {
            double fine = 0;
            double MonotonicFineMs() const override { return fine; }
        };
        TargetPlay play;
        FineClock clock;
        InstallClock(&clock);
        play.Begin(1);
        play.Press(Qt::RightButton);
        bool pattern = false;
        for (int i = 0; i < 100 && !pattern; ++i) {
            clock.fine += 1000.9;
            play.game.DXTimer1Timer();
            pattern = play.game.TargetPending();
        }
        QVERIFY(pattern);
        const double shownAt = clock.fine;
        QCOMPARE(play.game.ShowMoment(), shownAt);
        clock.fine = shownAt + 250.95;
        play.Press(Qt::LeftButton);
        QCOMPARE(play.game.TargetLastReaction(), 250);
        InstallClock(&play.seams.clock);
    }

    void endAtMinusOneLivesEntersTheScoreSoFar() {
        TargetPlay play;
        play.Begin(1);
        PlayStage(play, 300);
        PlayStage(play, 300);
        QCOMPARE(play.game.TargetScore(), 1 * (1000 - 300) + 4 * (900 - 300));
        QCOMPARE(play.game.TargetLives(), 3);
        play.Press(Qt::RightButton);
        int wrong = 0;
        while (play.game.Running()) {
            play.Tick();
            if (!play.game.TargetPending() && play.game.Running()) {
                play.PressAfter(40);
                ++wrong;
            } else if (play.game.TargetPending()) {
                play.PressAfter(300);
            }
        }
        QCOMPARE(wrong, 4);
        QCOMPARE(play.game.TargetLives(), -1);
        QCOMPARE(play.game.TargetStage(), 3);
        QCOMPARE(play.game.TargetScore(), 3100);
        QCOMPARE(play.screen.ended, QList<bool>{false});
        // The last wrong click counts among the errors.
        QCOMPARE(play.game.TargetErrors(), 4);
        const TargetGame::Panels& p = play.game.PanelTexts();
        QCOMPARE(p.lives, QStringLiteral("закончились :("));
        QVERIFY(!p.livesAlarm);
        QCOMPARE(p.timer, QStringLiteral("3100"));
        QCOMPARE(
            p.counts,
            QStringLiteral("%1 / %2 / 4").arg(play.game.TargetShown()).arg(play.game.TargetHits()));
        QCOMPARE(play.game.DetailText(),
                 QStringLiteral(" [этап 3 (800)]  [%1]  [300] ").arg(p.counts));
        QVERIFY(!play.game.ClickerEnabled());
        QVERIFY(!play.screen.timerOn);
        // After the end nothing more happens.
        const int shown = play.game.TargetShown();
        play.Tick();
        play.Press(Qt::LeftButton);
        QCOMPARE(play.game.TargetShown(), shown);
        QCOMPARE(play.screen.ended.size(), 1);
    }

    void gameWithoutHitsScoresNothing() {
        TargetPlay play;
        play.Begin(2);
        for (int guard = 0; guard < 2000 && play.game.Running(); ++guard) {
            if (play.game.ClickerState() == Clicker::Begin)
                play.Press(Qt::RightButton);
            play.Tick();
        }
        QVERIFY(!play.game.Running());
        QCOMPARE(play.game.TargetHits(), 0);
        QCOMPARE(play.game.TargetAvgReaction(), 0);
        QCOMPARE(play.game.TargetScore(), 0);
        QCOMPARE(play.game.TargetLives(), -1);
        // Stage 1 ends on its first miss (1 - 1), stage 2 has 0 + 1 lives: two more misses.
        QCOMPARE(play.game.TargetStage(), 2);
        QCOMPARE(play.game.TargetErrors(), 3);
        QCOMPARE(play.game.PanelTexts().average, QStringLiteral("0"));
        QCOMPARE(play.screen.ended, QList<bool>{false});
    }

    void stopEndsWithoutACheck() {
        TargetPlay play;
        play.Begin(4);
        play.Press(Qt::RightButton);
        play.Tick();
        play.Tick();
        play.game.Stop();
        QVERIFY(play.game.TargetAborted());
        QCOMPARE(play.screen.ended, QList<bool>{true});
        QVERIFY(!play.screen.timerOn);
        QVERIFY(!play.game.ClickerEnabled());
        QVERIFY(!play.game.Figures().visible);
        const int shown = play.game.TargetShown();
        play.Tick();
        play.Press(Qt::RightButton);
        QCOMPARE(play.game.TargetShown(), shown);
        play.game.Stop();
        QCOMPARE(play.screen.ended.size(), 1);
        // A new game is not aborted.
        play.Begin(4);
        QVERIFY(!play.game.TargetAborted());
        QCOMPARE(play.game.TargetShown(), 0);
    }

    void newGameStartsFromNothing() {
        TargetPlay play;
        play.Begin(1);
        PlayStage(play, 200);
        play.Press(Qt::RightButton);
        play.Tick();
        play.game.Stop();
        play.Begin(1);
        const TargetGame& g = play.game;
        QCOMPARE(g.TargetStage(), 1);
        QCOMPARE(g.TargetLives(), 1);
        QCOMPARE(g.TargetShown() + g.TargetHits() + g.TargetErrors() + g.TargetQuota() +
                     g.TargetScore() + g.TargetReactionTotal() + g.TargetAvgReaction(),
                 0);
        QCOMPARE(g.PanelTexts().counts, QStringLiteral("0 / 0 / 0"));
        QCOMPARE(g.PanelTexts().average, QStringLiteral("ср. реакция"));
        QCOMPARE(g.PanelTexts().last, QStringLiteral("реакция"));
        QCOMPARE(g.ClickerState(), Clicker::Begin);
    }

    void seriesRunsBeginEachStageAtOnce() {
        TargetPlay play;
        TargetGame::Setup setup = TargetPlay::Setup(1);
        setup.beginAtOnce = true;
        play.game.Begin(setup);
        QCOMPARE(play.seams.sounds.played.first(), qMakePair(QStringLiteral("T_GO"), 1));
        QVERIFY(play.screen.timerOn);
        QCOMPARE(play.game.ClickerState(), Clicker::Waiting);
        QVERIFY(play.TickToPattern());
        play.PressAfter(200);
        play.Tick();
        QCOMPARE(play.game.TargetStage(), 2);
        QVERIFY(play.screen.timerOn);
        QCOMPARE(play.screen.interval, 900);
        QCOMPARE(play.seams.sounds.count("T_GO"), 2);
    }

    void figuresAreLaidOutByMode() {
        TargetPlay play;
        play.Begin(1);
        const TargetFigures& f = play.game.Figures();
        for (const TargetFigure& s : f.shape) {
            QCOMPARE(s.rect.size(), QSize(30, 30));
            QCOMPARE(s.penWidth, 12);
        }
        QVERIFY(!f.opaque);
        QCOMPARE(play.game.TargetRangeX(), 770);
        QCOMPARE(play.game.TargetRangeY(), 570);

        play.Begin(2);
        QVERIFY(f.opaque);
        QCOMPARE(f.shape[0].rect, QRect(80, 225, 150, 150));
        QCOMPARE(f.shape[1].rect, QRect(325, 225, 150, 150));
        QCOMPARE(f.shape[2].rect, QRect(570, 225, 150, 150));
        QCOMPARE(f.shape[0].penWidth, 72);

        play.Begin(3);
        QVERIFY(f.opaque);
        QCOMPARE(f.shape[0].rect, QRect(175, 75, 450, 450));
        QCOMPARE(f.shape[1].rect, QRect(250, 150, 300, 300));
        QCOMPARE(f.shape[2].rect, QRect(325, 225, 150, 150));
        for (const TargetFigure& s : f.shape)
            QCOMPARE(s.penWidth, 30);
        // The fixed places stay through the showings.
        play.Press(Qt::RightButton);
        play.Tick();
        QCOMPARE(f.shape[0].rect, QRect(175, 75, 450, 450));

        play.Begin(4);
        QVERIFY(!f.opaque);
        QVERIFY(!f.circle);
        play.Press(Qt::RightButton);
        QVERIFY(f.circle);
    }

    void randomPlacesKeepApartOnTheBoard() {
        TargetPlay play;
        play.Begin(1);
        play.Press(Qt::RightButton);
        for (int i = 0; i < 200; ++i) {
            play.Tick();
            if (play.game.TargetStage() != 1)
                break;
            const auto& s = play.game.Figures().shape;
            for (int a = 0; a < 3; ++a) {
                QVERIFY(QRect(0, 0, 770, 570).contains(s[a].rect.topLeft()));
                for (int b = 0; b < a; ++b)
                    QVERIFY(!TargetFigures::Near(s[a].rect.topLeft(), s[b].rect.topLeft(), 30));
            }
        }
        QVERIFY(TargetFigures::Near(QPoint(100, 100), QPoint(150, 150), 30));
        QVERIFY(TargetFigures::Near(QPoint(230, 100), QPoint(150, 150), 30));
        QVERIFY(!TargetFigures::Near(QPoint(231, 100), QPoint(150, 150), 30));
        QVERIFY(!TargetFigures::Near(QPoint(150, 99), QPoint(150, 150), 30));
    }

    // A board too small for three places apart still gets its showing.
    void tinyBoardStillShows() {
        TargetPlay play;
        TargetGame::Setup setup = TargetPlay::Setup(4);
        setup.boardWidth = 60;
        setup.boardHeight = 50;
        play.game.Begin(setup);
        play.Press(Qt::RightButton);
        play.Tick();
        QCOMPARE(play.game.TargetShown(), 1);
        for (const TargetFigure& s : play.game.Figures().shape)
            QVERIFY(QRect(0, 0, 30, 20).contains(s.rect.topLeft()));
    }
};

QTEST_GUILESS_MAIN(TestTargetGame)
#include "tst_targetgame.moc"
