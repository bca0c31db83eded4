#include "TestSupport.h"
#include "help/HelpBrowser.h"
#include "help/HelpViewer.h"
#include "data/Texts.h"

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

namespace {

// The block holding the anchor, or an invalid block.
QTextBlock AnchorBlock(const QTextDocument* doc, const QString& name) {
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return block;
    return {};
}

// Whether the view is scrolled so that the anchor's block is at the top of the visible area
// (or as near to it as the end of the document allows).
bool ShowsAnchor(const QTextBrowser* view, const QString& name) {
    const QTextBlock block = AnchorBlock(view->document(), name);
    if (!block.isValid())
        return false;
    const qreal top = view->document()->documentLayout()->blockBoundingRect(block).top();
    const QScrollBar* bar = view->verticalScrollBar();
    if (bar->value() == bar->maximum())
        return top >= bar->value() - 1 && top < bar->value() + view->viewport()->height();
    return qAbs(top - bar->value()) <= 1;
}

QString ShownFile(const QTextBrowser* view) {
    return view->source().fileName();
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { HelpViewer::Release(); }

    void opensBookAtContents();
    void opensBookAtStatisticsTopic();
    void oneWindowIsReused();
    void opensWhatsNewPages();
    void missingBookGivesMessageAndNoWindow();
    void linksInsideTheBookWork();
    void everyLinkOfTheBookResolves();
    void bookFollowsTheLanguage();
    void missingLinkTargetGivesMessage();
    void opensModalAboveModalWindow();
    void opensExerciseDescriptions();
};

void TestHelpViewer::opensBookAtContents() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* viewer = HelpViewer::ShowContext(folder.path(), 1);
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QCOMPARE(viewer->windowTitle(), T(Tx::HelpCaption));
    QCOMPARE(ShownFile(viewer->browser()), "oxel.hlp");
    QVERIFY(AnchorBlock(viewer->browser()->document(), "1").isValid());
    QVERIFY(ShowsAnchor(viewer->browser(), "1"));
    // The book is read as UTF-8: its Russian text arrives intact.
    QVERIFY(viewer->browser()->toPlainText().contains("Содержание"));
    QVERIFY(seams.dialogs.messages.isEmpty());
}

void TestHelpViewer::opensBookAtStatisticsTopic() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* viewer = HelpViewer::ShowContext(folder.path(), 540);
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    const QTextBlock block = AnchorBlock(viewer->browser()->document(), "540");
    QVERIFY(block.isValid());
    QVERIFY(block.text().contains("Статистика"));
    QVERIFY(viewer->browser()->verticalScrollBar()->value() > 0);
    QVERIFY(ShowsAnchor(viewer->browser(), "540"));
    QVERIFY(!ShowsAnchor(viewer->browser(), "1"));
}

void TestHelpViewer::oneWindowIsReused() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* first = HelpViewer::ShowContext(folder.path(), 540);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    HelpViewer* second = HelpViewer::ShowContext(folder.path(), 1);
    QCOMPARE(second, first);
    QCOMPARE(HelpViewer::Instance(), first);
    QVERIFY(ShowsAnchor(second->browser(), "1"));
    QVERIFY(second->browser()->verticalScrollBar()->value() < 20);
    // A closed window comes back with the next request.
    first->close();
    QCOMPARE(HelpViewer::ShowDocument(folder.path(), "new.htm"), first);
    QVERIFY(first->isVisible());
}

void TestHelpViewer::opensWhatsNewPages() {
    ProgramFolder folder;
    TestSeams seams;
    QCOMPARE(HelpViewer::WhatsNewName(2), "new.htm");
    QCOMPARE(HelpViewer::WhatsNewName(1), "enew.htm");
    HelpViewer* viewer = HelpViewer::ShowDocument(folder.path(), HelpViewer::WhatsNewName(2));
    QVERIFY(viewer);
    QCOMPARE(ShownFile(viewer->browser()), "new.htm");
    QVERIFY(viewer->browser()->toPlainText().contains("Что нового"));
    QVERIFY(viewer->browser()->toPlainText().contains("1.8"));
    HelpViewer::ShowDocument(folder.path(), HelpViewer::WhatsNewName(1));
    QCOMPARE(ShownFile(viewer->browser()), "enew.htm");
    QVERIFY(viewer->browser()->toPlainText().contains("What's new"));
    QVERIFY(seams.dialogs.messages.isEmpty());
}

void TestHelpViewer::missingBookGivesMessageAndNoWindow() {
    ProgramFolder folder(false);
    TestSeams seams;
    QCOMPARE(HelpViewer::ShowContext(folder.path(), 1), nullptr);
    QCOMPARE(HelpViewer::Instance(), nullptr);
    QCOMPARE(seams.dialogs.messages.size(), 1);
    QVERIFY(seams.dialogs.messages[0].startsWith("Не найден файл справки"));
    QVERIFY(seams.dialogs.messages[0].contains("oxel.hlp"));

    QCOMPARE(HelpViewer::ShowDocument(folder.path(), "new.htm"), nullptr);
    QCOMPARE(seams.dialogs.messages.size(), 2);
    QVERIFY(seams.dialogs.messages[1].contains("new.htm"));
    QCOMPARE(HelpViewer::Instance(), nullptr);
}

