// Timings of the work done per tick of the falling-block game: a fall step
// with its redraw, a landing that clears four rows, a redraw of the well and a
// repaint of the whole window. The main window runs on a desktop of its own
// here: a still clock, no files, no windows, nothing recorded.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "quiet_desktop.h"
#include "shell/desktop.h"
#include "shell/dialog.h"
#include "shell/form1.h"

namespace vemo {
namespace {

// A running level-1 game with the window drawn; the start-up timer is stopped
// and the timers never fire: each benchmark calls the handlers itself.
struct Game {
  QuietDesktop desktop;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(desktop);
  GameState& s = form->State();

  Game() {
    form->Timers().disable(TimerId::Gor);
    form->OnMenu("N17");
  }
  void clearPlayArea() {
    for (int r = -1; r <= 22; ++r)
      for (int c = 0; c < 10; ++c) s.Well.set(c, r, ' ');
  }
  void putPiece(ShapeCode shape, int phase, int x, int y) {
    s.Shape = shape;
    s.Phase = phase;
    s.Colour = 'b';
    s.PieceX = x;
    s.PieceY = y;
    s.PieceInPlay = true;
    form->PlacePiece();
  }
  // A pile on the lower half of the well, with gaps in every row.
  void pile() {
    for (int r = 12; r <= 22; ++r)
      for (int c = 0; c < 10; ++c) s.Well.set(c, r, (c + r) % 4 == 0 ? ' ' : "rygbvc"[(c + r) % 6]);
  }
};

// One tick of Mover: the piece falls one row and the block around it is redrawn.
void BM_FallStep(benchmark::State& st) {
  Game g;
  g.clearPlayArea();
  g.pile();
  g.putPiece(ShapeCode::K, 1, 3, 0);
  g.form->RedrawWell();
  for (auto _ : st) {
    if (g.s.PieceY >= 9) {  // back to the top before it reaches the pile
      for (int r = 9; r <= 11; ++r)
        for (int c = 3; c <= 5; ++c) g.s.Well.set(c, r, ' ');
      g.putPiece(ShapeCode::K, 1, 3, 0);
    }
    g.form->MoverTimer();
  }
  benchmark::DoNotOptimize(g.s.PieceY);
}
BENCHMARK(BM_FallStep);

// NewTimer after a landing that filled the four bottom rows, without the wipe
// animation: removal, score, caption, four redraws of the well, the next
// piece and the preview.
void BM_NewTimerClearsFourRows(benchmark::State& st) {
  Game g;
  g.form->Menu().setChecked("N31", false);
  for (auto _ : st) {
    st.PauseTiming();
    g.clearPlayArea();
    for (int r = 19; r <= 22; ++r)
      for (int c = 0; c < 10; ++c) g.s.Well.set(c, r, "rygbvc"[(c + r) % 6]);
    g.s.Well.set(4, 18, 'g');
    g.form->RedrawWell();
    g.s.PieceInPlay = false;
    g.s.Score = 0;
    g.s.Speed = 1;
    st.ResumeTiming();
    g.form->NewTimer();
  }
  if (g.s.Score != 14) st.SkipWithError("four rows at level 1 should give 14 points");
}
BENCHMARK(BM_NewTimerClearsFourRows);

// RedrawWell over a well that the window already shows: tiles are drawn again,
// empty cells cost one pixel read each.
void BM_RedrawWell(benchmark::State& st) {
  Game g;
  g.clearPlayArea();
  if (st.range(0)) g.pile();
  g.form->RedrawWell();
  for (auto _ : st) g.form->RedrawWell();
  st.SetLabel(st.range(0) ? "half-full well" : "empty well");
}
BENCHMARK(BM_RedrawWell)->Arg(0)->Arg(1);

// The repaint of the whole window: background, empty bowl, well and frame.
void BM_Refresh(benchmark::State& st) {
  Game g;
  g.clearPlayArea();
  g.pile();
  for (auto _ : st) g.form->Refresh();
}
BENCHMARK(BM_Refresh);

}  // namespace
}  // namespace vemo
