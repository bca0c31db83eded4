#include "Upr.h"

#include "LadderState.h"
#include "data/Texts.h"
#include "widgets/FlatButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr int ListHeight = 150;
constexpr int RowHeight = 20;
constexpr int ButtonHeight = 28;
constexpr int NameColumnWidth = 211;
constexpr int StatusColumnWidth = 167;

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

TUprForm::TUprForm(const QString& programDir, int uprLevel, LadderState& ladder,
                   std::function<void()> startLadder, QWidget* parent)
    : QDialog(parent), lessons_(UprLessons::Load(programDir, uprLevel)), ladder_(ladder),
      startLadder_(std::move(startLadder)) {
    setObjectName(QStringLiteral("UprForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowTitle(T(Tx::Ladder));
    BuildControls();
    FormCreate();
}

void TUprForm::BuildControls() {
    UprVLE = new QTableWidget(0, 2, this);
    UprVLE->setObjectName(QStringLiteral("UprVLE"));
    UprVLE->setGeometry(0, 0, ClientWidth, ListHeight);
    UprVLE->setHorizontalHeaderLabels({T(Tx::LadderExercise), T(Tx::LadderProgress)});
    UprVLE->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    UprVLE->horizontalHeader()->setHighlightSections(false);
    UprVLE->setColumnWidth(0, NameColumnWidth);
    UprVLE->setColumnWidth(1, StatusColumnWidth);
    UprVLE->verticalHeader()->hide();
    UprVLE->verticalHeader()->setDefaultSectionSize(RowHeight);
    UprVLE->setSelectionBehavior(QAbstractItemView::SelectRows);
    UprVLE->setSelectionMode(QAbstractItemView::SingleSelection);
    UprVLE->setEditTriggers(QAbstractItemView::NoEditTriggers);
    UprVLE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    UprVLE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    OpisP = new QLabel(this);
    OpisP->setObjectName(QStringLiteral("OpisP"));
    OpisP->setGeometry(4, ListHeight, ClientWidth - 8, ClientHeight - ListHeight - ButtonHeight);
    OpisP->setAlignment(Qt::AlignCenter);
    OpisP->setWordWrap(true);
    OpisP->setFont(QFont(QStringLiteral("Liberation Sans"), 9));

    StartSB = FlatButton(
        this, "StartSB",
        QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px; font-weight: bold;"));
    StartSB->setGeometry(0, ClientHeight - ButtonHeight, ClientWidth, ButtonHeight);
    StartSB->setText(T(Tx::Start));
    StartSB->setEnabled(false);

    connect(UprVLE, &QTableWidget::currentCellChanged, this,
            [this](int row) { UprVLESelectCell(row + 1); });
    connect(StartSB, &QToolButton::clicked, this, &TUprForm::StartSBClick);
}

bool TUprForm::Execute(const QString& programDir, int uprLevel, LadderState& ladder,
                       std::function<void()> startLadder, QWidget* parent) {
    TUprForm form(programDir, uprLevel, ladder, std::move(startLadder), parent);
    form.exec();
    return form.Started();
}

void TUprForm::FormCreate() {
    UprVLE->setRowCount(0);
    UprVLE->setRowCount(lessons_.Count());
    for (int n = 1; n <= lessons_.Count(); ++n) {
        UprVLE->setItem(n - 1, 0, ReadOnlyItem(lessons_.At(n).name));
        UprVLE->setItem(n - 1, 1, ReadOnlyItem(lessons_.Status(n)));
    }
}

void TUprForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TUprForm::FormShow() {
    for (int row : lessons_.ShowOrder())
        SelectRow(row);
}

void TUprForm::SelectRow(int n) {
    {
        const QSignalBlocker quiet(UprVLE);
        UprVLE->setCurrentCell(n - 1, 0);
    }
    UprVLESelectCell(n);
}

void TUprForm::UprVLESelectCell(int n) {
    if (n < 1 || n > lessons_.Count())
        return;
    const Lesson& lesson = lessons_.At(n);
    StartSB->setEnabled(lessons_.MayStart(n));
    const QString problem = UprLessons::Problem(lesson);
    OpisP->setText(problem.isEmpty() ? lesson.opis : lesson.opis + QLatin1Char('\n') + problem);
    ladder_.Load(lesson);
}

void TUprForm::StartSBClick() {
    if (!lessons_.MayStart(ladder_.LadderLesson()))
        return;
    started_ = true;
    if (startLadder_)
        startLadder_();
    accept();
}