void TestHelpViewer::linksInsideTheBookWork() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* viewer = HelpViewer::ShowContext(folder.path(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    HelpBrowser* browser = viewer->browser();

    viewer->openLink(QUrl("#540"));
    QVERIFY(ShowsAnchor(browser, "540"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);

    // An exercise description of hlp/ opens through the RTF reader.
    viewer->openLink(QUrl("hlp/shulte.rtf"));
    QCOMPARE(ShownFile(browser), "shulte.rtf");
    QVERIFY(browser->toPlainText().contains("Шульте"));
    QVERIFY(!browser->toPlainText().contains("\\rtf1"));

    browser->backward();
    QCOMPARE(ShownFile(browser), "oxel.hlp");
    QVERIFY(browser->isForwardAvailable());
    QVERIFY(seams.dialogs.messages.isEmpty());
}

void TestHelpViewer::everyLinkOfTheBookResolves() {
    ProgramFolder folder;
    TestSeams seams;
    for (const QString& start :
         {QStringLiteral("oxel.hlp"), QStringLiteral("eoxel.hlp"), QStringLiteral("new.htm"),
          QStringLiteral("enew.htm")}) {
        HelpViewer* viewer = HelpViewer::ShowDocument(folder.path(), start);
        QVERIFY(viewer);
        const QUrl base = viewer->browser()->source();
        QStringList links;
        for (QTextBlock b = viewer->browser()->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isAnchor() &&
                    !it.fragment().charFormat().anchorHref().isEmpty())
                    links << it.fragment().charFormat().anchorHref();
        QVERIFY2(!start.endsWith(".hlp") || links.size() >= 10, qPrintable(start));
        for (const QString& link : links) {
            const QUrl target = base.resolved(QUrl(link));
            QVERIFY2(target.isLocalFile() && QFileInfo::exists(target.toLocalFile()),
                     qPrintable(start + " -> " + link));
            if (!target.hasFragment())
                continue;
            HelpViewer* shown = HelpViewer::ShowDocument(folder.path(), target.fileName() + "#" +
                                                                            target.fragment());
            QVERIFY2(AnchorBlock(shown->browser()->document(), target.fragment()).isValid(),
                     qPrintable(start + " -> " + link));
            HelpViewer::ShowDocument(folder.path(), start);
        }
    }
    QVERIFY(seams.dialogs.messages.isEmpty());
}

// The book of the language in use; a switch shows the other one at the same topic.
void TestHelpViewer::bookFollowsTheLanguage() {
    ProgramFolder folder;
    TestSeams seams;
    SetLanguage(1);
    HelpViewer* viewer = HelpViewer::ShowContext(folder.path(), 540);
    QCOMPARE(ShownFile(viewer->browser()), "eoxel.hlp");
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Oxelium Help"));
    SetLanguage(2);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(viewer, &change);
    QCOMPARE(ShownFile(viewer->browser()), "oxel.hlp");
    QVERIFY(ShowsAnchor(viewer->browser(), "540"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Справка Oxelium"));
    QVERIFY(seams.dialogs.messages.isEmpty());
}

void TestHelpViewer::missingLinkTargetGivesMessage() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* viewer = HelpViewer::ShowContext(folder.path(), 1);
    QVERIFY(QFile::remove(folder.file("hlp/probe.rtf")));
    viewer->openLink(QUrl("hlp/probe.rtf"));
    QCOMPARE(seams.dialogs.messages.size(), 1);
    QVERIFY(seams.dialogs.messages[0].contains("probe.rtf"));
    QCOMPARE(ShownFile(viewer->browser()), "oxel.hlp");
    // Links outside the program folder's documents are not followed.
    viewer->openLink(QUrl("https://example.invalid/"));
    QCOMPARE(ShownFile(viewer->browser()), "oxel.hlp");
}

void TestHelpViewer::opensModalAboveModalWindow() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* fromModal = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        fromModal = HelpViewer::ShowContext(folder.path(), 540);
        modality = fromModal ? fromModal->windowModality() : Qt::NonModal;
        dialog.reject();
    });
    dialog.exec();
    QVERIFY(fromModal);
    QCOMPARE(modality, Qt::ApplicationModal);
    // With no modal window up it is an ordinary window again.
    QCOMPARE(HelpViewer::ShowContext(folder.path(), 1)->windowModality(), Qt::NonModal);
}

void TestHelpViewer::opensExerciseDescriptions() {
    ProgramFolder folder;
    TestSeams seams;
    HelpViewer* viewer = HelpViewer::ShowDocument(folder.path(), "hlp/math.rtf");
    QVERIFY(viewer);
    QVERIFY(viewer->browser()->toPlainText().contains("Считалка"));
    HelpViewer::ShowDocument(folder.path(), "hlp/eshulte.rtf");
    QVERIFY(viewer->browser()->toPlainText().contains("Schulte"));
    QVERIFY(!viewer->browser()->toPlainText().contains("Считалка"));
    QVERIFY(seams.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
