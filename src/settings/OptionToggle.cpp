#include "OptionToggle.h"

OptionToggle::OptionToggle(QString onCaption, QString offCaption, QWidget* parent)
    : QToolButton(parent), onCaption_(std::move(onCaption)), offCaption_(std::move(offCaption)) {
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setFocusPolicy(Qt::NoFocus);
    SetOn(false);
}

void OptionToggle::SetOn(bool on) {
    tag_ = on ? 1 : 0;
    setText(on ? onCaption_ : offCaption_);
    QFont bold = font();
    bold.setBold(on);
    setFont(bold);
}
