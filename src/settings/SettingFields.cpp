#include "SettingFields.h"

#include "data/ExerciseInfo.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace {

// The order of a tab's controls.
constexpr LookPart shownOrder[] = {LookPart::Font1,      LookPart::Font2, LookPart::TargetColours,
                                   LookPart::Grid,       LookPart::Background, LookPart::Glyph,
                                   LookPart::ShowHints,  LookPart::ShowJordano};

// The label of a colour box: the box of the colour that fills the cells is the background.
Tx ColourLabel(const LookSpec& look, LookPart part) {
    if (part == LookPart::Glyph)
        return look.glyphLabel;
    return part == look.boardBackground ? Tx::BgColour : Tx::GridColour;
}

QByteArray ControlSuffix(const LookSpec& look, LookPart part, int number) {
    switch (part) {
    case LookPart::Background:
        return look.backgroundBox;
    case LookPart::Grid:
        return "GridCB";
    case LookPart::Glyph:
        return "GPCB";
    case LookPart::Font1:
        return "Font1SB";
    case LookPart::Font2:
        return "Font2SB";
    case LookPart::ShowHints:
        return "NetSB";
    case LookPart::ShowJordano:
        return "JordSB";
    case LookPart::TargetColours:
        break;
    }
    return "Color" + QByteArray::number(number) + 'P';
}

SettingField Field(const ExerciseInfo& e, LookPart part, int number, const char* name) {
    const int tag = e.exerciseNumber();
    const bool hidden = e.look.hidden.Has(part);
    switch (part) {
    case LookPart::Font1:
    case LookPart::Font2:
        return {name, tag, SettingControl::FontButton, Tx::Font, Tx::Font,
                part == LookPart::Font1 ? 1 : 2, hidden, part};
    case LookPart::ShowHints:
        return {name, tag, SettingControl::Toggle, Tx::HintsOn, Tx::HintsOff, 0, hidden, part};
    case LookPart::ShowJordano:
        return {name, tag, SettingControl::Toggle, Tx::JordanoOn, Tx::JordanoOff, 0, hidden, part};
    case LookPart::TargetColours:
        return {name, tag, SettingControl::TargetPanel, Tx::TargetColours, Tx::TargetColours,
                number, hidden, part};
    case LookPart::Background:
    case LookPart::Grid:
    case LookPart::Glyph:
        break;
    }
    const Tx label = ColourLabel(e.look, part);
    return {name, tag, SettingControl::ColourBox, label, label, 0, hidden, part};
}

std::vector<SettingField> BuildFields() {
    // The control names live as long as the fields.
    static std::deque<QByteArray> names;
    std::vector<SettingField> fields;
    for (int position = 0; position < ExerciseCount; ++position) {
        const ExerciseInfo& e = ExerciseAtListPosition(position);
        for (LookPart part : shownOrder) {
            if (!e.look.stored.Has(part))
                continue;
            for (int n = 1; n <= EntryCount(part); ++n) {
                names.push_back(e.prefix + ControlSuffix(e.look, part, n));
                fields.push_back(Field(e, part, n, names.back().constData()));
            }
        }
    }
    return fields;
}

std::vector<SettingTab> BuildTabs() {
    std::vector<SettingTab> tabs;
    for (int index = 0; index < ExerciseCount; ++index) {
        const ExerciseInfo& e = Exercise(index);
        tabs.push_back({e.exerciseNumber(), e.look.restoreButton, e.look.fontColourNote});
    }
    return tabs;
}

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
    static const std::vector<SettingTab> tabs = BuildTabs();
    if (tag < 1 || tag > ExerciseCount)
        throw std::out_of_range("settings tab out of range");
    return tabs[static_cast<std::size_t>(tag - 1)];
}
