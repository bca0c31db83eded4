#include "PracticeWatch.h"

#include "data/Clock.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"
#include "history/HistoryDb.h"
#include "progress/DailyGoal.h"
#include "progress/PracticeLoader.h"
#include "progress/PracticeTexts.h"
#include "stats/ProgressWindow.h"
#include "widgets/NoticeToast.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace {

QDate Today() {
    return LocalMoment(ProgramClock().NowMs()).date();
}

} // namespace

PracticeWatch::PracticeWatch(Context context) : ctx_(std::move(context)) {
    ProgressN = new QAction(ctx_.fileMenu);
    ProgressN->setObjectName(QStringLiteral("ProgressN"));
    ProgressN->setShortcut(QKeySequence(Qt::Key_F8));
    ctx_.fileMenu->insertAction(ctx_.fileBefore, ProgressN);
    // The shortcut works while the menu is closed.
    ctx_.window->addAction(ProgressN);
    DailyGoalN = new QAction(ctx_.optionsMenu);
    DailyGoalN->setObjectName(QStringLiteral("DailyGoalN"));
    ctx_.optionsMenu->insertAction(ctx_.optionsBefore, DailyGoalN);
    Notice = new NoticeToast(ctx_.noticeHost);

    connect(ProgressN, &QAction::triggered, this, &PracticeWatch::ProgressNClick);
    connect(DailyGoalN, &QAction::triggered, this, &PracticeWatch::DailyGoalNClick);
    for (QMenu* menu : {ctx_.fileMenu, ctx_.optionsMenu})
        connect(menu, &QMenu::aboutToShow, this, &PracticeWatch::Refresh);
    ctx_.window->installEventFilter(this);
    ctx_.noticeHost->installEventFilter(this);
    Localize();
    Refresh();
}

PracticeWatch::~PracticeWatch() {
    ctx_.window->removeEventFilter(this);
    ctx_.noticeHost->removeEventFilter(this);
}

void PracticeWatch::Localize() {
    ProgressN->setText(T(Tx::MenuProgress));
    DailyGoalN->setText(T(Tx::MenuDailyGoal));
}

ProgressWindow* PracticeWatch::Window() const {
    return window_;
}

bool PracticeWatch::Available() const {
    return !ctx_.currentUser().isEmpty() && !ctx_.running();
}

void PracticeWatch::Refresh() {
    const bool available = Available();
    ProgressN->setEnabled(available);
    DailyGoalN->setEnabled(available);
}

bool PracticeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ctx_.window && event->type() == QEvent::LanguageChange)
        Localize();
    if (watched == ctx_.noticeHost &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        Refresh();
    return QObject::eventFilter(watched, event);
}

PracticeSummary& PracticeWatch::Summary(qint64 before) {
    const QString user = ctx_.currentUser();
    const QDate recentFrom = WeekTable::WeekStart(Today()).addDays(-7);
    const bool newUser = !summary_ || summary_->User() != user;
    if (newUser) {
        planner_ = NoticePlanner();
        planner_.SetGoal(DailyGoal::Read(ctx_.dataDir, user));
    }
    if (newUser || recentFrom < summary_->RecentFrom()) {
        const HistoryDb db(ctx_.dataDir, HistoryDb::Access::ReadOnly);
        summary_ = PracticeLoader::Load(db, user, recentFrom, before);
    }
    return *summary_;
}

void PracticeWatch::RunEnded(RunKind kind, bool completed) {
    planner_.RunEnded(kind, completed);
}

void PracticeWatch::RunStored(const HistoryRun& run) {
    RunEffect effect;
    // A run the history could not keep is not in it, and counts for nothing here either.
    if (run.id > 0 && !run.user.isEmpty() && run.user == ctx_.currentUser())
        effect = Summary(run.id).Add(run);
    Show(planner_.RunStored(effect));
    if (window_ && effect.counted)
        ShowWindow();
}

void PracticeWatch::SeriesOver() {
    Show(planner_.SeriesOver());
}

void PracticeWatch::StepJudged() {
    Show(planner_.StepJudged());
}

void PracticeWatch::Show(const Notices& notices) {
    if (!notices.IsEmpty())
        Notice->ShowLines(PracticeTexts::Lines(notices));
}

void PracticeWatch::SignedIn() {
    Notice->hide();
    if (window_ && window_->User() != ctx_.currentUser()) {
        window_->close();
        window_ = nullptr; // deleted later; never shown for the new user
    }
    Refresh();
    // After the window has shown the new user.
    QTimer::singleShot(0, this, [this] {
        if (!ctx_.currentUser().isEmpty())
            Summary();
    });
}

void PracticeWatch::ShowWindow() {
    const PracticeSummary& summary = Summary();
    if (!window_) {
        window_ = new ProgressWindow(ctx_.window);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->Show(summary, Today(), planner_.Goal());
}

void PracticeWatch::ProgressNClick() {
    if (!Available())
        return;
    ShowWindow();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PracticeWatch::DailyGoalNClick() {
    if (!Available())
        return;
    const QString user = ctx_.currentUser();
    Summary();
    const QString typed = AppDialogs()
                              .Prompt(T(Tx::GoalCaption), T(Tx::GoalPrompt).arg(planner_.Goal()), 4)
                              .trimmed();
    if (typed.isEmpty())
        return;
    const std::optional<qint32> minutes = TryParseInteger(typed);
    if (!minutes || *minutes < 0 || *minutes > DailyGoal::MostMinutes) {
        ShowMessage(T(Tx::GoalNotMinutes).arg(typed, QString::number(DailyGoal::MostMinutes)));
        return;
    }
    try {
        DailyGoal::Write(ctx_.dataDir, user, *minutes);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    planner_.SetGoal(*minutes);
    if (window_)
        ShowWindow();
}
