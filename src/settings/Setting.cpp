#include "Setting.h"

#include "ColourBox.h"
#include "ColourPanel.h"
#include "FontButton.h"
#include "OptionToggle.h"
#include "Pickers.h"
#include "board/OxelPanel.h"
#include "data/Dialogs.h"
#include "data/Errors.h"
#include "data/ExerciseInfo.h"
#include "data/Text1251.h"
#include "exercises/ExerciseLogic.h"
#include "widgets/FlatButton.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* CaptionedButton(QWidget* parent, const char* name, const QString& caption) {
    QToolButton* button = FlatButton(parent, name);
    button->setText(caption);
    return button;
}

// The face kept for a font chosen over a stored one: the dialog lists a face such as
// "ARIAL" under the family it resolves to, and only changing the size must not rename it.
QString KeptFace(const FontRecord& before, const QString& chosenFamily) {
    const QString resolved = QFontInfo(BoardFont(before).Font()).family();
    if (QString::compare(chosenFamily, resolved, Qt::CaseInsensitive) == 0)
        return before.face;
    return chosenFamily;
}

} // namespace

TSettingForm::TSettingForm(SettingContext context, QWidget* parent)
    : QDialog(parent), ctx_(context), values_(context.looks) {
    setObjectName(QStringLiteral("SettingForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setAutoFillBackground(true);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setUsesScrollButtons(true);
    PageControl->tabBar()->setElideMode(Qt::ElideNone);
    for (int position = 0; position < ExerciseCount; ++position) {
        const ExerciseInfo& info = ExerciseAtListPosition(position);
        PageControl->addTab(BuildPage(info.exerciseNumber()), T(info.title));
    }
    BuildButtons();
    // Keyboard preview: Enter and Escape reach the window over any of its controls.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TSettingForm::Execute(SettingContext context, QWidget* parent) {
    TSettingForm form(context, parent);
    form.exec();
}

QWidget* TSettingForm::BuildPage(int tag) {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    auto* box = new QGroupBox(page);
    pageLayout->addWidget(box);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);

    int row = 0;
    QGridLayout* targets = nullptr;
    for (const SettingField* field : SettingFieldsOfTab(tag)) {
        QWidget* control = BuildControl(*field, box);
        controls_.insert(field, control);
        if (field->control == SettingControl::TargetPanel) {
            if (!targets) {
                auto* group = new QGroupBox(T(Tx::TargetColours), box);
                targets = new QGridLayout(group);
                targets->setSpacing(4);
                grid->addWidget(group, row++, 0, 1, 2);
                grid->addWidget(ColourBlindButton(tag, box), row++, 0, 1, 2);
            }
            targets->addWidget(control, (field->number - 1) / 5, (field->number - 1) % 5);
            continue;
        }
        if (field->control == SettingControl::Toggle) {
            grid->addWidget(control, row++, 0, 1, 2);
            continue;
        }
        auto* label = new QLabel(field->Caption(), box);
        label->setVisible(!field->hidden);
        control->setVisible(!field->hidden);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row++, 1,
                        field->control == SettingControl::FontButton ? Qt::AlignLeft
                                                                     : Qt::Alignment());
    }
    const SettingTab& tab = SettingTabOf(tag);
    if (tab.fontColourNote) {
        auto* note = new QLabel(T(Tx::Font1ColourFixed), box);
        note->setWordWrap(true);
        grid->addWidget(note, row++, 0, 1, 2);
    }
    grid->setRowStretch(row++, 1);
    QToolButton* restore = CaptionedButton(box, tab.restoreName, T(Tx::RestoreDefaults));
    connect(restore, &QToolButton::clicked, this, [this, tag] { ShDefaultSBClick(tag); });
    grid->addWidget(restore, row, 0, 1, 2, Qt::AlignRight);
    return page;
}

QToolButton* TSettingForm::ColourBlindButton(int tag, QWidget* parent) {
    const QByteArray name = QByteArray(Exercise(tag - 1).prefix) + "ColourBlindSB";
    QToolButton* button = CaptionedButton(parent, name.constData(), T(Tx::ColourBlindPreset));
    connect(button, &QToolButton::clicked, this, [this, tag] { ColourBlindSBClick(tag); });
    return button;
}

QWidget* TSettingForm::BuildControl(const SettingField& field, QWidget* parent) {
    QWidget* control = nullptr;
    switch (field.control) {
    case SettingControl::FontButton: {
        auto* button = new FontButton(field.Letter(), parent);
        connect(button, &QToolButton::clicked, this, [this, &field] {
            if (field.number == 1)
                ShulteFont1SBClick(field);
            else
                ShulteFont2SBClick(field);
        });
        control = button;
        break;
    }
    case SettingControl::ColourBox: {
        auto* box = new ColourBox(parent);
        connect(box, &ColourBox::colourChanged, this, [this, &field](TColor colour) {
            values_.SetColour(field, colour);
            ShowBackdrops(field.tag);
        });
        control = box;
        break;
    }
    case SettingControl::TargetPanel: {
        auto* panel = new ColourPanel(parent);
        panel->setMinimumSize(36, 24);
        connect(panel, &ColourPanel::clicked, this, [this, &field] { TargetColor1PClick(field); });
        control = panel;
        break;
    }
    case SettingControl::Toggle: {
        auto* toggle = new OptionToggle(T(field.label), T(field.offCaption), parent);
        MakeFlat(toggle);
        connect(toggle, &QToolButton::clicked, this, [this, &field] {
            if (field.part == LookPart::ShowHints)
                NumbersNetSBClick();
            else
                NumbersJordSBClick();
        });
        control = toggle;
        break;
    }
    }
    control->setObjectName(QLatin1String(field.name));
    return control;
}

