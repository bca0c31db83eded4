#include "Texts.h"

#include <array>

namespace {

struct Pair {
    Tx id;
    const char* en;
    const char* ru;
};

constexpr Pair table[] = {
    {Tx::Series, "series", "серии"},
    {Tx::Start, "Start", "Старт"},
    {Tx::Stop, "Stop", "Стоп"},
    {Tx::Check, "Check", "Проверка"},
    {Tx::Help, "Help", "Помощь"},
    {Tx::Restart, "Restart", "Рестарт"},
    {Tx::TakePoints, "take points", "забрать очки"},
    {Tx::Mode, "Mode", "Режим"},
    {Tx::ModeLetters, "[letters]", "[буквы]"},
    {Tx::ModeDigits, "[digits]", "[цифры]"},
    {Tx::ModeField, "[field]", "[поле]"},
    {Tx::ModeRow, "[row]", "[ряд]"},
    {Tx::ModeCircle, "[circle]", "[круг]"},
    {Tx::ModeJoker, "[joker]", "[джокер]"},
    {Tx::Information, "information", "информация"},
    {Tx::Clicker, "clicker", "кликер"},
    {Tx::Stage, "stage", "этап"},
    {Tx::Delay, "delay", "задержка"},
    {Tx::Life, "lives", "жизнь"},
    {Tx::Reaction, "reaction", "реакция"},
    {Tx::AvgReaction, "avg. reaction", "ср. реакция"},
    {Tx::ProductName, "Oxelium", "Oxelium"},
    {Tx::SingleRuns, "Single", "Одиночные"},
    {Tx::SeriesRuns, "Series", "Серии"},
    {Tx::Launching, "starting...", "запуск..."},

    {Tx::MenuFile, "&File", "&Файл"},
    {Tx::MenuUser, "User", "Пользователь"},
    {Tx::MenuStats, "Series statistics", "Статистика серий"},
    {Tx::MenuMinimize, "Minimize", "Свернуть"},
    {Tx::MenuExit, "Exit", "Выход"},
    {Tx::MenuOptions, "&Options", "&Опции"},
    {Tx::MenuSettings, "Settings...", "Разные настройки..."},
    {Tx::MenuNumbersNet, "Number list", "Числовая сетка"},
    {Tx::MenuGipno, "Suggestion headings", "Заголовки-внушения"},
    {Tx::MenuLightClick, "Highlight clicks", "Подсветка нажатий"},
    {Tx::MenuControlPanel, "Control panel", "Контрольная панель"},
    {Tx::MenuRight, "Right", "Справа"},
    {Tx::MenuLeft, "Left", "Слева"},
    {Tx::MenuFullScreen, "Full Screen", "Полный Экран"},
    {Tx::MenuHelp, "&Help", "&Справка"},
    {Tx::MenuContents, "Contents", "Содержание"},
    {Tx::MenuNew, "What's new", "Что нового"},
    {Tx::MenuAbout, "About...", "О программе..."},
    {Tx::MenuLadder, "Training ladder", "Ступени развития"},

    {Tx::TitleShulte, "Schulte", "Шульте"},
    {Tx::TitleRBShulte, "Schulte r/b", "Шульте к/ч"},
    {Tx::TitleTargets, "Targets", "Мишени"},
    {Tx::TitleDwords, "Word pairs", "Пары слов"},
    {Tx::TitleMnemo, "Word mnemonics", "Мнемоника слов"},
    {Tx::TitleNumbers, "Number mnemonics", "Мнемоника чисел"},
    {Tx::TitleMath, "Counter", "Считалка"},
    {Tx::TitleProbe, "Proofreading", "Корректурка"},

    {Tx::FilesMissing, "Files are missing! Please reinstall the program.",
     "Не найдены файлы! Переустановите программу."},
    {Tx::ClockSetBack, "The system time has been changed!!! Cheating?",
     "Изменено системное время!!! Чит?"},
    {Tx::NoName, "no name", "без имени"},
    {Tx::AlreadyRunning, "Oxelium is already running!", "Oxelium уже запущенО!"},
    {Tx::RunInterrupted, "EXERCISE INTERRUPTED", "УПРАЖНЕНИЕ ПРЕРВАНО"},
    {Tx::WordListTooShort,
     "The word list %1 is too short (it holds %2 lines); this mode needs at least %3.",
     "Список слов %1 слишком короткий (строк в нём: %2), а для этого режима нужно "
     "не меньше %3."},
    {Tx::NoCodePage,
     "The system has no Windows-1251 code page: Oxelium cannot read or write its files.",
     "В системе нет кодовой страницы Windows-1251: Oxelium не сможет читать и записывать свои "
     "файлы."},

    {Tx::HelpCaption, "Oxelium Help", "Справка Oxelium"},
    {Tx::HelpBack, "Back", "Назад"},
    {Tx::HelpForward, "Forward", "Вперёд"},
    {Tx::HelpContents, "Contents", "Содержание"},
    {Tx::HelpFileMissing, "Help file not found:\n%1", "Не найден файл справки:\n%1"},

    // memorising exercises
    {Tx::WordsFound, "words found - ", "найдено слов - "},

    {Tx::TargetsWord, "targets", "мишеней"},
    {Tx::OneHit, "1 hit", "1 попадание"},
    {Tx::BeginGame, "begin", "начать"},
    {Tx::RunOut, "ran out :(", "закончились :("},
    {Tx::HitWord, "HIT", "ПОПАДАНИЕ"},
    {Tx::MissWord, "MISS", "ОШИБКА"},
    {Tx::NoPressWord, "NOT PRESSED", "НЕНАЖАТИЕ"},
    {Tx::LivesHint, "number of lives", "количество жизней"},
    {Tx::CountsHint, "targets / hits / misses", "кол-во мишеней / попадания / ошибки"},
    {Tx::AvgReactionHint, "average reaction", "средняя реакция"},
    {Tx::LastReactionHint, "reaction to the last target hit", "реакция на последней сбитой мишени"},

    {Tx::BestResults, "BEST RESULTS", "ЛУЧШИЕ РЕЗУЛЬТАТЫ"},
    {Tx::NumberSign, "#", "№"},
    {Tx::NameHead, "Name", "Имя"},
    {Tx::ResultHead, "Result", "Результат"},
    {Tx::DateHead, "Date", "Дата"},

    {Tx::NewUser, "New user", "Новый пользователь"},
    {Tx::DeleteUser, "Delete user", "Удалить пользователя"},
    {Tx::NoUserChosen, "No user selected!", "Пользователь не выбран!"},
    {Tx::WrongPassword, "Wrong password!", "Неверный пароль!"},
    {Tx::UserExists, "This user already exists!", "Такой пользователь уже есть!"},
    {Tx::BadUserName, "The name holds characters that are not allowed. The user was not created.",
     "Недопустимые символы в имени. Пользователь не создан."},
    {Tx::UserFileDeleted, "The user's file has been deleted.", "Файл пользователя удалён."},
    {Tx::ConfirmDeleteUser, "Are you sure you want to delete the user",
     "Вы уверены что хотите удалить пользователя"},
    {Tx::EnterName, "Enter a name:", "Введите имя:"},
    {Tx::EnterPassword, "Enter a password:", "Введите пароль:"},
    {Tx::ChooseUser, "Choose a user:", "Выбор пользователя:"},
    {Tx::PasswordLabel, "Password", "Пароль"},
    {Tx::QuitProgram, "Quit the program", "Выход из программы"},
    {Tx::Yes, "Yes", "Да"},
    {Tx::No, "No", "Нет"},
    {Tx::Ok, "OK", "OK"},
    {Tx::NewButton, "New", "Новый"},
    {Tx::DeleteButton, "Delete", "Удалить"},
    {Tx::LevelWord, " - level ", " - ступень "},
    {Tx::BadPassword,
     "The password holds characters that are not allowed (use Russian or English letters, digits "
     "and signs). The user was not created.",
     "Недопустимые символы в пароле (допустимы русские и английские буквы, цифры и знаки). "
     "Пользователь не создан."},
    {Tx::RepeatPassword, "Enter the password again:", "Повторите пароль:"},
    {Tx::PasswordsDiffer, "The passwords do not match. Please enter them again.",
     "Пароли не совпадают. Введите пароль ещё раз."},

    {Tx::Of, "of", "из"},
    {Tx::Cancel, "Cancel", "Отмена"},

    {Tx::Ladder, "Training ladder", "Ступени развития"},
    {Tx::LadderExercise, "Exercise", "Упражнение"},
    {Tx::LadderProgress, "Progress", "Прогресс"},
    {Tx::LessonCurrent, "current", "текущее"},
    {Tx::LessonLocked, "locked", "недоступно"},
    {Tx::LessonPassed, "passed", "пройдено"},
    {Tx::LadderStepAnnounce, "EXERCISE ", "УПРАЖНЕНИЕ "},
    {Tx::LadderStepWord, " / stage ", " / этап "},
    {Tx::LadderFailed, "EXERCISE NOT PASSED. TRY AGAIN?",
     "УПРАЖНЕНИЕ НЕВЫПОЛНЕНО, ПОПЫТАЕМСЯ ЕЩЁ РАЗ?"},
    {Tx::LadderPassed, "EXERCISE PASSED", "УПРАЖНЕНИЕ ПРОЙДЕНО"},
    {Tx::LessonNoSteps, "Cannot start: this exercise has no stages in lessons.ini.",
     "Начать нельзя: в lessons.ini у упражнения нет этапов."},
    {Tx::LessonBadExercise,
     "Cannot start: stage %1 in lessons.ini names an exercise that does not exist.",
     "Начать нельзя: у этапа %1 в lessons.ini нет такого упражнения."},
    {Tx::LessonBadMode, "Cannot start: stage %1 in lessons.ini names a mode that does not exist.",
     "Начать нельзя: у этапа %1 в lessons.ini нет такого режима."},

    {Tx::ProgressChart, "progress chart", "график прогресса"},
    {Tx::Beginning, "first", "начало"},
    {Tx::Average, "average", "среднее"},
    {Tx::AverageValue, "Average", "Среднее значение"},
    {Tx::TotalTime, "Total time", "Общее время"},
    {Tx::TotalPoints, "Total points", "Всего очков"},
    {Tx::Close, "Close", "Закрыть"},
    {Tx::HelpButton, "Help", "Справка"},
    {Tx::StatsFileDamaged, "The statistics file is damaged; not every series could be read:\n%1",
     "Файл статистики повреждён, прочитаны не все серии:\n%1"},

    {Tx::Font, "Font", "Шрифт"},
    {Tx::BgColour, "Background colour", "Цвет фона"},
    {Tx::GridColour, "Grid colour", "Цвет сетки"},
    {Tx::PointColour, "Dot colour", "Цвет точки"},
    {Tx::RestoreDefaults, "restore defaults", "восстановить значения"},
    {Tx::TargetColours, "Target colours", "Цвета мишеней"},
    {Tx::Font1ColourFixed, "note: the colour of font 1 does not change",
     "внимание, цвет шрифта 1 не меняется"},
    {Tx::Apply, "Apply", "Применить"},
    {Tx::HintsOn, "standard (on)", "стандарт (вкл)"},
    {Tx::HintsOff, "standard (off)", "стандарт (выкл)"},
    {Tx::JordanoOn, "consonants (on)", "джордано (вкл)"},
    {Tx::JordanoOff, "consonants (off)", "джордано (выкл)"},
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

    {Tx::AboutCaption, "About...", "О программе..."},
    {Tx::VersionLine, "version 1.8", "version 1.8"},
    {Tx::Copyright, "A trainer of memory and attention", "Тренажёр памяти и внимания"},

    {Tx::InvalidFileFormat, "Invalid file format.", "Invalid file format."},
    {Tx::CannotOpenFile, "Cannot open file \"%1\". %2", "Cannot open file \"%1\". %2"},
    {Tx::CannotCreateFile, "Cannot create file \"%1\". %2", "Cannot create file \"%1\". %2"},
    {Tx::CannotWriteFile, "Cannot write file \"%1\". %2", "Cannot write file \"%1\". %2"},
    {Tx::DataNameTooLong, "The name \"%1\" is longer than 35 characters.",
     "Имя \"%1\" длиннее 35 знаков."},
    {Tx::DataNameNotStorable, "The name \"%1\" holds characters that cannot be stored.",
     "Имя \"%1\" содержит знаки, которые нельзя сохранить."},

    {Tx::NotAFloat, "'%1' is not a valid floating point value",
     "'%1' is not a valid floating point value"},
    {Tx::NotAnInteger, "'%1' is not a valid integer value", "'%1' is not a valid integer value"},

    {Tx::LessonMissingText, "error", "ошибка"},

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
    {Tx::ExportStatsDamaged,
     "The statistics file %1 is damaged: %2 of its records were not exported.",
     "Файл статистики %1 повреждён: не выгружено записей: %2."},
    {Tx::ExportNoDataFolder, "The data folder %1 does not exist.", "Папки данных %1 нет."},
    {Tx::ExportNoFolder, "Cannot create the folder %1.", "Не удаётся создать папку %1."},
    {Tx::ExportButton, "Export…", "Экспорт…"},
    {Tx::ExportCaption, "Export as CSV", "Экспорт в CSV"},
    {Tx::ExportWritten, "Written:\n%1", "Записано:\n%1"},

    {Tx::MenuLanguage, "Language", "Язык интерфейса"},
    {Tx::LanguageRussian, "Russian", "Русский"},
    {Tx::LanguageEnglish, "English", "Английский"},

    {Tx::HeadingVisualField, "developing the visual field", "развиваем поле зрения"},
    {Tx::HeadingSwitching, "developing the switching of attention",
     "развиваем переключение внимания"},
    {Tx::HeadingImagery, "developing imaginative memory", "развиваем образную память"},
    {Tx::HeadingReaction, "training the visual field and reaction",
     "тренируем поле зрения и реакцию"},
    {Tx::HeadingCounting, "counting is easy", "считать - это просто"},
    {Tx::HeadingAttention, "developing attention", "развиваем внимание"},
};

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

int Language() {
    return language;
}

void SetLanguage(int value) {
    language = value == 1 ? 1 : 2;
}

QString T(Tx id, int lang) {
    const Pair& p = table[static_cast<int>(id)];
    return QString::fromUtf8(lang == 1 ? p.en : p.ru);
}

QString T(Tx id) {
    return T(id, language);
}
