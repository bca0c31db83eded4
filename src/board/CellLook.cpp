#include "CellLook.h"

std::optional<CellLook> CellLook::ForMark(int mark, bool series) {
    using B = Background;
    using F = FontKind;
    using I = Ink;
    switch (mark) {
    case 0: return CellLook{B::Bg, series ? F::Big : F::Small, I::Own};
    case 1: return Normal();
    case 2: return CellLook{B::Bg, F::Big, I::Black};
    case 3: return CellLook{B::Bg, F::Big, I::Red};
    case 10: return CellLook{B::Bg, F::Big, I::BgInk};
    case 20: return CellLook{B::Grid, F::Big, I::BgInk};
    case 22: return CellLook{B::Bg, F::Big, I::RBBlack};
    case 30: return OnNo();
    case 33: return CellLook{B::Bg, F::Big, I::RBRed};
    case 40: return OnYes();
    case 50: return CellLook{B::Glyph, F::Big, I::Own};
    default: return std::nullopt;
    }
}
