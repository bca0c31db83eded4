#include "board/BoardFont.h"

#include <QFontInfo>
#include <QTest>

// The board font: conversion to and from the stored font record, and the faces it resolves to.
class TestBoardFont : public QObject {
    Q_OBJECT

private slots:
    void recordRoundTrip_data() {
        QTest::addColumn<FontRecord>("record");
        FontRecord plain;
        QTest::newRow("default record") << plain;
        FontRecord big;
        big.face = QStringLiteral("TIMES NEW ROMAN");
        big.size = 22;
        big.colour = 0x0000FF;
        big.charset = 204;
        big.pitch = 1;
        big.style = FontRecord::Bold;
        QTest::newRow("times bold red") << big;
        FontRecord all;
        all.face = QStringLiteral("Courier New");
        all.size = 1;
        all.colour = 0x80000008;
        all.pitch = 2;
        all.style = FontRecord::Bold | FontRecord::Italic | FontRecord::Underline |
                    FontRecord::StrikeOut;
        QTest::newRow("every style, system colour, fixed pitch") << all;
        FontRecord italic;
        italic.size = 72;
        italic.style = FontRecord::Italic | FontRecord::StrikeOut;
        italic.colour = 0x123456;
        QTest::newRow("italic strike-out") << italic;
    }
    void recordRoundTrip() {
        QFETCH(FontRecord, record);
        const BoardFont font(record);
        QCOMPARE(font.ToRecord(), record);
        QCOMPARE(font.Size(), int(record.size));
        QCOMPARE(font.Color(), record.colour);
        QCOMPARE(font.Font().bold(), bool(record.style & FontRecord::Bold));
        QCOMPARE(font.Font().italic(), bool(record.style & FontRecord::Italic));
        QCOMPARE(font.Font().underline(), bool(record.style & FontRecord::Underline));
        QCOMPARE(font.Font().strikeOut(), bool(record.style & FontRecord::StrikeOut));
        QCOMPARE(font.Font().fixedPitch(), record.pitch == 2);
        QVERIFY(BoardFont(font.ToRecord()) == font);
    }

    void windowsFacesResolveToLiberation_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("ARIAL") << "ARIAL" << "Liberation Sans";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("TIMES NEW ROMAN") << "TIMES NEW ROMAN" << "Liberation Serif";
        QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
    }
    void windowsFacesResolveToLiberation() {
        QFETCH(QString, face);
        QFETCH(QString, family);
        FontRecord r;
        r.face = face;
        r.size = 22;
        QCOMPARE(QFontInfo(BoardFont(r).Font()).family(), family);
        BoardFont changed;
        changed.SetFace(face);
        QCOMPARE(QFontInfo(changed.Font()).family(), family);
        QCOMPARE(changed.Face(), face);
    }

    void defaultIsEightPointWindowText() {
        const BoardFont font;
        QCOMPARE(font.Size(), 8);
        QCOMPARE(font.Color(), clWindowText);
        QCOMPARE(font.Charset(), quint8(1));
        QCOMPARE(font.Pitch(), quint8(0));
        QCOMPARE(QFontInfo(font.Font()).family(), QStringLiteral("Liberation Sans"));
    }

    void sizeNeverGoesBelowOne() {
        BoardFont font;
        font.SetSize(0);
        QCOMPARE(font.Size(), 1);
        font.SetSize(-5);
        QCOMPARE(font.Size(), 1);
        FontRecord r;
        r.size = 0;
        QCOMPARE(BoardFont(r).ToRecord().size, quint16(1));
    }
};

QTEST_MAIN(TestBoardFont)
#include "tst_boardfont.moc"
