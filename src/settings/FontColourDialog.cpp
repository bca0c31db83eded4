#include "FontColourDialog.h"

#include "ColourBox.h"
#include "data/Texts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The font as the dialog lists it: under the family it resolves to ("ARIAL" as Liberation
// Sans) and the style of that family with the same weight and slant, which the dialog would
// otherwise not find by name and replace with the first style it lists.
QFont Shown(const QFont& font) {
    QFont shown = font;
    const QString family = QFontInfo(font).family();
    shown.setFamily(family);
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::bold(family, style) == font.bold() &&
            QFontDatabase::italic(family, style) == font.italic()) {
            shown.setStyleName(style);
            break;
        }
    }
    return shown;
}

} // namespace

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
    FontD->setCurrentFont(Shown(initial.Font()));

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
