#include "FontButton.h"

#include "board/BoardFont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

FontButton::FontButton(const QString& letter, QWidget* parent)
    : QToolButton(parent), letter_(letter) {
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setFocusPolicy(Qt::NoFocus);
}

void FontButton::SetValue(const FontRecord& value) {
    value_ = value;
    setFont(BoardFont(value).Font());
    update();
}

void FontButton::SetBackdrop(TColor colour) {
    backdrop_ = colour;
    update();
}

QSize FontButton::sizeHint() const {
    return QSize(44, 36);
}

void FontButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const BoardFont board(value_);
    QFont font = board.Font();
    const QRect area = rect().adjusted(3, 3, -3, -3);
    painter.fillRect(area, ColorToQColor(backdrop_, palette()));
    // A large font is shown as large as the button allows.
    while (font.pointSize() > 1) {
        const QFontMetrics metrics(font);
        if (metrics.height() <= area.height() && metrics.horizontalAdvance(letter_) <= area.width())
            break;
        font.setPointSize(font.pointSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(ColorToQColor(board.Color(), palette()));
    painter.drawText(area, Qt::AlignCenter, letter_);
}
