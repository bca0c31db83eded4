#include "ShellFixture.h"
#include "app/Glyphs.h"
#include "help/HelpViewer.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/Texts.h"

#include <QComboBox>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

bool ShowsGlyph(const QToolButton* button, int glyph) {
    return button->icon().pixmap(32).toImage() == Glyphs::Icon(glyph).pixmap(32).toImage();
}

using shell::Window;

} // namespace

class TestShellHelp : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { HelpViewer::Release(); }

    void helpButtonShowsAndHidesTheDescription() {
        Window win;
        QToolButton* help = win.w().pages[0].HelpSB;
        QVERIFY(ShowsGlyph(help, Glyphs::Help));
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(win.w().HelpP->isVisible());
        QCOMPARE(win.form->Help().LoadedDocument(), QStringLiteral("hlp/shulte.rtf"));
        QVERIFY(win.w().HelpMemo->toPlainText().contains("shulte document"));
        for (const ControlPage& page : win.w().pages)
            QVERIFY(ShowsGlyph(page.HelpSB, Glyphs::CloseHelp));

        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(!win.w().HelpP->isVisible());
        for (const ControlPage& page : win.w().pages)
            QVERIFY(ShowsGlyph(page.HelpSB, Glyphs::Help));
    }

    void boardDrawsByMarksAfterTheHelpIsHidden() {
        Window win;
        // The window takes its final size once shown; a resize draws by marks anyway.
        QVERIFY(QTest::qWaitForWindowExposed(win.form.get()));
        QTest::qWait(20);
        win.start();
        // A cell that keeps its colour mark when found, as in the red-black table.
        TOxelPanel& board = win.board();
        const int one = static_cast<int>(board.LinesList().indexOf(QStringLiteral("1")));
        board.SetMark(one, 33);
        QVERIFY(win.press(1));
        QCOMPARE(board.LookOf(one), std::optional<CellLook>(CellLook::Small()));
        QTest::qWait(20);
        QCOMPARE(board.LookOf(one), std::optional<CellLook>(CellLook::Small()));

        QToolButton* help = win.w().pages[0].HelpSB;
        QTest::mouseClick(help, Qt::LeftButton);
        QTest::qWait(20);
        QTest::mouseClick(help, Qt::LeftButton);
        QTest::qWait(20);
        QVERIFY(!win.w().HelpP->isVisible());
        QCOMPARE(board.LookOf(one), CellLook::ForMark(33, false));
    }

    void documentFollowsTheExerciseWhileShown() {
        Window win;
        QTest::mouseClick(win.w().pages[0].HelpSB, Qt::LeftButton);
        win.w().TabSwitchCB->setCurrentIndex(win.w().TabSwitchCB->findText("Считалка"));
        QCOMPARE(win.form->Help().LoadedDocument(), QStringLiteral("hlp/math.rtf"));
        QVERIFY(win.w().HelpMemo->toPlainText().contains("math document"));
        QVERIFY(win.w().HelpP->isVisible());
        // Its own help button hides it again.
        QTest::mouseClick(win.w().pages[6].HelpSB, Qt::LeftButton);
        QVERIFY(!win.w().HelpP->isVisible());
    }

    void hiddenHelpIsNotReloadedOnExerciseChange() {
        Window win;
        const QString before = win.form->Help().LoadedDocument();
        win.w().TabSwitchCB->setCurrentIndex(2);
        QCOMPARE(win.form->Help().LoadedDocument(), before);
        QTest::mouseClick(win.w().pages[2].HelpSB, Qt::LeftButton);
        QCOMPARE(win.form->Help().LoadedDocument(), QStringLiteral("hlp/target.rtf"));
    }

    // The start goes through the pages from the last: the last page's document stays loaded.
    void startUpLeavesTheLastPagesDocumentLoaded() {
        Window win;
        QCOMPARE(win.form->Help().LoadedDocument(), QStringLiteral("hlp/nback.rtf"));
        QVERIFY(!win.w().HelpP->isVisible());
    }

    void missingDocumentShowsTheFileErrorInThePanel() {
        Window win;
        QFile::remove(win.folder.file("hlp/probe.rtf"));
        win.w().TabSwitchCB->setCurrentIndex(7);
        QTest::mouseClick(win.w().pages[7].HelpSB, Qt::LeftButton);
        QVERIFY(win.w().HelpP->isVisible());
        QVERIFY(win.w().HelpMemo->toPlainText().contains("probe.rtf"));
    }

    void englishDocumentsHaveAnEBeforeTheName() {
        QCOMPARE(HelpPanel::DocumentName(4, 1), QStringLiteral("hlp/emath.rtf"));
        QCOMPARE(HelpPanel::DocumentName(4, 2), QStringLiteral("hlp/math.rtf"));
        QCOMPARE(HelpPanel::DocumentName(3, 2), QStringLiteral("hlp/target.rtf"));
    }

    void fullScreenResetsTheHelpGlyphs() {
        Window win;
        QTest::mouseClick(win.w().pages[0].HelpSB, Qt::LeftButton);
        win.form->Menu().FullScreenN->trigger();
        // Showing the window again hides the panel; the glyphs follow.
        QVERIFY(!win.w().HelpP->isVisible());
        QVERIFY(ShowsGlyph(win.w().pages[0].HelpSB, Glyphs::Help));
        win.form->Menu().FullScreenN->trigger();
    }

    void contentsOpenTheHelpBookAtContextOne() {
        Window win;
        win.form->Menu().ContentN->trigger();
        QVERIFY(HelpViewer::Instance());
        QVERIFY(HelpViewer::Instance()->isVisible());
        QVERIFY(win.seams.dialogs.messages.isEmpty());
    }

    void whatsNewOpensTheNewPage() {
        Window win;
        win.form->Menu().NewN->trigger();
        QVERIFY(HelpViewer::Instance());
        QVERIFY(win.seams.dialogs.messages.isEmpty());
    }

    void aboutBoxIsModalWithItsCaption() {
        Window win;
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (QWidget* about = QApplication::activeModalWidget()) {
                caption = about->windowTitle();
                about->close();
            }
        });
        win.form->Menu().AboutN->trigger();
        QCOMPARE(caption, QStringLiteral("О программе..."));
    }

    void missingHelpBookIsReported() {
        Window win;
        QFile::remove(win.folder.file("oxel.hlp"));
        win.form->Menu().ContentN->trigger();
        QCOMPARE(win.seams.dialogs.messages.size(), 1);
        QVERIFY(win.seams.dialogs.messages[0].contains("oxel.hlp"));
    }
};

QTEST_MAIN(TestShellHelp)
#include "tst_shell_help.moc"
