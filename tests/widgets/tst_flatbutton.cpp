#include "widgets/FlatButton.h"

#include <QToolButton>
#include <QtTest>

class TestFlatButton : public QObject {
    Q_OBJECT

private slots:
    // At rest a frame stands out from the window around it; pressed, the face darkens.
    void restingButtonHasAFrameAndPressingSinksIt() {
        QWidget window;
        window.setStyleSheet(QStringLiteral("background: #C0C0C0;"));
        QToolButton* button = FlatButton(&window, "OkSB");
        button->setText(QStringLiteral("Да"));
        button->setGeometry(8, 8, 84, 26);
        window.show();
        const QColor around = window.grab().toImage().pixelColor(2, 2);
        const QImage rest = button->grab().toImage();
        const QPoint edge(rest.width() / 2, 0);
        const QPoint face(4, rest.height() / 2);
        QVERIFY(rest.pixelColor(edge) != around);
        button->setDown(true);
        const QImage pressed = button->grab().toImage();
        QVERIFY(pressed.pixelColor(face).lightness() < rest.pixelColor(face).lightness());
    }
};

QTEST_MAIN(TestFlatButton)
#include "tst_flatbutton.moc"
