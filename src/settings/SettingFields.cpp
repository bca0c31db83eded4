#include "SettingFields.h"

#include "data/ExerciseInfo.h"

#include <stdexcept>
#include <vector>

namespace {

using S = Settings;

SettingField FontButton(const char* name, int tag, int number, FontRecord S::*font,
                        bool hidden = false) {
    return {name,    tag,    SettingControl::FontButton, Tx::Font, Tx::Font, number, hidden, font,
            nullptr, nullptr};
}

SettingField ColourBox(const char* name, int tag, Tx label, quint32 S::*colour,
                       bool hidden = false) {
    return {name,   tag,    SettingControl::ColourBox, label, label, 0, hidden, nullptr,
            colour, nullptr};
}

SettingField Toggle(const char* name, int tag, Tx on, Tx off, bool S::*flag) {
    return {name, tag, SettingControl::Toggle, on, off, 0, false, nullptr, nullptr, flag};
}

const char* const targetPanelNames[] = {
    "TargetColor1P", "TargetColor2P", "TargetColor3P", "TargetColor4P", "TargetColor5P",
    "TargetColor6P", "TargetColor7P", "TargetColor8P", "TargetColor9P", "TargetColor10P"};

std::vector<SettingField> BuildFields() {
    std::vector<SettingField> f = {
        FontButton("ShulteFont1SB", 1, 1, &S::ShulteFont1),
        FontButton("ShulteFont2SB", 1, 2, &S::ShulteFont2),
        ColourBox("ShulteGridCB", 1, Tx::GridColour, &S::ShulteGridColor),
        ColourBox("ShulteBgCB", 1, Tx::BgColour, &S::ShulteBGColor),
        ColourBox("ShulteGPCB", 1, Tx::PointColour, &S::ShulteGPColor),

        FontButton("RBShulteFont1SB", 2, 1, &S::RbShulteFont1),
        FontButton("RBShulteFont2SB", 2, 2, &S::RbShulteFont2),
    };
    for (int n = 1; n <= 10; ++n)
        f.push_back({targetPanelNames[n - 1], 4, SettingControl::TargetPanel, Tx::TargetColours,
                     Tx::TargetColours, n, false, nullptr, nullptr, nullptr});
    const std::vector<SettingField> rest = {
        ColourBox("TargetBgCB", 4, Tx::BgColour, &S::TargetBGColor),

        FontButton("DwordsFont1SB", 6, 1, &S::DwordsFont1),
        FontButton("DwordsFont2SB", 6, 2, &S::DwordsFont2),
        ColourBox("DwordsGridCB", 6, Tx::GridColour, &S::DwordsGridColor),
        ColourBox("DwordsBgCB", 6, Tx::BgColour, &S::DwordsBGColor),

        FontButton("MnemoFont1SB", 3, 1, &S::MnemoFont1),
        FontButton("MnemoFont2SB", 3, 2, &S::MnemoFont2),
        ColourBox("MnemoBgCB", 3, Tx::BgColour, &S::MnemoBGColor),

        FontButton("NumbersFont1SB", 7, 1, &S::NumbersFont1),
        FontButton("NumbersFont2SB", 7, 2, &S::NumbersFont2),
        // The number board draws background and grid in one colour, the one labelled
        // background; the other box is kept for the stored entry only.
        ColourBox("NumbersGridCB", 7, Tx::BgColour, &S::NumbersGridColor),
        ColourBox("NumbersBgCB", 7, Tx::GridColour, &S::NumbersBGColor, true),
        Toggle("NumbersNetSB", 7, Tx::HintsOn, Tx::HintsOff, &S::NumbersShowHints),
        Toggle("NumbersJordSB", 7, Tx::JordanoOn, Tx::JordanoOff, &S::NumbersShowJordano),

        FontButton("MathFont1SB", 5, 1, &S::MathFont1),
        FontButton("MathFont2SB", 5, 2, &S::MathFont2),
        ColourBox("MathGridCB", 5, Tx::GridColour, &S::MathGridColor),
        ColourBox("MathBgCB", 5, Tx::BgColour, &S::MathBGColor),

        FontButton("ProbeFont1SB", 8, 1, &S::ProbeFont1),
        FontButton("ProbeFont2SB", 8, 2, &S::ProbeFont2, true),
        ColourBox("ProbeBGCB", 8, Tx::BgColour, &S::ProbeBGColor),
    };
    f.insert(f.end(), rest.begin(), rest.end());
    return f;
}

// clang-format off
constexpr SettingTab tabs[] = {
    {1, "ShDefaultSB",   false},
    {2, "RbShDefaultSB", true},
    {3, "MnDefaultSB",   false},
    {4, "TgDefaultSB",   false},
    {5, "MtDefaultSB",   false},
    {6, "DwDefaultSB",   false},
    {7, "NumDefaultSB",  false},
    {8, "PrDefaultSB",   false},
};
// clang-format on

} // namespace

QString SettingField::Caption() const {
    switch (control) {
    case SettingControl::FontButton:
        return T(Tx::Font) + QStringLiteral(" ") + QString::number(number);
    case SettingControl::ColourBox:
        return T(label);
    case SettingControl::TargetPanel:
    case SettingControl::Toggle:
        break;
    }
    return {};
}

QString SettingField::Letter() const {
    return number == 1 ? QStringLiteral("A") : QStringLiteral("B");
}

std::span<const SettingField> SettingFields() {
    static const std::vector<SettingField> fields = BuildFields();
    return fields;
}

QList<const SettingField*> SettingFieldsOfTab(int tag) {
    QList<const SettingField*> fields;
    for (const SettingField& field : SettingFields())
        if (field.tag == tag)
            fields.append(&field);
    return fields;
}

const SettingField& SettingFieldNamed(const char* name) {
    for (const SettingField& field : SettingFields())
        if (qstrcmp(field.name, name) == 0)
            return field;
    throw std::invalid_argument(name);
}

const SettingTab& SettingTabOf(int tag) {
    if (tag < 1 || tag > ExerciseCount)
        throw std::out_of_range("settings tab out of range");
    return tabs[tag - 1];
}
