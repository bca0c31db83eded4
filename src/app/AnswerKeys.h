#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Offers the keys pressed in one window to a taker; a key it takes goes no further. It
// watches the whole application, so a key reaches it whichever control of the window has the
// focus; keys of other windows (a modal dialog) and the repeats of a held key are not offered.
class AnswerKeys : public QObject {
    Q_OBJECT
public:
    AnswerKeys(QWidget* window, std::function<bool(int key)> take);
    ~AnswerKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<bool(int key)> take_;
};
