#include "SettingsFixture.h"
#include "app/CaptionPanel.h"
#include "data/ExerciseInfo.h"
#include "exercises/JordanoPanel.h"
#include "exercises/NBackExercise.h"
#include "exercises/NumbersExercise.h"
#include "exercises/TargetShape.h"
#include "settings/SettingFields.h"

#include <QTabWidget>
#include <QtTest>

using settingstest::ChooseNamed;
using settingstest::Control;
using settingstest::Fixture;

namespace {

// One colour for each shown colour box, none of them a default, all different: a board
// that shows a value of another tab or a default is caught.
constexpr TColor Palette[] = {0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                              0x808000, 0x808080, 0x00FFFF, 0xFF0000, 0xFF00FF,
                              0xFFFF00, 0x0000FF, 0x00FF00, 0xFFFFFF};

// A font for each shown font button: faces, sizes, styles and colours that differ from the
// defaults and from one another.
FontRecord ChosenFont(int k) {
    FontRecord font;
    font.face = k % 2 ? QStringLiteral("TIMES NEW ROMAN") : QStringLiteral("COURIER NEW");
    font.size = quint16(7 + k % 5);
    font.style = k % 3 == 0 ? FontRecord::Bold : k % 3 == 1 ? FontRecord::Italic : 0;
    font.colour = 0x102030u + 0x010101u * quint32(k);
    return font;
}

// What the user chose, by control name.
struct Choices {
    QHash<QString, TColor> colours;
    QHash<QString, FontRecord> fonts;
};

// Changes every shown colour box and font button of every tab and flips the two number
// toggles, tab by tab as a user does.
Choices ChangeEverything(TSettingForm& form, settingstest::ScriptedPickers& pickers) {
    Choices chosen;
    int colours = 0;
    int fonts = 0;
    for (const SettingField& field : SettingFields()) {
        if (field.hidden || field.control == SettingControl::TargetPanel)
            continue;
        form.PageControl->setCurrentIndex(Exercise(field.tag - 1).listPosition);
        const QString name = QLatin1String(field.name);
        switch (field.control) {
        case SettingControl::ColourBox:
            chosen.colours[name] = Palette[colours++];
            ChooseNamed(Control<ColourBox>(form, field.name), chosen.colours[name]);
            break;
        case SettingControl::FontButton:
            chosen.fonts[name] = ChosenFont(fonts++);
            pickers.fonts.push_back(BoardFont(chosen.fonts[name]));
            QTest::mouseClick(Control<QAbstractButton>(form, field.name), Qt::LeftButton);
            break;
        case SettingControl::Toggle:
            QTest::mouseClick(Control<QAbstractButton>(form, field.name), Qt::LeftButton);
            break;
        case SettingControl::TargetPanel:
            break;
        }
    }
    return chosen;
}

// The look "Да" gives the board for each exercise: the control whose value each part takes,
// or null for a part that keeps what the exercise's drawing gave it.
struct Look {
    int index;
    const char* bg;
    const char* grid;
    const char* big;
    const char* small;
};

constexpr Look Looks[] = {
    {0, "ShulteBgCB", "ShulteGridCB", "ShulteFont1SB", "ShulteFont2SB"},
    {1, nullptr, nullptr, "RBShulteFont1SB", "RBShulteFont2SB"},
    {2, "MnemoBgCB", "MnemoBgCB", "MnemoFont1SB", "MnemoFont2SB"},
    {3, "TargetBgCB", "TargetBgCB", nullptr, nullptr},
    {4, "MathBgCB", "MathGridCB", "MathFont1SB", "MathFont2SB"},
    {5, "DwordsBgCB", "DwordsGridCB", "DwordsFont1SB", "DwordsFont2SB"},
    {6, "NumbersGridCB", "NumbersGridCB", "NumbersFont1SB", "NumbersFont2SB"},
    {7, "ProbeBGCB", "ProbeBGCB", "ProbeFont1SB", nullptr},
    {8, "NBackBgCB", "NBackGridCB", "NBackFont1SB", nullptr},
};

} // namespace

class TestSettingLooks : public QObject {
    Q_OBJECT

private slots:
    void yesReappliesTheLookOfTheRunningExercise_data() {
        QTest::addColumn<int>("index");
        for (const Look& look : Looks)
            QTest::newRow(Exercise(look.index).prefix) << look.index;
    }

