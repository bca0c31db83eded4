#pragma once

#include "data/Settings.h"
#include "data/Texts.h"

#include <QList>
#include <QString>
#include <span>

// What the settings window edits: one row per control, with the control's name, the tab it
// sits on (its `Tag`: the exercise number, index + 1), its kind, its caption and the part of
// the exercise's look it stands for. The rows are derived from the exercise table; the
// window is built from them and the values logic reads them.
enum class SettingControl {
    FontButton,  // "A" or "B", edits a font
    ColourBox,   // a drop-down colour list
    TargetPanel, // one of the ten target colour panels
    Toggle,      // an on/off button
};

struct SettingField {
    const char* name;
    int tag;
    SettingControl control;
    // Colour boxes: the label; toggles: the caption while on (offCaption while off).
    Tx label;
    Tx offCaption;
    // Font buttons: 1 large, 2 small; target panels: 1..10.
    int number;
    // Present, edited and saved, but not shown.
    bool hidden;
    LookPart part;

    int Exercise() const { return tag - 1; }

    // The caption of the label before the control ("Шрифт 1", "Цвет фона"); empty for the
    // controls that have none.
    QString Caption() const;
    // The letter a font button shows: "A" for font 1, "B" for font 2.
    QString Letter() const;
};

// A tab of the settings window: its `Tag`, the name of its restore button and the note it
// shows, if any.
struct SettingTab {
    int tag;
    const char* restoreName;
    bool fontColourNote;
};

// Every control of the settings window, tab after tab in the order of the exercise list;
// on a tab the fonts, target colours, grid, background, point colour, then the toggles.
std::span<const SettingField> SettingFields();
// The controls of one tab, by its tag, in the order they are shown.
QList<const SettingField*> SettingFieldsOfTab(int tag);
// The control of that name.
const SettingField& SettingFieldNamed(const char* name);
// The tab by its tag (1..ExerciseCount).
const SettingTab& SettingTabOf(int tag);
