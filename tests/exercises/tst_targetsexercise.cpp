#include "ExerciseTestHost.h"
#include "TestSupport.h"
#include "data/Random.h"
#include "exercises/ClickerPanel.h"
#include "exercises/TargetShape.h"
#include "exercises/TargetsExercise.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A host that also records the end of a game it is handed, with the score shown and the
// detail the best-result check takes.
class OrderHost : public BoardHost {
public:
    ExerciseLogic* exercise = nullptr;
    QStringList calls;
    void FinishRun() override {
        BoardHost::FinishRun();
        calls << "FinishRun:" + timerText + "|" + exercise->RecordDetail();
    }
};

// The exercise with its control page on a shown page widget and a shown 800 x 600 board.
struct Fixture {
    TestSeams seams;
    OrderHost host;
    QWidget page;
    TargetsExercise targets{host, host};

    Fixture() {
        host.exercise = &targets;
        auto* layout = new QVBoxLayout(&page);
        targets.AddPageControls(&page, layout);
        targets.Localize();
        page.show();
        host.board.resize(800, 600);
        host.board.show();
        // A window is painted only once it is on the screen.
        QVERIFY(QTest::qWaitForWindowExposed(&host.board));
        ProgramRandom().Seed(31);
    }
    const TargetGame& game() const { return targets.Game(); }
    ClickerPanel* clicker() const { return targets.TargetClickP(); }
    void press(Qt::MouseButton button) { QTest::mousePress(clicker(), button); }
    void tick() {
        seams.clock.advance(game().Interval());
        targets.DXTimer1Timer();
    }
    bool tickToPattern() {
        for (int i = 0; i < 200; ++i) {
            const int stage = game().TargetStage();
            tick();
            if (game().TargetStage() != stage)
                return false;
            if (game().TargetPending())
                return true;
        }
        return false;
    }
};

QColor PanelColour(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(QPalette::Active, role);
}

} // namespace

class TestTargetsExercise : public QObject {
    Q_OBJECT

private slots:
    void pageHoldsTheInfoBoxAndTheClicker() {
        Fixture f;
        QCOMPARE(f.targets.TargetInfoBox()->title(), QStringLiteral("информация"));
        const QStringList texts = {"этап / задержка", "жизнь", "0 / 0 / 0", "ср. реакция",
                                   "реакция"};
        const QStringList hints = {"этап / задержка", "количество жизней",
                                   "кол-во мишеней / попадания / ошибки", "средняя реакция",
                                   "реакция на последней сбитой мишени"};
        for (int n = 1; n <= 5; ++n) {
            QLabel* panel = f.page.findChild<QLabel*>(QStringLiteral("TargetInfoP%1").arg(n));
            QCOMPARE(panel, f.targets.TargetInfoP(n));
            QCOMPARE(panel->text(), texts[n - 1]);
            QCOMPARE(panel->toolTip(), hints[n - 1]);
        }
        QCOMPARE(f.page.findChild<ClickerPanel*>("TargetClickP"), f.clicker());
        QCOMPARE(f.clicker()->text(), QStringLiteral("кликер"));
        QCOMPARE(PanelColour(f.clicker(), QPalette::Window), QColor(Qt::black));
        QCOMPARE(PanelColour(f.clicker(), QPalette::WindowText), QColor(Qt::white));
        // Idle: a press on the clicker cannot end a game that never began.
        QVERIFY(!f.clicker()->isEnabled());
        f.press(Qt::LeftButton);
        QVERIFY(f.seams.sounds.played.isEmpty());
        QCOMPARE(f.host.finished, 0);
        QVERIFY(!f.targets.UsesRunTimer());
    }

