// The settings window: "Да" with every entry changed, written to oxel.ini on disk and the
// active Schulte board re-applied and painted.
#include "BenchSupport.h"
#include "app/Main.h"
#include "board/OxelPanel.h"
#include "data/Text1251.h"
#include "settings/Setting.h"

#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Looks whose every "OPTIONS" value differs from its default.
Settings Changed() {
    Settings s;
    quint32 colour = 0x010203;
    for (quint32* c :
         {&s.ShulteBGColor, &s.ShulteGridColor, &s.ShulteGPColor, &s.MnemoBGColor, &s.ProbeBGColor,
          &s.MathBGColor, &s.MathGridColor, &s.DwordsBGColor, &s.DwordsGridColor, &s.NumbersBGColor,
          &s.NumbersGridColor, &s.TargetBGColor})
        *c = colour++;
    for (quint32& c : s.TargetColor)
        c = colour++;
    quint16 size = 30;
    for (FontRecord* f :
         {&s.ShulteFont1, &s.ShulteFont2, &s.RbShulteFont1, &s.RbShulteFont2, &s.MnemoFont1,
          &s.MnemoFont2, &s.ProbeFont1, &s.ProbeFont2, &s.MathFont1, &s.MathFont2, &s.DwordsFont1,
          &s.DwordsFont2, &s.NumbersFont1, &s.NumbersFont2}) {
        f->size = size++;
        f->face = QStringLiteral("Liberation Serif");
    }
    s.NumbersShowHints = false;
    s.NumbersShowJordano = true;
    return s;
}

// Each round opens the window on changed looks and restores every tab, so that "Да" takes
// a new value for every entry; only the press is timed.
void BM_SettingsConfirm(benchmark::State& state) {
    QTemporaryDir dir;
    bench::Install(dir);
    TMainForm main(dir.path());
    main.show();
    QCoreApplication::processEvents();
    main.Widgets().pages[0].StartSB->click();
    TOxelPanel& board = *main.Widgets().OxelP;
    const Settings changed = Changed();
    for (auto _ : state) {
        state.PauseTiming();
        main.Looks().TakeOptions(changed);
        auto form = std::make_unique<TSettingForm>(
            SettingContext{main.Looks(), main.SettingsFile(), 0, main.Cycle().ExerciseAt(0), board},
            &main);
        form->FormShow();
        for (int tag = 1; tag <= ExerciseCount; ++tag)
            form->ShDefaultSBClick(tag);
        state.ResumeTiming();
        form->YesSB->click();
        board.repaint();
        state.PauseTiming();
        if (!(main.Looks() == Settings()))
            state.SkipWithError("the confirmation did not take the values");
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SettingsConfirm)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
