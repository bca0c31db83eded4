#include "SettingsFixture.h"
#include "settings/ColourBox.h"
#include "settings/FontColourDialog.h"
#include "settings/WidgetPickers.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QtTest>

namespace {

FontRecord Arial(quint8 style, TColor colour) {
    FontRecord font = Settings::SchulteLargeFont();
    font.style = style;
    font.colour = colour;
    return font;
}

// Confirmed without a change, the dialog gives the font it was preset with (under the
// family the face resolves to): a regular font must not come back bold or italic.
void CheckPresetFontComesBack() {
    for (quint8 style : {quint8(0), quint8(FontRecord::Bold), quint8(FontRecord::Italic),
                         quint8(FontRecord::Bold | FontRecord::Italic),
                         quint8(FontRecord::Underline | FontRecord::StrikeOut)}) {
        const FontRecord preset = Arial(style, 0x0000FF);
        FontColourDialog dialog{BoardFont(preset)};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        FontRecord chosen = dialog.Chosen().ToRecord();
        QCOMPARE(chosen.face, QFontInfo(BoardFont(preset).Font()).family());
        chosen.face = preset.face;
        QCOMPARE(chosen, preset);
    }
}

} // namespace

class TestFontColourDialog : public QObject {
    Q_OBJECT

private slots:
    void untouchedDialogGivesThePresetFontBack() { CheckPresetFontComesBack(); }

    // Translated, the toolkit names the styles otherwise than the fonts do.
    void untouchedDialogGivesThePresetFontBackInRussian() {
        if (!WidgetPickers::InstallToolkitTexts())
            QSKIP("the toolkit's Russian translation is not installed");
        CheckPresetFontComesBack();
    }

    void colourListEditsTheFontColour() {
        TestSeams seams;
        FontColourDialog dialog{BoardFont(Arial(0, 0x00FFFF))};
        QCOMPARE(dialog.ColourCB->Colour(), 0x00FFFFu);
        QCOMPARE(dialog.ColourCB->currentText(), QStringLiteral("Жёлтый"));
        QTest::keyClick(dialog.ColourCB, Qt::Key_Down);
        QCOMPARE(dialog.Chosen().Color(), 0xFF0000u);
        QFont larger = dialog.FontD->currentFont();
        larger.setPointSize(30);
        dialog.FontD->setCurrentFont(larger);
        QCOMPARE(dialog.Chosen().Size(), 30);
        QCOMPARE(dialog.Chosen().Color(), 0xFF0000u);
    }
};

QTEST_MAIN(TestFontColourDialog)
#include "tst_fontcolourdialog.moc"
