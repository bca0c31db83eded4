#include "Lessons.h"

#include "BarChartView.h"
#include "EveryRunView.h"
#include "StatsLabels.h"
#include "board/ColorRef.h"
#include "data/DataFile.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/NumberFormat.h"
#include "data/Settings.h"
#include "data/Texts.h"
#include "widgets/FlatButton.h"

#include <QBarSeries>
#include <QBarSet>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>
#include <QStackedBarSeries>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr quint32 Series1Color = 0xC08000;

const char* const ListStyle =
    "QListWidget { background: #FFFBF0; color: black; font-family: 'Liberation Sans';"
    " font-size: 12px; border: 1px solid #8A8A8A; }"
    "QListWidget::item:selected { background: #0A246A; color: white; }";

QFrame* Panel(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QListWidget* List(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setStyleSheet(QLatin1String(ListStyle));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QToolButton* Button(QWidget* parent, const char* name) {
    QToolButton* button = FlatButton(
        parent, name,
        QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px; padding: 2px 14px;"));
    button->setFixedHeight(22);
    return button;
}

int ListWidth(QListWidget* list, const QStringList& texts) {
    list->ensurePolished();
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
}

// Selects a row without the list announcing it; the caller runs the handler itself.
void Select(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

} // namespace

TLessonsForm::TLessonsForm(Setup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), model_(setup_.programDir, setup_.currentUser) {
    setObjectName(QStringLiteral("LessonsForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setSizeGripEnabled(true);
    setMinimumSize(MinWidth, MinHeight);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xD4, 0xD4, 0xD4));
    setPalette(silver);
    setAutoFillBackground(true);
    BuildControls();
    ReadStoredSize();
    FitOuterSize();
}

void TLessonsForm::BuildControls() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 3);
    column->setSpacing(5);

    Panel1 = Panel(this, "Panel1");
    auto* top = new QHBoxLayout(Panel1);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(6);
    Panel2 = Panel(Panel1, "Panel2");
    Panel3 = Panel(Panel1, "Panel3");
    for (QFrame* panel : {Panel2, Panel3}) {
        auto* inside = new QVBoxLayout(panel);
        inside->setContentsMargins(0, 0, 0, 0);
    }
    LessonLB = List(Panel2, "LessonLB");
    HistoryLB = List(Panel3, "HistoryLB");
    Panel2->layout()->addWidget(LessonLB);
    Panel3->layout()->addWidget(HistoryLB);
    // Wide enough for the longest label and a date line beside a scroll bar.
    QStringList texts;
    for (const StatsLabel& label : StatsLabels::All())
        texts.append(label.text);
    Panel2->setFixedWidth(ListWidth(LessonLB, texts));
    Panel3->setFixedWidth(ListWidth(HistoryLB, {QStringLiteral("00.00.0000 00:00:00")}));
    HistoryLB->viewport()->setMouseTracking(true);
    HistoryLB->viewport()->installEventFilter(this);

    Series1 = new QBarSeries;
    Series1->setBarWidth(0.6);
    // The results are marked as they were shown, the averages always with one decimal.
    Chart1 = new BarChartView(Series1, 1, Qt::AlignTop, FormatGeneral, Panel1);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->Set(0)->setColor(ColorToQColor(Series1Color));
    top->addWidget(Panel2);
    top->addWidget(Panel3);
    top->addWidget(Chart1, 1);

    Panel4 = Panel(this, "Panel4");
    auto* bottom = new QVBoxLayout(Panel4);
    bottom->setContentsMargins(0, 0, 0, 0);
    Series2 = new QStackedBarSeries;
    Series2->setBarWidth(0.5);
    Chart2 = new BarChartView(Series2, 3, Qt::AlignBottom, FormatOneDecimal, Panel4);
    Chart2->setObjectName(QStringLiteral("Chart2"));
    Chart2->Set(BeginningSet)->setColor(ColorToQColor(SeriesHistory::BeginningColor));
    Chart2->Set(AverageSet)->setColor(ColorToQColor(SeriesHistory::AverageColor));
    Chart2->Set(RecentSet)->setSelectedColor(ColorToQColor(SeriesHistory::SelectedColor));
    Chart2->SetTitleLines({T(Tx::ProgressChart)});
    bottom->addWidget(Chart2);

    Panel5 = Panel(this, "Panel5");
    auto* buttons = new QHBoxLayout(Panel5);
    buttons->setContentsMargins(0, 0, 0, 0);
    SpeedButton1 = Button(Panel5, "SpeedButton1");
    ViewSB = Button(Panel5, "ViewSB");
    CloseSB = Button(Panel5, "CloseSB");
    ExportSB = Button(Panel5, "ExportSB");
    ExportSB->setVisible(bool(setup_.exportData));
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(ExportSB);
    buttons->addWidget(ViewSB);
    buttons->addStretch(1);
    buttons->addWidget(CloseSB);
    buttons->addSpacing(14); // clear of the size grip

    ViewsNB = new QStackedWidget(this);
    ViewsNB->setObjectName(QStringLiteral("ViewsNB"));
    auto* seriesView = new QWidget(ViewsNB);
    auto* seriesColumn = new QVBoxLayout(seriesView);
    seriesColumn->setContentsMargins(0, 0, 0, 0);
    seriesColumn->setSpacing(5);
    EmptyL = new QLabel(seriesView);
    EmptyL->setObjectName(QStringLiteral("EmptyL"));
    EmptyL->setAlignment(Qt::AlignCenter);
    EmptyL->setWordWrap(true);
    EmptyL->setStyleSheet(QStringLiteral("font-family: 'Liberation Sans'; font-size: 15px;"));
    EmptyL->hide();
    seriesColumn->addWidget(EmptyL, 1);
    seriesColumn->addWidget(Panel1, 1);
    seriesColumn->addWidget(Panel4, 1);
    EveryRunP = new EveryRunView(setup_.currentUser, ViewsNB);
    ViewsNB->addWidget(seriesView);
    ViewsNB->addWidget(EveryRunP);
    column->addWidget(ViewsNB, 1);
    column->addWidget(Panel5);

    connect(LessonLB, &QListWidget::currentRowChanged, this, &TLessonsForm::LessonLBClick);
    connect(HistoryLB, &QListWidget::currentRowChanged, this, &TLessonsForm::HistoryLBClick);
    connect(CloseSB, &QToolButton::clicked, this, &TLessonsForm::CloseSBClick);
    connect(ExportSB, &QToolButton::clicked, this, [this] {
        const QListWidgetItem* item = LessonLB->currentItem();
        setup_.exportData(item ? StatsLabels::Find(item->text()) : std::nullopt);
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TLessonsForm::SpeedButton1Click);
    connect(ViewSB, &QToolButton::clicked, this, &TLessonsForm::ViewSBClick);
}

void TLessonsForm::ReadStoredSize() {
    QSize size(MinWidth, MinHeight);
    if (setup_.settingsFile) {
        try {
            size = Settings::ReadLessonsSize(*setup_.settingsFile);
        } catch (const OxelError&) {
            // A damaged store gives the design size; it was reported at start-up.
        }
    }
    // A stored size that no longer fits (another screen, a damaged entry) is brought back
    // within the minimum and the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize largest = screen ? screen->availableSize() : QSize(1920, 1080);
    outerSize_ = QSize(std::clamp(size.width(), MinWidth, std::max(MinWidth, largest.width())),
                       std::clamp(size.height(), MinHeight, std::max(MinHeight, largest.height())));
}

QSize TLessonsForm::FrameSize() const {
    const auto frameOf = [](const QWidget* window) {
        if (!window->isVisible())
            return QSize(0, 0);
        return (window->frameGeometry().size() - window->size()).expandedTo(QSize(0, 0));
    };
    const QSize own = frameOf(this);
    if (!own.isNull() || !parentWidget())
        return own;
    return frameOf(parentWidget()->window());
}

void TLessonsForm::FitOuterSize() {
    const QSize frame = FrameSize();
    setMinimumSize(QSize(MinWidth, MinHeight) - frame);
    resize(outerSize_ - frame);
}

void TLessonsForm::Execute(Setup setup, QWidget* parent) {
    TLessonsForm form(std::move(setup), parent);
    form.exec();
}

void TLessonsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !shown_) {
        shown_ = true;
        // The window's own frame is known now.
        FitOuterSize();
        FormShow();
    }
}

