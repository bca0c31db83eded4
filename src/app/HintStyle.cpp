#include "HintStyle.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

HintStyle::HintStyle() : QProxyStyle() {}

void HintStyle::Install() {
    if (qobject_cast<HintStyle*>(QApplication::style()))
        return;
    auto* style = new HintStyle;
    // The application owns its style; replacing it later removes the filter with it.
    QApplication::setStyle(style);
    qApp->installEventFilter(style);
}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return WakeUpDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

bool HintStyle::eventFilter(QObject* watched, QEvent* event) {
    // The hint is shown by the control's own handling, which takes its duration from the
    // control; left at -1 it would go after ten seconds or so.
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTipDuration() < 0)
            widget->setToolTipDuration(ShowTimeMs);
    }
    return QProxyStyle::eventFilter(watched, event);
}