    void drawMakesTheBoardThePlayingField() {
        Fixture f;
        f.host.looks.TargetBGColor = 0x102030;
        f.host.board.OnMouseMove = [](int, int) {};
        f.host.board.SetGP(true);
        f.host.board.SetColCount(5);
        f.targets.Draw(1);
        TOxelPanel& board = f.host.board;
        QVERIFY(!board.OnMouseMove);
        QVERIFY(!board.GP());
        QVERIFY(board.BlockClick());
        QCOMPARE(board.BgColor(), TColor(0x102030));
        QCOMPARE(board.GridColor(), TColor(0xC0C0C0));
        QCOMPARE(board.FontBig().ToRecord(), Settings::TargetFont());
        QCOMPARE(board.FontSmall().ToRecord(), Settings::TargetFont());
        QCOMPARE(board.ColCount(), 1);
        QCOMPARE(board.RowCount(), 1);
        QCOMPARE(board.LinesList(), QStringList{"этап 1 [1 попадание]"});
        QCOMPARE(f.host.timerText, QStringLiteral("0"));
        QCOMPARE(f.targets.TargetInfoP(1)->text(), QStringLiteral("этап 1 (1000)"));
        QCOMPARE(f.targets.TargetInfoP(2)->text(), QStringLiteral("жизнь = 1"));
        QCOMPARE(f.clicker()->text(), QStringLiteral("начать"));
        QVERIFY(f.clicker()->isEnabled());
        QCOMPARE(f.host.timerStarts, 0);
        for (int n = 1; n <= 3; ++n) {
            TargetShape* shape = board.findChild<TargetShape*>(QStringLiteral("Shape%1").arg(n));
            QCOMPARE(shape, f.targets.Shape(n));
            QVERIFY(!shape->isVisible());
        }
    }

    void figuresAreTransparentInModes1And4AndOpaqueIn2And3() {
        Fixture f;
        for (int mode : {1, 4, 2, 3}) {
            f.targets.Draw(mode);
            f.press(Qt::RightButton);
            f.tick();
            for (int n = 1; n <= 3; ++n) {
                const TargetShape* shape = f.targets.Shape(n);
                QVERIFY(shape->isVisible());
                QCOMPARE(shape->Opaque(), mode == 2 || mode == 3);
                QCOMPARE(shape->testAttribute(Qt::WA_OpaquePaintEvent), shape->Opaque());
                QCOMPARE(shape->Circle(), mode == 4 && n == 1);
                QCOMPARE(shape->geometry(), f.game().Figures().shape[n - 1].rect);
                QCOMPARE(shape->Figure().colour, f.game().Figures().shape[n - 1].colour);
            }
            f.targets.StopOwnTimers();
            f.targets.Abandon();
        }
    }

    // What the board shows of a showing: the outline in the figure's colour, the board
    // inside a transparent square and around the joker's circle, the board's background
    // inside an opaque one.
    void figuresPaintTheirOutline() {
        Fixture f;
        f.host.looks.TargetBGColor = 0x000000;
        f.host.looks.TargetColor.fill(0x00FF00);
        f.targets.Draw(4);
        f.press(Qt::RightButton);
        f.tick();
        QImage image = f.host.board.grab().toImage();
        const QRect circle = f.targets.Shape(1)->geometry();
        const QRect square = f.targets.Shape(2)->geometry();
        QCOMPARE(image.pixelColor(square.left() + 2, square.center().y()), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(square.center()), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(circle.left() + 1, circle.top() + 1), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(circle.left() + 8, circle.center().y()), QColor(0, 255, 0));

        f.targets.StopOwnTimers();
        f.targets.Abandon();
        f.targets.Draw(3);
        f.press(Qt::RightButton);
        f.tick();
        image = f.host.board.grab().toImage();
        const QRect outer = f.targets.Shape(1)->geometry();
        QCOMPARE(image.pixelColor(outer.left() + 15, outer.center().y()), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(outer.left() + 40, outer.center().y()), QColor(0, 0, 0));
    }

