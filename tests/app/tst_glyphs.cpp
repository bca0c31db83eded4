#include "app/Glyphs.h"

#include <QApplication>
#include <QtTest>

namespace {

// Pixels that carry ink (not fully transparent).
int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

int differentPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

QImage glyph(int index) {
    return Glyphs::ImageList1(index).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestGlyphs : public QObject {
    Q_OBJECT

private slots:
    void everyGlyphIs32By32WithTransparentCorners();
    void everyGlyphHasAClearSilhouette();
    void glyphsArePairwiseDifferent();
    void indexOutsideTheListGivesNoImage();
    void iconShowsTheSameGlyph();
    void programIconComesInSeveralSizesAndDiffersFromTheGlyphs();
    void setProgramIconAppliesToTheApplication();
};

void TestGlyphs::everyGlyphIs32By32WithTransparentCorners() {
    for (int i = 0; i < Glyphs::Count; ++i) {
        const QImage image = glyph(i);
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
}

void TestGlyphs::everyGlyphHasAClearSilhouette() {
    // Enough ink to be seen on a button, and not a filled square.
    for (int i = 0; i < Glyphs::Count; ++i) {
        const int ink = inkedPixels(glyph(i));
        QVERIFY2(ink > 150, qPrintable(QString("glyph %1: %2").arg(i).arg(ink)));
        QVERIFY2(ink < 32 * 32 * 3 / 4, qPrintable(QString("glyph %1: %2").arg(i).arg(ink)));
    }
}

void TestGlyphs::glyphsArePairwiseDifferent() {
    for (int i = 0; i < Glyphs::Count; ++i)
        for (int j = i + 1; j < Glyphs::Count; ++j)
            QVERIFY2(differentPixels(glyph(i), glyph(j)) > 100,
                     qPrintable(QString("glyphs %1 and %2").arg(i).arg(j)));
}

void TestGlyphs::indexOutsideTheListGivesNoImage() {
    QVERIFY(Glyphs::ImageList1(-1).isNull());
    QVERIFY(Glyphs::ImageList1(Glyphs::Count).isNull());
    QVERIFY(Glyphs::Icon(Glyphs::Count).isNull());
}

void TestGlyphs::iconShowsTheSameGlyph() {
    for (int i = 0; i < Glyphs::Count; ++i) {
        const QImage fromIcon = Glyphs::Icon(i)
                                    .pixmap(QSize(32, 32), 1.0)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(fromIcon, glyph(i));
    }
}

void TestGlyphs::programIconComesInSeveralSizesAndDiffersFromTheGlyphs() {
    const QIcon icon = Glyphs::ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 32, 64})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    const QImage image =
        icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(inkedPixels(image) > 32 * 32 / 2);
    for (int i = 0; i < Glyphs::Count; ++i)
        QVERIFY(differentPixels(image, glyph(i)) > 100);
}

void TestGlyphs::setProgramIconAppliesToTheApplication() {
    QVERIFY(QApplication::windowIcon().availableSizes().isEmpty());
    Glyphs::SetProgramIcon();
    QCOMPARE(QApplication::windowIcon().availableSizes(), Glyphs::ProgramIcon().availableSizes());
}

QTEST_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
