// The main window on a data folder apart from the delivered files, and on a folder copied
// from an existing installation.
#include "FileBytes.h"
#include "ShellFixture.h"
#include "app/About.h"
#include "data/DataFolder.h"
#include "data/Dictionaries.h"
#include "data/FileLookup.h"

#include <QDirIterator>
#include <QLabel>
#include <QTextBrowser>
#include <QtTest>

namespace {

QMap<QString, QByteArray> Snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), ReadBytes(path));
    }
    return files;
}

} // namespace

class TestShellDataFolder : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FileLookup::SetDeliveredDir({}); }

    void emptyDataFolderStartsOnTheDeliveredFiles() {
        TestSeams seams;
        ProgramFolder delivered(false);
        shell::Install(delivered);
        const QMap<QString, QByteArray> installation = Snapshot(delivered.path());
        ProgramFolder data(false);
        FileLookup::SetDeliveredDir(delivered.path());
        {
            TMainForm form(data.path());
            QVERIFY(!form.TerminateRequested());
            QVERIFY(seams.dialogs.messages.isEmpty());
            QVERIFY(form.Widgets().HelpMemo->toPlainText().contains("probe document"));
        }
        QCOMPARE(Snapshot(delivered.path()), installation);
        QVERIFY(QFile::exists(data.file("oxel.ini")));
        QCOMPARE(QDir(data.file("rec")).entryList(QDir::Files).size(), 16);
        QVERIFY(!QFileInfo::exists(data.file("dic")));
    }

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
        const QMap<QString, QByteArray> before = Snapshot(existing.path());
        ProgramFolder delivered(false);
        shell::Install(delivered);

        FileLookup::SetDeliveredDir(delivered.path());
        const DataFolder::Choice choice =
            DataFolder::Choose(existing.path(), {}, delivered.path(), delivered.path());
        QCOMPARE(choice.error, QString());
        {
            TMainForm form(choice.path);
            QVERIFY(!form.TerminateRequested());
            QCOMPARE(Dictionaries(choice.path).LoadNumberList(), own);
        }
        QCOMPARE(Snapshot(existing.path()), before);
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
