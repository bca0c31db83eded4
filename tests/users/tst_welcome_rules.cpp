#include "../history/HistorySamples.h"
#include "TestSupport.h"
#include "data/DataFile.h"
#include "data/Settings.h"
#include "data/UserFiles.h"
#include "history/HistoryDb.h"
#include "users/SignIn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <memory>

namespace {

const QString NoUserChosen = QStringLiteral("Пользователь не выбран!");
const QString WrongPassword = QStringLiteral("Неверный пароль!");
const QString BadName = QStringLiteral("Недопустимые символы в имени. Пользователь не создан.");
const QString BadPassword =
    QStringLiteral("Недопустимые символы в пароле (допустимы русские и английские буквы, "
                   "цифры и знаки). Пользователь не создан.");
const QString Exists = QStringLiteral("Такой пользователь уже есть!");
const QString Deleted = QStringLiteral("Файл пользователя удалён.");
const QString NamePrompt = QStringLiteral("Новый пользователь|Введите имя:");
const QString PasswordPrompt = QStringLiteral("Новый пользователь|Введите пароль:");
const QString RepeatPrompt = QStringLiteral("Новый пользователь|Повторите пароль:");
const QString PasswordsDiffer = QStringLiteral("Пароли не совпадают. Введите пароль ещё раз.");
const QString DeletePrompt = QStringLiteral("Удалить пользователя|Введите пароль:");

// A program folder with users/ and an open settings store, the dialogs scripted.
struct Installation {
    TestSeams seams;
    ProgramFolder folder{false};
    std::unique_ptr<TDataFile> settings;
    std::unique_ptr<SignInRules> rules;

    Installation() {
        QDir(folder.path()).mkdir(QStringLiteral("users"));
        settings = std::make_unique<TDataFile>(folder.file(QStringLiteral("oxel.ini")));
        rules = std::make_unique<SignInRules>(folder.path(), settings.get());
    }
    ScriptedDialogs& dialogs() { return seams.dialogs; }
    void answer(std::initializer_list<QString> prompts) {
        for (const QString& p : prompts)
            dialogs().promptAnswers.push_back(p);
    }
    // A password is typed twice alike; an empty one is asked once.
    QString add(const QString& name, const QString& password) {
        dialogs().promptAnswers.clear();
        answer({name, password});
        if (!password.isEmpty())
            answer({password});
        return rules->AddUser();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(folder.file(relative)); }
};

} // namespace

class TestWelcomeRules : public QObject {
    Q_OBJECT

private slots:
    void firstStartHasNoUsersAndOkChoosesNobody() {
        Installation in;
        QVERIFY(in.rules->FindUsers().isEmpty());
        QVERIFY(!in.rules->CheckPassword(QString(), QString()));
        QCOMPARE(in.dialogs().messages, QStringList{NoUserChosen});
    }

    void newUserWithEmptyPasswordSignsInWithEmptyField() {
        Installation in;
        QCOMPARE(in.add("Anna", QString()), QStringLiteral("Anna"));
        QCOMPARE(in.dialogs().prompts, QStringList({NamePrompt, PasswordPrompt}));
        QVERIFY(in.exists("users/Anna.dat"));
        QVERIFY(QFileInfo(in.folder.file("users/AnnaDB")).isDir());
        QCOMPARE(in.rules->FindUsers(), QStringList{"Anna"});

        const std::optional<SignedInUser> user = in.rules->CheckPassword("Anna", QString());
        QVERIFY(user);
        QCOMPARE(user->name, QStringLiteral("Anna"));
        QCOMPARE(user->level, 0);
        QCOMPARE(user->subLevel, 0);
        QVERIFY(in.dialogs().messages.isEmpty());
    }

    void passwordIsComparedExactly() {
        Installation in;
        in.add("Anna", "Secret");
        QVERIFY(!in.rules->CheckPassword("Anna", "secret"));
        QVERIFY(!in.rules->CheckPassword("Anna", QString()));
        QCOMPARE(in.dialogs().messages, QStringList({WrongPassword, WrongPassword}));
        QVERIFY(in.rules->CheckPassword("Anna", "Secret"));
    }

