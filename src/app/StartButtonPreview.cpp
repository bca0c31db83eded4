#include "StartButtonPreview.h"

#include "RunCycle.h"
#include "board/OxelPanel.h"
#include "data/Settings.h"

#include <QEvent>

StartButtonPreview::StartButtonPreview(RunCycle& cycle) : cycle_(cycle) {}

bool StartButtonPreview::ShulteStartSBMouseMove(const QString& buttonName) {
    for (int index = 0; index < ExerciseCount; ++index) {
        if (buttonName != QLatin1String(Exercise(index).prefix) + QStringLiteral("StartSB"))
            continue;
        const quint32 colour = cycle_.ExerciseAt(index).PreviewBgColor();
        TOxelPanel& board = cycle_.Board();
        if (board.BgColor() != colour) {
            board.SetBgColor(colour);
            board.Repaint();
        }
        return true;
    }
    return false;
}

bool StartButtonPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        ShulteStartSBMouseMove(watched->objectName());
    return QObject::eventFilter(watched, event);
}
