#pragma once

// What the settings window and editor tests share: font and colour dialogs answered from a
// script, and a way to act inside a modal window that the program opens itself.

#include "../app/ShellFixture.h"
#include "settings/Pickers.h"

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

} // namespace settingstest
