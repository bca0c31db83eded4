#pragma once

#include "SeriesStatistics.h"

#include <QDialog>
#include <functional>
#include <optional>

class BarChartView;
class EveryRunView;
class QBarSeries;
class QFrame;
class QLabel;
class QListWidget;
class QStackedWidget;
class QStackedBarSeries;
class QToolButton;
class TDataFile;

// The statistics window: the exercise-and-mode labels that have a statistics file, the date
// lines of the series of the chosen label, a bar chart of the five results of the chosen
// series with their total and average, and the progress chart that sets the first series
// against the ten newest and the overall average; without any statistics file, a sentence
// saying how series come about. It shows what its SeriesStatistics reads.
class TLessonsForm : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString programDir;
        QString currentUser;
        // Where the window size is kept; without one the size is neither read nor kept.
        TDataFile* settingsFile = nullptr;
        // `SeriesExercise`: the exercise index + 1 of the series just finished or running,
        // whose label and newest series are preselected; 0 for none.
        int seriesExercise = 0;
        // The mode of that exercise.
        int seriesMode = 0;
        // Opens the help book at a context number.
        std::function<void(int)> showHelp;
        // Exports the user's data: of the selected label, or everything without one. Without
        // it the window has no export button.
        std::function<void(const std::optional<StatsLabel>&)> exportData;
    };

    static constexpr int HelpContext = 540;
    static constexpr int MinWidth = 500;
    static constexpr int MinHeight = 300;

    explicit TLessonsForm(Setup setup, QWidget* parent = nullptr);
    // Creates the window, shows it modally and frees it.
    static void Execute(Setup setup, QWidget* parent);

    QFrame* Panel1 = nullptr; // the lists and the series chart
    QFrame* Panel2 = nullptr; // the labels
    QFrame* Panel3 = nullptr; // the dates
    QFrame* Panel4 = nullptr; // the progress chart
    QFrame* Panel5 = nullptr; // the buttons
    QListWidget* LessonLB = nullptr;
    QListWidget* HistoryLB = nullptr;
    BarChartView* Chart1 = nullptr;
    QBarSeries* Series1 = nullptr;
    BarChartView* Chart2 = nullptr;
    QStackedBarSeries* Series2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* CloseSB = nullptr;
    QToolButton* ExportSB = nullptr;
    // The series view (Panel1 and Panel4) and the every-run view, one at a time.
    QStackedWidget* ViewsNB = nullptr;
    EveryRunView* EveryRunP = nullptr;
    QToolButton* ViewSB = nullptr; // switches between the two views
    QLabel* EmptyL = nullptr;      // instead of the series view when the user has no series

    // The sets of `Series2`, one per kind of bar.
    enum ProgressSet { BeginningSet, RecentSet, AverageSet };

    void FormShow();
    void LessonRefresh();
    // The statistics file of the label selected in the list; empty when none is selected
    // or the text is no label.
    QString GetFileStat(const QListWidget* list) const;
    void LessonLBClick();
    void HistoryLBClick();
    void HistoryLBMouseMove();
    void CloseSBClick();
    // The other view; the every-run view opens on the label chosen in the series view, or
    // on the exercise of the series under way.
    void ViewSBClick();
    void SpeedButton1Click();
    void FormClose();

    // The bars of the progress chart as built for the selected label.
    const QList<SeriesHistory::Bar>& ProgressBars() const { return progress_; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    // A switch of the interface language shows the texts, labels and charts anew in it,
    // keeping the chosen label and date.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ShowTexts();
    // Lists the labels that have a file and selects the given one, else the first.
    void ShowLabels(const QString& chosen);
    // The stored size is the outer one, with the frame, within the minimum and the screen.
    void ReadStoredSize();
    // The frame around the inside: the window's own once it is shown, the main window's
    // until then.
    QSize FrameSize() const;
    void FitOuterSize();
    // The label selected in the list; none when nothing is selected or the text is no label.
    static std::optional<StatsLabel> Selected(const QListWidget* list);
    // The selected label's file; a file that cannot be read is reported.
    std::optional<SeriesStatistics::LabelSeries> ReadSelected() const;
    void ShowProgress();
    // Charts the series selected in the date list from the label's file as read.
    void ShowSeries(const SeriesStatistics::LabelSeries& series);
    void ReportDamaged(const QString& path) const;
    // The sentence instead of the lists and charts, or the lists and charts.
    void ShowEmpty(bool empty);

    Setup setup_;
    SeriesStatistics model_;
    QList<SeriesHistory::Bar> progress_;
    bool shown_ = false;
    int shownLanguage_ = 0;
    std::optional<StatsLabel> chosen_; // the label whose series are shown
    QSize outerSize_;
};
