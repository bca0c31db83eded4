#include "Texts.h"

#include <array>

namespace {

struct Pair {
    Tx id;
    const char* en;
    const char* ru;
};

// Fixed texts repeat the Russian text in the English element.
#define FIXED(id, text) {Tx::id, text, text}

constexpr Pair table[] = {
    {Tx::Series, "", "серии"},
    {Tx::Start, "", "Старт"},
    {Tx::Stop, "", "Стоп"},
    {Tx::Check, "", "Проверка"},
    {Tx::Help, "", "Помощь"},
    {Tx::Restart, "", "Рестарт"},
    {Tx::TakePoints, "", "забрать очки"},
    {Tx::Mode, "", "Режим"},
    {Tx::ModeLetters, "", "[буквы]"},
    {Tx::ModeDigits, "", "[цифры]"},
    {Tx::ModeField, "", "[поле]"},
    {Tx::ModeRow, "", "[ряд]"},
    {Tx::ModeCircle, "", "[круг]"},
    {Tx::ModeJoker, "", "[джокер]"},
    {Tx::Information, "", "информация"},
    {Tx::Clicker, "", "кликер"},
    {Tx::Stage, "", "этап"},
    {Tx::Delay, "", "задержка"},
    {Tx::Life, "", "жизнь"},
    {Tx::Reaction, "", "реакция"},
    {Tx::AvgReaction, "", "ср. реакция"},
    {Tx::ProductName, "Oxelium", "Oxelium"},
    FIXED(SingleRuns, "Одиночные"),
    FIXED(SeriesRuns, "Серии"),
    {Tx::Launching, "", "запуск..."},

    {Tx::MenuFile, "", "&Файл"},
    {Tx::MenuUser, "", "Пользователь"},
    {Tx::MenuStats, "", "Статистика серий"},
    {Tx::MenuMinimize, "", "Свернуть"},
    {Tx::MenuExit, "", "Выход"},
    {Tx::MenuOptions, "", "&Опции"},
    {Tx::MenuSettings, "", "Разные настройки..."},
    {Tx::MenuNumbersNet, "", "Числовая сетка"},
    {Tx::MenuGipno, "", "Заголовки-внушения"},
    {Tx::MenuLightClick, "", "Подсветка нажатий"},
    FIXED(MenuControlPanel, "Контрольная панель"),
    FIXED(MenuRight, "Справа"),
    FIXED(MenuLeft, "Слева"),
    {Tx::MenuFullScreen, "", "Полный Экран"},
    {Tx::MenuHelp, "", "&Справка"},
    {Tx::MenuContents, "", "Содержание"},
    {Tx::MenuNew, "", "Что нового"},
    {Tx::MenuAbout, "", "О программе..."},
    FIXED(MenuLadder, "Ступени развития"),

    {Tx::TitleShulte, "", "Шульте"},
    {Tx::TitleRBShulte, "", "Шульте к/ч"},
    {Tx::TitleTargets, "", "Мишени"},
    {Tx::TitleDwords, "", "Пары слов"},
    {Tx::TitleMnemo, "", "Мнемоника слов"},
    {Tx::TitleNumbers, "", "Мнемоника чисел"},
    {Tx::TitleMath, "", "Считалка"},
    {Tx::TitleProbe, "", "Корректурка"},

    {Tx::FilesMissing, "", "Не найдены файлы! Переустановите программу."},
    {Tx::ClockSetBack, "", "Изменено системное время!!! Чит?"},
    {Tx::NoName, "", "без имени"},
    FIXED(AlreadyRunning, "Oxelium уже запущенО!"),
    FIXED(RunInterrupted, "УПРАЖНЕНИЕ ПРЕРВАНО"),
    FIXED(WordListTooShort,
          "Список слов %1 слишком короткий (строк в нём: %2), а для этого режима нужно "
          "не меньше %3."),
    {Tx::NoCodePage, "",
     "В системе нет кодовой страницы Windows-1251: Oxelium не сможет читать и записывать свои "
     "файлы."},

    {Tx::HelpCaption, "Oxelium Help", "Справка Oxelium"},
    {Tx::HelpBack, "Back", "Назад"},
    {Tx::HelpForward, "Forward", "Вперёд"},
    {Tx::HelpContents, "Contents", "Содержание"},
    {Tx::HelpFileMissing, "Help file not found:\n%1", "Не найден файл справки:\n%1"},

    // memorising exercises
    {Tx::WordsFound, "", "найдено слов - "},

    {Tx::TargetsWord, "", "мишеней"},
    {Tx::OneHit, "", "1 попадание"},
    {Tx::BeginGame, "", "начать"},
    {Tx::RunOut, " :(", "закончились :("},
    {Tx::HitWord, "", "ПОПАДАНИЕ"},
    {Tx::MissWord, "", "ОШИБКА"},
    {Tx::NoPressWord, "", "НЕНАЖАТИЕ"},
    {Tx::LivesHint, "", "количество жизней"},
    {Tx::CountsHint, "", "кол-во мишеней / попадания / ошибки"},
    {Tx::AvgReactionHint, "", "средняя реакция"},
    {Tx::LastReactionHint, "", "реакция на последней сбитой мишени"},

    {Tx::BestResults, "", "ЛУЧШИЕ РЕЗУЛЬТАТЫ"},
    {Tx::NumberSign, "", "№"},
    {Tx::NameHead, "", "Имя"},
    {Tx::ResultHead, "", "Результат"},
    {Tx::DateHead, "", "Дата"},

    {Tx::NewUser, "", "Новый пользователь"},
    {Tx::DeleteUser, "", "Удалить пользователя"},
    {Tx::NoUserChosen, "", "Пользователь не выбран!"},
    {Tx::WrongPassword, "", "Неверный пароль!"},
    {Tx::UserExists, "", "Такой пользователь уже есть!"},
    {Tx::BadUserName, "", "Недопустимые символы в имени. Пользователь не создан."},
    {Tx::UserFileDeleted, "", "Файл пользователя удалён."},
    {Tx::ConfirmDeleteUser, "", "Вы уверены что хотите удалить пользователя"},
    {Tx::EnterName, "", "Введите имя:"},
    {Tx::EnterPassword, "", "Введите пароль:"},
    {Tx::ChooseUser, "", "Выбор пользователя:"},
    {Tx::PasswordLabel, "", "Пароль"},
    {Tx::QuitProgram, "", "Выход из программы"},
    {Tx::Yes, "", "Да"},
    {Tx::No, "", "Нет"},
    FIXED(Ok, "OK"),
    {Tx::NewButton, "", "Новый"},
    {Tx::DeleteButton, "", "Удалить"},
    FIXED(LevelWord, " - ступень "),
    {Tx::BadPassword, "",
     "Недопустимые символы в пароле (допустимы русские и английские буквы, цифры и знаки). "
     "Пользователь не создан."},
    {Tx::RepeatPassword, "Enter the password again:", "Повторите пароль:"},
    {Tx::PasswordsDiffer, "The passwords do not match. Please enter them again.",
     "Пароли не совпадают. Введите пароль ещё раз."},

    {Tx::Of, "", "из"},
    {Tx::Cancel, "", "Отмена"},

    FIXED(Ladder, "Ступени развития"),
    FIXED(LadderExercise, "Упражнение"),
    FIXED(LadderProgress, "Прогресс"),
    FIXED(LessonCurrent, "текущее"),
    FIXED(LessonLocked, "недоступно"),
    FIXED(LessonPassed, "пройдено"),
    FIXED(LadderStepAnnounce, "УПРАЖНЕНИЕ "),
    FIXED(LadderStepWord, " / этап "),
    FIXED(LadderFailed, "УПРАЖНЕНИЕ НЕВЫПОЛНЕНО, ПОПЫТАЕМСЯ ЕЩЁ РАЗ?"),
    FIXED(LadderPassed, "УПРАЖНЕНИЕ ПРОЙДЕНО"),
    FIXED(LessonNoSteps, "Начать нельзя: в lessons.ini у упражнения нет этапов."),
    FIXED(LessonBadExercise, "Начать нельзя: у этапа %1 в lessons.ini нет такого упражнения."),
    FIXED(LessonBadMode, "Начать нельзя: у этапа %1 в lessons.ini нет такого режима."),

    {Tx::ProgressChart, "", "график прогресса"},
    {Tx::Beginning, "", "начало"},
    {Tx::Average, "", "среднее"},
    {Tx::AverageValue, "", "Среднее значение"},
    {Tx::TotalTime, "", "Общее время"},
    {Tx::TotalPoints, "", "Всего очков"},
    {Tx::Close, "", "Закрыть"},
    {Tx::HelpButton, "", "Справка"},
    {Tx::StatsFileDamaged, "The statistics file is damaged; not every series could be read:\n%1",
     "Файл статистики повреждён, прочитаны не все серии:\n%1"},

    {Tx::Font, "", "Шрифт"},
    {Tx::BgColour, "", "Цвет фона"},
    {Tx::GridColour, "", "Цвет сетки"},
    {Tx::PointColour, "", "Цвет точки"},
    {Tx::RestoreDefaults, "", "восстановить значения"},
    {Tx::TargetColours, "", "Цвета мишеней"},
    {Tx::Font1ColourFixed, "", "внимание, цвет шрифта 1 не меняется"},
    FIXED(Apply, "Применить"),
    {Tx::HintsOn, "", "стандарт (вкл)"},
    {Tx::HintsOff, "", "стандарт (выкл)"},
    {Tx::JordanoOn, "", "джордано (вкл)"},
    {Tx::JordanoOff, "", "джордано (выкл)"},
    {Tx::FontColourLabel, "Colour:", "Цвет:"},
    {Tx::ColourDialog, "Colour", "Цвет"},
    {Tx::FontFaceNotStorable,
     "The font \"%1\" cannot be kept: its name holds characters outside Windows-1251.",
     "Шрифт «%1» нельзя сохранить: в его имени есть знаки вне кодировки Windows-1251."},
    {Tx::LineNotStorable,
     "Line %1 holds characters that cannot be saved in Windows-1251: \"%2\". Nothing was saved.",
     "В строке %1 есть знаки, которые нельзя сохранить в кодировке Windows-1251: «%2». "
     "Ничего не сохранено."},
    {Tx::ColourCustom, "Custom...", "Другой..."},
    {Tx::ColourBlack, "Black", "Чёрный"},
    {Tx::ColourMaroon, "Maroon", "Бордовый"},
    {Tx::ColourGreen, "Green", "Зелёный"},
    {Tx::ColourOlive, "Olive", "Оливковый"},
    {Tx::ColourNavy, "Navy", "Тёмно-синий"},
    {Tx::ColourPurple, "Purple", "Пурпурный"},
    {Tx::ColourTeal, "Teal", "Сине-зелёный"},
    {Tx::ColourGray, "Gray", "Серый"},
    {Tx::ColourSilver, "Silver", "Серебристый"},
    {Tx::ColourRed, "Red", "Красный"},
    {Tx::ColourLime, "Lime", "Лайм"},
    {Tx::ColourYellow, "Yellow", "Жёлтый"},
    {Tx::ColourBlue, "Blue", "Синий"},
    {Tx::ColourFuchsia, "Fuchsia", "Фуксия"},
    {Tx::ColourAqua, "Aqua", "Голубой"},
    {Tx::ColourWhite, "White", "Белый"},
    {Tx::ColourMoneyGreen, "Money Green", "Мятный"},
    {Tx::ColourSkyBlue, "Sky Blue", "Небесный"},
    {Tx::ColourCream, "Cream", "Кремовый"},
    {Tx::ColourMedGray, "Medium Gray", "Средне-серый"},

    {Tx::AboutCaption, "", "О программе..."},
    FIXED(VersionLine, "version 1.8"),
    FIXED(Copyright, "Тренажёр памяти и внимания"),

    FIXED(InvalidFileFormat, "Invalid file format."),
    FIXED(CannotOpenFile, "Cannot open file \"%1\". %2"),
    FIXED(CannotCreateFile, "Cannot create file \"%1\". %2"),
    FIXED(CannotWriteFile, "Cannot write file \"%1\". %2"),
    {Tx::DataNameTooLong, "The name \"%1\" is longer than 35 characters.",
     "Имя \"%1\" длиннее 35 знаков."},
    {Tx::DataNameNotStorable, "The name \"%1\" holds characters that cannot be stored.",
     "Имя \"%1\" содержит знаки, которые нельзя сохранить."},

    FIXED(NotAFloat, "'%1' is not a valid floating point value"),
    FIXED(NotAnInteger, "'%1' is not a valid integer value"),

    FIXED(LessonMissingText, "ошибка"),

    {Tx::DataMoved,
     "Oxelium now keeps its users, results and settings in the folder\n%1\n\n"
     "They were copied there from %2, where the earlier files were left as they were.",
     "Пользователи, результаты и настройки Oxelium теперь хранятся в папке\n%1\n\n"
     "Они скопированы туда из %2; прежние файлы остались на месте."},
    {Tx::DataFolderLine, "Data folder: %1", "Папка данных: %1"},
    {Tx::DataDirNotCreated, "The data folder \"%1\" cannot be created.",
     "Не удаётся создать папку данных \"%1\"."},
    {Tx::DataDirNotWritable, "No file can be written in the data folder \"%1\".",
     "В папку данных \"%1\" нельзя записать файл."},
    {Tx::DataMoveFailed,
     "The data of the earlier version in \"%1\" could not be copied into \"%2\": %3 "
     "Nothing was changed; the next start tries again.",
     "Данные прежней версии из \"%1\" не удалось скопировать в \"%2\": %3 "
     "Ничего не изменено; следующий запуск попробует снова."},
    {Tx::CmdDescription, "Oxelium, a trainer of memory and attention.",
     "Oxelium, тренажёр памяти и внимания."},
    {Tx::CmdHelpOption, "Shows this help and ends.", "Показывает эту справку и завершается."},
    {Tx::CmdVersionOption, "Shows the version and ends.", "Показывает номер версии и завершается."},
    {Tx::CmdDirOption,
     "Keeps users, results and settings in PATH instead of ~/.local/share/oxelium. "
     "A folder of an existing installation is used as it is.",
     "Хранит пользователей, результаты и настройки в PATH вместо ~/.local/share/oxelium. "
     "Папка существующей установки используется как есть."},
    {Tx::CmdDirValue, "PATH", "PATH"},
    {Tx::CmdUnexpected, "Unexpected argument '%1'.", "Лишний аргумент '%1'."},
    {Tx::CmdExportOption,
     "Writes series.csv, runs.csv and presses.csv of every user of the data folder into OUTDIR "
     "and ends, without a window.",
     "Записывает series.csv, runs.csv и presses.csv всех пользователей папки данных в OUTDIR "
     "и завершается, без окна."},
    {Tx::CmdExportValue, "OUTDIR", "OUTDIR"},
    {Tx::HistoryKeptAside,
     "The history file %1 could not be used (%2). It was kept as %3 and a new history started.",
     "Файл истории %1 нельзя было использовать (%2). Он сохранён как %3, начата новая история."},
    {Tx::HistoryUnavailable, "The history file %1 cannot be used: %2",
     "Файлом истории %1 нельзя пользоваться: %2"},
    {Tx::HistoryNewerVersion, "its version %1 is newer than this program knows",
     "его версия %1 новее, чем знает эта программа"},
    {Tx::HistoryCheckFailed, "its integrity check failed: %1",
     "проверка его целостности не пройдена: %1"},
    {Tx::ExportStatsDamaged, "The statistics file %1 is damaged: %2 of its records were not exported.",
     "Файл статистики %1 повреждён: не выгружено записей: %2."},
    {Tx::ExportNoDataFolder, "The data folder %1 does not exist.", "Папки данных %1 нет."},
    {Tx::ExportNoFolder, "Cannot create the folder %1.", "Не удаётся создать папку %1."},
    {Tx::AnalysisMenu, "Run analysis", "Анализ попытки"},
    {Tx::AnalysisButton, "Analysis", "Анализ"},
    {Tx::AnalysisCaption, "Analysis of the run: %1", "Анализ попытки: %1"},
    {Tx::AnalysisRunLine, "%1, %2, result %3", "%1, %2, результат %3"},
    {Tx::AnalysisNothing, "This run has no presses to analyse.",
     "В этой попытке нет нажатий для анализа."},
    {Tx::NumberTimesTitle, "Time per number", "Время на каждое число"},
    {Tx::NumberTimesText, "Each bar is the time from the previous correct press to this number; the five slowest are red: %1.",
     "Каждый столбик — время от предыдущего верного нажатия до этого числа; пять самых медленных красные: %1."},
    {Tx::AxisNumberOrder, "number, in the order found", "число, в порядке нахождения"},
    {Tx::AxisOrder, "place in the order of answers", "место в порядке ответов"},
    {Tx::AxisSeconds, "time, s", "время, с"},
    {Tx::SetTime, "time", "время"},
    {Tx::SetSlowest, "five slowest", "пять самых медленных"},
    {Tx::BoardTimesTitle, "Where the eye got lost", "Где терялся взгляд"},
    {Tx::BoardTimesText, "The board as it was; the darker a cell, the longer its number took.",
     "Поле, каким оно было; чем темнее клетка, тем дольше искали её число."},
    {Tx::StageReactionTitle, "Reaction per stage", "Реакция по этапам"},
    {Tx::StageReactionText, "The mean reaction time of the hits in each stage and its spread (standard deviation).",
     "Среднее время реакции на попадания в каждом этапе и его разброс (стандартное отклонение)."},
    {Tx::AxisStage, "stage", "этап"},
    {Tx::AxisReactionMs, "reaction, ms", "реакция, мс"},
    {Tx::SetMean, "mean", "среднее"},
    {Tx::SetSpread, "spread", "разброс"},
    {Tx::StageMissesTitle, "Misses per stage", "Промахи по этапам"},
    {Tx::StageMissesText, "Targets not clicked and clicks at the wrong moment in each stage.",
     "Ненажатые мишени и нажатия не вовремя в каждом этапе."},
    {Tx::AxisMisses, "misses, count", "промахи, шт."},
    {Tx::SetMisses, "misses", "промахи"},
    {Tx::RegionTitle, "Misses by region of the board", "Пропуски по частям поля"},
    {Tx::RegionText, "The board split into nine parts: the targets left behind and the presses on other symbols in each.",
     "Поле разбито на девять частей: пропущенные цели и нажатия на другие знаки в каждой."},
    {Tx::AxisRegion, "part of the board", "часть поля"},
    {Tx::AxisPresses, "presses, count", "нажатия, шт."},
    {Tx::SetMissed, "targets left behind", "пропущенные цели"},
    {Tx::SetWrong, "wrong presses", "ошибочные нажатия"},
    {Tx::RegionTop, "top", "верх"},
    {Tx::RegionMiddle, "middle", "середина"},
    {Tx::RegionBottom, "bottom", "низ"},
    {Tx::RegionLeft, "left", "слева"},
    {Tx::RegionCentre, "centre", "в центре"},
    {Tx::RegionRight, "right", "справа"},
    {Tx::RegionBoardTitle, "Misses on the board", "Пропуски на поле"},
    {Tx::RegionBoardText, "The same nine parts on the board; the darker a part, the more misses.",
     "Те же девять частей на поле; чем темнее часть, тем больше пропусков."},
    {Tx::ItemTimesTitle, "Time per item", "Время на каждый элемент"},
    {Tx::ItemTimesText, "Each bar is the time from the previous correct answer to this one; the points are the wrong presses made meanwhile.",
     "Каждый столбик — время от предыдущего верного ответа до этого; точки — ошибочные нажатия за это время."},
    {Tx::SumTimesTitle, "Time per sum", "Время на каждую сумму"},
    {Tx::SumTimesText, "Each bar is the time to find two numbers and their sum after the previous sum; the points are the wrong presses made meanwhile.",
     "Каждый столбик — время, за которое найдены два числа и их сумма после предыдущей суммы; точки — ошибочные нажатия за это время."},
    {Tx::MemoriseLead, "Memorising and the first answer took %1 s.",
     "Запоминание и первый ответ заняли %1 с."},
    {Tx::AxisWrongPresses, "wrong presses, count", "ошибки, шт."},
    {Tx::EveryRunView, "Every run", "Все попытки"},
    {Tx::SeriesView, "Series", "Серии"},
    {Tx::EveryRunTitle, "Every run: %1", "Все попытки: %1"},
    {Tx::EveryRunText, "Each point is one completed run; the line is the mean of the last ten runs.",
     "Каждая точка — одна завершённая попытка; линия — среднее за десять последних попыток."},
    {Tx::EveryRunEmpty, "The history holds no completed run of this exercise and mode yet.",
     "В истории ещё нет завершённых попыток этого упражнения в этом режиме."},
    {Tx::EveryRunNoneInPeriod, "No completed run in the chosen period.",
     "За выбранный срок завершённых попыток нет."},
    {Tx::AxisDate, "date", "дата"},
    {Tx::AxisResultSeconds, "result, s", "результат, с"},
    {Tx::AxisResultPoints, "score, points", "результат, очки"},
    {Tx::SetRuns, "runs", "попытки"},
    {Tx::SetMovingAverage, "mean of the last ten", "среднее за десять последних"},
    {Tx::Period30, "30 days", "30 дней"},
    {Tx::Period90, "90 days", "90 дней"},
    {Tx::PeriodAll, "all", "всё время"},
};

#undef FIXED

constexpr bool tableIsComplete() {
    if (std::size(table) != static_cast<std::size_t>(Tx::Count_))
        return false;
    for (std::size_t i = 0; i < std::size(table); ++i)
        if (static_cast<std::size_t>(table[i].id) != i)
            return false;
    return true;
}
static_assert(tableIsComplete(), "the text table must hold one pair per Tx, in enum order");

int language = 2;

} // namespace

int Language() { return language; }

void SetLanguage(int value) { language = value == 1 ? 1 : 2; }

QString T(Tx id, int lang) {
    const Pair& p = table[static_cast<int>(id)];
    return QString::fromUtf8(lang == 1 ? p.en : p.ru);
}

QString T(Tx id) { return T(id, language); }
