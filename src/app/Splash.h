#pragma once

#include <QFont>
#include <QWidget>

// The start-up splash: the product name on a cream panel with the version below,
// frameless and centred. It never takes activation, and frees itself when clicked, when it
// loses an activation given to it, or after a few seconds at most, so it never stays over the
// windows that follow it.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultLifetimeMs = 3000;

    explicit TSplashForm(int lifetimeMs = DefaultLifetimeMs, QWidget* parent = nullptr);

    // Creates, centres and shows a splash that frees itself.
    static TSplashForm* ShowSplash();

    // Arial Black 32 px, or Liberation Sans Bold where Arial Black is not installed.
    static QFont ProductFont();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
