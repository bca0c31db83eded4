#pragma once

#include <QtGlobal>
#include <optional>

// How one cell is drawn, in terms of the board's own colours and fonts: which background,
// which font and which text colour. The board resolves it against its properties when painting.
struct CellLook {
    // Glyph: the cell filled in GPColor.
    enum class Background : quint8 { Bg, Grid, Yes, No, Glyph };
    enum class FontKind : quint8 { Big, Small };
    // Own: the font's own colour; Black/Red: fixed; BgInk: the background colour (hidden text);
    // RBRed/RBBlack: RBColorR / RBColorB.
    enum class Ink : quint8 { Own, Black, Red, BgInk, RBRed, RBBlack };

    Background background = Background::Bg;
    FontKind font = FontKind::Big;
    Ink ink = Ink::Own;

    bool operator==(const CellLook&) const = default;

    static constexpr CellLook Normal() { return {}; }
    static constexpr CellLook Small() { return {Background::Bg, FontKind::Small, Ink::Own}; }
    static constexpr CellLook OnYes() { return {Background::Yes, FontKind::Big, Ink::Own}; }
    static constexpr CellLook OnNo() { return {Background::No, FontKind::Big, Ink::Own}; }

    // The look of a cell by its display mark; none for marks that draw nothing.
    // With series set, found cells (mark 0) keep the big font.
    static std::optional<CellLook> ForMark(int mark, bool series);
};
