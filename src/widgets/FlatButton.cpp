#include "FlatButton.h"

#include <QToolButton>

namespace {

// A face lit from above, from the top colour to the bottom one.
QString Face(const char* top, const char* bottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(QLatin1String(top), QLatin1String(bottom));
}

} // namespace

void MakeFlat(QToolButton* button, const QString& textStyle) {
    button->setAutoRaise(true);
    button->setStyleSheet(
        QStringLiteral("QToolButton { color: black; border: 1px solid #8C8C8C; border-radius: 2px;"
                       " padding: 1px 2px 1px 1px; background: %1; %4 }"
                       "QToolButton:hover { border-color: #505050; background: %2; }"
                       "QToolButton:pressed { border-color: #505050; background: %3; }"
                       "QToolButton:disabled { color: #808080; border-color: #B4B4B4;"
                       " background: #E2E2E2; }")
            .arg(Face("#FAFAFA", "#DADADA"), Face("#FFFFFF", "#ECECEC"), Face("#BDBDBD", "#D6D6D6"),
                 textStyle));
}

QToolButton* FlatButton(QWidget* parent, const char* name, const QString& textStyle) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    MakeFlat(button, textStyle);
    return button;
}
