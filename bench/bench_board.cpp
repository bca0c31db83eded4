// Board painting: a full repaint of a 20x20 board at 1920x1080, and one press up to the
// highlighted cell being repainted.
#include "BenchSupport.h"
#include "board/OxelPanel.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

void Prepare(TOxelPanel& board) {
    board.resize(1920, 1080);
    board.SetColCount(20);
    board.SetRowCount(20);
    FontRecord big;
    big.size = 22;
    board.SetFontBig(BoardFont(big));
    board.SetGP(true);
    board.FillNumbers();
    board.OnPress = [](const Press&) { return std::optional<bool>(true); };
}

void BM_FullRepaint20x20(benchmark::State& state) {
    TOxelPanel board;
    Prepare(board);
    QImage image(board.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        board.Repaint();
        board.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullRepaint20x20)->Unit(benchmark::kMillisecond);

void BM_PressToHighlightedCell(benchmark::State& state) {
    TOxelPanel board;
    Prepare(board);
    QImage image(board.size(), QImage::Format_RGB32);
    board.render(&image);
    int cell = 0;
    for (auto _ : state) {
        const QRect rect = board.CellRect(cell);
        const QPointF at = rect.center();
        QMouseEvent press(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&board, &press);
        // Repaint just the pressed cell, as the widget asks for.
        board.render(&image, rect.topLeft(), QRegion(rect));
        benchmark::DoNotOptimize(image.constBits());
        state.PauseTiming();
        QMouseEvent release(QEvent::MouseButtonRelease, at, board.mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&board, &release);
        cell = (cell + 7) % 400;
        if (cell == 0)
            board.ResetMarks();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PressToHighlightedCell)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::Main(argc, argv);
}
