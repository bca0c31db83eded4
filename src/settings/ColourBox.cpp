#include "ColourBox.h"

#include "Pickers.h"
#include "data/Texts.h"

#include <QPainter>
#include <QPixmap>

namespace {

struct NamedColour {
    TColor colour;
    Tx name;
};

// The standard colours, then the extended ones, as $BBGGRR values.
constexpr NamedColour namedColours[] = {
    {0x000000, Tx::ColourBlack}, {0x000080, Tx::ColourMaroon},     {0x008000, Tx::ColourGreen},
    {0x008080, Tx::ColourOlive}, {0x800000, Tx::ColourNavy},       {0x800080, Tx::ColourPurple},
    {0x808000, Tx::ColourTeal},  {0x808080, Tx::ColourGray},       {0xC0C0C0, Tx::ColourSilver},
    {0x0000FF, Tx::ColourRed},   {0x00FF00, Tx::ColourLime},       {0x00FFFF, Tx::ColourYellow},
    {0xFF0000, Tx::ColourBlue},  {0xFF00FF, Tx::ColourFuchsia},    {0xFFFF00, Tx::ColourAqua},
    {0xFFFFFF, Tx::ColourWhite}, {0xC0DCC0, Tx::ColourMoneyGreen}, {0xF0CAA6, Tx::ColourSkyBlue},
    {0xF0FBFF, Tx::ColourCream}, {0xA4A0A0, Tx::ColourMedGray},
};

} // namespace

ColourBox::ColourBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(21);
    AddColour(clBlack, T(Tx::ColourCustom));
    for (const NamedColour& named : namedColours)
        AddColour(named.colour, T(named.name));
    setCurrentIndex(1);
    connect(this, &QComboBox::activated, this, &ColourBox::Activated);
}

QIcon ColourBox::Swatch(TColor colour) const {
    const QSize size = iconSize();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(ColorToQColor(colour));
    painter.drawRect(QRect(QPoint(0, 2), QSize(size.width() - 1, size.height() - 5)));
    return QIcon(pixmap);
}

void ColourBox::AddColour(TColor colour, const QString& name) {
    addItem(Swatch(colour), name, QVariant::fromValue<quint32>(colour));
}

void ColourBox::SetColour(TColor colour) {
    colour_ = colour;
    for (int i = CustomItem + 1; i < count(); ++i) {
        if (itemData(i).value<quint32>() == colour) {
            setCurrentIndex(i);
            return;
        }
    }
    setItemData(CustomItem, QVariant::fromValue<quint32>(colour));
    setItemIcon(CustomItem, Swatch(colour));
    setCurrentIndex(CustomItem);
}

void ColourBox::Activated(int index) {
    TColor chosen = itemData(index).value<quint32>();
    if (index == CustomItem) {
        const std::optional<TColor> picked = AppPickers().PickColour(colour_, this);
        if (!picked) {
            // Cancelled: the list shows the colour it had.
            SetColour(colour_);
            return;
        }
        chosen = *picked;
    }
    SetColour(chosen);
    emit colourChanged(chosen);
}
