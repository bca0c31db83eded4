#include "AnswerKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

AnswerKeys::AnswerKeys(QWidget* window, std::function<bool(int key)> take)
    : window_(window), take_(std::move(take)) {
    qApp->installEventFilter(this);
}

AnswerKeys::~AnswerKeys() {
    qApp->removeEventFilter(this);
}

bool AnswerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (key->isAutoRepeat() || !widget || widget->window() != window_)
        return false;
    return take_(key->key());
}
