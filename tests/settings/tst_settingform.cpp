#include "FileBytes.h"
#include "OptionsReference.h"
#include "SettingsFixture.h"
#include "settings/ColourBox.h"
#include "settings/ColourPanel.h"
#include "settings/FontButton.h"
#include "settings/OptionToggle.h"
#include "settings/Setting.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using settingstest::ChooseNamed;
using settingstest::Control;
using settingstest::Fixture;
using settingstest::ScriptedPickers;

namespace {

constexpr TColor Blue = 0xFF0000;
constexpr TColor Red = 0x0000FF;

// The label in the row of a control: the label widget at its left in the same grid row.
QLabel* LabelOf(QWidget* control) {
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>())
        if (qAbs(label->geometry().center().y() - control->geometry().center().y()) < 4)
            return label;
    return nullptr;
}

int PixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

} // namespace

class TestSettingForm : public QObject {
    Q_OBJECT

private slots:
    void tabsFollowTheExerciseListAndOpenOnTheActiveOne() {
        Fixture f;
        QVERIFY(f.win.form->Menu().SettingsN->isEnabled());
        QCOMPARE(f.win.form->Menu().SettingsN->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(f.win.form->Menu().SettingsN->text(), QStringLiteral("Разные настройки..."));
        f.activate(2);
        QCOMPARE(f.win.form->ActiveExercise(), 3);
        f.settings([](TSettingForm& form) {
            QCOMPARE(form.windowTitle(), QStringLiteral("Разные настройки..."));
            QStringList tabs;
            for (int i = 0; i < form.PageControl->count(); ++i)
                tabs << form.PageControl->tabText(i);
            QCOMPARE(tabs,
                     QStringList({"Шульте", "Шульте к/ч", "Мишени", "Пары слов", "Мнемоника слов",
                                  "Мнемоника чисел", "Считалка", "Корректурка", "N-назад"}));
            QCOMPARE(form.PageControl->currentIndex(), 2);
            QCOMPARE(form.YesSB->text(), QStringLiteral("Да"));
            QCOMPARE(form.ApplySB->text(), QStringLiteral("Применить"));
            QCOMPARE(form.CancelSB->text(), QStringLiteral("Отмена"));
            for (const char* name : {"ShDefaultSB", "RbShDefaultSB", "TgDefaultSB", "DwDefaultSB",
                                     "MnDefaultSB", "NumDefaultSB", "MtDefaultSB", "PrDefaultSB"})
                QCOMPARE(Control<QToolButton>(form, name)->text(),
                         QStringLiteral("восстановить значения"));
            const QStringList texts = [&] {
                QStringList all;
                for (QLabel* label : form.findChildren<QLabel*>())
                    all << label->text();
                return all;
            }();
            QVERIFY(texts.contains(QStringLiteral("внимание, цвет шрифта 1 не меняется")));
            QVERIFY(texts.contains(QStringLiteral("Цвет точки")));
            // Everything of the window lies inside it.
            for (QWidget* child : form.findChildren<QWidget*>())
                if (child->parentWidget() == &form)
                    QVERIFY(form.rect().contains(child->geometry()));
        });
        f.activate(0);
        f.settings([](TSettingForm& form) { QCOMPARE(form.PageControl->currentIndex(), 0); });
    }

    // Only a tab with target colours offers the preset; it sets the ten colours and the
    // background, the other tabs keep theirs, and "Да" writes them.
    void colourBlindPresetSetsTheTargetColoursAndBackground() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            QCOMPARE(form.findChildren<QToolButton*>(QRegularExpression("ColourBlindSB$")).size(),
                     1);
            auto* preset = Control<QToolButton>(form, "TargetColourBlindSB");
            QCOMPARE(preset->text(), QStringLiteral("Цвета для дальтоников"));
            QVERIFY(form.rect().contains(preset->mapTo(&form, preset->rect().bottomRight())));
            ChooseNamed(Control<ColourBox>(form, "ShulteBgCB"), Blue);
            ChooseNamed(Control<ColourBox>(form, "TargetBgCB"), Red);
            preset->click();
            for (int n = 1; n <= TargetColourCount; ++n)
                QCOMPARE(Control<ColourPanel>(form, qPrintable(QStringLiteral("TargetColor%1P").arg(n)))
                             ->Colour(),
                         ColourBlindTargetColours[n - 1]);
            QCOMPARE(Control<ColourBox>(form, "TargetBgCB")->Colour(), ColourBlindTargetBackground);
            QCOMPARE(Control<ColourBox>(form, "ShulteBgCB")->Colour(), Blue);
            form.YesSB->click();
        });
        QCOMPARE(f.looks().TargetBGColor, ColourBlindTargetBackground);
        QCOMPARE(f.stored("TargetColor2"), qint32(ColourBlindTargetColours[1]));
        QCOMPARE(f.stored("ShulteBGColor"), qint32(Blue));
    }

    void restoringOneTabLeavesTheOthersAndCancelWritesNothing() {
        Fixture f;
        const QByteArray before = f.store();
        f.pickers.colours = {0x123456};
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteBgCB"), Blue);
            ChooseNamed(Control<ColourBox>(form, "TargetBgCB"), Red);
            auto* third = Control<ColourPanel>(form, "TargetColor3P");
            QTest::mouseClick(third, Qt::LeftButton);
            QCOMPARE(f.pickers.colourPresets, QList<TColor>({0x0000FF}));
            QCOMPARE(third->Colour(), 0x123456u);

            Control<QToolButton>(form, "TgDefaultSB")->click();
            QCOMPARE(third->Colour(), 0x0000FFu);
            QCOMPARE(Control<ColourBox>(form, "TargetBgCB")->Colour(), 0x000000u);
            QCOMPARE(Control<ColourBox>(form, "ShulteBgCB")->Colour(), Blue);
            form.CancelSB->click();
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(f.store(), before);
        QVERIFY(f.looks() == Settings());
    }

    // The scene a user goes through: the active Schulte board changes at once, a later
    // change is cancelled, and the applied look is there after a restart.
    void applyWritesAndStaysOpenAndCancelKeepsIt() {
        Fixture f;
        f.win.start();
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteBgCB"), Blue);
            QCOMPARE(f.win.board().BgColor(), 0xF0FBFFu);
            form.ApplySB->click();
            QVERIFY(form.isVisible());
            QCOMPARE(f.looks().ShulteBGColor, Blue);
            QCOMPARE(f.stored("ShulteBGColor"), qint32(Blue));
            QCOMPARE(f.win.board().BgColor(), Blue);

            ChooseNamed(Control<ColourBox>(form, "ShulteGridCB"), Red);
            form.CancelSB->click();
        });
        QCOMPARE(f.looks().ShulteGridColor, 0xC0C0C0u);
        QCOMPARE(f.stored("ShulteGridColor"), 0xC0C0C0);
        QCOMPARE(f.win.board().GridColor(), 0xC0C0C0u);
        QCOMPARE(f.win.board().BgColor(), Blue);

        f.win.form.reset();
        TMainForm restarted(f.win.folder.path());
        QCOMPARE(restarted.Looks().ShulteBGColor, Blue);
        QCOMPARE(restarted.Looks().ShulteGridColor, 0xC0C0C0u);
    }

    void schulteChangeWhileWordPairsIsActiveWaitsForTheNextSchulteRun() {
        Fixture f;
        f.activate(3);
        QCOMPARE(f.win.form->ActiveExercise(), 5);
        TOxelPanel& board = f.win.board();
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteBgCB"), Blue);
            form.YesSB->click();
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(f.stored("ShulteBGColor"), qint32(Blue));
        QVERIFY(board.BgColor() != Blue);
        QCOMPARE(board.BgColor(), f.looks().DwordsBGColor);
        QCOMPARE(board.GridColor(), f.looks().DwordsGridColor);
        f.activate(0);
        f.win.start();
        QCOMPARE(board.BgColor(), Blue);
    }

    void numberBackgroundBoxSetsTheGridColour() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            auto* shown = Control<ColourBox>(form, "NumbersGridCB");
            form.PageControl->setCurrentIndex(5);
            QCoreApplication::processEvents();
            QCOMPARE(LabelOf(shown)->text(), QStringLiteral("Цвет фона"));
            QVERIFY(form.findChild<QWidget*>("NumbersBgCB")->isHidden());
            QVERIFY(form.findChild<QWidget*>("ProbeFont2SB")->isHidden());
            ChooseNamed(shown, Red);
            form.YesSB->click();
        });
        QCOMPARE(f.looks().NumbersGridColor, Red);
        QCOMPARE(f.looks().NumbersBGColor, 0x9C8C1Fu);
        QCOMPARE(f.stored("NumbersGridColor"), qint32(Red));
        QCOMPARE(f.stored("NumbersBGColor"), 0x9C8C1F);
    }

    void enterConfirmsAndEscapeCancelsOverAnyControl() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            auto* box = Control<ColourBox>(form, "ShulteGPCB");
            ChooseNamed(box, Red);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(f.stored("ShulteGPColor"), qint32(Red));

        const QByteArray before = f.store();
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteGPCB"), Blue);
            QTest::keyClick(form.PageControl->tabBar(), Qt::Key_Escape);
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(f.store(), before);
        QCOMPARE(f.looks().ShulteGPColor, Red);

        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteGPCB"), Blue);
            QTest::keyClick(Control<FontButton>(form, "ShulteFont1SB"), Qt::Key_Enter);
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(f.looks().ShulteGPColor, Blue);
    }

    // In the open list Enter chooses the colour; the window stays open.
    void openColourListTakesEnterItself() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            auto* box = Control<ColourBox>(form, "MnemoBgCB");
            form.PageControl->setCurrentIndex(4);
            box->showPopup();
            QAbstractItemView* list = box->view();
            QTRY_VERIFY(list->isVisible());
            list->setCurrentIndex(box->model()->index(box->findData(0x00FFFFu), 0));
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_VERIFY(!list->isVisible());
            QVERIFY(form.isVisible());
            QCOMPARE(box->Colour(), 0x00FFFFu);
            QCOMPARE(box->currentText(), QStringLiteral("Жёлтый"));
            form.YesSB->click();
        });
        QCOMPARE(f.looks().MnemoBGColor, 0x00FFFFu);
    }

    void colourListOffersNamedColoursAndACustomOne() {
        Fixture f;
        f.pickers.colours = {std::nullopt, 0x010203};
        f.settings([&](TSettingForm& form) {
            auto* box = Control<ColourBox>(form, "NumbersGridCB");
            QCOMPARE(box->count(), 21);
            QCOMPARE(box->itemText(0), QStringLiteral("Другой..."));
            QCOMPARE(box->itemText(1), QStringLiteral("Чёрный"));
            QCOMPARE(box->itemText(20), QStringLiteral("Средне-серый"));
            for (int i = 0; i < box->count(); ++i)
                QVERIFY(!box->itemIcon(i).isNull());
            // A colour without a name is shown on the custom entry.
            QCOMPARE(box->currentIndex(), ColourBox::CustomItem);
            QCOMPARE(box->itemData(0).value<quint32>(), 0x9C8C1Fu);
            QCOMPARE(Control<ColourBox>(form, "ShulteBgCB")->currentText(),
                     QStringLiteral("Кремовый"));

            ChooseNamed(box, Red);
            QTest::keyClick(box, Qt::Key_Home);
            QCOMPARE(f.pickers.colourPresets, QList<TColor>({Red}));
            QCOMPARE(box->Colour(), Red);
            QCOMPARE(box->currentText(), QStringLiteral("Красный"));
            QTest::keyClick(box, Qt::Key_Home);
            QCOMPARE(box->Colour(), 0x010203u);
            QCOMPARE(box->currentIndex(), ColourBox::CustomItem);
            form.YesSB->click();
        });
        QCOMPARE(f.looks().NumbersGridColor, 0x010203u);
    }

    void fontButtonsEditThroughTheFontDialog() {
        Fixture f;
        BoardFont serif(Settings::SchulteLargeFont());
        serif.SetFace(QStringLiteral("Liberation Serif"));
        serif.SetSize(30);
        serif.SetColor(Red);
        // The dialog shows "ARIAL" under the family it resolves to; only the size changes.
        BoardFont resized(Settings::SchulteSmallFont());
        resized.SetFace(QFontInfo(resized.Font()).family());
        resized.SetSize(16);
        BoardFont foreign(Settings::SchulteSmallFont());
        foreign.SetFace(QStringLiteral("日本語フォント"));
        f.pickers.fonts = {serif, std::nullopt, resized, foreign};
        f.settings([&](TSettingForm& form) {
            auto* large = Control<FontButton>(form, "ShulteFont1SB");
            auto* small = Control<FontButton>(form, "ShulteFont2SB");
            large->click();
            QCOMPARE(f.pickers.fontPresets.value(0), Settings::SchulteLargeFont());
            QCOMPARE(large->Value(), serif.ToRecord());
            large->click();
            QCOMPARE(large->Value(), serif.ToRecord());
            small->click();
            QCOMPARE(small->Value().face, QStringLiteral("ARIAL"));
            QCOMPARE(int(small->Value().size), 16);
            small->click();
            QCOMPARE(f.win.seams.dialogs.messages.size(), 1);
            QVERIFY(f.win.seams.dialogs.messages[0].contains(QStringLiteral("日本語フォント")));
            QCOMPARE(small->Value().face, QStringLiteral("ARIAL"));
            form.YesSB->click();
        });
        QCOMPARE(f.looks().ShulteFont1, serif.ToRecord());
        QCOMPARE(f.looks().ShulteFont2.face, QStringLiteral("ARIAL"));
        FontRecord stored;
        TDataFile(f.storePath()).ReadFont("OPTIONS", "ShulteFont1", stored);
        QCOMPARE(stored, serif.ToRecord());
    }

    // "A" is drawn in the font's colour on the background of its board.
    void fontButtonDrawsItsLetterInItsFont() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            form.PageControl->setCurrentIndex(5);
            auto* large = Control<FontButton>(form, "NumbersFont1SB");
            QCOMPARE(large->text(), QString());
            const QImage image = large->grab().toImage();
            QVERIFY(PixelsOf(image, Qt::white) > 20);
            QVERIFY(PixelsOf(image, ColorToQColor(0x9C8C1F)) > 200);
            ChooseNamed(Control<ColourBox>(form, "NumbersGridCB"), 0x000000);
            const QImage onBlack = large->grab().toImage();
            QVERIFY(PixelsOf(onBlack, Qt::black) > 200);
            QVERIFY(PixelsOf(onBlack, ColorToQColor(0x9C8C1F)) == 0);
        });
    }

    void numberTogglesShowTheirStateAndRestore() {
        Fixture f;
        f.settings([&](TSettingForm& form) {
            auto* hints = Control<OptionToggle>(form, "NumbersNetSB");
            auto* jordano = Control<OptionToggle>(form, "NumbersJordSB");
            QCOMPARE(hints->text(), QStringLiteral("стандарт (вкл)"));
            QCOMPARE(hints->Tag(), 1);
            QVERIFY(hints->font().bold());
            QCOMPARE(jordano->text(), QStringLiteral("джордано (выкл)"));
            QCOMPARE(jordano->Tag(), 0);
            QVERIFY(!jordano->font().bold());
            hints->click();
            jordano->click();
            QCOMPARE(hints->text(), QStringLiteral("стандарт (выкл)"));
            QVERIFY(!hints->font().bold());
            QCOMPARE(jordano->text(), QStringLiteral("джордано (вкл)"));
            QVERIFY(jordano->font().bold());
            form.ApplySB->click();
            QVERIFY(!f.looks().NumbersShowHints);
            QVERIFY(f.looks().NumbersShowJordano);
            Control<QToolButton>(form, "NumDefaultSB")->click();
            QCOMPARE(hints->Tag(), 1);
            QCOMPARE(jordano->Tag(), 0);
            form.YesSB->click();
        });
        QVERIFY(f.looks().NumbersShowHints);
        QVERIFY(!f.looks().NumbersShowJordano);
    }

    // What "Да" leaves in oxel.ini is what writing the entries one by one in the save order
    // leaves, on a store that already holds other entries.
    void writtenStoreEqualsTheWritesOneByOne() {
        Fixture f;
        TDataFile* file = f.win.form->SettingsFile();
        file->WriteString("COMMON", "LastUser", QStringLiteral("Борис"));
        file->WriteInteger("OPTIONS", "TargetColor7", 0x777777);
        file->WriteBool("COMMON", "LightClick", false);
        const QString copy = f.win.folder.file(QStringLiteral("copy.ini"));
        WriteBytes(copy, f.store());
        f.pickers.colours = {0x101010, 0x202020};
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "DwordsGridCB"), Red);
            QTest::mouseClick(Control<ColourPanel>(form, "TargetColor10P"), Qt::LeftButton);
            QTest::mouseClick(Control<ColourPanel>(form, "TargetColor1P"), Qt::LeftButton);
            Control<OptionToggle>(form, "NumbersJordSB")->click();
            form.YesSB->click();
        });
        QCOMPARE(f.looks().TargetColor[0], 0x202020u);
        QCOMPARE(f.looks().TargetColor[6], 0xB6B6B6u);
        {
            TDataFile reference(copy);
            WriteOptionsOneByOne(reference, f.looks());
        }
        QCOMPARE(f.store(), ReadBytes(copy));
    }

    // A store that cannot be written: the error is shown, nothing is applied, the window
    // stays open so that the user can cancel.
    void storeThatCannotBeWrittenKeepsTheWindowOpen() {
        Fixture f;
        QByteArray damaged(80, '\x33');
        WriteBytes(f.storePath(), damaged);
        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "ShulteBgCB"), Blue);
            form.YesSB->click();
            QVERIFY(form.isVisible());
            QCOMPARE(f.win.seams.dialogs.messages, QStringList({"Invalid file format."}));
            form.CancelSB->click();
        });
        QCOMPARE(f.looks().ShulteBGColor, 0xF0FBFFu);
        QCOMPARE(f.store(), damaged);
    }
};

QTEST_MAIN(TestSettingForm)
#include "tst_settingform.moc"