void TSettingForm::BuildButtons() {
    auto* bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("BottomP"));
    constexpr int BottomHeight = 31;
    PageControl->setGeometry(0, 0, ClientWidth, ClientHeight - BottomHeight);
    bottom->setGeometry(0, ClientHeight - BottomHeight, ClientWidth, BottomHeight);
    YesSB = CaptionedButton(bottom, "YesSB", T(Tx::ConfirmButton));
    ApplySB = CaptionedButton(bottom, "ApplySB", T(Tx::Apply));
    CancelSB = CaptionedButton(bottom, "CancelSB", T(Tx::Cancel));
    constexpr int ButtonWidth = 73;
    constexpr int ButtonHeight = 22;
    const int top = (BottomHeight - ButtonHeight) / 2;
    YesSB->setGeometry(8, top, ButtonWidth, ButtonHeight);
    ApplySB->setGeometry(96, top, ButtonWidth, ButtonHeight);
    CancelSB->setGeometry(184, top, ButtonWidth, ButtonHeight);
    connect(YesSB, &QToolButton::clicked, this, [this] { YesSBClick(false); });
    connect(ApplySB, &QToolButton::clicked, this, [this] { YesSBClick(true); });
    connect(CancelSB, &QToolButton::clicked, this, &TSettingForm::CancelSBClick);
}

void TSettingForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSettingForm::FormShow() {
    setWindowTitle(T(Tx::MenuSettings));
    values_ = SettingValues(ctx_.looks);
    for (int tag = 1; tag <= ExerciseCount; ++tag)
        ShowValues(tag);
    PageControl->setCurrentIndex(ctx_.listPosition);
}

void TSettingForm::ShowValues(int tag) {
    for (const SettingField* field : SettingFieldsOfTab(tag))
        ShowValue(*field);
    ShowBackdrops(tag);
}

void TSettingForm::ShowBackdrops(int tag) {
    const TColor background = values_.Edited().BoardBgColor(tag - 1);
    for (const SettingField* field : SettingFieldsOfTab(tag))
        if (field->control == SettingControl::FontButton)
            static_cast<FontButton*>(controls_.value(field))->SetBackdrop(background);
}

void TSettingForm::ShowValue(const SettingField& field) {
    QWidget* control = controls_.value(&field);
    switch (field.control) {
    case SettingControl::FontButton:
        static_cast<FontButton*>(control)->SetValue(values_.Font(field));
        break;
    case SettingControl::ColourBox:
        static_cast<ColourBox*>(control)->SetColour(values_.Colour(field));
        break;
    case SettingControl::TargetPanel:
        static_cast<ColourPanel*>(control)->SetColour(values_.Colour(field));
        break;
    case SettingControl::Toggle:
        static_cast<OptionToggle*>(control)->SetOn(values_.Flag(field));
        break;
    }
}

void TSettingForm::ShulteFont1SBClick(const SettingField& field) {
    EditFont(field);
}

void TSettingForm::ShulteFont2SBClick(const SettingField& field) {
    EditFont(field);
}

// The font dialog is preset with the button's font; a face whose name Windows-1251 cannot
// hold would be stored damaged, so it is refused and the button keeps its font.
void TSettingForm::EditFont(const SettingField& field) {
    const FontRecord before = values_.Font(field);
    const std::optional<BoardFont> chosen = AppPickers().PickFont(BoardFont(before), this);
    if (!chosen)
        return;
    FontRecord record = chosen->ToRecord();
    record.face = KeptFace(before, record.face);
    if (!Fits1251(record.face)) {
        ShowMessage(T(Tx::FontFaceNotStorable).arg(record.face), Dialogs::Kind::Warning);
        return;
    }
    values_.SetFont(field, record);
    ShowValue(field);
}

void TSettingForm::TargetColor1PClick(const SettingField& field) {
    const std::optional<TColor> chosen = AppPickers().PickColour(values_.Colour(field), this);
    if (!chosen)
        return;
    values_.SetColour(field, *chosen);
    ShowValue(field);
}

void TSettingForm::ShDefaultSBClick(int tag) {
    values_.Restore(tag);
    ShowValues(tag);
}

void TSettingForm::ColourBlindSBClick(int tag) {
    values_.ColourBlindPreset(tag);
    ShowValues(tag);
}

void TSettingForm::FlipToggle(const SettingField& field) {
    values_.SetFlag(field, !values_.Flag(field));
    ShowValue(field);
}

void TSettingForm::NumbersNetSBClick() {
    FlipToggle(SettingFieldNamed("NumbersNetSB"));
}

void TSettingForm::NumbersJordSBClick() {
    FlipToggle(SettingFieldNamed("NumbersJordSB"));
}

// A store that cannot be written keeps the window open with the values unconfirmed, so
// nothing is shown on the board that the file does not hold.
void TSettingForm::YesSBClick(bool apply) {
    try {
        values_.Confirm(ctx_.looks, ctx_.file);
    } catch (const OxelError& e) {
        ShowError(e.text());
        return;
    }
    ctx_.active.ApplyLook();
    ctx_.board.Repaint();
    if (!apply)
        accept();
}

void TSettingForm::CancelSBClick() {
    QDialog::reject();
}

void TSettingForm::reject() {
    CancelSBClick();
}

bool TSettingForm::FormKeyPress(int key) {
    switch (key) {
    case Qt::Key_Escape:
        CancelSBClick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        YesSBClick(false);
        return true;
    default:
        return false;
    }
}

// Only the window's own controls: a colour list's open drop-down is a window of its own and
// takes Enter and Escape itself.
bool TSettingForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this &&
            FormKeyPress(static_cast<QKeyEvent*>(event)->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
