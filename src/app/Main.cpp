#include "Main.h"

#include "About.h"
#include "AnalysisLauncher.h"
#include "AnswerKeys.h"
#include "CaptionPanel.h"
#include "Glyphs.h"
#include "HintStyle.h"
#include "HistoryRecorder.h"
#include "LadderFlow.h"
#include "PracticeWatch.h"
#include "Localization.h"
#include "RecordPanel.h"
#include "StartButtonPreview.h"
#include "WindowGeometry.h"
#include "board/OxelPanel.h"
#include "data/Clock.h"
#include "data/DataFile.h"
#include "data/Dialogs.h"
#include "data/Dictionaries.h"
#include "data/Errors.h"
#include "data/Random.h"
#include "data/RecordTables.h"
#include "data/Sound.h"
#include "data/Texts.h"
#include "help/HelpViewer.h"
#include "settings/Num.h"
#include "settings/Setting.h"
#include "settings/WidgetPickers.h"
#include "users/Welcome.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {

QString WithSeparator(const QString& dir) {
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

bool signInOnActivation = true;

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

} // namespace

TMainForm::TMainForm(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), programDir_(WithSeparator(programDir)), help_(w_, programDir_) {
    cycle_ = std::make_unique<RunCycle>(
        RunCycle::Context{w_, menu_, looks_, help_, programDir_, [this] { return CurrentUser; }});
    preview_ = std::make_unique<StartButtonPreview>(*cycle_);
    ladder_ = std::make_unique<LadderFlow>(LadderFlow::Context{
        this, *cycle_, w_, menu_, looks_, programDir_, CurrentUser, UprLevel, UprSubLevel});
    cycle_->SetLadderHooks(ladder_.get());
    series_ = std::make_unique<SeriesFlow>(
        SeriesFlow::Context{this, *cycle_, w_, programDir_, [this] { return CurrentUser; },
                            [this] { return settingsFile_.get(); }});
    cycle_->SetSeriesHooks(series_.get());
    history_ = std::make_unique<HistoryRecorder>(programDir_, [this] { return CurrentUser; });
    FormCreate();
    // After the cycle's own stages: the history, then the analysis.
    FinishedRuns& finished = cycle_->Finished();
    finished.Subscribe(FinishedRuns::Stage::Keeping,
                       [this](const RunResult& run) { history_->Record(run, run.kind); });
    finished.Subscribe(FinishedRuns::Stage::Keeping, [this](const RunResult& run) {
        analysis_->SetLastRun(ToHistoryRun(run, run.user, run.kind));
    });
    ConnectPractice(finished);
    answerKeys_ =
        std::make_unique<AnswerKeys>(this, [this](int key) { return cycle_->KeyPressed(key); });
}

void TMainForm::ConnectPractice(FinishedRuns& finished) {
    // Told before the series or the ladder goes on, so that their notices wait for the end
    // of the series or the ladder's verdict.
    finished.Subscribe(FinishedRuns::Stage::Window, [this](const RunResult& run) {
        practice_->RunEnded(run.kind, run.completed);
    });
    // Its summary counts the runs the history holds, by their ids.
    history_->OnRecorded = [this](const HistoryRun& run) { practice_->RunStored(run); };
    series_->OnSeriesOver = [this] { practice_->SeriesOver(); };
    ladder_->OnStepJudged = [this] { practice_->StepJudged(); };
}

bool TMainForm::RunUnderWay() const {
    return cycle_->LadderActive() || cycle_->SeriesExercise() != 0 ||
           cycle_->ActivePage().RunPhase != ControlPage::Idle;
}

TMainForm::~TMainForm() {
    // The controls outlive this part of the window: nothing of theirs may call back into it.
    answerKeys_.reset();
    cycle_->TimerOff();
    cycle_->SetLadderHooks(nullptr);
    cycle_->SetSeriesHooks(nullptr);
    w_.ControlNB->disconnect(this);
    w_.TabSwitchCB->disconnect(this);
    w_.LessonChB->disconnect(this);
    cycle_->RecordPanel = nullptr;
    w_.OxelP->OnPress = nullptr;
    w_.OxelP->OnMouseUp = nullptr;
    w_.OxelP->OnMouseMove = nullptr;
    QFile::remove(programDir_ + QStringLiteral("tmp"));
}

