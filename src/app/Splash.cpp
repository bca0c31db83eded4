#include "Splash.h"

#include "data/Texts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

const QColor Cream(0xff, 0xfb, 0xf0);
const QColor Border(0x9a, 0x8f, 0x6e);
const QColor NameColour(0x1f, 0x3c, 0x5a);
const QColor VersionColour(0x5c, 0x56, 0x48);

} // namespace

TSplashForm::TSplashForm(int lifetimeMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Never the active window, so never the parent of a message shown at start-up, which it
    // would take along when it frees itself.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(T(Tx::ProductName));
    setFixedSize(380, 150);
    QTimer::singleShot(lifetimeMs, this, &QWidget::close);
}

TSplashForm* TSplashForm::ShowSplash() {
    auto* splash = new TSplashForm;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = splash->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        splash->move(frame.topLeft());
    }
    splash->show();
    splash->raise();
    // Paint it now: the main window is built before the event loop runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    splash->repaint();
    return splash;
}

QFont TSplashForm::ProductFont() {
    const bool haveArialBlack = QFontDatabase::families().contains(QStringLiteral("Arial Black"));
    QFont font(haveArialBlack ? QStringLiteral("Arial Black") : QStringLiteral("Liberation Sans"));
    font.setPixelSize(32);
    font.setWeight(haveArialBlack ? QFont::Black : QFont::Bold);
    return font;
}

bool TSplashForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        close();
    return QWidget::event(event);
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    QLinearGradient fill(0, panel.top(), 0, panel.bottom());
    fill.setColorAt(0, Cream.lighter(103));
    fill.setColorAt(1, Cream.darker(104));
    p.setPen(QPen(Border, 1.5));
    p.setBrush(fill);
    p.drawRect(panel);

    const QRectF nameBox(panel.left(), panel.top() + 28, panel.width(), 50);
    p.setFont(ProductFont());
    p.setPen(NameColour);
    p.drawText(nameBox, Qt::AlignCenter, T(Tx::ProductName));

    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(VersionColour);
    p.drawText(QRectF(panel.left(), nameBox.bottom() + 6, panel.width(), 24), Qt::AlignCenter,
               T(Tx::VersionLine));
}

void TSplashForm::mousePressEvent(QMouseEvent*) {
    close();
}
