#include "ControlPage.h"

#include "data/ExerciseInfo.h"
#include "exercises/ExerciseLogic.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ButtonHeight = 66;
constexpr qreal SmallestCaptionPoints = 6;

QToolButton* MakeButton(QWidget* page, const QString& name) {
    auto* button = new QToolButton(page);
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFixedHeight(ButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* MakePenaltyDisplay(QWidget* page, const QString& name) {
    auto* display = new QLabel(QStringLiteral("0"), page);
    display->setObjectName(name);
    display->setFixedSize(90, 22);
    display->setAlignment(Qt::AlignCenter);
    display->setStyleSheet(QStringLiteral(
        "QLabel { background: black; color: red; font-family: Arial; font-weight: bold;"
        " font-size: 13px; }"));
    return display;
}

// The mode button keeps the page's font, made smaller only as far as the longest caption of
// the exercise's modes needs to fit the button whole.
void FitModeCaptions(QToolButton* button, const ExerciseInfo& info, int width) {
    QFont font = button->font();
    const QFontMetrics metrics(font);
    QString longest;
    for (int mode : info.modes) {
        const QString caption = info.modeCaption(mode);
        if (metrics.horizontalAdvance(caption) > metrics.horizontalAdvance(longest))
            longest = caption;
    }
    button->setText(longest);
    while (button->sizeHint().width() > width && font.pointSizeF() > SmallestCaptionPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        button->setFont(font);
        // A new text makes the button measure itself again.
        button->setText(QString());
        button->setText(longest);
    }
    button->setText(QString());
}

} // namespace

ControlPage ControlPage::Build(ExerciseLogic& exercise, int width) {
    const ExerciseInfo& info = exercise.Info();
    const QString prefix = QLatin1String(info.prefix);
    ControlPage p;
    p.info = &info;
    p.ExerciseMode = info.firstMode();
    p.page = new QWidget;
    p.page->setObjectName(prefix + QStringLiteral("ControlP"));

    auto* layout = new QVBoxLayout(p.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    p.StartSB = MakeButton(p.page, prefix + QStringLiteral("StartSB"));
    p.HelpSB = MakeButton(p.page, prefix + QStringLiteral("HelpSB"));
    p.SwitchSB = MakeButton(p.page, prefix + QStringLiteral("SwitchSB"));
    p.StartSB->setMouseTracking(true);
    for (QToolButton* b : {p.StartSB, p.HelpSB, p.SwitchSB})
        layout->addWidget(b);
    FitModeCaptions(p.SwitchSB, info, width);

    p.extras = new QVBoxLayout;
    p.extras->setSpacing(2);
    layout->addLayout(p.extras);
    layout->addStretch(1);
    if (info.penalty) {
        p.ShtrafTimerP = MakePenaltyDisplay(p.page, prefix + QStringLiteral("ShtrafTimerP"));
        layout->addWidget(p.ShtrafTimerP, 0, Qt::AlignHCenter);
    }

    exercise.AddPageControls(p.page, p.extras);
    return p;
}
