#include "LessDlg.h"

#include "data/Sound.h"
#include "data/Texts.h"
#include "widgets/FlatButton.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* Display(QWidget* parent, const char* name, int height, const char* style) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(height);
    label->setStyleSheet(
        QStringLiteral("QLabel { background: black; %1 }").arg(QLatin1String(style)));
    return label;
}

} // namespace

TLessDlgForm::TLessDlgForm(Setup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)) {
    setObjectName(QStringLiteral("LessDlgForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(ClientWidth + 2 * BorderWidth, ClientHeight + 2 * BorderWidth);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TLessDlgForm::Timer1Timer);
    BuildControls();
}

void TLessDlgForm::BuildControls() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->addWidget(Panel1);

    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(0);
    LessonNameP = Display(Panel1, "LessonNameP", 24,
                          "color: yellow; font-family: 'Arial Black', 'Liberation Sans';"
                          " font-weight: 900; font-size: 13px;");
    LessonModeP = Display(Panel1, "LessonModeP", 18,
                          "color: silver; font-family: 'Liberation Sans'; font-weight: bold;"
                          " font-size: 11px;");
    LevelP = Display(Panel1, "LevelP", 18,
                     "color: lime; font-family: 'Liberation Sans'; font-weight: bold;"
                     " font-size: 11px;");
    TimerP = Display(Panel1, "TimerP", 58,
                     "color: red; font-family: 'Arial Black', 'Liberation Sans';"
                     " font-weight: 900; font-size: 48px;");
    CancelSB = FlatButton(Panel1, "CancelSB",
                          QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px;"));
    CancelSB->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    CancelSB->setFixedHeight(26);
    for (QWidget* part : std::initializer_list<QWidget*>{LessonNameP, LessonModeP, LevelP, TimerP})
        column->addWidget(part);
    column->addStretch(1);
    column->addWidget(CancelSB);
    connect(CancelSB, &QToolButton::clicked, this, &TLessDlgForm::CancelSBClick);

    // A right-button release anywhere on the dialog skips the count.
    for (QWidget* part :
         std::initializer_list<QWidget*>{this, Panel1, LessonNameP, LessonModeP, LevelP, TimerP})
        part->installEventFilter(this);
}

void TLessDlgForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TLessDlgForm::FormShow() {
    CancelSB->setText(T(Tx::Cancel));
    if (setup_.barCaption)
        setup_.barCaption(T(Tx::Launching));
    LessonNameP->setText(setup_.lessonName);
    LevelP->setText(
        QStringLiteral("%1 %2 %3").arg(setup_.seriesStep).arg(T(Tx::Of)).arg(setup_.seriesLength));
    value_ = StartValue;
    TimerP->clear();
    Timer1.start();
}

void TLessDlgForm::Timer1Timer() {
    if (!Timer1.isActive())
        return;
    if (value_ >= 1 && value_ <= 4)
        PlayWave(QStringLiteral("T_SHOW"), SoundBackground);
    else if (value_ == 0)
        PlayWave(QStringLiteral("T_GO"), SoundBackground);
    --value_;
    if (value_ < 0) {
        Finish();
        return;
    }
    TimerP->setText(QString::number(value_));
}

bool TLessDlgForm::FormCloseQuery() const {
    return !Timer1.isActive();
}

void TLessDlgForm::Finish() {
    Timer1.stop();
    close();
}

void TLessDlgForm::CancelSBClick() {
    Timer1.stop();
    if (setup_.lessonChB)
        setup_.lessonChB->setChecked(false);
    close();
}

void TLessDlgForm::Panel1MouseUp(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        Finish();
}

bool TLessDlgForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        Panel1MouseUp(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TLessDlgForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TLessDlgForm::reject() {
    if (FormCloseQuery())
        QDialog::reject();
}