void TLessonsForm::FormShow() {
    ShowTexts();
    ShowLabels(setup_.seriesExercise != 0
                   ? StatsLabels::Of(setup_.seriesExercise - 1, setup_.seriesMode)
                   : QString());
}

void TLessonsForm::ShowTexts() {
    shownLanguage_ = Language();
    setWindowTitle(T(Tx::MenuStats) + QStringLiteral(" [") + setup_.currentUser + QLatin1Char(']'));
    CloseSB->setText(T(Tx::Close));
    SpeedButton1->setText(T(Tx::HelpButton));
    ExportSB->setText(T(Tx::ExportButton));
    ViewSB->setText(T(ViewsNB->currentIndex() == 0 ? Tx::EveryRunView : Tx::SeriesView));
    EmptyL->setText(T(Tx::NoSeriesYet).arg(T(Tx::Series)));
}

void TLessonsForm::ShowEmpty(bool empty) {
    EmptyL->setVisible(empty);
    Panel1->setVisible(!empty);
    Panel4->setVisible(!empty);
}

void TLessonsForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !shown_ || shownLanguage_ == Language())
        return;
    const int dateRow = HistoryLB->currentRow();
    ShowTexts();
    ShowLabels(chosen_ ? StatsLabels::Of(chosen_->exercise, chosen_->mode) : QString());
    if (dateRow > 0 && dateRow < HistoryLB->count()) {
        Select(HistoryLB, dateRow);
        HistoryLBClick();
    }
}

