#include "AnalysisLauncher.h"

#include "data/Texts.h"
#include "stats/AnalysisWindow.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

AnalysisLauncher::AnalysisLauncher(Context context)
    : Open(&AnalysisWindow::Execute), ctx_(std::move(context)) {
    AnalysisN = new QAction(ctx_.menu);
    AnalysisN->setObjectName(QStringLiteral("AnalysisN"));
    AnalysisN->setShortcut(QKeySequence(Qt::Key_F7));
    ctx_.menu->insertAction(ctx_.menuBefore, AnalysisN);
    // The shortcut works while the menu is closed, and the window is the menu's.
    ctx_.window->addAction(AnalysisN);

    AnalysisSB = new QToolButton(ctx_.bar->parentWidget());
    AnalysisSB->setObjectName(QStringLiteral("AnalysisSB"));
    AnalysisSB->setFixedHeight(28);
    AnalysisSB->setFocusPolicy(Qt::NoFocus);
    ctx_.bar->insertWidget(ctx_.barPosition, AnalysisSB);

    connect(AnalysisN, &QAction::triggered, this, &AnalysisLauncher::AnalysisNClick);
    connect(AnalysisSB, &QToolButton::clicked, this, &AnalysisLauncher::AnalysisNClick);
    connect(ctx_.menu, &QMenu::aboutToShow, this, &AnalysisLauncher::Refresh);
    ctx_.idlePanel->installEventFilter(this);
    ctx_.window->installEventFilter(this);
    Localize();
    Refresh();
}

AnalysisLauncher::~AnalysisLauncher() {
    ctx_.idlePanel->removeEventFilter(this);
    ctx_.window->removeEventFilter(this);
}

void AnalysisLauncher::Localize() {
    AnalysisN->setText(T(Tx::AnalysisMenu));
    AnalysisSB->setText(T(Tx::AnalysisButton));
}

void AnalysisLauncher::SetLastRun(const HistoryRun& run) {
    if (run.completed)
        lastRun_ = run;
    Refresh();
}

bool AnalysisLauncher::Available() const {
    // A run belongs to the user who made it: after another signs in it is not shown.
    return lastRun_ && lastRun_->user == ctx_.currentUser() && !ctx_.running();
}

void AnalysisLauncher::AnalysisNClick() {
    if (!Available())
        return;
    // A copy: a run ending while the window is open must not change what it shows.
    const HistoryRun run = *lastRun_;
    if (Open)
        Open(run, ctx_.window);
}

void AnalysisLauncher::Refresh() {
    const bool available = Available();
    AnalysisN->setEnabled(available);
    AnalysisSB->setEnabled(available);
    AnalysisSB->setVisible(!ctx_.idlePanel->isHidden());
}

bool AnalysisLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ctx_.idlePanel &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        Refresh();
    // A run that ends a series or a ladder lesson arrives while the window that follows it
    // (the statistics, a message) is open and the series counts as under way; the series is
    // over only once that window has closed, so the state is taken again after that.
    if (watched == ctx_.window && (event->type() == QEvent::WindowUnblocked ||
                                   event->type() == QEvent::WindowActivate))
        QTimer::singleShot(0, this, &AnalysisLauncher::Refresh);
    return QObject::eventFilter(watched, event);
}
