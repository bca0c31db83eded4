#include "FontColourDialog.h"

#include "ColourBox.h"
#include "data/Texts.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontColourDialog::FontColourDialog(const BoardFont& initial, QWidget* parent)
    : QDialog(parent), initial_(initial) {
    setObjectName(QStringLiteral("FontColourDialog"));
    setWindowTitle(T(Tx::Font));

    // The toolkit's dialog serves as a plain widget inside this one; its own buttons give
    // way to the buttons below, which also take the colour.
    FontD = new QFontDialog(this);
    FontD->setObjectName(QStringLiteral("FontD"));
    FontD->setWindowFlags(Qt::Widget);
    FontD->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // The dialog lists faces by the family they resolve to ("ARIAL" as Liberation Sans).
    QFont shown = initial.Font();
    shown.setFamily(QFontInfo(shown).family());
    FontD->setCurrentFont(shown);

    ColourCB = new ColourBox(this);
    ColourCB->setObjectName(QStringLiteral("ColourCB"));
    ColourCB->SetColour(initial.Color());

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(T(Tx::FontColourLabel), this));
    colourRow->addWidget(ColourCB, 1);
    colourRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(T(Tx::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(T(Tx::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FontD);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

BoardFont FontColourDialog::Chosen() const {
    BoardFont chosen = initial_;
    const QFont font = FontD->currentFont();
    chosen.SetFace(font.family());
    chosen.SetSize(font.pointSize());
    QFont styled = chosen.Font();
    styled.setBold(font.bold());
    styled.setItalic(font.italic());
    styled.setUnderline(font.underline());
    styled.setStrikeOut(font.strikeOut());
    chosen.SetFont(styled);
    chosen.SetColor(ColourCB->Colour());
    return chosen;
}