void TLessonsForm::ShowLabels(const QString& chosen) {
    LessonRefresh();
    if (LessonLB->count() > 0) {
        const QSignalBlocker quiet(LessonLB);
        LessonLB->clear();
        LessonLB->addItems(model_.Listed());
    }
    ShowEmpty(LessonLB->count() == 0);
    // During a series the label of that series is chosen; the first one while it has no
    // file yet, as at any other opening.
    int row = 0;
    if (!chosen.isEmpty()) {
        const QList<QListWidgetItem*> found = LessonLB->findItems(chosen, Qt::MatchExactly);
        if (!found.isEmpty())
            row = LessonLB->row(found.first());
    }
    if (LessonLB->count() > 0) {
        Select(LessonLB, row);
        LessonLBClick();
    }
}

void TLessonsForm::LessonRefresh() {
    Chart1->Clear();
    Chart1->SetTitleLines({});
    {
        const QSignalBlocker quietLabels(LessonLB);
        const QSignalBlocker quietDates(HistoryLB);
        LessonLB->clear();
        HistoryLB->clear();
    }
    for (const StatsLabel& label : model_.Present())
        LessonLB->insertItem(0, label.text);
}

std::optional<StatsLabel> TLessonsForm::Selected(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item || list->currentRow() < 0)
        return std::nullopt;
    return StatsLabels::Find(item->text());
}

QString TLessonsForm::GetFileStat(const QListWidget* list) const {
    const std::optional<StatsLabel> label = Selected(list);
    return label ? model_.FilePath(*label) : QString();
}

std::optional<SeriesStatistics::LabelSeries> TLessonsForm::ReadSelected() const {
    const std::optional<StatsLabel> label = Selected(LessonLB);
    if (!label)
        return std::nullopt;
    try {
        return model_.Read(*label);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return std::nullopt;
    }
}

void TLessonsForm::ReportDamaged(const QString& path) const {
    ShowError(T(Tx::StatsFileDamaged).arg(QDir::toNativeSeparators(path)));
}

void TLessonsForm::LessonLBClick() {
    chosen_ = LessonLB->currentItem() ? StatsLabels::Find(LessonLB->currentItem()->text())
                                      : std::nullopt;
    {
        const QSignalBlocker quiet(HistoryLB);
        HistoryLB->clear();
    }
    Chart1->Clear();
    Chart1->SetTitleLines({});
    // The progress of the label shown before must not stand beside another label's dates.
    progress_.clear();
    Chart2->Clear();

    const std::optional<SeriesStatistics::LabelSeries> series = ReadSelected();
    if (!series)
        return;
    // Shown in the interface's date format; the stored text finds the record again.
    for (const QString& stored : series->reading.dates) {
        auto* item = new QListWidgetItem(ShownDate(stored, Language()), HistoryLB);
        item->setData(Qt::UserRole, stored);
    }
    if (series->reading.damaged) {
        ReportDamaged(series->path);
        return;
    }
    progress_ = series->progress;
    ShowProgress();
    Select(HistoryLB, HistoryLB->count() > 0 ? 0 : -1);
    // The newest series, from the records just read.
    ShowSeries(*series);
}

