#include "FlatButton.h"

#include <QToolButton>

void MakeFlat(QToolButton* button) {
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: black; }"
        "QToolButton:hover { border: 1px solid; border-color: white #808080 #808080 white; }"
        "QToolButton:pressed { border-color: #808080 white white #808080; }"));
}

QToolButton* FlatButton(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    MakeFlat(button);
    return button;
}
