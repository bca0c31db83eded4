#pragma once

#include <QProxyStyle>

// The application's hint timing: hints appear as soon as the pointer rests on a control
// and stay up for a minute, whatever the length of their text. Installed once as the
// application's style (wrapping the platform style, which keeps drawing everything) and as
// an application-wide event filter that gives every control showing a hint that duration.
class HintStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int WakeUpDelayMs = 0;
    static constexpr int ShowTimeMs = 60000;

    // Makes a HintStyle the application's style unless it already is one.
    static void Install();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintStyle();
};
