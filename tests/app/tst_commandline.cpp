#include "app/CommandLine.h"

#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void argumentsChooseWhatTheProgramDoes_data();
    void argumentsChooseWhatTheProgramDoes();
};

void TestCommandLine::argumentsChooseWhatTheProgramDoes_data() {
    using A = CommandLine::Action;
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("answerHas");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("nothing") << QStringList{} << A::Run << "" << "" << 0;
    QTest::newRow("dir") << QStringList{"--dir", "/d/x"} << A::Run << "/d/x" << "" << 0;
    QTest::newRow("dir=") << QStringList{"--dir=/d/y"} << A::Run << "/d/y" << "" << 0;
    QTest::newRow("help") << QStringList{"--help"} << A::Help << "" << "Usage: oxelium" << 0;
    QTest::newRow("help names --dir") << QStringList{"-h"} << A::Help << "" << "--dir <PATH>"
                                      << 0;
    QTest::newRow("version") << QStringList{"--version"} << A::Version << "" << "Oxelium "
                             << 0;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << A::Refuse << "" << "bogus" << 2;
    QTest::newRow("dir without path") << QStringList{"--dir"} << A::Refuse << "" << "dir" << 2;
    QTest::newRow("empty dir") << QStringList{"--dir", ""} << A::Refuse << "" << "" << 2;
    QTest::newRow("export") << QStringList{"--dir", "/d", "--export", "/o"} << A::Export << "/d"
                            << "" << 0;
    QTest::newRow("help names --export") << QStringList{"-h"} << A::Help << ""
                                         << "--export <OUTDIR>" << 0;
    QTest::newRow("export without folder") << QStringList{"--export"} << A::Refuse << ""
                                           << "export" << 2;
    QTest::newRow("stray argument") << QStringList{"file"} << A::Refuse << "" << "'file'" << 2;
}

void TestCommandLine::argumentsChooseWhatTheProgramDoes() {
    QFETCH(QStringList, args);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, dataDir);
    QFETCH(QString, answerHas);
    QFETCH(int, exitCode);
    const CommandLine line = CommandLine::Parse(QStringList{"/usr/bin/oxelium"} + args, 1);
    QCOMPARE(line.action, action);
    QCOMPARE(line.dataDir, dataDir);
    QVERIFY2(line.answer.contains(answerHas), qPrintable(line.answer));
    const bool works = line.action == CommandLine::Action::Run ||
                       line.action == CommandLine::Action::Export;
    QCOMPARE(works, line.answer.isEmpty());
    QCOMPARE(line.exportDir, line.action == CommandLine::Action::Export ? "/o" : "");
    if (!works)
        QCOMPARE(line.Answer(), exitCode);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
