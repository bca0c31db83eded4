#include "AnalysisWindow.h"

#include "BoardShadeView.h"
#include "ChartMaker.h"
#include "data/Texts.h"
#include "exercises/ExerciseList.h"
#include "widgets/FlatButton.h"

#include <QChartView>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize DesignSize(980, 640);
constexpr QSize SmallestSize(640, 440);

QLabel* Sentence(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;"));
    return label;
}

} // namespace

AnalysisWindow::AnalysisWindow(const HistoryRun& run, QWidget* parent)
    : QDialog(parent), analysis_(AnalyseRun(run)) {
    setObjectName(QStringLiteral("AnalysisForm"));
    setWindowTitle(analysis_.caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 6);
    auto* runLine = new QLabel(analysis_.runLine, this);
    runLine->setObjectName(QStringLiteral("RunLine"));
    runLine->setStyleSheet(
        QStringLiteral("font-family: 'Liberation Sans'; font-size: 14px; font-weight: bold;"));
    column->addWidget(runLine);

    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    for (const ChartSpec& plan : analysis_.charts) {
        QChartView* view = ChartMaker::View(plan, this);
        charts_.append(view);
        grid->addWidget(Titled(view, QString(), plan.text), 0, int(charts_.size()) - 1);
        grid->setColumnStretch(int(charts_.size()) - 1, 3);
    }
    if (analysis_.board) {
        board_ = new BoardShadeView(*analysis_.board, this);
        const int col = int(charts_.size());
        grid->addWidget(Titled(board_, analysis_.board->title, analysis_.board->text), 0, col);
        grid->setColumnStretch(col, 2);
    }
    if (!analysis_.nothing.isEmpty())
        grid->addWidget(Sentence(analysis_.nothing, this), 0, 0, Qt::AlignCenter);
    column->addLayout(grid, 1);

    auto* buttons = new QHBoxLayout;
    CloseSB = FlatButton(this, "CloseSB",
                         QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;"
                                        " padding: 2px 14px;"));
    CloseSB->setText(T(Tx::Close));
    buttons->addStretch(1);
    buttons->addWidget(CloseSB);
    column->addLayout(buttons);
    connect(CloseSB, &QToolButton::clicked, this, &QDialog::accept);

    // Within the screen, down to 1024×768 with its panels.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : DesignSize;
    setMinimumSize(SmallestSize.boundedTo(room));
    resize(DesignSize.boundedTo(room));
}

QWidget* AnalysisWindow::Titled(QWidget* body, const QString& title, const QString& text) {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!title.isEmpty()) {
        auto* heading = new QLabel(title, box);
        heading->setAlignment(Qt::AlignCenter);
        heading->setStyleSheet(
            QStringLiteral("font-family: 'Liberation Sans'; font-size: 13px; font-weight: bold;"));
        layout->addWidget(heading);
    }
    layout->addWidget(body, 1);
    layout->addWidget(Sentence(text, box));
    return box;
}

void AnalysisWindow::Execute(const HistoryRun& run, QWidget* parent) {
    AnalysisWindow window(run, parent);
    window.exec();
}
