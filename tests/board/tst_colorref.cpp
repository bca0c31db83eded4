#include "board/ColorRef.h"

#include <QTest>

// $BBGGRR colour values and their painted colours, system colours included.
class TestColorRef : public QObject {
    Q_OBJECT

private slots:
    void plainColoursAreBlueGreenRed() {
        QCOMPARE(ColorToQColor(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(ColorToQColor(0x00FF00), QColor(0, 255, 0));
        QCOMPARE(ColorToQColor(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(ColorToQColor(0xF0FBFF), QColor(0xFF, 0xFB, 0xF0));
        QCOMPARE(ColorToQColor(clSilver), QColor(0xC0, 0xC0, 0xC0));
    }

    void valuesRoundTrip() {
        for (TColor c : {0x000000u, 0x0000FFu, 0x123456u, 0xF0FBFFu, 0xFFFFFFu})
            QCOMPARE(QColorToColor(ColorToQColor(c)), c);
        QCOMPARE(QColorToColor(QColor(1, 2, 3, 10)), TColor(0x030201));
    }

    void systemColoursComeFromThePalette() {
        QPalette p;
        p.setColor(QPalette::Active, QPalette::Base, QColor(1, 1, 1));
        p.setColor(QPalette::Active, QPalette::Text, QColor(2, 2, 2));
        p.setColor(QPalette::Active, QPalette::Button, QColor(3, 3, 3));
        p.setColor(QPalette::Active, QPalette::Window, QColor(4, 4, 4));
        p.setColor(QPalette::Active, QPalette::Highlight, QColor(5, 5, 5));
        QVERIFY(IsSystemColor(clWindow));
        QVERIFY(!IsSystemColor(0xFFFFFF));
        QCOMPARE(ColorToQColor(clWindow, p), QColor(1, 1, 1));
        QCOMPARE(ColorToQColor(clWindowText, p), QColor(2, 2, 2));
        QCOMPARE(ColorToQColor(clBtnFace, p), QColor(3, 3, 3));
        QCOMPARE(ColorToQColor(0x8000000D, p), QColor(5, 5, 5));
        // Indexes past the table fall back to the window colour.
        QCOMPARE(ColorToQColor(0x800000FF, p), QColor(4, 4, 4));
    }

    void otherHighBytesAreIgnored() {
        QCOMPARE(ColorToQColor(0x020000FF), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestColorRef)
#include "tst_colorref.moc"
