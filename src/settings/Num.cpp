#include "Num.h"

#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/Texts.h"
#include "widgets/FlatButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The edit field and the list on cream.
const char* const CreamStyle = "background: #FFFBF0;";

QFrame* Panel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

QToolButton* DialogButton(QWidget* parent, const char* name) {
    QToolButton* button = FlatButton(parent, name);
    button->setFixedSize(73, 22);
    return button;
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TNumForm::TNumForm(const QString& programDir, EditorMode mode, QWidget* parent)
    : QDialog(parent), lines_(programDir, mode) {
    setObjectName(QStringLiteral("NumForm"));
    setModal(true);
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, MinimumHeight);
    BuildControls();
}

void TNumForm::BuildControls() {
    Panel1 = Panel(this, "Panel1");
    NumE = new QLineEdit(Panel1);
    NumE->setObjectName(QStringLiteral("NumE"));
    NumE->setStyleSheet(QLatin1String(CreamStyle));
    auto* top = new QHBoxLayout(Panel1);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(NumE);

    Panel2 = Panel(this, "Panel2");
    NumLB = new QListWidget(Panel2);
    NumLB->setObjectName(QStringLiteral("NumLB"));
    NumLB->setStyleSheet(QLatin1String(CreamStyle));
    NumLB->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* middle = new QHBoxLayout(Panel2);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(NumLB);

    Panel3 = Panel(this, "Panel3");
    InfoP = new QLabel(Panel3);
    InfoP->setObjectName(QStringLiteral("InfoP"));
    InfoP->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InfoP->setMinimumWidth(120);
    YesSB = DialogButton(Panel3, "YesSB");
    CancelSB = DialogButton(Panel3, "CancelSB");
    auto* bottom = new QHBoxLayout(Panel3);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addWidget(InfoP);
    bottom->addStretch(1);
    bottom->addWidget(YesSB);
    bottom->addWidget(CancelSB);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2, 1);
    layout->addWidget(Panel3);

    connect(NumLB, &QListWidget::currentRowChanged, this, &TNumForm::NumLBClick);
    connect(NumLB, &QListWidget::itemDoubleClicked, this, &TNumForm::NumLBDblClick);
    connect(NumE, &QLineEdit::textChanged, this, &TNumForm::NumEChange);
    connect(YesSB, &QToolButton::clicked, this, &TNumForm::YesSBClick);
    connect(CancelSB, &QToolButton::clicked, this, &TNumForm::CancelSBClick);
    NumLB->installEventFilter(this);
    NumE->installEventFilter(this);
}

std::optional<QStringList> TNumForm::Execute(const QString& programDir, EditorMode mode,
                                             QWidget* parent) {
    TNumForm form(programDir, mode, parent);
    if (!form.FormShow())
        return std::nullopt;
    form.exec();
    return form.Saved();
}

// Without its list the window would save empty lines over a file it could not read, so it
// is not opened.
bool TNumForm::FormShow() {
    QStringList lines;
    try {
        lines = lines_.Load();
    } catch (const OxelError& e) {
        ShowError(e.text());
        return false;
    }
    setWindowTitle(lines_.Caption());
    {
        const QSignalBlocker quiet(NumLB);
        NumLB->clear();
        NumLB->addItems(lines);
    }
    NumLB->setCurrentRow(0);
    NumLBClick();
    NumLB->setFocus();
    YesSB->setText(T(Tx::ConfirmButton));
    CancelSB->setText(T(Tx::Cancel));
    return true;
}

QStringList TNumForm::Lines() const {
    QStringList lines;
    for (int i = 0; i < NumLB->count(); ++i)
        lines.append(NumLB->item(i)->text());
    return lines;
}

void TNumForm::NumLBClick() {
    const int row = NumLB->currentRow();
    if (row < 0)
        return;
    NumE->setText(NumLB->item(row)->text());
    InfoP->setText(lines_.Info(row));
}

// The field is entered with its text selected, so that typing replaces the line and an
// arrow key keeps it.
void TNumForm::NumLBDblClick() {
    NumE->setFocus();
    NumE->selectAll();
}

void TNumForm::NumLBKeyPress(int key) {
    if (IsEnter(key))
        NumLBDblClick();
}

void TNumForm::NumEChange(const QString& text) {
    if (QListWidgetItem* item = NumLB->currentItem())
        item->setText(text);
}

void TNumForm::NumEKeyPress(int key) {
    if (!IsEnter(key))
        return;
    NumEChange(NumE->text());
    NumLB->setFocus();
}

void TNumForm::YesSBClick() {
    const QStringList lines = Lines();
    const int refused = EditorLines::FirstUnstorable(lines);
    if (refused >= 0) {
        ShowMessage(lines_.RefusalText(lines, refused), Dialogs::Kind::Warning);
        NumLB->setCurrentRow(refused);
        NumE->setFocus();
        return;
    }
    try {
        lines_.Save(lines);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    saved_ = lines;
    accept();
}

void TNumForm::CancelSBClick() {
    reject();
}

bool TNumForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == NumLB && IsEnter(key)) {
            NumLBKeyPress(key);
            return true;
        }
        if (watched == NumE && IsEnter(key)) {
            NumEKeyPress(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
