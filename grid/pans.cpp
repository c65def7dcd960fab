// Row pans: the five pan bars, the reset-pan button and the rule that turns a
// row's pan colour into its sound's pan.
#include "engine/window1.h"
#include "grid/step_edit.h"
#include "grid/step_look.h"
#include "platform/base/numbers.h"

namespace {

struct PanPosition {
  int red;
  int green;
  int pan;
};
// In the order the pan-from-colour rule tests them.
constexpr PanPosition kCentre{255, 255, 0};
constexpr PanPosition kRightish{255, 150, 60};
constexpr PanPosition kRight{255, 0, 100};
constexpr PanPosition kLeftish{150, 255, -60};
constexpr PanPosition kLeft{0, 255, -100};
constexpr PanPosition kTable[] = {kCentre, kRightish, kRight, kLeftish, kLeft};

// A pan bar: the selected row takes the position, its lamp and lines show
// the new colour, and the selection is used up.
void ApplyPanBar(Window1& w, const PanPosition& pos) {
  for (int row = 1; row <= grid::kRows; ++row) {
    if (w.SoundEditFlag(row) != 1) continue;
    if (w.S(row)) w.S(row)->Pan = pos.pan;
    w.lineColor(row, 0) = pos.red;
    w.lineColor(row, 1) = pos.green;
    w.Oval1(row).SetFillColor(fw::RGB(pos.red, pos.green, 0));
    for (int j = 1; j <= w.NumBeats; ++j)
      if (w.Hit(w.Pattern, row, j) == 1) grid::DrawLineOfStep(w, row, j, w.SV(w.Pattern, row, j));
    w.SoundEditFlag(row) = 0;
  }
  if (w.SwingNumUp != 1.0) w.drawswinglines();
  w.Canvas1().Refresh(true);
  w.DrumName().SetText("");
}

}  // namespace

bool Window1::RedBar_MouseDown(fw::Control&, int, int) {
  ApplyPanBar(*this, kRight);
  return false;
}
bool Window1::OrangeBar_MouseDown(fw::Control&, int, int) {
  ApplyPanBar(*this, kRightish);
  return false;
}
bool Window1::Yellowbar_MouseDown(fw::Control&, int, int) {
  ApplyPanBar(*this, kCentre);
  return false;
}
bool Window1::Limebar_MouseDown(fw::Control&, int, int) {
  ApplyPanBar(*this, kLeftish);
  return false;
}
bool Window1::GreenBar_MouseDown(fw::Control&, int, int) {
  ApplyPanBar(*this, kLeft);
  return false;
}

bool Window1::Canvas8_MouseDown(fw::Control&, int, int) {
  ResetColors();
  for (int row = 1; row <= grid::kRows; ++row)
    if (S(row)) S(row)->Pan = 0;
  PatternDraw();
  return false;
}

void Window1::ApplyPansFromColors() {
  for (int row = 1; row <= grid::kRows; ++row) {
    if (!S(row)) continue;
    for (const PanPosition& pos : kTable)
      if (lineColor(row, 0) == pos.red && lineColor(row, 1) == pos.green) {
        S(row)->Pan = pos.pan;
        break;
      }
  }
}
