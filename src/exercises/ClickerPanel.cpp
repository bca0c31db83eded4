#include "ClickerPanel.h"

#include "board/ColorRef.h"

#include <QMouseEvent>

ClickerPanel::ClickerPanel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    // A caption longer than the panel is wide goes on two lines.
    setWordWrap(true);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    SetLook(QString(), clBlack);
}

void ClickerPanel::SetLook(const QString& caption, quint32 background) {
    background_ = background;
    setText(caption);
    // One look in every colour group: the caption stays white while the clicker is disabled.
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorToQColor(background));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

void ClickerPanel::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(event->button());
    event->accept();
}
