#include "app/PromptDialog.h"
#include "app/WidgetDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

// Runs `action` on the modal dialog as soon as it is open. Whatever the action does, the
// dialog is closed afterwards, so a test never hangs in its modal loop.
void onModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            onModal(action); // not open yet: look again on the next turn of the loop
            return;
        }
        action(dialog);
        if (dialog->isVisible())
            dialog->close();
    });
}

QAbstractButton* buttonWithText(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void click(QWidget* dialog, const QString& text) {
    if (QAbstractButton* button = buttonWithText(dialog, text))
        QTest::mouseClick(button, Qt::LeftButton);
}

QStringList buttonTexts(QWidget* dialog) {
    QStringList texts;
    for (auto* box : dialog->findChildren<QDialogButtonBox*>())
        for (auto* button : box->buttons())
            texts.append(button->text());
    texts.sort();
    return texts;
}

// What a test saw of a prompt while it was open.
struct PromptSeen {
    QString caption, label, initialText;
    QLineEdit::EchoMode echo = QLineEdit::Password;
};

void typeInto(QWidget* dialog, const QString& text, PromptSeen* seen = nullptr) {
    auto* edit = dialog->findChild<QLineEdit*>();
    if (!edit)
        return;
    if (seen) {
        seen->caption = dialog->windowTitle();
        if (auto* label = dialog->findChild<QLabel*>())
            seen->label = label->text();
        seen->initialText = edit->text();
        seen->echo = edit->echoMode();
    }
    // Typed one key at a time; letters outside ASCII arrive as text of an unnamed key.
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

const QString Caption = QStringLiteral("<Oxelium>");

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void messageShowsTextWithOneOkButton_data();
    void messageShowsTextWithOneOkButton();
    void captionDefaultsToTheApplicationTitle();
    void confirmYesGivesTrue();
    void confirmNoGivesFalse();
    void confirmEscapeGivesFalse();
    void promptStartsEmptyAndShowsWhatIsTyped();
    void promptHonoursTheMaximumLength();
    void passwordPromptShowsStars();
    void promptWithoutLimitKeepsLongText();
    void promptCancelGivesTheEmptyText();
    void promptButtonsAreOkAndCancel();
    void noticeDoesNotWait();
    void dialogsOutliveAWindowThatGoesAway_data();
    void dialogsOutliveAWindowThatGoesAway();
};

void TestDialogs::messageShowsTextWithOneOkButton_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::newRow("information") << int(Dialogs::Kind::Information)
                                 << int(QMessageBox::Information);
    QTest::newRow("warning") << int(Dialogs::Kind::Warning) << int(QMessageBox::Warning);
    QTest::newRow("error") << int(Dialogs::Kind::Error) << int(QMessageBox::Critical);
}

void TestDialogs::messageShowsTextWithOneOkButton() {
    QFETCH(int, kind);
    QFETCH(int, icon);
    WidgetDialogs dialogs(Caption);
    QString title, text;
    QStringList buttons;
    int shownIcon = -1;
    onModal([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            title = box->windowTitle();
            text = box->text();
            shownIcon = box->icon();
        }
        buttons = buttonTexts(dialog);
        click(dialog, "OK");
    });
    dialogs.Message(QString::fromUtf8("Неверный пароль!"), Dialogs::Kind(kind));
    QCOMPARE(title, Caption);
    QCOMPARE(text, QString::fromUtf8("Неверный пароль!"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons, QStringList({"OK"}));
}

void TestDialogs::captionDefaultsToTheApplicationTitle() {
    QGuiApplication::setApplicationDisplayName(Caption);
    QCOMPARE(WidgetDialogs().Caption(), Caption);
    QCOMPARE(WidgetDialogs("Oxelium").Caption(), QString("Oxelium"));
}

