#include "ExerciseLook.h"

namespace {

quint32 Colour(const ExerciseLook& look, LookPart part) {
    return part == LookPart::Grid ? look.grid : look.background;
}

} // namespace

LookValue ValueOf(ExerciseLook& look, LookPart part, int number) {
    switch (part) {
    case LookPart::Background:
        return &look.background;
    case LookPart::Grid:
        return &look.grid;
    case LookPart::Glyph:
        return &look.glyph;
    case LookPart::Font1:
        return &look.font1;
    case LookPart::Font2:
        return &look.font2;
    case LookPart::ShowHints:
        return &look.showHints;
    case LookPart::ShowJordano:
        return &look.showJordano;
    case LookPart::TargetColours:
        break;
    }
    return &look.targetColours.at(static_cast<std::size_t>(number - 1));
}

ConstLookValue ValueOf(const ExerciseLook& look, LookPart part, int number) {
    return std::visit([](auto* value) -> ConstLookValue { return value; },
                      ValueOf(const_cast<ExerciseLook&>(look), part, number));
}

int EntryCount(LookPart part) {
    return part == LookPart::TargetColours ? TargetColourCount : 1;
}

FontRecord FontDefault::Record() const {
    FontRecord font;
    font.face = QLatin1String(face);
    font.size = size;
    font.colour = colour;
    font.style = style;
    return font;
}

ExerciseLook LookSpec::Defaults() const {
    ExerciseLook look;
    look.background = background;
    look.grid = grid;
    look.glyph = glyph;
    look.font1 = font1.Record();
    look.font2 = font2.Record();
    look.showHints = showHints;
    look.showJordano = showJordano;
    look.targetColours = targetColours;
    return look;
}

quint32 LookSpec::BoardBackground(const ExerciseLook& look) const {
    return Colour(look, boardBackground);
}

quint32 LookSpec::BoardGrid(const ExerciseLook& look) const {
    return Colour(look, boardGrid);
}