    // Every exercise in turn is started, every tab of the settings window changed and "Да"
    // pressed: the board takes the running exercise's values from its own tab, and is
    // painted in them at once.
    void yesReappliesTheLookOfTheRunningExercise() {
        QFETCH(int, index);
        const Look& look = Looks[index];
        Fixture f;
        f.activate(Exercise(index).listPosition);
        ControlPage& page = f.win.w().Page(index);
        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        QVERIFY(page.RunPhase != 1);
        TOxelPanel& board = f.win.board();
        const TColor bgBefore = board.BgColor();
        const TColor gridBefore = board.GridColor();
        const FontRecord bigBefore = board.FontBig().ToRecord();
        const FontRecord smallBefore = board.FontSmall().ToRecord();

        Choices chosen;
        f.settings([&](TSettingForm& form) {
            chosen = ChangeEverything(form, f.pickers);
            form.YesSB->click();
            QVERIFY(!form.isVisible());
        });
        QVERIFY(f.pickers.fonts.empty());

        const TColor bg = look.bg ? chosen.colours[look.bg] : bgBefore;
        const TColor grid = look.grid ? chosen.colours[look.grid] : gridBefore;
        QCOMPARE(board.BgColor(), bg);
        QCOMPARE(board.GridColor(), grid);
        if (index == 0)
            QCOMPARE(board.GPColor(), chosen.colours["ShulteGPCB"]);
        if (index == 8)
            QCOMPARE(board.GPColor(), chosen.colours["NBackGPCB"]);
        if (index == 1) {
            QCOMPARE(board.BgColor(), Settings::RBShulteBGColor);
            QCOMPARE(board.GridColor(), Settings::RBShulteGridColor);
        }
        QCOMPARE(board.FontSmall().ToRecord(), look.small ? chosen.fonts[look.small] : smallBefore);
        // The large font is fitted to the cells when the board is painted: only its size
        // may be below the chosen one.
        FontRecord big = board.FontBig().ToRecord();
        const FontRecord bigWanted = look.big ? chosen.fonts[look.big] : bigBefore;
        QVERIFY2(big.size <= bigWanted.size, qPrintable(QString::number(big.size)));
        big.size = bigWanted.size;
        QCOMPARE(big, bigWanted);

        // The picture: the inside of the first cell in the background (a filler cell of the
        // number board in the grid colour, the same one there), its corner in the grid colour.
        const QImage shot = board.grab().toImage();
        const QRect cell = board.CellRect(0);
        // The n-back's trial may have filled that cell in its cell colour.
        const TColor inside = board.Mark(0) == NBackExercise::FilledMark ? board.GPColor() : bg;
        QCOMPARE(shot.pixelColor(cell.topLeft() + QPoint(3, 3)), ColorToQColor(inside));
        QCOMPARE(shot.pixelColor(cell.topLeft()), ColorToQColor(grid));
    }

    // Number mnemonics takes its aids from the settings during a run: the search panel is
    // shown or hidden, the hint over the numbers detached or attached again.
    void yesSwitchesTheNumberAidsDuringARun() {
        Fixture f;
        const int numbers = 6;
        f.activate(Exercise(numbers).listPosition);
        ControlPage& page = f.win.w().Page(numbers);
        auto* panel = f.win.form->findChild<JordanoPanel*>("pJordano");
        QVERIFY(panel);
        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        TOxelPanel& board = f.win.board();
        const int cell = NumbersExercise::TopRow(page.ExerciseMode) * NumbersExercise::Columns;
        const QString heading = shell::Headings()[numbers];
        const QString word = QStringLiteral("образ%1").arg(board.Line(cell).toInt());
        auto hintOver = [&](int at) {
            f.win.w().BaseButtonP->SetCaption(heading);
            QTest::mouseMove(&board, board.CellRect(at).center());
            return f.win.w().BaseButtonP->Caption();
        };
        QVERIFY(!panel->isVisible());
        QCOMPARE(hintOver(cell), word);

        auto flipBoth = [&] {
            f.settings([&](TSettingForm& form) {
                form.PageControl->setCurrentIndex(Exercise(numbers).listPosition);
                QTest::mouseClick(Control<QAbstractButton>(form, "NumbersNetSB"), Qt::LeftButton);
                QTest::mouseClick(Control<QAbstractButton>(form, "NumbersJordSB"), Qt::LeftButton);
                form.YesSB->click();
            });
        };
        flipBoth();
        QVERIFY(!f.looks().NumbersShowHints);
        QVERIFY(panel->isVisible());
        QCOMPARE(hintOver(cell + 1), heading);

        // Answering: the numbers have changed places, the hint comes back over them.
        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        QCOMPARE(page.RunPhase, 3);
        flipBoth();
        QVERIFY(f.looks().NumbersShowHints);
        QVERIFY(!panel->isVisible());
        QCOMPARE(hintOver(cell + 2), QStringLiteral("образ%1").arg(board.Line(cell + 2).toInt()));
    }

    // A targets game between its start and its first showing: the figures wait in the
    // background colour, so a new background must not leave them drawn in the old one.
    void newTargetBackgroundKeepsTheWaitingFiguresUnseen() {
        Fixture f;
        const int targets = 3;
        f.activate(Exercise(targets).listPosition);
        ControlPage& page = f.win.w().Page(targets);
        QTest::mouseClick(page.StartSB, Qt::LeftButton);
        QTest::mouseClick(f.win.form->findChild<QWidget*>("TargetClickP"), Qt::RightButton);
        const QList<TargetShape*> shapes = f.win.board().findChildren<TargetShape*>();
        QCOMPARE(shapes.size(), 3);
        for (const TargetShape* shape : shapes)
            QCOMPARE(shape->Figure().colour, f.win.board().BgColor());

        f.settings([&](TSettingForm& form) {
            ChooseNamed(Control<ColourBox>(form, "TargetBgCB"), Palette[0]);
            form.YesSB->click();
        });
        QCOMPARE(f.win.board().BgColor(), Palette[0]);
        for (const TargetShape* shape : shapes)
            QCOMPARE(shape->Figure().colour, Palette[0]);
    }
};

QTEST_MAIN(TestSettingLooks)
#include "tst_settinglooks.moc"
