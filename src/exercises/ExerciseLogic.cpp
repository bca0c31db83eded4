#include "ExerciseLogic.h"

#include "ExerciseRoles.h"
#include "board/OxelPanel.h"
#include "data/Settings.h"

ExerciseLogic::ExerciseLogic(ExerciseBoard& board, int index)
    : board_(board), info_(Exercise(index)) {}

void ExerciseLogic::AddPageControls(QWidget*, QVBoxLayout*) {}

void ExerciseLogic::Localize() {}

void ExerciseLogic::SetGlyphs(const GlyphSource&) {}

bool ExerciseLogic::ReadyToStart(int) {
    return true;
}

void ExerciseLogic::ApplyLook() {
    const LookSpec& parts = info_.look;
    const ExerciseLook& look = Look();
    TOxelPanel& board = board_.Board();
    if (parts.stored.Has(LookPart::Glyph))
        board.SetGPColor(look.glyph);
    board.SetBgColor(parts.BoardBackground(look));
    board.SetGridColor(parts.BoardGrid(look));
    if (parts.stored.Has(LookPart::Font1))
        board.SetFontBig(BoardFont(look.font1));
    if (parts.stored.Has(LookPart::Font2))
        board.SetFontSmall(BoardFont(look.font2));
}

const ExerciseLook& ExerciseLogic::Look() const {
    return board_.Looks().Look(Index());
}

bool ExerciseLogic::AnswersKey(int) const {
    return false;
}

void ExerciseLogic::Rearrange() {}

void ExerciseLogic::StopOwnTimers() {}

void ExerciseLogic::Abandon() {}

void ExerciseLogic::RunShown() {}

void ExerciseLogic::IdleShown() {}

void ExerciseLogic::BoardMouseUp(Qt::MouseButton, int, int) {}

quint32 ExerciseLogic::PreviewBgColor() const {
    return board_.Looks().BoardBgColor(Index());
}
