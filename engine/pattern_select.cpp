// Choosing the current pattern: the arrows beside the pattern number and the
// "." and "," keys.
#include "engine/window1.h"
#include "platform/base/numbers.h"

void Window1::ChangePattern(int delta, bool alwaysApplyLength) {
  ClearDisplay();
  Pattern += delta;
  if (Pattern > 50) Pattern = 50;
  if (Pattern < 1) Pattern = 1;
  StaticText20().SetText(fw::Str(Pattern));
  if (alwaysApplyLength || Meter != Hit(Pattern, 0, 0)) {
    Meter = Hit(Pattern, 0, 0);
    MeterDisplay();
  }
  PatternDraw();
}

bool Window1::Canvas5_MouseDown(fw::Control&, int, int) {
  ChangePattern(+1, true);
  return false;
}

bool Window1::Canvas6_MouseDown(fw::Control&, int, int) {
  ChangePattern(-1, true);
  return false;
}
