#include "app/About.h"
#include "app/Splash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>

namespace {

void deleteDeferred() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList labelTexts(const QWidget* widget) {
    QStringList texts;
    for (const auto* label : widget->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts.append(label->text());
    return texts;
}

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void splashIsFramelessAndCentred();
    void splashShowsTheNameOnACreamPanel();
    void productFontIsArialBlackOrItsStandIn();
    void splashFreesItselfWhenItLosesActivation();
    void splashFreesItselfWhenClicked();
    void splashFreesItselfAfterItsLifetime();

    void aboutBoxShowsNameVersionAndDescription();
    void aboutBoxClosesWithItsOkButton();
};

void TestSplash::splashIsFramelessAndCentred() {
    QPointer<TSplashForm> splash = TSplashForm::ShowSplash();
    QVERIFY(splash);
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(splash->testAttribute(Qt::WA_DeleteOnClose));
    const QPoint offset = splash->geometry().center() -
                          QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    delete splash;
}

void TestSplash::splashShowsTheNameOnACreamPanel() {
    TSplashForm splash;
    const QImage image = splash.grab().toImage();
    const QColor inside = image.pixelColor(8, 8);
    QVERIFY(inside.red() > 240 && inside.green() > 240 && inside.blue() > 220);
    QVERIFY(inside.blue() < inside.red()); // cream, not white
    // The product name is drawn in dark ink across the upper middle of the panel.
    int dark = 0;
    for (int y = image.height() / 5; y < image.height() / 2 + 10; ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    QVERIFY2(dark > 300, qPrintable(QString::number(dark)));
}

void TestSplash::productFontIsArialBlackOrItsStandIn() {
    const QFont font = TSplashForm::ProductFont();
    QCOMPARE(font.pixelSize(), 32);
    const QFontInfo info(font);
    QVERIFY2(info.family() == "Arial Black" || (info.family() == "Liberation Sans" && info.bold()),
             qPrintable(info.family()));
}

void TestSplash::splashFreesItselfWhenItLosesActivation() {
    QPointer<TSplashForm> splash = new TSplashForm;
    splash->show();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(splash, &deactivate);
    deleteDeferred();
    QVERIFY(splash.isNull());
}

void TestSplash::splashFreesItselfWhenClicked() {
    QPointer<TSplashForm> splash = new TSplashForm;
    splash->show();
    QTest::mouseClick(splash, Qt::LeftButton);
    deleteDeferred();
    QVERIFY(splash.isNull());
}

void TestSplash::splashFreesItselfAfterItsLifetime() {
    QPointer<TSplashForm> splash = new TSplashForm(0);
    splash->show();
    QVERIFY(!splash.isNull());
    QTRY_VERIFY(splash.isNull());
}

void TestSplash::aboutBoxShowsNameVersionAndDescription() {
    TAboutForm about;
    QCOMPARE(about.windowTitle(), QString::fromUtf8("О программе..."));
    QVERIFY(about.isModal());
    const QStringList texts = labelTexts(&about);
    QVERIFY(texts.contains("Oxelium"));
    QVERIFY(texts.contains("(v1.8)"));
    QVERIFY(texts.contains(QString::fromUtf8("Тренажёр памяти и внимания")));
    const auto boxes = about.findChildren<QDialogButtonBox*>();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0]->buttons().size(), 1);
    QCOMPARE(boxes[0]->buttons()[0]->text(), QString("OK"));
}

void TestSplash::aboutBoxClosesWithItsOkButton() {
    bool sawAbout = false;
    QTimer::singleShot(0, [&sawAbout] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        sawAbout = qobject_cast<TAboutForm*>(modal) != nullptr;
        const auto buttons = modal->findChildren<QAbstractButton*>();
        if (!buttons.isEmpty())
            QTest::mouseClick(buttons.first(), Qt::LeftButton);
        if (modal->isVisible())
            modal->close();
    });
    TAboutForm::Execute(nullptr);
    QVERIFY(sawAbout);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
