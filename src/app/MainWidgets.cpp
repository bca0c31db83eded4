#include "MainWidgets.h"

#include "CaptionPanel.h"
#include "board/OxelPanel.h"
#include "data/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int TopBarHeight = 36;
constexpr int ControlPanelWidth = 117;
constexpr int ControlPanelBorder = 6;

QFrame* MakeFrame(QWidget* parent, const char* name, int shape, int shadow) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(shape | shadow);
    return frame;
}

void Paint(QWidget* widget, const QColor& background) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, background);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void BuildTopBar(MainWidgets& w, QWidget* central) {
    w.ToolsP = MakeFrame(central, "ToolsP", QFrame::Panel, QFrame::Sunken);
    w.ToolsP->setFixedHeight(TopBarHeight);
    w.ToolsP->setFocusPolicy(Qt::StrongFocus);
    w.toolsLayout = new QHBoxLayout(w.ToolsP);
    w.toolsLayout->setContentsMargins(2, 1, 2, 1);
    w.toolsLayout->setSpacing(4);

    w.BaseButtonP = new CaptionPanel(w.ToolsP);
    w.BaseButtonP->setObjectName(QStringLiteral("BaseButtonP"));
    w.BaseButtonP->setStyleSheet(
        QStringLiteral("#BaseButtonP { font-family: Arial; font-weight: bold; font-size: 15px;"
                       " color: #1E3A78; }"));
    auto* bar = new QHBoxLayout(w.BaseButtonP);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(6);

    w.TabSwitchCB = new QComboBox(w.BaseButtonP);
    w.TabSwitchCB->setObjectName(QStringLiteral("TabSwitchCB"));
    w.TabSwitchCB->setEditable(false);
    w.TabSwitchCB->setFixedWidth(305);
    w.TabSwitchCB->setFixedHeight(28);
    w.SetExerciseListColor(0x809F00);
    bar->addWidget(w.TabSwitchCB);

    w.LessonSB = new QToolButton(w.BaseButtonP);
    w.LessonSB->setObjectName(QStringLiteral("LessonSB"));
    w.LessonSB->setText(T(Tx::SingleRuns));
    w.LessonSB->setFixedHeight(28);
    w.LessonSB->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(w.LessonSB);

    w.LessonChB = new QCheckBox(w.BaseButtonP);
    w.LessonChB->setObjectName(QStringLiteral("LessonChB"));
    w.LessonChB->hide();
    bar->addWidget(w.LessonChB);
    bar->addStretch(1);

    w.TimerP = new QLabel(QStringLiteral("0.0"), w.ToolsP);
    w.TimerP->setObjectName(QStringLiteral("TimerP"));
    w.TimerP->setFixedSize(115, 32);
    w.TimerP->setAlignment(Qt::AlignCenter);
    w.TimerP->setStyleSheet(QStringLiteral(
        "QLabel { background: black; color: lime; font-family: Arial; font-weight: bold;"
        " font-size: 19px; }"));

    w.toolsLayout->addWidget(w.BaseButtonP, 1);
    w.toolsLayout->addWidget(w.TimerP);
}

void BuildControlPanel(MainWidgets& w, QWidget* central, const ExerciseSet& exercises) {
    w.BaseControlP = MakeFrame(central, "BaseControlP", QFrame::NoFrame, QFrame::Plain);
    w.BaseControlP->setFixedWidth(ControlPanelWidth);
    auto* layout = new QVBoxLayout(w.BaseControlP);
    layout->setContentsMargins(ControlPanelBorder, ControlPanelBorder, ControlPanelBorder,
                               ControlPanelBorder);
    w.ControlNB = new QStackedWidget(w.BaseControlP);
    w.ControlNB->setObjectName(QStringLiteral("ControlNB"));
    layout->addWidget(w.ControlNB);
    for (int position = 0; position < ExerciseCount; ++position) {
        w.pages[position] = ControlPage::Build(*exercises[ExerciseAtListPosition(position).index],
                                               ControlPanelWidth - 2 * ControlPanelBorder);
        w.ControlNB->addWidget(w.pages[position].page);
    }
}

