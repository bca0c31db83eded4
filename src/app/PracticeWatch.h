#pragma once

#include "history/HistoryRecord.h"
#include "progress/NoticePlanner.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class NoticeToast;
class ProgressWindow;
class QAction;
class QMenu;
class QWidget;

// Daily practice in the main window: the progress window (File menu, F8), the daily goal
// (Options menu), and the notices after runs. It keeps the summary of the signed-in user's
// history, read once after the sign-in and brought up to date by each run the history stores,
// so that a run costs no reading of the history.
class PracticeWatch : public QObject {
    Q_OBJECT
public:
    struct Context {
        QWidget* window; // the owner of the progress window and of the shortcuts
        QMenu* fileMenu; // the progress item goes before `fileBefore`
        QAction* fileBefore;
        QMenu* optionsMenu; // the goal item goes before `optionsBefore`
        QAction* optionsBefore;
        QWidget* noticeHost; // the notices lie over it; it is hidden while a run is under way
        QString dataDir;
        std::function<bool()> running; // a run, series or ladder lesson is under way
        std::function<QString()> currentUser;
    };

    explicit PracticeWatch(Context context);
    ~PracticeWatch() override;

    // The points of a run's way that matter here, in the order they come.
    void RunEnded(RunKind kind, bool completed);
    void RunStored(const HistoryRun& run);
    void SeriesOver();
    void StepJudged();
    // Another user signed in: their summary and goal are read once the window shows them.
    void SignedIn();

    // Opens the progress window of the signed-in user, or brings it up to date and forward.
    void ProgressNClick();
    // Asks for the daily goal in minutes and keeps it.
    void DailyGoalNClick();
    // The items' state and captions.
    void Refresh();
    void Localize();

    int Goal() const { return planner_.Goal(); }
    // The open progress window, or nullptr.
    ProgressWindow* Window() const;

    QAction* ProgressN = nullptr;
    QAction* DailyGoalN = nullptr;
    NoticeToast* Notice = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Available() const;
    // The summary of the signed-in user, read now when it is missing or does not reach back
    // to last week; `before` as PracticeLoader takes it.
    PracticeSummary& Summary(qint64 before = 0);
    void Show(const Notices& notices);
    void ShowWindow();

    Context ctx_;
    std::optional<PracticeSummary> summary_;
    NoticePlanner planner_;
    QPointer<ProgressWindow> window_;
};
