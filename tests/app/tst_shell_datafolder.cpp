// The main window on a folder copied from an existing installation, and the about box.
#include "FileBytes.h"
#include "ShellFixture.h"
#include "app/About.h"
#include "data/DataFolder.h"
#include "data/Dictionaries.h"
#include "data/FileLookup.h"
#include "data/FolderStart.h"

#include <QLabel>
#include <QtTest>

class TestShellDataFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FileLookup::SetDeliveredDir({}); }

    void folderOfAnExistingInstallationIsLeftAsItWas() {
        TestSeams seams;
        ProgramFolder existing(false);
        shell::Install(existing);
        { TMainForm first(existing.path()); }
        // Its own number list differs from the installation's, and is the one used.
        QStringList own;
        for (int i = 0; i < 100; ++i)
            own << QStringLiteral("своё%1").arg(i);
        shell::WriteFile(existing.file("dic/rnum.dic"), WriteLines(own));
        const QMap<QString, QByteArray> before = FolderBytes(existing.path());
        ProgramFolder delivered(false);
        shell::Install(delivered);

        FileLookup::SetDeliveredDir(delivered.path());
        {
            FolderStart start(existing.path(), {}, delivered.path(), delivered.path());
            const DataFolder::Choice choice = start.Open();
            QCOMPARE(choice.error, QString());
            TMainForm form(choice.path);
            QVERIFY(!form.TerminateRequested());
            QCOMPARE(Dictionaries(choice.path).LoadNumberList(), own);
        }
        QCOMPARE(FolderBytes(existing.path()), before);
        QVERIFY(seams.dialogs.messages.isEmpty());
    }

    void aboutBoxShowsTheDataFolder() {
        TAboutForm about(nullptr, QStringLiteral("/home/anna/.local/share/oxelium"));
        const QLabel* folder = about.findChild<QLabel*>(QStringLiteral("DataFolderL"));
        QVERIFY(folder);
        QVERIFY(folder->text().contains(QStringLiteral("/home/anna/.local/share/oxelium")));
    }
};

QTEST_MAIN(TestShellDataFolder)
#include "tst_shell_datafolder.moc"