void BuildBoardArea(MainWidgets& w, QWidget* central) {
    w.BaseP = MakeFrame(central, "BaseP", QFrame::Panel, QFrame::Sunken);
    auto* stack = new QGridLayout(w.BaseP);
    stack->setContentsMargins(6, 6, 6, 6);

    // Later siblings lie on top: the board, then the results panel, then the help panel.
    w.OxelP = new TOxelPanel(w.BaseP);
    w.OxelP->setObjectName(QStringLiteral("OxelP"));
    stack->addWidget(w.OxelP, 0, 0);

    w.RecordP = MakeFrame(w.BaseP, "RecordP", QFrame::NoFrame, QFrame::Plain);
    Paint(w.RecordP, Qt::black);
    stack->addWidget(w.RecordP, 0, 0);

    w.HelpP = MakeFrame(w.BaseP, "HelpP", QFrame::NoFrame, QFrame::Plain);
    Paint(w.HelpP, QColor(0xC0, 0xC0, 0xC0));
    auto* helpLayout = new QVBoxLayout(w.HelpP);
    helpLayout->setContentsMargins(4, 4, 4, 4);
    w.HelpMemo = new QTextBrowser(w.HelpP);
    w.HelpMemo->setObjectName(QStringLiteral("HelpMemo"));
    w.HelpMemo->setReadOnly(true);
    w.HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    w.HelpMemo->setStyleSheet(QStringLiteral("QTextBrowser { background: #FFFFCC; }"));
    helpLayout->addWidget(w.HelpMemo);
    stack->addWidget(w.HelpP, 0, 0);
}

} // namespace

ControlPage& MainWidgets::Page(int exerciseIndex) {
    return pages[Exercise(exerciseIndex).listPosition];
}

void MainWidgets::SetExerciseListColor(TColor color) {
    const QColor face = ColorToQColor(color);
    const QString dark = face.darker(160).name();
    TabSwitchCB->setStyleSheet(
        QStringLiteral("QComboBox { background: %1; color: white; font-family: Arial;"
                       " font-weight: bold; font-size: 13px; padding-left: 6px;"
                       " border: 1px solid %2; }"
                       "QComboBox QAbstractItemView { background: %1; color: white;"
                       " selection-background-color: %2; }")
            .arg(face.name(), dark));
}

void MainWidgets::SetSeriesMode(bool on) {
    LessonSB->setProperty("Tag", on ? 1 : 0);
    LessonSB->setText(T(on ? Tx::SeriesRuns : Tx::SingleRuns));
    LessonChB->setChecked(on);
}

bool MainWidgets::SeriesMode() const {
    return LessonSB->property("Tag").toInt() == 1;
}

void MainWidgets::SetControlPanelSide(bool right) {
    toolsLayout->removeWidget(TimerP);
    toolsLayout->insertWidget(right ? 1 : 0, TimerP);
    bodyLayout->removeWidget(BaseControlP);
    bodyLayout->insertWidget(right ? 1 : 0, BaseControlP);
}

MainWidgets MainWidgets::Build(QMainWindow* window, const ExerciseSet& exercises) {
    MainWidgets w;
    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("ClientP"));
    Paint(central, QColor(0xC0, 0xC0, 0xC0));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    BuildTopBar(w, central);
    column->addWidget(w.ToolsP);

    w.bodyLayout = new QHBoxLayout;
    w.bodyLayout->setContentsMargins(0, 0, 0, 0);
    w.bodyLayout->setSpacing(0);
    BuildBoardArea(w, central);
    BuildControlPanel(w, central, exercises);
    w.bodyLayout->addWidget(w.BaseP, 1);
    w.bodyLayout->addWidget(w.BaseControlP);
    column->addLayout(w.bodyLayout, 1);

    window->setCentralWidget(central);
    return w;
}