    void signInReadsTheLadderPosition() {
        Installation in;
        in.add("Anna", "pw");
        UserFiles(in.folder.path()).SaveLadderPosition("Anna", 2, 1);
        const std::optional<SignedInUser> user = in.rules->CheckPassword("Anna", "pw");
        QVERIFY(user);
        QCOMPARE(user->level, 2);
        QCOMPARE(user->subLevel, 1);
        QCOMPARE(user->LevelCaption(), QStringLiteral("Anna - ступень 2.1"));
    }

    void newPasswordPromptTakesAtMostTwelveCharacters() {
        Installation in;
        in.add("Anna", "abcdefghijklmnop");
        QCOMPARE(in.dialogs().promptLimits, QList<int>({0, 12, 12}));
        // Whatever the user got to type is what the sign-in field can hold.
        QVERIFY(in.rules->CheckPassword("Anna", "abcdefghijkl"));
    }

    void newPasswordIsMaskedAndAskedAgainUntilBothTypingsAgree() {
        Installation in;
        in.answer({"Anna", "secret", "secrte", "secret", "secret"});
        QCOMPARE(in.rules->AddUser(), QStringLiteral("Anna"));
        QCOMPARE(in.dialogs().prompts, QStringList({NamePrompt, PasswordPrompt, RepeatPrompt,
                                                    PasswordPrompt, RepeatPrompt}));
        QCOMPARE(in.dialogs().promptMasked, QList<bool>({false, true, true, true, true}));
        QCOMPARE(in.dialogs().messages, QStringList{PasswordsDiffer});
        QVERIFY(in.rules->CheckPassword("Anna", "secret"));
    }