void TestDialogs::confirmYesGivesTrue() {
    WidgetDialogs dialogs(Caption);
    QStringList buttons;
    QString text;
    onModal([&](QWidget* dialog) {
        buttons = buttonTexts(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            text = box->text();
        click(dialog, QString::fromUtf8("Да"));
    });
    QVERIFY(dialogs.Confirm(QString::fromUtf8("Удалить?")));
    QCOMPARE(text, QString::fromUtf8("Удалить?"));
    QCOMPARE(buttons, QStringList({QString::fromUtf8("Да"), QString::fromUtf8("Нет")}));
}

void TestDialogs::confirmNoGivesFalse() {
    WidgetDialogs dialogs(Caption);
    onModal([](QWidget* dialog) { click(dialog, QString::fromUtf8("Нет")); });
    QVERIFY(!dialogs.Confirm(QString::fromUtf8("Удалить?")));
}

void TestDialogs::confirmEscapeGivesFalse() {
    WidgetDialogs dialogs(Caption);
    onModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QVERIFY(!dialogs.Confirm(QString::fromUtf8("Удалить?")));
}

void TestDialogs::promptStartsEmptyAndShowsWhatIsTyped() {
    WidgetDialogs dialogs(Caption);
    PromptSeen seen;
    onModal([&](QWidget* dialog) {
        typeInto(dialog, QString::fromUtf8("Анна"), &seen);
        click(dialog, "OK");
    });
    const QString answer = dialogs.Prompt(QString::fromUtf8("Новый пользователь"),
                                          QString::fromUtf8("Введите имя:"), 32);
    QCOMPARE(answer, QString::fromUtf8("Анна"));
    QCOMPARE(seen.caption, QString::fromUtf8("Новый пользователь"));
    QCOMPARE(seen.label, QString::fromUtf8("Введите имя:"));
    QCOMPARE(seen.initialText, QString());
    QCOMPARE(seen.echo, QLineEdit::Normal);
}

void TestDialogs::promptHonoursTheMaximumLength() {
    WidgetDialogs dialogs(Caption);
    onModal([](QWidget* dialog) {
        typeInto(dialog, "abcdefghijklmnopqrst");
        click(dialog, "OK");
    });
    QCOMPARE(dialogs.Prompt("Pass", "Password:", 12), QString("abcdefghijkl"));
}

void TestDialogs::passwordPromptShowsStars() {
    WidgetDialogs dialogs(Caption);
    PromptSeen seen;
    onModal([&](QWidget* dialog) {
        typeInto(dialog, "secret", &seen);
        click(dialog, "OK");
    });
    QCOMPARE(dialogs.PasswordPrompt("Pass", "Password:", 12), QString("secret"));
    QCOMPARE(seen.echo, QLineEdit::Password);
}

void TestDialogs::promptWithoutLimitKeepsLongText() {
    const QString longText(40, QChar('x'));
    onModal([&](QWidget* dialog) {
        typeInto(dialog, longText);
        click(dialog, "OK");
    });
    QCOMPARE(PromptDialog::Ask("Name", "Name:", 0), longText);
}

void TestDialogs::promptCancelGivesTheEmptyText() {
    WidgetDialogs dialogs(Caption);
    onModal([](QWidget* dialog) {
        typeInto(dialog, "Boris");
        click(dialog, QString::fromUtf8("Отмена"));
    });
    QCOMPARE(dialogs.Prompt("Name", "Name:", 32), QString());
}

void TestDialogs::promptButtonsAreOkAndCancel() {
    PromptDialog dialog("Name", "Name:", 5);
    QCOMPARE(buttonTexts(&dialog), QStringList({"OK", QString::fromUtf8("Отмена")}));
    auto* edit = dialog.findChild<QLineEdit*>();
    QVERIFY(edit);
    QCOMPARE(edit->maxLength(), 5);
}

// A notice returns at once and leaves nothing modal: a run timing itself goes on behind it.
void TestDialogs::noticeDoesNotWait() {
    QMainWindow main;
    main.show();
    WidgetDialogs(Caption).Notice("busy", Dialogs::Kind::Warning);
    const QPointer<QMessageBox> box = main.findChild<QMessageBox*>();
    QVERIFY(box && box->isVisible() && !box->isModal() && box->text() == "busy");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    click(box, "OK");
    QTRY_VERIFY(box.isNull());
}

// The active window goes away while a dialog over it waits. One that frees itself on closing
// (the splash) is never the dialog's parent: the dialog stays and is answered. Any other takes
// its dialog along, which ends the wait with no answer instead of freeing the dialog twice.
void TestDialogs::dialogsOutliveAWindowThatGoesAway_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("freesItself");
    QTest::addColumn<QString>("answer");
    for (const bool frees : {true, false}) {
        QTest::addRow("message, %d", frees) << "message" << frees << "";
        QTest::addRow("confirm, %d", frees) << "confirm" << frees << (frees ? "yes" : "no");
        QTest::addRow("prompt, %d", frees) << "prompt" << frees << (frees ? "Boris" : "");
    }
}

void TestDialogs::dialogsOutliveAWindowThatGoesAway() {
    QFETCH(QString, dialog);
    QFETCH(bool, freesItself);
    QFETCH(QString, answer);
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose, freesItself);
    window->show();
    QApplication::setActiveWindow(window);
    QTimer::singleShot(0, [&] {
        const QPointer<QWidget> open = QApplication::activeModalWidget();
        freesItself ? void(window->close()) : delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (open) {
            typeInto(open, "Boris");
            click(open, dialog == "confirm" ? QString::fromUtf8("Да") : QString("OK"));
        }
    });
    WidgetDialogs dialogs(Caption);
    QString given;
    if (dialog == "message")
        dialogs.Message("text", Dialogs::Kind::Information);
    else if (dialog == "confirm")
        given = dialogs.Confirm("text?") ? "yes" : "no";
    else
        given = dialogs.Prompt("Name", "Name:", 32);
    QCOMPARE(given, answer);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
