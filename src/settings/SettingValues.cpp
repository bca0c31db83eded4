#include "SettingValues.h"

FontRecord SettingValues::Font(const SettingField& field) const {
    return edited_.*field.font;
}

void SettingValues::SetFont(const SettingField& field, const FontRecord& font) {
    edited_.*field.font = font;
}

quint32 SettingValues::Colour(const SettingField& field) const {
    if (field.control == SettingControl::TargetPanel)
        return edited_.TargetColor[static_cast<std::size_t>(field.number - 1)];
    return edited_.*field.colour;
}

void SettingValues::SetColour(const SettingField& field, quint32 colour) {
    if (field.control == SettingControl::TargetPanel)
        edited_.TargetColor[static_cast<std::size_t>(field.number - 1)] = colour;
    else
        edited_.*field.colour = colour;
}

bool SettingValues::Flag(const SettingField& field) const {
    return edited_.*field.flag;
}

void SettingValues::SetFlag(const SettingField& field, bool on) {
    edited_.*field.flag = on;
}

void SettingValues::Confirm(Settings& looks, TDataFile* file) const {
    Settings next = looks;
    next.TakeOptions(edited_);
    if (file)
        next.SaveOptions(*file);
    looks = next;
}