    void clickerShowsEachState() {
        Fixture f;
        f.targets.Draw(1);
        QCOMPARE(f.clicker()->Background(), TColor(0x000000));
        f.press(Qt::LeftButton); // "начать" ignores the left button
        QCOMPARE(f.clicker()->text(), QStringLiteral("начать"));
        f.press(Qt::RightButton);
        QCOMPARE(f.seams.sounds.played.first(), qMakePair(QStringLiteral("T_GO"), 1));
        QCOMPARE(f.clicker()->text(), QStringLiteral("кликер"));
        QCOMPARE(f.host.board.LinesList(), QStringList{QString()});
        QVERIFY(f.targets.Pace().Enabled());
        QCOMPARE(f.targets.Pace().Interval(), 1000);

        QVERIFY(f.tickToPattern());
        f.seams.clock.advance(230);
        f.press(Qt::LeftButton);
        QCOMPARE(f.clicker()->text(), QStringLiteral("ПОПАДАНИЕ"));
        QCOMPARE(f.clicker()->Background(), TColor(0x008000));
        QCOMPARE(PanelColour(f.clicker(), QPalette::Window), QColor(0, 0x80, 0));
        QVERIFY(!f.clicker()->isEnabled());
        QCOMPARE(f.targets.TargetInfoP(5)->text(), QStringLiteral("230"));
        QCOMPARE(f.host.logged.size(), 1);
        QVERIFY(f.host.logged[0].correct);
        QCOMPARE(f.host.logged[0].reactionMs, std::optional<int>(230));
        QCOMPARE(f.host.logged[0].stage, std::optional<int>(1));
        // Disabled, the caption stays white.
        QCOMPARE(f.clicker()->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(Qt::white));

        f.tick(); // stage 1 ends: stage 2 waits for "начать"
        QCOMPARE(f.clicker()->text(), QStringLiteral("начать"));
        QVERIFY(!f.targets.Pace().Enabled());
        QCOMPARE(f.host.board.LinesList(), QStringList{"этап 2 [40 мишеней]"});
        f.press(Qt::RightButton);
        f.tick();
        while (f.game().TargetPending()) {
            f.press(Qt::LeftButton);
            f.tick();
        }
        f.press(Qt::LeftButton);
        QCOMPARE(f.clicker()->text(), QStringLiteral("ОШИБКА"));
        QVERIFY(!f.host.logged.last().correct);
        QVERIFY(!f.host.logged.last().reactionMs);
        QCOMPARE(f.host.logged.last().stage, std::optional<int>(2));
        QCOMPARE(f.clicker()->Background(), TColor(0x0000FF));
        QVERIFY(f.tickToPattern());
        f.tick();
        QCOMPARE(f.clicker()->text(), QStringLiteral("НЕНАЖАТИЕ"));
        QVERIFY(!f.host.logged.last().correct);
        QCOMPARE(f.host.logged.last().item, QString::number(f.game().TargetShown() - 1));
        QCOMPARE(f.clicker()->Background(), TColor(0x800080));
        if (f.game().TargetPending())
            f.press(Qt::LeftButton);
        // Two lives gone: none to spare.
        f.tick();
        QLabel* lives = f.targets.TargetInfoP(2);
        QCOMPARE(lives->text(), QStringLiteral("жизнь = 0"));
        QVERIFY(lives->font().bold());
        QCOMPARE(PanelColour(lives, QPalette::WindowText), QColor(Qt::red));
    }

