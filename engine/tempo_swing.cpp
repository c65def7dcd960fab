// The tempo and swing arrows.
#include "engine/window1.h"
#include "platform/base/numbers.h"

namespace {
int TempoOf(const Window1& w) { return fw::ToInteger(fw::Val(w.StaticText1().Text())); }
}  // namespace

bool Window1::Canvas3_MouseDown(fw::Control&, int, int) {
  int t = TempoOf(*this);
  t = t >= 175 ? 175 : t + 1;  // never past the top, and no overflow from a file's value
  StaticText1().SetText(fw::Str(t));
  CalculateInterval();
  return false;
}

bool Window1::Canvas4_MouseDown(fw::Control&, int, int) {
  int t = TempoOf(*this);
  t = t <= 40 ? 40 : t - 1;
  StaticText1().SetText(fw::Str(t));
  CalculateInterval();
  return false;
}

namespace {
void ApplySwing(Window1& w) {
  w.SwingText().SetText(fw::Str(w.Swing));
  w.CalculateSwing();
  w.ClearDisplay();
  w.PatternDraw();
}
}  // namespace

bool Window1::SwingUp_MouseDown(fw::Control&, int, int) {
  Swing = Swing >= 8 ? 8 : Swing + 1;
  ApplySwing(*this);
  return false;
}

bool Window1::SwingDown_MouseDown(fw::Control&, int, int) {
  Swing = Swing <= 0 ? 0 : Swing - 1;
  ApplySwing(*this);
  return false;
}