    void passwordsTheCodePageCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("accented") << QStringLiteral("café");
        QTest::newRow("tilde") << QStringLiteral("niño");
        QTest::newRow("greek") << QStringLiteral("λόγος");
        QTest::newRow("cjk") << QStringLiteral("密码");
        QTest::newRow("emoji") << QStringLiteral("pw\U0001F600");
        // Only the twelve characters the prompt keeps are judged.
        QTest::newRow("last kept") << QStringLiteral("abcdefghijkĕ");
    }
    void passwordsTheCodePageCannotHoldAreRefused() {
        QFETCH(QString, password);
        Installation in;
        QVERIFY(in.add("Anna", password).isEmpty());
        QCOMPARE(in.dialogs().messages, QStringList{BadPassword});
        QCOMPARE(in.dialogs().prompts, QStringList({NamePrompt, PasswordPrompt}));
        // Nothing is left behind that would keep the name from being taken again.
        QVERIFY(QDir(in.folder.file("users")).isEmpty());
        QCOMPARE(in.add("Anna", "pw"), QStringLiteral("Anna"));
    }

    void passwordsOfTheCodePageSignInExactly() {
        Installation in;
        // Cyrillic with ё, Latin, digits and signs the code page holds (№, €, «»).
        const QString password = QStringLiteral("Ёжик№5€«a»");
        QCOMPARE(in.add("Anna", password), QStringLiteral("Anna"));
        QVERIFY(in.dialogs().messages.isEmpty());
        QVERIFY(in.rules->CheckPassword("Anna", password));
        QVERIFY(!in.rules->CheckPassword("Anna", QStringLiteral("ёжик№5€«a»")));
        // Past the twelfth character nothing counts: a long typed password is cut alike.
        QCOMPARE(in.add("Bob", QStringLiteral("abcdefghijklé")), QStringLiteral("Bob"));
        QVERIFY(in.rules->CheckPassword("Bob", QStringLiteral("abcdefghijkl")));
    }

    void longNameIsCutTo18Characters() {
        Installation in;
        const QString typed = QStringLiteral("Abcdefghijklmnopqrstuvwxy");
        QCOMPARE(typed.size(), 25);
        QCOMPARE(in.add(typed, QString()), typed.left(18));
        QCOMPARE(in.rules->FindUsers(), QStringList{typed.left(18)});
        QVERIFY(in.exists("users/" + typed.left(18) + ".dat"));
    }

    void forbiddenCharactersAreRefused_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"A:b", "Who?", "a|b", "a\\b", "a/b", "<a>", "a*", "a\"b"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void forbiddenCharactersAreRefused() {
        QFETCH(QString, name);
        Installation in;
        QVERIFY(in.add(name, "pw").isEmpty());
        QCOMPARE(in.dialogs().messages, QStringList{BadName});
        QCOMPARE(in.dialogs().prompts, QStringList{NamePrompt});
        QVERIFY(QDir(in.folder.file("users")).isEmpty());
    }

    void cancelledNameCreatesNothingSilently() {
        Installation in;
        QVERIFY(in.rules->AddUser().isEmpty());
        QVERIFY(in.dialogs().messages.isEmpty());
        QCOMPARE(in.dialogs().prompts, QStringList{NamePrompt});
        QVERIFY(QDir(in.folder.file("users")).isEmpty());
    }

    void existingNameIsRefusedInAnyCaseWithoutPasswordPrompt_data() {
        QTest::addColumn<QString>("again");
        QTest::newRow("same") << QStringLiteral("Anna");
        QTest::newRow("lower") << QStringLiteral("anna");
        QTest::newRow("upper") << QStringLiteral("ANNA");
    }
    void existingNameIsRefusedInAnyCaseWithoutPasswordPrompt() {
        QFETCH(QString, again);
        Installation in;
        in.add("Anna", "first");
        in.dialogs().prompts.clear();
        QVERIFY(in.add(again, "second").isEmpty());
        QCOMPARE(in.dialogs().messages, QStringList{Exists});
        QCOMPARE(in.dialogs().prompts, QStringList{NamePrompt});
        QCOMPARE(in.rules->FindUsers(), QStringList{"Anna"});
        // The stored password is the first one.
        QVERIFY(in.rules->CheckPassword("Anna", "first"));
    }

    void deleteWithTheRightPasswordRemovesFileAndFolder() {
        Installation in;
        in.add("Anna", "pw");
        QFile stats(in.folder.file("users/AnnaDB/shulte5.db"));
        QVERIFY(stats.open(QIODevice::WriteOnly));
        stats.close();
        in.answer({"pw"});
        in.dialogs().confirmAnswers.push_back(true);
        in.dialogs().prompts.clear();

        QVERIFY(in.rules->DeleteUser("Anna"));
        QCOMPARE(in.dialogs().prompts, QStringList{DeletePrompt});
        QCOMPARE(in.dialogs().promptMasked.last(), true);
        QCOMPARE(in.dialogs().promptLimits.last(), 0);
        QCOMPARE(in.dialogs().questions,
                 QStringList{"Вы уверены что хотите удалить пользователя Anna?"});
        QCOMPARE(in.dialogs().messages, QStringList{Deleted});
        QVERIFY(!in.exists("users/Anna.dat"));
        QVERIFY(!in.exists("users/AnnaDB"));
        QVERIFY(in.rules->FindUsers().isEmpty());
    }

    // Delete Bob, create Bob again: the new Bob starts with no runs. A history that cannot be
    // changed (a newer version's) keeps the user, so that no later Bob inherits their runs.
    void deletingAUserDeletesTheirRuns_data() {
        QTest::addColumn<int>("version");
        QTest::newRow("history") << 1;
        QTest::newRow("newer version's history") << 9;
    }

    void deletingAUserDeletesTheirRuns() {
        QFETCH(int, version);
        Installation in;
        in.add("Bob", QString());
        {
            HistoryDb db(in.folder.path());
            for (const char* user : {"Bob", "Anna", "BOB"}) {
                HistoryRun run = samples::Run(user, "shulte", 5, RunKind::Single, 1);
                QVERIFY(db.Append(run));
            }
        }
        samples::Query(in.folder.file(HistoryDb::FileName),
                       QStringLiteral("PRAGMA user_version = %1").arg(version));
        in.answer({QString()});
        in.dialogs().confirmAnswers.push_back(true);
        QCOMPARE(in.rules->DeleteUser("Bob"), version == 1);
        QCOMPARE(in.exists("users/Bob.dat"), version != 1);
        QCOMPARE(in.dialogs().messages.last().contains(HistoryDb::FileName), version != 1);
        in.add("bob", QString());
        const HistoryDb db(in.folder.path(), HistoryDb::Access::ReadOnly);
        QCOMPARE(db.Runs("Bob", "shulte", 5).size() + db.Runs("BOB", "shulte", 5).size(),
                 version == 1 ? 0 : 2);
        QCOMPARE(db.Runs("Anna", "shulte", 5).size(), 1);
    }

    void deleteWithAWrongPasswordKeepsTheUser() {
        Installation in;
        in.add("Anna", "pw");
        in.answer({"PW"});
        QVERIFY(!in.rules->DeleteUser("Anna"));
        QCOMPARE(in.dialogs().messages, QStringList{WrongPassword});
        QVERIFY(in.dialogs().questions.isEmpty());
        QVERIFY(in.exists("users/Anna.dat"));
        QVERIFY(in.exists("users/AnnaDB"));
    }

    void deleteAnsweredNoKeepsTheUser() {
        Installation in;
        in.add("Anna", QString());
        in.answer({QString()});
        in.dialogs().confirmAnswers.push_back(false);
        QVERIFY(!in.rules->DeleteUser("Anna"));
        QCOMPARE(in.dialogs().questions.size(), 1);
        QVERIFY(in.dialogs().messages.isEmpty());
        QVERIFY(in.exists("users/Anna.dat"));
    }

    void deleteWithNobodyChosenAsksNothing() {
        Installation in;
        QVERIFY(!in.rules->DeleteUser(QString()));
        QCOMPARE(in.dialogs().messages, QStringList{NoUserChosen});
        QVERIFY(in.dialogs().prompts.isEmpty());
    }

    void unreadableUserFileShowsItsErrorAndSignsNobodyIn() {
        Installation in;
        QFile damaged(in.folder.file("users/Bob.dat"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(1024, '\x7f'));
        damaged.close();
        QCOMPARE(in.rules->FindUsers(), QStringList{"Bob"});

        QVERIFY(!in.rules->CheckPassword("Bob", QString()));
        QCOMPARE(in.dialogs().messages.size(), 1);
        QVERIFY(in.dialogs().messages.first() != WrongPassword);
        QVERIFY(!in.dialogs().messages.first().isEmpty());

        QVERIFY(!in.rules->DeleteUser("Bob"));
        QVERIFY(in.dialogs().prompts.isEmpty());
        QVERIFY(in.exists("users/Bob.dat"));
    }

    void userFileRemovedBehindTheListIsAnErrorNotANewFile() {
        Installation in;
        in.add("Anna", QString());
        QVERIFY(QFile::remove(in.folder.file("users/Anna.dat")));
        QVERIFY(!in.rules->CheckPassword("Anna", QString()));
        QCOMPARE(in.dialogs().messages.size(), 1);
        QVERIFY(!in.exists("users/Anna.dat"));
    }

    void signInCutsTheNameTo32AndRecordsItAsLastUser() {
        Installation in;
        QCOMPARE(in.rules->LastUser(), QStringLiteral("без имени"));
        const QString longName(40, QLatin1Char('x'));
        const SignedInUser user = in.rules->SignIn({longName, 3, 4});
        QCOMPARE(user.name, longName.left(32));
        QCOMPARE(user.level, 3);
        QCOMPARE(user.subLevel, 4);
        QCOMPARE(Settings::ReadLastUser(*in.settings), longName.left(32));
    }

    void withoutASettingsStoreSignInStillWorks() {
        TestSeams seams;
        ProgramFolder folder(false);
        QDir(folder.path()).mkdir(QStringLiteral("users"));
        SignInRules rules(folder.path(), nullptr);
        QCOMPARE(rules.LastUser(), QStringLiteral("без имени"));
        QCOMPARE(rules.SignIn({"Anna", 0, 0}).name, QStringLiteral("Anna"));
        QVERIFY(seams.dialogs.messages.isEmpty());
    }

    void preselectionComparesExactly() {
        const QStringList users = {"anna", "Anna", "Bob"};
        QCOMPARE(SignInRules::IndexOf(users, "Anna"), 1);
        QCOMPARE(SignInRules::IndexOf(users, "bob"), -1);
        QCOMPARE(SignInRules::IndexOf(users, "без имени"), -1);
    }
};

QTEST_GUILESS_MAIN(TestWelcomeRules)
#include "tst_welcome_rules.moc"
