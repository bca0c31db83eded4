#include "TargetGame.h"

#include "data/Clock.h"
#include "data/Random.h"
#include "data/Sound.h"
#include "data/Texts.h"

namespace {

// Interval, lives, quota of stages 1 to 10. Stage 1 sets the lives to 1 and lasts until one
// patterned showing has passed; the others add lives and showings.
constexpr TargetGame::StageRow stageRows[TargetGame::LastStage] = {
    {1000, 1, 0}, {900, 1, 30},  {800, 1, 45},  {750, 3, 60},  {700, 3, 75},
    {650, 3, 90}, {600, 5, 105}, {575, 5, 120}, {550, 5, 135}, {500, 10, 100},
};

} // namespace

TargetGame::StageRow TargetGame::StageTable(int stage, int mode) {
    StageRow row = stageRows[qBound(1, stage, LastStage) - 1];
    // The joker needs a moment longer to compare in the first three stages.
    if (mode == JokerMode && stage <= 3)
        row.interval += JokerExtra;
    return row;
}

bool TargetGame::IsPattern(int mode, const std::array<quint32, 3>& colours, quint32 jokerColour) {
    if (mode == JokerMode)
        return (colours[1] == jokerColour) != (colours[2] == jokerColour);
    const int equalPairs = int(colours[0] == colours[1]) + int(colours[0] == colours[2]) +
                           int(colours[1] == colours[2]);
    return equalPairs == 1;
}

QString TargetGame::StageHeading(int stage) {
    const QString count =
        stage == 1 ? T(Tx::OneHit) : QString::number(20 * stage) + ' ' + T(Tx::TargetsWord);
    return T(Tx::Stage) + ' ' + QString::number(stage) + QStringLiteral(" [") + count + ']';
}

TargetGame::TargetGame(Screen& screen) : screen_(screen) {}

void TargetGame::Begin(const Setup& setup) {
    setup_ = setup;
    clickerEnabled_ = false;
    figures_ = TargetFigures();
    figures_.Layout(setup.mode, setup.boardWidth, setup.boardHeight);
    rangeX_ = setup.boardWidth - figures_.shape[0].rect.width();
    rangeY_ = setup.boardHeight - figures_.shape[0].rect.height();

    panels_.livesAlarm = false;
    panels_.counts = QStringLiteral("0 / 0 / 0");
    panels_.average = T(Tx::AvgReaction);
    panels_.last = T(Tx::Reaction);
    aborted_ = false;

    stage_ = 1;
    shown_ = hits_ = errors_ = quota_ = score_ = reactionTotal_ = avgReaction_ = 0;
    lives_ = setsInStage_ = lastReaction_ = 0;
    pending_ = false;
    showMoment_ = clickMoment_ = 0;
    running_ = true;
    TargetPreStart();
}

void TargetGame::TargetPreStart() {
    TargetClicker(Clicker::Begin);
    const StageRow row = StageTable(stage_, setup_.mode);
    interval_ = row.interval;
    if (stage_ == 1) {
        lives_ = row.lives;
    } else {
        lives_ += row.lives;
        quota_ += (stage_ == 2 ? shown_ : 0) + row.quota;
    }
    screen_.ShowHeading(StageHeading(stage_));
    clickerEnabled_ = true;
    panels_.timer = QString::number(score_);
    SetLivesPanel();
    panels_.stage = StageText();
    if (setup_.beginAtOnce)
        TargetClickPMouseDown(Qt::RightButton);
}

void TargetGame::TargetStart() {
    screen_.ShowHeading(QString());
    clickerEnabled_ = true;
    jokerColour_ = setup_.background;
    figures_.circle = setup_.mode == JokerMode;
    // In the background colour the figures stay invisible until the first showing.
    figures_.SetColours(setup_.background);
    figures_.visible = true;
    screen_.EnableTimer(interval_);
    pending_ = false;
    setsInStage_ = 0;
}

void TargetGame::SetBackground(quint32 colour) {
    for (TargetFigure& figure : figures_.shape)
        if (figure.colour == setup_.background)
            figure.colour = colour;
    if (jokerColour_ == setup_.background)
        jokerColour_ = colour;
    setup_.background = colour;
}

