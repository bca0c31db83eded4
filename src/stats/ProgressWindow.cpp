#include "ProgressWindow.h"

#include "CalendarView.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"
#include "progress/PracticeTexts.h"
#include "widgets/FlatButton.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr QSize DesignSize(960, 660);
const QString TextStyle = QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;");

QLabel* Label(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(TextStyle);
    label->setWordWrap(true);
    return label;
}

QTableWidget* Table(QWidget* parent, const char* name, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QLatin1String(name));
    table->setStyleSheet(TextStyle);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

// A result as the tables show it: to a tenth, without trailing zeros.
QString Value(const std::optional<double>& value) {
    return value ? FormatGeneral(std::round(*value * 10) / 10) : QStringLiteral("–");
}

QString Count(int runs) {
    return runs ? QString::number(runs) : QStringLiteral("–");
}

// "+4.5 %", "-12.0 %".
QString Change(const std::optional<double>& percent) {
    if (!percent)
        return QStringLiteral("–");
    return (*percent > 0 ? QStringLiteral("+") : QString()) + FormatOneDecimal(*percent) +
           QStringLiteral(" %");
}

} // namespace

QColor ProgressWindow::BetterColour() {
    return QColor(0x1A, 0x7F, 0x37);
}

QColor ProgressWindow::WorseColour() {
    return QColor(0xC6, 0x28, 0x28);
}

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ProgressForm"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);

    auto* today = new QHBoxLayout;
    TodayL = Label(this, "TodayL");
    GoalPB = new QProgressBar(this);
    GoalPB->setObjectName(QStringLiteral("GoalPB"));
    GoalPB->setFixedWidth(220);
    today->addWidget(TodayL, 1);
    today->addWidget(GoalPB);
    column->addLayout(today);
    auto* streaks = new QHBoxLayout;
    CurrentStreakL = Label(this, "CurrentStreakL");
    LongestStreakL = Label(this, "LongestStreakL");
    streaks->addWidget(CurrentStreakL, 1);
    streaks->addWidget(LongestStreakL, 2);
    column->addLayout(streaks);

    calendarTitle_ = Heading(this);
    column->addWidget(calendarTitle_);
    Calendar = new CalendarView(this);
    column->addWidget(Calendar, 0, Qt::AlignHCenter);
    auto* years = new QHBoxLayout;
    EarlierSB = FlatButton(this, "EarlierSB", TextStyle + QStringLiteral(" padding: 1px 8px;"));
    LaterSB = FlatButton(this, "LaterSB", TextStyle + QStringLiteral(" padding: 1px 8px;"));
    SpanL = Label(this, "SpanL");
    SpanL->setAlignment(Qt::AlignCenter);
    years->addWidget(EarlierSB);
    years->addWidget(SpanL, 1);
    years->addWidget(LaterSB);
    column->addLayout(years);

    auto* tables = new QHBoxLayout;
    auto* week = new QVBoxLayout;
    weekTitle_ = Heading(this);
    WeekTW = Table(this, "WeekTW", 8);
    WeekEmptyL = Label(this, "WeekEmptyL");
    week->addWidget(weekTitle_);
    week->addWidget(WeekTW, 1);
    week->addWidget(WeekEmptyL);
    auto* bests = new QVBoxLayout;
    bestsTitle_ = Heading(this);
    BestsTW = Table(this, "BestsTW", 3);
    BestsEmptyL = Label(this, "BestsEmptyL");
    bests->addWidget(bestsTitle_);
    bests->addWidget(BestsTW, 1);
    bests->addWidget(BestsEmptyL);
    tables->addLayout(week, 3);
    tables->addLayout(bests, 2);
    column->addLayout(tables, 1);

    auto* buttons = new QHBoxLayout;
    CloseSB = FlatButton(this, "CloseSB", TextStyle + QStringLiteral(" padding: 2px 14px;"));
    buttons->addStretch(1);
    buttons->addWidget(CloseSB);
    column->addLayout(buttons);

    connect(EarlierSB, &QToolButton::clicked, this, [this] { MoveYears(1); });
    connect(LaterSB, &QToolButton::clicked, this, [this] { MoveYears(-1); });
    connect(CloseSB, &QToolButton::clicked, this, &QWidget::close);

    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(DesignSize.boundedTo(screen ? screen->availableSize() : DesignSize));
    Fill();
}

QLabel* ProgressWindow::Heading(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral(
        "font-family: 'Liberation Sans'; font-size: 13px; font-weight: bold; margin-top: 6px;"));
    return label;
}

void ProgressWindow::Show(const PracticeSummary& summary, const QDate& today, int goalMinutes) {
    summary_ = summary;
    today_ = today;
    goal_ = goalMinutes;
    Fill();
}

void ProgressWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Fill();
}

