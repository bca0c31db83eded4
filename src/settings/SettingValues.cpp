#include "SettingValues.h"

#include "data/ExerciseInfo.h"

namespace {

template <typename T, typename S>
T& Value(S& settings, const SettingField& field) {
    return *std::get<T*>(ValueOf(settings.Look(field.Exercise()), field.part, field.number));
}

} // namespace

FontRecord SettingValues::Font(const SettingField& field) const {
    return Value<const FontRecord>(edited_, field);
}

void SettingValues::SetFont(const SettingField& field, const FontRecord& font) {
    Value<FontRecord>(edited_, field) = font;
}

quint32 SettingValues::Colour(const SettingField& field) const {
    return Value<const quint32>(edited_, field);
}

void SettingValues::SetColour(const SettingField& field, quint32 colour) {
    Value<quint32>(edited_, field) = colour;
}

bool SettingValues::Flag(const SettingField& field) const {
    return Value<const bool>(edited_, field);
}

void SettingValues::SetFlag(const SettingField& field, bool on) {
    Value<bool>(edited_, field) = on;
}

void SettingValues::ColourBlindPreset(int tag) {
    const ExerciseInfo& info = Exercise(tag - 1);
    ExerciseLook& look = edited_.Look(info.index);
    look.targetColours = ColourBlindTargetColours;
    *std::get<quint32*>(ValueOf(look, info.look.boardBackground)) = ColourBlindTargetBackground;
}

void SettingValues::Confirm(Settings& looks, TDataFile* file) const {
    Settings next = looks;
    next.TakeOptions(edited_);
    if (file)
        next.SaveOptions(*file);
    looks = next;
}
