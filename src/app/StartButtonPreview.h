#pragma once

#include <QObject>

class RunCycle;

// Shows the board in the background colour of an exercise while the mouse moves over that
// exercise's start button (`ShulteStartSBMouseMove`); the button is recognised by its name.
class StartButtonPreview : public QObject {
    Q_OBJECT
public:
    explicit StartButtonPreview(RunCycle& cycle);

    // The preview for the start button of that name; false for any other name.
    bool ShulteStartSBMouseMove(const QString& buttonName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RunCycle& cycle_;
};