void TMainForm::FormCreate() {
    // Hint timing comes with the application's style; set before the controls are made, so
    // that none of them has to be polished again.
    HintStyle::Install();
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(Glyphs::ProgramIcon());
    w_ = MainWidgets::Build(this, cycle_->Exercises());
    menu_ = MainMenu::Build(this);
    recordPanel_ =
        std::make_unique<RecordPanel>(w_.RecordP, [this] { return w_.LessonChB->isChecked(); });
    cycle_->RecordPanel = [this](const RunCycle::ShownRecords& shown) {
        recordPanel_->ShowTable(shown.rows);
    };
    const QList<QAction*> fileItems = menu_.FileN->actions();
    auto* bar = static_cast<QHBoxLayout*>(w_.BaseButtonP->layout());
    analysis_ = std::make_unique<AnalysisLauncher>(AnalysisLauncher::Context{
        this, menu_.FileN, fileItems.value(fileItems.indexOf(menu_.StatsN) + 1), bar,
        bar->indexOf(w_.LessonSB) + 1, w_.RecordP, [this] { return RunUnderWay(); },
        [this] { return CurrentUser; }});
    const QList<QAction*> optionItems = menu_.OptionN->actions();
    practice_ = std::make_unique<PracticeWatch>(PracticeWatch::Context{
        this, menu_.FileN, fileItems.value(fileItems.indexOf(menu_.StatsN) + 1), menu_.OptionN,
        optionItems.value(optionItems.indexOf(menu_.GipnoN) + 1), w_.RecordP, programDir_,
        [this] { return RunUnderWay(); }, [this] { return CurrentUser; }});
    ConnectEvents();

    // The settings come first: they name the language whose files are checked.
    SetLanguage(2);
    try {
        settingsFile_ = std::make_unique<TDataFile>(programDir_ + QStringLiteral("oxel.ini"));
    } catch (const OxelError& e) {
        // A settings file that can be neither opened nor made (a folder in its place) is
        // told, and the program runs on the defaults without keeping its settings.
        ShowError(e.text());
    }
    if (settingsFile_) {
        try {
            SetLanguage(Settings::ReadLanguage(*settingsFile_));
        } catch (const OxelError&) {
            // A damaged store is reported once, when the settings are read below.
        }
    }
    CheckDataFiles();
    QFile::remove(programDir_ + QStringLiteral("tmp"));
    ProgramRandom().Seed(static_cast<quint32>(ProgramClock().NowMs()));
    ReadSettings();

    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xF0));
    QToolTip::setPalette(tips);

    if (!looks_.RightCP)
        CPLeftNClick();
    ApplyGeometry(looks_.FullScreen);
    PlayWave(QStringLiteral("BUT_CLICK"), SoundBackground);
    LoadAllHelpTexts();
    LoadGipnoText();
    cycle_->SetLadderActive(false);
    ladder_->UPRClear();
}

void TMainForm::ShowFileError(const QString& text) {
    ShowError(text);
    terminateRequested_ = true;
}

void TMainForm::CheckDataFiles() {
    try {
        const QStringList missing = RecordTables(programDir_).CheckDataFiles(Language());
        if (!missing.isEmpty())
            ShowFileError(T(Tx::FilesMissing));
    } catch (const OxelError& e) {
        ShowFileError(e.text());
    }
}

void TMainForm::ReadSettings() {
    if (settingsFile_) {
        try {
            looks_.Load(*settingsFile_);
        } catch (const OxelError& e) {
            ShowError(e.text());
        }
    }
    menu_.LightClickN->setChecked(looks_.LightClick);
    w_.OxelP->SetLightClick(looks_.LightClick);
}

void TMainForm::LoadAllHelpTexts() {
    for (int position = 0; position < ExerciseCount; ++position)
        help_.LoadDocument(ExerciseAtListPosition(position).index);
}

