#pragma once

#include "PersonalBests.h"
#include "PracticeDays.h"
#include "WeekTable.h"

#include "history/HistoryRecord.h"

// What adding a stored run changed.
struct RunEffect {
    bool counted = false; // false for a run not stored, or one the summary held already
    QDate day;            // the local day the run started on
    DayTotal before;      // that day before the run and after it
    DayTotal after;
    Streak streak; // the streak alive on that day after the run
    std::optional<BestChange> best;
};

// Everything the progress window and the notices need of one user's history, small enough to
// keep in memory: the days, the personal bests and the recent runs. It is read once from the
// history and then kept up to date by each run stored, so that no run asks the database again.
class PracticeSummary {
public:
    PracticeSummary() = default;
    // A summary read from the history: every run up to `lastRunId`, each run since
    // `recentFrom` among the recent ones.
    PracticeSummary(const QString& user, PracticeDays days, PersonalBests bests,
                    QVector<PracticeRun> recent, const QDate& recentFrom, qint64 lastRunId);

    const QString& User() const { return user_; }
    const PracticeDays& Days() const { return days_; }
    const PersonalBests& Bests() const { return bests_; }
    // The runs since RecentFrom(), oldest first.
    const QVector<PracticeRun>& Recent() const { return recent_; }
    const QDate& RecentFrom() const { return recentFrom_; }

    // Adds a run of the summary's user once the history holds it (its id is set).
    RunEffect Add(const HistoryRun& run);

    // A run as the week table takes it.
    static PracticeRun RunOf(const HistoryRun& run);

private:
    QString user_;
    PracticeDays days_;
    PersonalBests bests_;
    QVector<PracticeRun> recent_;
    QDate recentFrom_;
    qint64 lastRunId_ = 0;
};
