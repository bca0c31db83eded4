#pragma once

#include "history/HistoryRecord.h"

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QHBoxLayout;
class QMenu;
class QToolButton;
class QWidget;

// Keeps the last completed run and opens its analysis, from a menu item (F7) and from a
// button in the top bar above the best-results panel. Nothing opens before a run of the
// signed-in user was completed, nor while a run is under way; the button stands only while
// the best-results panel does, as the exercise list beside it.
class AnalysisLauncher : public QObject {
    Q_OBJECT
public:
    struct Context {
        QWidget* window; // the owner of the analysis window
        QMenu* menu;     // the item goes before `menuBefore`
        QAction* menuBefore;
        QHBoxLayout* bar; // the button goes at `barPosition`
        int barPosition;
        QWidget* idlePanel;            // shown exactly while no run is under way
        std::function<bool()> running; // a run, series or ladder lesson is under way
        std::function<QString()> currentUser;
    };

    explicit AnalysisLauncher(Context context);
    ~AnalysisLauncher() override;

    // Each run as it ends, completed or stopped; only a completed one replaces the kept run.
    void SetLastRun(const HistoryRun& run);
    const std::optional<HistoryRun>& LastRun() const { return lastRun_; }
    // A completed run of the signed-in user is kept and no run is under way.
    bool Available() const;
    // Opens the analysis of the kept run when it is available; else does nothing.
    void AnalysisNClick();
    // The item's and the button's state after anything that changes Available().
    void Refresh();
    // The captions of the current language.
    void Localize();

    QAction* AnalysisN = nullptr;
    QToolButton* AnalysisSB = nullptr;
    // Shows the analysis window of a run; tests put a recorder here.
    std::function<void(const HistoryRun&, QWidget*)> Open;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context ctx_;
    std::optional<HistoryRun> lastRun_;
};
