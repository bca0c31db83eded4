#include "TargetsExercise.h"

#include "ClickerPanel.h"
#include "ExerciseRoles.h"
#include "TargetShape.h"
#include "analysis/ChartSets.h"
#include "board/OxelPanel.h"
#include "data/Settings.h"
#include "data/Texts.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegion>
#include <QVBoxLayout>

namespace {

constexpr int InfoHeight = 18;
constexpr int ClickerHeight = 64;

QLabel* MakeInfoPanel(QWidget* parent, int n) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QStringLiteral("TargetInfoP%1").arg(n));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedHeight(InfoHeight);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(p);
    // The narrow face of the search panel's lines, so that "этап / задержка" fits whole.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    panel->setFont(font);
    return panel;
}

// White and regular; red and bold when no life is left to spare.
void ShowAlarm(QLabel* panel, bool alarm) {
    if (panel->font().bold() == alarm)
        return;
    QPalette p = panel->palette();
    p.setColor(QPalette::WindowText, alarm ? ColorToQColor(clRed) : QColor(Qt::white));
    panel->setPalette(p);
    QFont font = panel->font();
    font.setBold(alarm);
    panel->setFont(font);
}

struct ClickerLook {
    Tx caption;
    TColor background;
};

ClickerLook LookOf(TargetGame::Clicker state) {
    switch (state) {
    case TargetGame::Clicker::Hit:
        return {Tx::HitWord, 0x008000};
    case TargetGame::Clicker::Wrong:
        return {Tx::MissWord, 0x0000FF};
    case TargetGame::Clicker::Missed:
        return {Tx::NoPressWord, 0x800080};
    case TargetGame::Clicker::Begin:
        return {Tx::BeginGame, clBlack};
    case TargetGame::Clicker::Waiting:
        break;
    }
    return {Tx::Clicker, clBlack};
}

} // namespace

TargetsExercise::TargetsExercise(ExerciseBoard& board, RunControl& run)
    : ExerciseLogic(board, 3), run_(run), game_(*this), pace_([this] { DXTimer1Timer(); }) {}

TargetsExercise::~TargetsExercise() {
    if (clicker_)
        clicker_->OnMouseDown = nullptr;
}

ClickerPanel* TargetsExercise::TargetClickP() const {
    return clicker_.data();
}

void TargetsExercise::AddPageControls(QWidget* page, QVBoxLayout* layout) {
    infoBox_ = new QGroupBox(page);
    infoBox_->setObjectName(QStringLiteral("TargetInfoGB"));
    auto* box = new QVBoxLayout(infoBox_);
    box->setContentsMargins(3, 3, 3, 3);
    box->setSpacing(2);
    for (int n = 1; n <= 5; ++n) {
        info_[n - 1] = MakeInfoPanel(infoBox_, n);
        box->addWidget(info_[n - 1]);
    }
    info_[2]->setText(QStringLiteral("0 / 0 / 0"));
    layout->addWidget(infoBox_);

    clicker_ = new ClickerPanel(page);
    clicker_->setObjectName(QStringLiteral("TargetClickP"));
    clicker_->setFixedHeight(ClickerHeight);
    // Nothing to answer before a game starts.
    clicker_->setEnabled(false);
    clicker_->OnMouseDown = [this](Qt::MouseButton button) { TargetClickPMouseDown(button); };
    layout->addWidget(clicker_);
}

void TargetsExercise::Localize() {
    if (!clicker_)
        return;
    const QString stageDelay = T(Tx::Stage) + QStringLiteral(" / ") + T(Tx::Delay);
    infoBox_->setTitle(T(Tx::Information));
    clicker_->SetLook(T(Tx::Clicker), clBlack);
    info_[0]->setText(stageDelay);
    info_[1]->setText(T(Tx::Life));
    info_[3]->setText(T(Tx::AvgReaction));
    info_[4]->setText(T(Tx::Reaction));
    const QString hints[] = {stageDelay, T(Tx::LivesHint), T(Tx::CountsHint),
                             T(Tx::AvgReactionHint), T(Tx::LastReactionHint)};
    for (int i = 0; i < 5; ++i)
        info_[i]->setToolTip(hints[i]);
    SyncHints();
}

void TargetsExercise::ApplyLook() {
    ExerciseLogic::ApplyLook();
    game_.SetBackground(Look().background);
    if (shapes_[0])
        SyncFigures();
}

