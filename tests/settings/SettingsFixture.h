#pragma once

// What the settings window and editor tests share: font and colour dialogs answered from a
// script, a way to act inside a modal window that the program opens itself, and a main
// window whose settings window is opened from its menu.

#include "../app/ShellFixture.h"
#include "FileBytes.h"
#include "settings/ColourBox.h"
#include "settings/Pickers.h"
#include "settings/Setting.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

namespace settingstest {

// Answers the font and colour dialogs with prepared choices (nothing: cancelled) and
// records what each was preset with.
class ScriptedPickers : public Pickers {
public:
    std::deque<std::optional<BoardFont>> fonts;
    std::deque<std::optional<TColor>> colours;
    QList<FontRecord> fontPresets;
    QList<TColor> colourPresets;

    ScriptedPickers() { InstallPickers(this); }
    ~ScriptedPickers() override { InstallPickers(nullptr); }

    std::optional<BoardFont> PickFont(const BoardFont& initial, QWidget*) override {
        fontPresets.append(initial.ToRecord());
        return take(fonts);
    }
    std::optional<TColor> PickColour(TColor initial, QWidget*) override {
        colourPresets.append(initial);
        return take(colours);
    }

private:
    template <class T> static std::optional<T> take(std::deque<std::optional<T>>& answers) {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Once the modal loop of a window of type W runs, hands it to the steps; a window the steps
// leave open is closed without saving, so no test waits on it. found tells whether one ran.
template <class W> void WhenModal(std::function<void(W&)> steps, bool* found) {
    QTimer::singleShot(0, [steps, found] {
        auto* form = qobject_cast<W*>(QApplication::activeModalWidget());
        *found = form != nullptr;
        if (!form)
            return;
        steps(*form);
        if (form->isVisible())
            form->reject();
    });
}

// A main window with the settings window's dialogs scripted.
struct Fixture {
    shell::Window win;
    ScriptedPickers pickers;

    Settings& looks() { return win.form->Looks(); }
    QString storePath() const { return win.folder.file(QStringLiteral("oxel.ini")); }
    QByteArray store() const { return ReadBytes(storePath()); }
    qint32 stored(const char* name) {
        return TDataFile(storePath()).ReadInteger("OPTIONS", QLatin1String(name), -1);
    }
    void activate(int listPosition) { win.w().TabSwitchCB->setCurrentIndex(listPosition); }
    // Opens the settings window from its menu item and runs the steps inside it.
    void settings(std::function<void(TSettingForm&)> steps) {
        bool found = false;
        WhenModal<TSettingForm>(std::move(steps), &found);
        win.form->Menu().SettingsN->trigger();
        QVERIFY(found);
    }
};

template <class T> T* Control(TSettingForm& form, const char* name) {
    T* control = form.findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Chooses a named colour of the list with the arrow keys, as a user does on a closed list.
inline void ChooseNamed(ColourBox* box, TColor colour) {
    const int target = box->findData(QVariant::fromValue<quint32>(colour));
    QVERIFY(target > ColourBox::CustomItem);
    while (box->currentIndex() > target)
        QTest::keyClick(box, Qt::Key_Up);
    while (box->currentIndex() < target)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace settingstest
