#pragma once

#include <QString>

// The interface-text table: every text the windows show, as pairs of an English and a
// Russian element. The element shown is chosen by the language byte (1 English, 2 Russian).
enum class Tx {
    // main window and run cycle
    Series, Start, Stop, Check, Help, Restart, TakePoints, Mode,
    ModeLetters, ModeDigits, ModeField, ModeRow, ModeCircle, ModeJoker,
    Information, Clicker, Stage, Delay, Life, Reaction, AvgReaction,
    ProductName, SingleRuns, SeriesRuns, Launching, PenaltyHint, TakePointsHint,
    // menus
    MenuFile, MenuUser, MenuStats, MenuMinimize, MenuExit, MenuOptions, MenuSettings,
    MenuNumbersNet, MenuGipno, MenuLightClick, MenuControlPanel, MenuRight, MenuLeft,
    MenuFullScreen, MenuHelp, MenuContents, MenuNew, MenuAbout, MenuLadder,
    // exercise titles, in list order
    TitleShulte, TitleRBShulte, TitleTargets, TitleDwords, TitleMnemo, TitleNumbers,
    TitleMath, TitleProbe,
    // messages of the main window
    FilesMissing, ClockSetBack, NoName, AlreadyRunning, RunInterrupted,
    WordListTooShort, NoCodePage,
    // help window
    HelpCaption, HelpBack, HelpForward, HelpContents, HelpFileMissing,
    // memorising exercises
    WordsFound,
    // targets
    TargetsWord, OneHit, BeginGame, RunOut, HitWord, MissWord, NoPressWord,
    LivesHint, CountsHint, AvgReactionHint, LastReactionHint, ClickerIdleHint, ClickerBeginHint,
    ClickerAnswerHint, ClickerJokerHint, BoardBeginHint,
    // best-results table
    BestResults, NumberSign, NameHead, ResultHead, DateHead,
    // sign-in
    NewUser, DeleteUser, NoUserChosen, WrongPassword, UserExists, BadUserName,
    UserFileDeleted, ConfirmDeleteUser, EnterName, EnterPassword, ChooseUser, PasswordLabel,
    QuitProgram, Yes, No, Ok, NewButton, DeleteButton, LevelWord, BadPassword,
    RepeatPassword, PasswordsDiffer, ConfirmButton,
    // series countdown
    Of, Cancel,
    // training ladder
    Ladder, LadderExercise, LadderProgress, LessonCurrent, LessonLocked, LessonPassed,
    LadderStepAnnounce, LadderStepWord, LadderFailed, LadderPassed, LessonNoSteps,
    LessonBadExercise, LessonBadMode,
    // statistics window
    ProgressChart, Beginning, Average, AverageValue, TotalTime, TotalPoints, Close,
    HelpButton, StatsFileDamaged, RecentSeries,
    // settings window and number editor
    Font, BgColour, GridColour, PointColour, RestoreDefaults, TargetColours,
    Font1ColourFixed, Apply, HintsOn, HintsOff, JordanoOn, JordanoOff, FontColourLabel,
    ColourDialog, FontFaceNotStorable, LineNotStorable,
    ColourCustom, ColourBlack, ColourMaroon, ColourGreen, ColourOlive, ColourNavy, ColourPurple,
    ColourTeal, ColourGray, ColourSilver, ColourRed, ColourLime, ColourYellow, ColourBlue,
    ColourFuchsia, ColourAqua, ColourWhite, ColourMoneyGreen, ColourSkyBlue, ColourCream,
    ColourMedGray, ColourBlindPreset,
    // about box and splash
    AboutCaption, VersionLine, Copyright,
    // errors of the file layer
    InvalidFileFormat, CannotOpenFile, CannotCreateFile, CannotWriteFile, DataNameTooLong,
    DataNameNotStorable,
    // conversion errors of result texts
    NotAFloat, NotAnInteger,
    // ladder file: name and description of a lesson that has none
    LessonMissingText,
    // data folder and command line
    DataMoved, DataMovedUnreadable, DataFolderLine, DataDirNotCreated, DataDirNotWritable, DataMoveFailed,
    CmdDescription, CmdHelpOption, CmdVersionOption, CmdDirOption, CmdDirValue, CmdUnexpected,
    CmdExportOption, CmdExportValue,
    // history of every run and the export of a user's data
    HistoryKeptAside, HistoryUnavailable, HistoryNewerReadOnly, HistoryNotWritten,
    HistoryCheckFailed, UserNotDeleted,
    ExportStatsDamaged, ExportNoDataFolder, ExportNoFolder,
    // the statistics window's export
    ExportButton, ExportCaption, ExportWritten,
    // interface language in the options menu
    MenuLanguage, LanguageRussian, LanguageEnglish,
    // built-in headings of the exercises, shown during a run until the heading list is read
    HeadingVisualField, HeadingSwitching, HeadingImagery, HeadingReaction, HeadingCounting,
    HeadingAttention,
    // analysis of one run and the every-run progress
    AnalysisMenu, AnalysisButton, AnalysisCaption, AnalysisRunLine, AnalysisNothing,
    NumberTimesTitle, NumberTimesText, AxisNumberOrder, AxisOrder, AxisSeconds, SetTime,
    SetSlowest, BoardTimesTitle, BoardTimesText, StageReactionTitle, StageReactionText,
    AxisStage, AxisReactionMs, SetMean, SetSpread, StageMissesTitle, StageMissesText,
    AxisMisses, SetMisses, RegionTitle, RegionText, AxisRegion, AxisPresses, SetMissed,
    SetWrong, RegionTop, RegionMiddle, RegionBottom, RegionLeft, RegionCentre, RegionRight,
    RegionBoardTitle, RegionBoardText, ItemTimesTitle, ItemTimesText, SumTimesTitle,
    SumTimesText, MemoriseLead, AxisWrongPresses, EveryRunView, SeriesView, EveryRunTitle,
    EveryRunText, EveryRunEmpty, EveryRunNoneInPeriod, AxisDate, AxisResultSeconds,
    AxisResultPoints, SetRuns, SetMovingAverage, Period30, Period90, PeriodAll,
    // the statistics window of a user without series; %1 is the series box's caption
    NoSeriesYet,
    // daily practice: the progress window, the daily goal and the notices after a run
    MenuProgress, MenuDailyGoal, ProgressCaption, ProgressToday, ProgressTodayOfGoal,
    ProgressNoGoal, StreakCurrent, StreakLongest, StreakSpan, CalendarTitle, CalendarEarlier,
    CalendarLater, CalendarSpan, CalendarLess, CalendarMore, MonthNames, WeekdayNames, DayTip,
    MinutesShort, DayForms, RunForms, WeekTitle, WeekExercise, WeekRunsNow, WeekBestNow,
    WeekMedianNow, WeekRunsBefore, WeekBestBefore, WeekMedianBefore, WeekChange, WeekEmpty,
    BestsTitle, BestsEmpty, GoalCaption, GoalPrompt, GoalNotMinutes, GoalReached, NewBest,
    // the dual n-back: title, heading, modes, the next n, the answers' hint, the cell colour
    // and the charts of its analysis
    TitleNBack, HeadingWorkingMemory, ModeBack1, ModeBack2, ModeBack3, ModeBack4, ModeBack5,
    NBackNext, NBackKeysHint, CellColour, NBackPlace, NBackLetter, NBackTallyTitle,
    NBackTallyText, AxisNBackKind, AxisAnswers, SetHits, SetNBackMisses, SetFalseAlarms,
    NBackHitTimesTitle, NBackHitTimesText, AxisTrial,
    Count_
};

// The version text shown beside the product name; not a language pair.
inline constexpr const char* VersionText = "(v1.8)";

// The interface language byte: 1 English, 2 Russian.
int Language();
void SetLanguage(int language);

// The text of the pair for the current language.
QString T(Tx id);
// The text of the pair for the given language.
QString T(Tx id, int language);

// The application's name in the titles of its windows and message boxes: "<Oxelium>" in the
// Russian interface, as it has always been, and the plain product name in the English one.
QString ApplicationTitle(int language);