void TargetGame::DXTimer1Timer() {
    if (!running_)
        return;
    TargetStatRefresh();
    if (pending_) {
        PlayWave(QStringLiteral("ERROR"), SoundBackground);
        --lives_;
        ++errors_;
        TargetClicker(Clicker::Missed);
        Answer(false, std::nullopt);
        if (lives_ == -1) {
            TargetEnd();
            return;
        }
    }
    if ((stage_ == 1 && setsInStage_ == 1) || (stage_ >= 2 && shown_ == quota_)) {
        panels_.counts = CountsText();
        TargetLevelEnd();
        return;
    }

    lastReaction_ = 0;
    const bool move = TargetFigures::RandomPlaces(setup_.mode);
    std::array<QPoint, 3> places{};
    if (move)
        places = TargetFigures::DrawPlaces(rangeX_, rangeY_, figures_.shape[0].rect.width());
    ++shown_;
    std::array<quint32, 3> colours{};
    for (quint32& colour : colours)
        colour = setup_.colours[Random(int(setup_.colours.size()))];

    // The joker's colour is known only once it has been shown: at the first showing of a
    // stage it is still the background, and a joker drawn in the background colour could
    // not be seen. Such a showing holds no pattern.
    if (setup_.mode == JokerMode && jokerColour_ == setup_.background) {
        pending_ = false;
    } else {
        pending_ = IsPattern(setup_.mode, colours, jokerColour_);
        if (pending_)
            ++setsInStage_;
    }
    if (setup_.mode == JokerMode)
        jokerColour_ = colours[0];

    for (int i = 0; i < 3; ++i)
        figures_.shape[i].colour = colours[i];
    if (move)
        figures_.MoveTo(places);
    clickerEnabled_ = true;
    screen_.PaintShowing();
    showMoment_ = ProgramClock().MonotonicFineMs();
    PlayWave(QStringLiteral("T_SHOW"), SoundUnlessPlaying);
}

void TargetGame::TargetClickPMouseDown(Qt::MouseButton button) {
    const double moment = ProgramClock().MonotonicFineMs();
    if (!running_ || !clickerEnabled_)
        return;
    const bool between = clicker_ == Clicker::Begin;
    if (button == Qt::RightButton && between) {
        PlayWave(QStringLiteral("T_GO"), SoundWait);
        TargetClicker(Clicker::Waiting);
        TargetStart();
        return;
    }
    if (button != Qt::LeftButton || between)
        return;
    if (pending_) {
        Hit(moment);
    } else {
        PlayWave(QStringLiteral("T_NO"), SoundBackground);
        --lives_;
        ++errors_;
        Answer(false, std::nullopt);
        if (lives_ == -1) {
            TargetEnd();
            return;
        }
        TargetClicker(Clicker::Wrong);
    }
    // One answer per showing.
    clickerEnabled_ = false;
}

void TargetGame::Hit(double moment) {
    TargetClicker(Clicker::Hit);
    PlayWave(QStringLiteral("T_YES"), SoundBackground);
    pending_ = false;
    ++hits_;
    clickMoment_ = moment;
    // Whole milliseconds, the fraction cut off.
    lastReaction_ = int(clickMoment_ - showMoment_);
    panels_.last = QString::number(lastReaction_);
    reactionTotal_ += lastReaction_;
    avgReaction_ = reactionTotal_ / hits_;
    Answer(true, lastReaction_);
}

void TargetGame::Answer(bool correct, std::optional<int> reactionMs) {
    screen_.Answered(RunPress{0, QString::number(shown_), -1, correct, reactionMs, stage_});
}

void TargetGame::TargetLevelEnd() {
    screen_.DisableTimer();
    if (avgReaction_ != 0)
        score_ += stage_ * stage_ * (interval_ - avgReaction_);
    ++stage_;
    clickerEnabled_ = false;
    figures_.visible = false;
    if (stage_ == LastStage + 1) {
        TargetEnd();
        return;
    }
    TargetPreStart();
}

void TargetGame::TargetEnd() {
    screen_.DisableTimer();
    running_ = false;
    TargetStatRefresh();
    clickerEnabled_ = false;
    screen_.ShowHeading(QString());
    figures_.visible = false;
    screen_.GameEnded(aborted_);
}

void TargetGame::Stop() {
    if (!running_)
        return;
    aborted_ = true;
    clickerEnabled_ = false;
    figures_.visible = false;
    screen_.DisableTimer();
    TargetEnd();
}

QString TargetGame::DetailText() const {
    auto field = [](const QString& text) {
        return QStringLiteral(" [") + text + QStringLiteral("] ");
    };
    return field(panels_.stage) + field(panels_.counts) + field(panels_.average);
}

void TargetGame::TargetStatRefresh() {
    TargetClicker(Clicker::Waiting);
    panels_.stage = StageText();
    SetLivesPanel();
    panels_.counts = CountsText();
    panels_.average = QString::number(avgReaction_);
    panels_.timer = QString::number(score_);
}

void TargetGame::SetLivesPanel() {
    panels_.lives =
        lives_ < 0 ? T(Tx::RunOut) : T(Tx::Life) + QStringLiteral(" = ") + QString::number(lives_);
    panels_.livesAlarm = lives_ == 0;
}

QString TargetGame::StageText() const {
    return T(Tx::Stage) + ' ' + QString::number(stage_) + QStringLiteral(" (") +
           QString::number(interval_) + ')';
}

QString TargetGame::CountsText() const {
    return QString::number(shown_) + QStringLiteral(" / ") + QString::number(hits_) +
           QStringLiteral(" / ") + QString::number(errors_);
}
