#include "ExerciseLogic.h"

#include "ExerciseHost.h"
#include "data/Settings.h"

ExerciseLogic::ExerciseLogic(ExerciseHost& host, int index) : host_(host), info_(Exercise(index)) {}

void ExerciseLogic::AddPageControls(QWidget*, QVBoxLayout*) {}

void ExerciseLogic::Localize() {}

void ExerciseLogic::SetGlyphs(const GlyphSource&) {}

bool ExerciseLogic::ReadyToStart(int) {
    return true;
}

void ExerciseLogic::ApplyLook() {}

void ExerciseLogic::Rearrange() {}

void ExerciseLogic::StopOwnTimers() {}

void ExerciseLogic::Abandon() {}

void ExerciseLogic::RunShown() {}

void ExerciseLogic::IdleShown() {}

void ExerciseLogic::BoardMouseUp(Qt::MouseButton, int, int) {}

quint32 ExerciseLogic::PreviewBgColor() const {
    return host_.Looks().BoardBgColor(Index());
}
