#pragma once

#include "SettingFields.h"

class TDataFile;

// The values the settings window shows while it is open: a working copy of the looks that
// the controls edit, restored tab by tab to the defaults, and confirmed into the main
// window's looks and the settings store together.
class SettingValues {
public:
    explicit SettingValues(const Settings& current) : edited_(current) {}

    const Settings& Edited() const { return edited_; }

    FontRecord Font(const SettingField& field) const;
    void SetFont(const SettingField& field, const FontRecord& font);
    // Colour boxes and target panels.
    quint32 Colour(const SettingField& field) const;
    void SetColour(const SettingField& field, quint32 colour);
    bool Flag(const SettingField& field) const;
    void SetFlag(const SettingField& field, bool on);

    // The values of one tab (by its tag) back to their defaults; the other tabs keep theirs.
    void Restore(int tag) { edited_.RestoreDefaults(tag); }
    // The target colours and the board background of one tab (by its tag) to the colours
    // people with a colour-vision deficiency tell apart; the rest of the tab stays.
    void ColourBlindPreset(int tag);

    // Stores every edited "OPTIONS" value in the looks and writes them all to the store in
    // the save order, in one replacement of the file (no store: the looks only). A write
    // that fails throws OxelError and leaves both the looks and the file as they were.
    void Confirm(Settings& looks, TDataFile* file) const;

private:
    Settings edited_;
};