void ProgressWindow::MoveYears(int by) {
    yearsBack_ = std::max(0, yearsBack_ + by);
    FillCalendar();
}

void ProgressWindow::Fill() {
    setWindowTitle(T(Tx::ProgressCaption).arg(summary_.User()));
    calendarTitle_->setText(T(Tx::CalendarTitle));
    weekTitle_->setText(T(Tx::WeekTitle));
    bestsTitle_->setText(T(Tx::BestsTitle));
    EarlierSB->setText(T(Tx::CalendarEarlier));
    LaterSB->setText(T(Tx::CalendarLater));
    CloseSB->setText(T(Tx::Close));
    WeekEmptyL->setText(T(Tx::WeekEmpty));
    BestsEmptyL->setText(T(Tx::BestsEmpty));
    WeekTW->setHorizontalHeaderLabels(
        {T(Tx::WeekExercise), T(Tx::WeekRunsNow), T(Tx::WeekBestNow), T(Tx::WeekMedianNow),
         T(Tx::WeekRunsBefore), T(Tx::WeekBestBefore), T(Tx::WeekMedianBefore), T(Tx::WeekChange)});
    BestsTW->setHorizontalHeaderLabels({T(Tx::WeekExercise), T(Tx::ResultHead), T(Tx::DateHead)});
    FillToday();
    FillCalendar();
    FillWeek();
    FillBests();
}

void ProgressWindow::FillToday() {
    const DayTotal today = summary_.Days().On(today_);
    GoalPB->setVisible(goal_ > 0);
    if (goal_ > 0) {
        TodayL->setText(T(Tx::ProgressTodayOfGoal).arg(PracticeTexts::Minutes(today)).arg(goal_));
        GoalPB->setRange(0, goal_);
        GoalPB->setValue(std::min(today.Minutes(), goal_));
    } else {
        TodayL->setText(T(Tx::ProgressToday).arg(PracticeTexts::Minutes(today)) +
                        QStringLiteral(". ") + T(Tx::ProgressNoGoal));
    }
    const Streak current = summary_.Days().Current(today_);
    CurrentStreakL->setText(T(Tx::StreakCurrent).arg(PracticeTexts::Days(current.days)));
    const Streak longest = summary_.Days().Longest();
    const QString days = PracticeTexts::Days(longest.days);
    LongestStreakL->setText(T(Tx::StreakLongest)
                                .arg(longest.days == 0 ? days
                                                       : T(Tx::StreakSpan)
                                                             .arg(days, FormatDate(longest.first),
                                                                  FormatDate(longest.last))));
}

void ProgressWindow::FillCalendar() {
    const QDate last = today_.addYears(-yearsBack_);
    const CalendarGrid grid = PracticeCalendar::Build(summary_.Days(), last);
    Calendar->SetGrid(grid, today_);
    const QDate first = summary_.Days().First();
    EarlierSB->setEnabled(first.isValid() && first < grid.first);
    LaterSB->setEnabled(yearsBack_ > 0);
    SpanL->setText(T(Tx::CalendarSpan)
                       .arg(PracticeTexts::ShortDate(grid.first), PracticeTexts::ShortDate(last)));
}

void ProgressWindow::FillWeek() {
    const QVector<WeekRow> rows = WeekTable::Build(summary_.Recent(), today_);
    WeekTW->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const WeekRow& row = rows[r];
        SetCell(WeekTW, r, 0, PracticeTexts::KeyCaption(row.key));
        int column = 1;
        for (const WeekFigures& week : {row.thisWeek, row.lastWeek}) {
            SetCell(WeekTW, r, column++, Count(week.runs));
            SetCell(WeekTW, r, column++, Value(week.best));
            SetCell(WeekTW, r, column++, Value(week.median));
        }
        SetCell(WeekTW, r, column, Change(row.changePercent));
        if (row.trend == Trend::Better || row.trend == Trend::Worse)
            WeekTW->item(r, column)->setForeground(row.trend == Trend::Better ? BetterColour()
                                                                              : WorseColour());
    }
    WeekTW->setVisible(!rows.isEmpty());
    WeekEmptyL->setVisible(rows.isEmpty());
}

void ProgressWindow::FillBests() {
    const QList<PracticeKey> keys = summary_.Bests().Keys();
    BestsTW->setRowCount(int(keys.size()));
    for (int r = 0; r < keys.size(); ++r) {
        const BestResult best = *summary_.Bests().Of(keys[r]);
        SetCell(BestsTW, r, 0, PracticeTexts::KeyCaption(keys[r]));
        SetCell(BestsTW, r, 1, best.text);
        SetCell(BestsTW, r, 2, FormatDate(best.day));
    }
    BestsTW->setVisible(!keys.isEmpty());
    BestsEmptyL->setVisible(keys.isEmpty());
}
