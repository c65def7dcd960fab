// Timing of the step grid's drawing: a full redraw of a busy pattern and one
// step-cell click through the window's event path.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/window1.h"
#include "grid/step_look.h"
#include "platform/ui/application.h"
#include "platform/ui/testing.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class F>
double Microseconds(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  const auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::micro>(t1 - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!fw::RuntimeInit(argc, argv)) return 1;
  {
    Window1& w = Window1::Instance();
    w.Pattern = 1;
    w.Meter = 1;
    w.Swing = 6;
    w.CalculateSwing();
    // A busy pattern: every other cell on, all three velocities.
    const int velocities[] = {100, 50, 10};
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) {
        const bool on = (r + s) % 2 == 0;
        w.Hit(1, r, s) = on ? 1 : 0;
        w.SV(1, r, s) = on ? velocities[(r * 32 + s) % 3] : 0;
      }
    w.ClearDisplay();
    w.MeterDisplay();
    fw::testing::ProcessEvents(50);

    constexpr int kRuns = 101;
    std::vector<double> draw;
    for (int i = 0; i < kRuns; ++i) draw.push_back(Microseconds([&] { w.PatternDraw(); }));

    // One click on a cell, from the press at its position to the changed
    // pixels of the display; the paints it asks for run between clicks.
    fw::Canvas& cell = w.SRCell(5, 8);
    const int x = cell.Left() + cell.Width() / 2, y = cell.Top() + cell.Height() / 2;
    const int lineX = grid::StepX(8) + 10, lineY = grid::RowY(5, w.bottompixel, w.linemodifier);
    std::vector<double> click;
    for (int i = 0; i < kRuns; ++i) {
      const fw::Color before = w.p->Pixel(lineX, lineY);
      click.push_back(Microseconds([&] { fw::testing::Click(w, x, y); }));
      if (w.p->Pixel(lineX, lineY) == before) {
        std::fprintf(stderr, "the click did not change the display\n");
        return 1;
      }
      fw::testing::ProcessEvents(0);
    }
    std::printf("patterndraw_us: %.1f\n", Median(draw));
    std::printf("click_to_pixels_us: %.1f\n", Median(click));
  }
  fw::RuntimeExit();
  return 0;
}