void TLessonsForm::ShowProgress() {
    QStringList labels;
    QList<int> sets;
    QList<double> values;
    for (const SeriesHistory::Bar& bar : progress_) {
        labels.append(bar.label);
        values.append(bar.value);
        sets.append(bar.kind == SeriesHistory::BarKind::Beginning ? BeginningSet
                    : bar.kind == SeriesHistory::BarKind::Recent  ? RecentSet
                                                                  : AverageSet);
    }
    QBarSet* recent = Chart2->Set(RecentSet);
    recent->deselectAllBars();
    recent->setColor(ColorToQColor(SeriesHistory::SeriesColor));
    Chart2->SetTitleLines({T(Tx::ProgressChart)});
    Chart2->SetBars(labels, sets, values);
}

void TLessonsForm::HistoryLBClick() {
    if (LessonLB->currentRow() < 0 || HistoryLB->currentRow() < 0)
        return;
    Chart1->Clear();
    Chart1->SetTitleLines({});
    if (const std::optional<SeriesStatistics::LabelSeries> series = ReadSelected())
        ShowSeries(*series);
}

void TLessonsForm::ShowSeries(const SeriesStatistics::LabelSeries& series) {
    const int row = HistoryLB->currentRow();
    if (row < 0)
        return;
    const std::optional<SeriesStatistics::SeriesChart> chart =
        SeriesStatistics::Series(series, HistoryLB->item(row)->data(Qt::UserRole).toString());
    if (!chart)
        return;
    if (chart->damaged) {
        ReportDamaged(series.path);
        return;
    }
    Chart1->SetBars({"1", "2", "3", "4", "5"}, {0, 0, 0, 0, 0}, chart->values, chart->shown);
    Chart1->SetTitleLines(chart->title);
}

void TLessonsForm::HistoryLBMouseMove() {
    if (progress_.isEmpty())
        return;
    QBarSet* recent = Chart2->Set(RecentSet);
    recent->setColor(ColorToQColor(SeriesHistory::HoverColor));
    recent->deselectAllBars();
    const int bar = SeriesHistory::SelectedBar(progress_, HistoryLB->currentRow());
    if (bar >= 0)
        recent->selectBar(bar);
}

bool TLessonsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == HistoryLB->viewport() && event->type() == QEvent::MouseMove)
        HistoryLBMouseMove();
    return QDialog::eventFilter(watched, event);
}

void TLessonsForm::CloseSBClick() {
    close();
}

void TLessonsForm::ViewSBClick() {
    const bool toEveryRun = ViewsNB->currentIndex() == 0;
    if (toEveryRun) {
        std::optional<StatsLabel> label;
        if (LessonLB->currentItem())
            label = StatsLabels::Find(LessonLB->currentItem()->text());
        if (!label && setup_.seriesExercise != 0)
            label = StatsLabel{setup_.seriesExercise - 1, setup_.seriesMode, QString()};
        if (label)
            EveryRunP->ShowLabel(label->exercise, label->mode);
        else
            EveryRunP->Refresh();
    }
    ViewsNB->setCurrentIndex(toEveryRun ? 1 : 0);
    ViewSB->setText(T(toEveryRun ? Tx::SeriesView : Tx::EveryRunView));
}

void TLessonsForm::SpeedButton1Click() {
    if (setup_.showHelp)
        setup_.showHelp(HelpContext);
}

void TLessonsForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TLessonsForm::FormClose() {
    if (!setup_.settingsFile)
        return;
    try {
        Settings::WriteLessonsSize(*setup_.settingsFile, size() + FrameSize());
    } catch (const OxelError& e) {
        ShowError(e.text());
    }
}