void TMainForm::LoadGipnoText() {
    try {
        const Dictionaries::GipnoText texts = Dictionaries(programDir_).LoadGipnoText();
        cycle_->SetGipnoText(texts.headings);
        cycle_->SetNumberList(texts.numbers);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
}

void TMainForm::SettingsNClick() {
    TSettingForm::Execute({looks_, settingsFile_.get(), w_.ControlNB->currentIndex(),
                           cycle_->ExerciseAt(ActiveExercise()), *w_.OxelP},
                          this);
}

void TMainForm::NumbersNetNClick() {
    // The number hints use the saved words at once.
    if (const std::optional<QStringList> saved =
            TNumForm::Execute(programDir_, EditorMode::Numbers, this))
        cycle_->SetNumberList(*saved);
}

void TMainForm::GipnoNClick() {
    TNumForm::Execute(programDir_, EditorMode::Headings, this);
    LoadGipnoText();
}

void TMainForm::ConnectEvents() {
    cycle_->Connect();
    for (ControlPage& page : w_.pages) {
        page.StartSB->installEventFilter(preview_.get());
        connect(page.HelpSB, &QToolButton::clicked, this, &TMainForm::ShulteHelpSBClick);
    }
    connect(w_.TabSwitchCB, &QComboBox::currentIndexChanged, this, &TMainForm::TabSwitchCBChange);
    connect(w_.TabSwitchCB, &QComboBox::activated, this, &TMainForm::TabSwitchCBCloseUp);
    connect(w_.ControlNB, &QStackedWidget::currentChanged, this, &TMainForm::ControlNBPageChanged);
    connect(w_.LessonChB, &QCheckBox::toggled, this, &TMainForm::LessonChBClick);
    connect(w_.LessonSB, &QToolButton::clicked, this, &TMainForm::LessonSBClick);

    connect(menu_.UserN, &QAction::triggered, this, &TMainForm::UserNClick);
    connect(menu_.N1, &QAction::triggered, this, &TMainForm::N1Click);
    connect(menu_.StatsN, &QAction::triggered, this, &TMainForm::StatsNClick);
    connect(menu_.MinimizeN, &QAction::triggered, this, &QWidget::showMinimized);
    connect(menu_.ExitN, &QAction::triggered, this, &QWidget::close);
    connect(menu_.SettingsN, &QAction::triggered, this, &TMainForm::SettingsNClick);
    connect(menu_.NumbersNetN, &QAction::triggered, this, &TMainForm::NumbersNetNClick);
    connect(menu_.GipnoN, &QAction::triggered, this, &TMainForm::GipnoNClick);
    connect(menu_.LightClickN, &QAction::triggered, this, &TMainForm::LightClickNClick);
    connect(menu_.CPRightN, &QAction::triggered, this, &TMainForm::CPRightNClick);
    connect(menu_.CPLeftN, &QAction::triggered, this, &TMainForm::CPLeftNClick);
    connect(menu_.FullScreenN, &QAction::triggered, this, &TMainForm::FullScreenNClick);
    connect(menu_.RussianN, &QAction::triggered, this, [this] { LanguageNClick(2); });
    connect(menu_.EnglishN, &QAction::triggered, this, [this] { LanguageNClick(1); });
    connect(menu_.ContentN, &QAction::triggered, this, &TMainForm::ContentNClick);
    connect(menu_.NewN, &QAction::triggered, this, &TMainForm::NewNClick);
    connect(menu_.AboutN, &QAction::triggered, this, &TMainForm::AboutNClick);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    // A platform without a window manager, or one that keeps new windows from taking the
    // focus, never activates the window; the sign-in must come first all the same.
    if (!activatedOnce_)
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
}

void TMainForm::FormShow() {
    w_.HelpP->hide();
    // The help glyphs follow the panel, also when full screen hid it with the window.
    help_.ClearHelp();
    for (int page = ExerciseCount - 1; page >= 0; --page)
        w_.ControlNB->setCurrentIndex(page);
    SetGlyphs();
    recordPanel_->PaintRecTable();
    cycle_->LoadRecord();
    if (!localizedOnce_) {
        Localization(this, w_, menu_, cycle_->Exercises(), CurrentUser);
        analysis_->Localize();
        localizedOnce_ = true;
        shownLanguage_ = Language();
    }
    // After the localization, whose caption names nobody before the first sign-in.
    setWindowTitle(WindowCaption(LastUser()));
}

QString TMainForm::LastUser() const {
    if (settingsFile_) {
        try {
            // The stored "no name" is the Russian text; it is shown in the language in use.
            const QString name = Settings::ReadLastUser(*settingsFile_);
            return name == T(Tx::NoName, 2) ? T(Tx::NoName) : name;
        } catch (const OxelError&) {
            // A damaged store was reported at start-up; the caption shows no name.
        }
    }
    return T(Tx::NoName);
}

void TMainForm::SetGlyphs() {
    for (ControlPage& page : w_.pages) {
        const bool idle = page.RunPhase == ControlPage::Idle;
        page.StartSB->setIcon(Glyphs::Icon(idle ? Glyphs::Start : Glyphs::Stop));
        page.HelpSB->setIcon(Glyphs::Icon(Glyphs::Help));
        page.SwitchSB->setIcon(Glyphs::Icon(Glyphs::ModeSwitch));
        cycle_->ExerciseAt(page.info->index).SetGlyphs(&Glyphs::Icon);
    }
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TMainForm::LanguageNClick(int language) {
    // Refused while a run, a series or a ladder lesson is under way, as the sign-in is.
    if (!RunUnderWay() && language != Language()) {
        SetLanguage(language);
        WriteOption([language](TDataFile& file) { Settings::WriteLanguage(file, language); });
        QGuiApplication::setApplicationDisplayName(ApplicationTitle(language));
        WidgetPickers::InstallToolkitTexts();
        // At once and in every window; the toolkit's own notice of its changed translation
        // arrives later and finds the texts already in the language.
        QEvent change(QEvent::LanguageChange);
        for (QWidget* window : QApplication::topLevelWidgets())
            QCoreApplication::sendEvent(window, &change);
    }
    (Language() == 1 ? menu_.EnglishN : menu_.RussianN)->setChecked(true);
}

void TMainForm::Retranslate() {
    if (!localizedOnce_ || shownLanguage_ == Language())
        return;
    shownLanguage_ = Language();
    const int position = w_.TabSwitchCB->currentIndex();
    Localization(this, w_, menu_, cycle_->Exercises(), CurrentUser);
    analysis_->Localize();
    {
        const QSignalBlocker quiet(w_.TabSwitchCB);
        w_.TabSwitchCB->setCurrentIndex(position);
    }
    setWindowTitle(WindowCaption(CurrentUser.isEmpty() ? LastUser() : CurrentUser));
    if (!CurrentUser.isEmpty())
        menu_.LevelNameN->setTitle(SignedInUser{CurrentUser, UprLevel, UprSubLevel}.LevelCaption());
    LoadGipnoText();
    if (help_.Visible())
        help_.LoadDocument(ActiveExercise());
    recordPanel_->PaintRecTable();
    cycle_->LoadRecord();
}

void TMainForm::SetSignInOnActivation(bool on) {
    signInOnActivation = on;
}

void TMainForm::FormActivate() {
    // A start-up that asked the program to end signs nobody in.
    if (activatedOnce_ || terminateRequested_)
        return;
    activatedOnce_ = true;
    if (signInOnActivation)
        UserNClick();
}

void TMainForm::UserNClick() {
    // A run or a lesson of the ladder belongs to the user who started it: its result and
    // the lesson's progress must not be written for someone who signs in meanwhile. The
    // ladder and a series stay active in the pause between two of their runs.
    if (RunUnderWay())
        return;
    const std::optional<SignedInUser> user =
        TWelcomeForm::Execute(programDir_, settingsFile_.get(), this);
    if (!user) {
        // Quit in the sign-in window ends the program.
        close();
        QCoreApplication::quit();
        return;
    }
    CurrentUser = user->name;
    UprLevel = user->level;
    UprSubLevel = user->subLevel;
    setWindowTitle(WindowCaption(CurrentUser));
    menu_.LevelNameN->setTitle(user->LevelCaption());
    menu_.LevelNameN->menuAction()->setVisible(true);
    analysis_->Refresh();
    practice_->SignedIn();
}

void TMainForm::N1Click() {
    ladder_->N1Click();
}

void TMainForm::TabSwitchCBChange(int position) {
    if (position < 0)
        return;
    const int index = ExerciseIndexOfTitle(w_.TabSwitchCB->itemText(position));
    if (index < 0)
        return;
    cycle_->SetActiveExercise(index);
    help_.SetExercise(index);
    if (help_.Visible())
        help_.LoadDocument(index);
    cycle_->LoadRecord();
    w_.ControlNB->setCurrentIndex(position);
}

void TMainForm::LessonChBClick() {
    const bool series = w_.LessonChB->isChecked();
    recordPanel_->PaintParent();
    w_.SetExerciseListColor(series ? RecordPanel::SeriesColor : RecordPanel::NormalColor);
    cycle_->LoadRecord();
    w_.ToolsP->setFocus();
}

void TMainForm::TabSwitchCBCloseUp() {
    w_.ToolsP->setFocus();
}

void TMainForm::ControlNBPageChanged() {
    cycle_->ClearTimer();
}

void TMainForm::ContentNClick() {
    HelpViewer::ShowContext(programDir_, 1);
}

void TMainForm::NewNClick() {
    HelpViewer::ShowDocument(programDir_, HelpViewer::WhatsNewName(Language()));
}

void TMainForm::AboutNClick() {
    TAboutForm::Execute(this, programDir_);
}

bool TMainForm::FullScreen() const {
    return looks_.FullScreen;
}

void TMainForm::ApplyGeometry(bool fullScreen) {
    const WindowGeometry g = WindowGeometry::ForScreen(ScreenSize(), fullScreen);
    menu_.FullScreenN->setChecked(g.fullScreenChecked);
    // A fixed single border with the system menu and a minimise box, or no border at all.
    setWindowFlags(g.frameless ? Qt::Window | Qt::FramelessWindowHint
                               : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowCloseButtonHint);
    setFixedSize(g.rect.size());
    setGeometry(g.rect);
}

void TMainForm::FullScreenNClick() {
    ClearHelp();
    SaveActivePage();
    hide();
    const bool entering = !looks_.FullScreen;
    looks_.FullScreen = entering;
    ApplyGeometry(entering);
    show();
    const bool checked = menu_.FullScreenN->isChecked();
    WriteOption([&](TDataFile& file) { looks_.WriteFullScreen(file, checked); });
    ReturnActivePage();
}

void TMainForm::WriteOption(const std::function<void(TDataFile&)>& write) {
    if (!settingsFile_)
        return;
    try {
        write(*settingsFile_);
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
}

void TMainForm::SaveActivePage() {
    savedPage_ = w_.TabSwitchCB->currentIndex();
}

void TMainForm::ReturnActivePage() {
    w_.ControlNB->setCurrentIndex(savedPage_);
    const QSignalBlocker quiet(w_.TabSwitchCB);
    w_.TabSwitchCB->setCurrentIndex(savedPage_);
}

void TMainForm::CPRightNClick() {
    menu_.CPRightN->setChecked(true);
    w_.SetControlPanelSide(true);
    WriteOption([this](TDataFile& file) { looks_.WriteRightCP(file, true); });
}

void TMainForm::CPLeftNClick() {
    menu_.CPLeftN->setChecked(true);
    w_.SetControlPanelSide(false);
    WriteOption([this](TDataFile& file) { looks_.WriteRightCP(file, false); });
}

void TMainForm::LightClickNClick() {
    const bool on = menu_.LightClickN->isChecked();
    w_.OxelP->SetLightClick(on);
    WriteOption([&](TDataFile& file) { looks_.WriteLightClick(file, on); });
}