void TargetsExercise::Draw(int mode) {
    EnsureFigures();
    const ExerciseLook& look = Look();
    TOxelPanel& board = board_.Board();
    board.OnMouseMove = nullptr;
    board.SetGP(false);
    board.SetBgColor(look.background);
    board.SetGridColor(Settings::TargetGridColor);
    const BoardFont font(Settings::TargetFont());
    board.SetFontBig(font);
    board.SetFontSmall(font);
    board.SetColCount(1);
    board.SetRowCount(1);
    board.SetBlockClick(true);

    TargetGame::Setup setup;
    setup.mode = mode;
    setup.background = look.background;
    setup.colours = look.targetColours;
    setup.boardWidth = board.width();
    setup.boardHeight = board.height();
    setup.beginAtOnce = run_.LessonChecked() || run_.LadderActive();
    game_.Begin(setup);
    Sync();
}

std::optional<Verdict> TargetsExercise::Judge(const Press&) {
    return std::nullopt;
}

void TargetsExercise::StopOwnTimers() {
    pace_.Stop();
}

void TargetsExercise::Abandon() {
    game_.Stop();
}

QString TargetsExercise::RecordDetail() const {
    return game_.DetailText();
}

void TargetsExercise::DXTimer1Timer() {
    const int shown = game_.TargetShown();
    game_.DXTimer1Timer();
    if (game_.TargetShown() != shown && OnShown)
        OnShown();
    Sync();
}

void TargetsExercise::TargetClickPMouseDown(Qt::MouseButton button) {
    game_.TargetClickPMouseDown(button);
    Sync();
}

void TargetsExercise::EnableTimer(int intervalMs) {
    pace_.Start(intervalMs);
}

void TargetsExercise::DisableTimer() {
    pace_.Stop();
}

void TargetsExercise::ShowHeading(const QString& text) {
    board_.Board().SetSingleText(text);
}

void TargetsExercise::PaintShowing() {
    TOxelPanel& board = board_.Board();
    QRegion dirty;
    for (const TargetShape* shape : shapes_)
        dirty += shape->geometry();
    SyncFigures();
    for (const TargetShape* shape : shapes_)
        dirty += shape->geometry();
    // Painted now, together with the board where the figures were: the showing's moment
    // is the moment it is on the screen, not the next pass of the event loop.
    board.repaint(dirty);
}

void TargetsExercise::GameEnded(bool aborted) {
    Sync();
    if (aborted) {
        board_.Board().SetBlockClick(false);
        return;
    }
    run_.FinishRun();
}

void TargetsExercise::Answered(const RunPress& press) {
    run_.Record(press);
}

void TargetsExercise::Sync() {
    // Nothing to show before the first game.
    if (!shapes_[0])
        return;
    const TargetGame::Panels& panels = game_.PanelTexts();
    if (info_[0]) {
        const QString texts[] = {panels.stage, panels.lives, panels.counts, panels.average,
                                 panels.last};
        for (int i = 0; i < 5; ++i)
            info_[i]->setText(texts[i]);
        ShowAlarm(info_[1], panels.livesAlarm);
    }
    if (clicker_) {
        const ClickerLook look = LookOf(game_.ClickerState());
        clicker_->SetLook(T(look.caption), look.background);
        clicker_->setEnabled(game_.ClickerEnabled());
    }
    SyncHints();
    run_.ShowScore(game_.TargetScore(), panels.timer);
    SyncFigures();
}

// A stage begins with a right click on the clicker, which nothing on the screen says, so
// between stages the board says it too; the board's hint goes with the game.
void TargetsExercise::SyncHints() {
    if (!clicker_)
        return;
    const bool running = game_.Running();
    const bool begin = running && game_.ClickerState() == TargetGame::Clicker::Begin;
    Tx clickerHint = Tx::ClickerIdleHint;
    if (begin)
        clickerHint = Tx::ClickerBeginHint;
    else if (running)
        clickerHint =
            game_.Mode() == TargetGame::JokerMode ? Tx::ClickerJokerHint : Tx::ClickerAnswerHint;
    clicker_->setToolTip(T(clickerHint));
    board_.Board().setToolTip(begin ? T(Tx::BoardBeginHint) : QString());
}

void TargetsExercise::SyncFigures() {
    const TargetFigures& figures = game_.Figures();
    const quint32 fill = board_.Board().BgColor();
    for (int i = 0; i < 3; ++i) {
        TargetShape* shape = shapes_[i];
        shape->SetLook(figures.shape[i], i == 0 && figures.circle, figures.opaque, fill);
        shape->setVisible(figures.visible);
    }
}

void TargetsExercise::EnsureFigures() {
    if (shapes_[0])
        return;
    for (int i = 0; i < 3; ++i) {
        shapes_[i] = new TargetShape(&board_.Board());
        shapes_[i]->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
    }
}

void TargetsExercise::Charts(const HistoryRun& run, const ExerciseInfo&, RunAnalysis& analysis) {
    ChartSets::StageReactions(run, analysis);
}
