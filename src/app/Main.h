#pragma once

#include "HelpPanel.h"
#include "MainMenu.h"
#include "MainWidgets.h"
#include "RunCycle.h"
#include "SeriesFlow.h"
#include "data/Settings.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class AnalysisLauncher;
class AnswerKeys;
class FinishedRuns;
class LadderFlow;
class HistoryRecorder;
class PracticeWatch;
class RecordPanel;
class TDataFile;
class StartButtonPreview;

// The main window: the frame of the whole program. It starts the program up (working files,
// settings, headings), lays out the board, the control pages, the top bar and the menus,
// and routes their events to the run cycle, the help panel and the window options.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // programDir: the folder the program runs from; every file name is relative to it.
    explicit TMainForm(const QString& programDir, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Start-up asked the program to end (files missing); main() ends after start-up.
    bool TerminateRequested() const { return terminateRequested_; }

    const QString& ProgramDir() const { return programDir_; }
    // The signed-in user and the ladder position, set by the sign-in window.
    QString CurrentUser;
    int UprLevel = 0;
    int UprSubLevel = 0;

    // Whether the first activation opens the sign-in window; tests that drive the window
    // without a user turn it off.
    static void SetSignInOnActivation(bool on);

    MainWidgets& Widgets() { return w_; }
    MainMenu& Menu() { return menu_; }
    RunCycle& Cycle() { return *cycle_; }
    SeriesFlow& Series() { return *series_; }
    // Every run that ends goes into the history database.
    HistoryRecorder& History() { return *history_; }
    HelpPanel& Help() { return help_; }
    RecordPanel& Records() { return *recordPanel_; }
    // The analysis of the last completed run (F7); it takes each run that ends.
    AnalysisLauncher& Analysis() { return *analysis_; }
    // The progress window (F8), the daily goal and the notices after runs.
    PracticeWatch& Practice() { return *practice_; }
    Settings& Looks() { return looks_; }
    TDataFile* SettingsFile() { return settingsFile_.get(); }
    bool FullScreen() const;
    bool LocalizedOnce() const { return localizedOnce_; }

    // Window events.
    void FormShow();
    // The first activation (or the first show, where the platform never activates the
    // window) opens the sign-in window; later activations do nothing.
    void FormActivate();
    void TabSwitchCBChange(int position);
    void TabSwitchCBCloseUp();
    void ControlNBPageChanged();
    // The series box changed, also by code: panel and exercise list colours, the table.
    void LessonChBClick();
    // The switch "Одиночные"/"Серии" toggles series mode.
    void LessonSBClick() { w_.SetSeriesMode(!w_.SeriesMode()); }
    // The statistics window.
    void StatsNClick() { series_->ShowStatistics(); }

    // Run cycle entries, under the names the program gives them.
    void ShulteStartSBClick() { cycle_->ShulteStartSBClick(); }
    void TimerOn() { cycle_->TimerOn(); }
    void TimerOff() { cycle_->TimerOff(); }
    void SysTimerTimer() { cycle_->SysTimerTimer(); }
    void TSShowOne(int i) { cycle_->TSShowOne(i); }
    void TSShowAll(int k) { cycle_->TSShowAll(k); }
    int ActiveExercise() const { return cycle_->ActiveExercise(); }

    // Help.
    void ShulteHelpSBClick() { help_.ShulteHelpSBClick(); }
    void ClearHelp() { help_.ClearHelp(); }
    void ContentNClick();
    void NewNClick();
    void AboutNClick();

    // Window options.
    void FullScreenNClick();
    void CPRightNClick();
    void CPLeftNClick();
    void LightClickNClick();
    // Interface language from the options menu: 1 English, 2 Russian. Refused during a run;
    // otherwise kept in oxel.ini and applied at once to every open window.
    void LanguageNClick(int language);
    void SaveActivePage();
    void ReturnActivePage();

    // The sign-in window, opened at the first activation and from the user menu: sets
    // `CurrentUser`, `UprLevel` and `UprSubLevel`, the caption and the level menu; quitting
    // there ends the program. Not while a run or a ladder lesson is under way.
    void UserNClick();
    // The ladder window (`N1Click`) and the ladder flow it starts.
    void N1Click();
    LadderFlow& Ladder() { return *ladder_; }
    // Reads the exercise headings and the number list.
    void LoadGipnoText();
    // The settings window (F6), the number editor and the heading editor; the heading
    // editor reloads the headings afterwards, which the next run shows.
    void SettingsNClick();
    void NumbersNetNClick();
    void GipnoNClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void CheckDataFiles();
    void ReadSettings();
    void ApplyGeometry(bool fullScreen);
    void LoadAllHelpTexts();
    void SetGlyphs();
    // COMMON LastUser, "без имени" when absent or unreadable.
    QString LastUser() const;
    void ConnectEvents();
    // Hands each finished run, the end of a series and the ladder's verdict to the daily
    // practice, which times its notices by them.
    void ConnectPractice(FinishedRuns& finished);
    // A run, a series or a ladder lesson is under way.
    bool RunUnderWay() const;
    // The texts of the main window in the current language, as after a switch of it.
    void Retranslate();
    void ShowFileError(const QString& text);
    // Writes a changed option into oxel.ini at once; a write error is shown.
    void WriteOption(const std::function<void(TDataFile&)>& write);

    QString programDir_;
    Settings looks_;
    std::unique_ptr<TDataFile> settingsFile_;
    MainWidgets w_;
    MainMenu menu_;
    HelpPanel help_;
    std::unique_ptr<RunCycle> cycle_;
    std::unique_ptr<LadderFlow> ladder_;
    std::unique_ptr<SeriesFlow> series_;
    std::unique_ptr<HistoryRecorder> history_;
    std::unique_ptr<StartButtonPreview> preview_;
    std::unique_ptr<RecordPanel> recordPanel_;
    std::unique_ptr<AnalysisLauncher> analysis_;
    std::unique_ptr<AnswerKeys> answerKeys_;
    std::unique_ptr<PracticeWatch> practice_;
    bool terminateRequested_ = false;
    bool localizedOnce_ = false;
    int shownLanguage_ = 0; // the language the texts were last set in
    bool activatedOnce_ = false;
    int savedPage_ = 0;
};