    void endHandsTheGameToTheHostOnce() {
        Fixture f;
        f.targets.Draw(2);
        f.press(Qt::RightButton);
        f.press(Qt::LeftButton); // 0 lives
        f.tick();
        // A wrong click or a missed pattern: -1.
        if (f.game().TargetPending())
            f.tick();
        else
            f.press(Qt::LeftButton);
        QVERIFY(!f.game().Running());
        QCOMPARE(f.host.calls.size(), 1);
        QCOMPARE(f.host.calls[0], "FinishRun:" + QString::number(f.game().TargetScore()) + "|" +
                                      f.game().DetailText());
        QCOMPARE(f.host.score, f.game().TargetScore());
        QCOMPARE(f.targets.TargetInfoP(2)->text(), QStringLiteral("закончились :("));
        QVERIFY(!f.targets.TargetInfoP(2)->font().bold());
        QVERIFY(!f.clicker()->isEnabled());
        QCOMPARE(f.clicker()->text(), QStringLiteral("кликер"));
        QVERIFY(!f.targets.Pace().Enabled());
        for (int n = 1; n <= 3; ++n)
            QVERIFY(!f.targets.Shape(n)->isVisible());
        QCOMPARE(f.host.board.LinesList(), QStringList{QString()});
    }

    void stopChecksNothing() {
        Fixture f;
        f.targets.Draw(1);
        f.press(Qt::RightButton);
        f.tick();
        f.targets.StopOwnTimers();
        QVERIFY(!f.targets.Pace().Enabled());
        QVERIFY(!f.targets.Pace().Timer().isActive());
        QVERIFY(f.game().Running());
        f.targets.Abandon();
        QVERIFY(f.game().TargetAborted());
        QVERIFY(f.host.calls.isEmpty());
        QVERIFY(!f.host.board.BlockClick());
        QVERIFY(!f.clicker()->isEnabled());
        QVERIFY(!f.targets.Shape(1)->isVisible());
        QCOMPARE(f.host.timerText, QStringLiteral("0"));
        // The board is open again, but a press on it answers nothing.
        const int sounds = int(f.seams.sounds.played.size());
        QVERIFY(!PressCell(f.targets, f.host, 0));
        QCOMPARE(f.seams.sounds.played.size(), sounds);
    }

    void showingIsPaintedBeforeItsMomentIsTaken() {
        // A clock that notes, at each reading, the colour the first figure was last painted in.
        struct PaintClock : ManualClock {
            const QColor* painted = nullptr;
            mutable QList<QPair<qint64, QColor>> readings;
            qint64 MonotonicMs() const override {
                readings.append({monotonic, *painted});
                return monotonic;
            }
        };
        struct PaintSpy : QObject {
            QColor last;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    last = ColorToQColor(static_cast<TargetShape*>(watched)->Figure().colour);
                return false;
            }
        };
        Fixture f;
        PaintSpy spy;
        PaintClock clock;
        clock.painted = &spy.last;
        InstallClock(&clock);
        f.targets.Draw(1);
        f.targets.Shape(1)->installEventFilter(&spy);
        f.press(Qt::RightButton);
        clock.advance(1000);
        clock.readings.clear();
        f.targets.DXTimer1Timer();
        const QColor shown = ColorToQColor(f.game().Figures().shape[0].colour);
        QVERIFY(shown != QColor(Qt::black));
        QCOMPARE(f.game().ShowMoment(), double(clock.monotonic));
        QVERIFY(!clock.readings.isEmpty());
        QCOMPARE(clock.readings.last().second, shown);
        InstallClock(&f.seams.clock);
    }

    void lookFollowsTheSettingsKeepingTheFonts() {
        Fixture f;
        f.targets.Draw(2);
        f.host.looks.TargetBGColor = 0x445566;
        f.targets.ApplyLook();
        QCOMPARE(f.host.board.BgColor(), TColor(0x445566));
        QCOMPARE(f.host.board.GridColor(), TColor(0x445566));
        QCOMPARE(f.host.board.FontBig().ToRecord(), Settings::TargetFont());
        QCOMPARE(f.targets.PreviewBgColor(), quint32(0x445566));
        f.press(Qt::RightButton);
        f.tick();
        const QRect inside = f.targets.Shape(3)->geometry();
        const QImage image = f.host.board.grab().toImage();
        QCOMPARE(image.pixelColor(inside.center()), ColorToQColor(0x445566));
    }
};

QTEST_MAIN(TestTargetsExercise)
#include "tst_targetsexercise.moc"
