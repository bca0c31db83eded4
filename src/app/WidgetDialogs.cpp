#include "WidgetDialogs.h"

#include "PromptDialog.h"
#include "data/Texts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

QMessageBox::Icon iconFor(Dialogs::Kind kind) {
    switch (kind) {
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox* NewMessageBox(const QString& caption, const QString& text, Dialogs::Kind kind,
                           QWidget* parent) {
    auto* box = new QMessageBox(iconFor(kind), caption, text, QMessageBox::Ok, parent);
    box->button(QMessageBox::Ok)->setText(T(Tx::Ok));
    return box;
}

// The main window, which lives as long as the program's windows do; none before it exists.
QWidget* MainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window))
            return window;
    return nullptr;
}

} // namespace

WidgetDialogs::WidgetDialogs(QString caption) : caption_(std::move(caption)) {}

QString WidgetDialogs::Caption() const {
    return caption_.isEmpty() ? QGuiApplication::applicationDisplayName() : caption_;
}

QWidget* WidgetDialogs::Parent() {
    // A window that frees itself when closed (the splash) would take the dialog with it.
    QWidget* active = QApplication::activeWindow();
    return active && !active->testAttribute(Qt::WA_DeleteOnClose) ? active : nullptr;
}

void WidgetDialogs::Message(const QString& text, Kind kind) {
    // Made on the heap and watched: should its window go all the same, the box goes with it
    // and the wait ends, instead of the box being freed twice.
    const QPointer<QMessageBox> box = NewMessageBox(Caption(), text, kind, Parent());
    box->exec();
    delete box.data();
}

void WidgetDialogs::Notice(const QString& text, Kind kind) {
    QMessageBox* box = NewMessageBox(Caption(), text, kind, MainWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    // Over the window, but the presses on the board still go to the board.
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}

bool WidgetDialogs::Confirm(const QString& text) {
    const QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question, Caption(), text,
                                                      QMessageBox::Yes | QMessageBox::No, Parent());
    box->button(QMessageBox::Yes)->setText(T(Tx::Yes));
    box->button(QMessageBox::No)->setText(T(Tx::No));
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::No);
    box->exec();
    const bool yes = box && box->clickedButton() == box->button(QMessageBox::Yes);
    delete box.data();
    return yes;
}

QString WidgetDialogs::Prompt(const QString& caption, const QString& label, int maxLength) {
    return PromptDialog::Ask(caption, label, maxLength, Parent());
}

QString WidgetDialogs::PasswordPrompt(const QString& caption, const QString& label, int maxLength) {
    return PromptDialog::Ask(caption, label, maxLength, Parent(), QLineEdit::Password);
}

QString WidgetDialogs::SaveFileName(const QString& caption, const QString& suggested) {
    // The toolkit's own dialog watches for its parent going away.
    return QFileDialog::getSaveFileName(Parent(), caption, suggested,
                                        QStringLiteral("CSV (*.csv)"));
}
