// Whole-row and whole-pattern operations: row clear, pattern clear, random
// fill, the note-repeat switch and the pattern copy buffer.
#include "app/assets.h"
#include "engine/window1.h"
#include "grid/display_draw.h"
#include "grid/step_look.h"
#include "platform/base/numbers.h"

bool Window1::CR_MouseDown(fw::Control& me, int, int) {
  const int k = me.Index();
  if (k < 1 || k > grid::kRows) return false;
  for (int s = 1; s <= grid::kSteps; ++s) {
    if (Hit(Pattern, k, s) == 1) SRCell(k, s).SetBackdrop(grid::OffFace());
    Hit(Pattern, k, s) = 0;
    SV(Pattern, k, s) = 0;
  }
  yline = grid::RowY(k, bottompixel, linemodifier);
  grid::EraseRowBand(*p, yline);
  Canvas1().Refresh(true);
  return false;
}

bool Window1::PClear_MouseDown(fw::Control&, int, int) {
  for (int r = 1; r <= grid::kRows; ++r)
    for (int s = 1; s <= grid::kSteps; ++s) {
      Hit(Pattern, r, s) = 0;
      SV(Pattern, r, s) = 0;
    }
  ClearDisplay();
  MeterDisplay();
  return false;
}

bool Window1::Canvas12_MouseDown(fw::Control&, int, int) {
  static constexpr int kVelocities[] = {100, 50, 10};
  fw::Random rng;  // a new, independently seeded generator for every press
  for (int r = 1; r <= grid::kRows; ++r)
    for (int s = 1; s <= grid::kSteps; ++s) {
      Hit(Pattern, r, s) = 0;
      SV(Pattern, r, s) = 0;
      if (rng.InRange(1, 100) > 87) {  // 13 chances in 100
        Hit(Pattern, r, s) = 1;
        SV(Pattern, r, s) = kVelocities[rng.InRange(1, 3) - 1];
      }
    }
  ClearDisplay();
  PatternDraw();
  return false;
}

bool Window1::Canvas15_MouseDown(fw::Control&, int, int) {
  NoteRepeat = !NoteRepeat;
  StaticText33().SetText(NoteRepeat ? "On" : "Off");
  Canvas15().SetBackdrop(NoteRepeat ? gridon4() : gridoff1());
  return false;
}

// The copied region: the meter cell (row 0, step 0), rows 1..10 by steps
// 1..32, and the empty rest of row 0 and step 0.
void Window1::copypattern() {
  OldPattern = Pattern;
  for (int r = 0; r <= grid::kRows; ++r)
    for (int s = 0; s <= grid::kSteps; ++s) {
      pt(Pattern, r, s) = Hit(Pattern, r, s);
      vt(Pattern, r, s) = SV(Pattern, r, s);
    }
}

void Window1::pastepattern() {
  // Nothing copied yet: the empty buffer would leave the pattern without a
  // length, so the paste does nothing.
  if (OldPattern < 1) return;
  for (int r = 0; r <= grid::kRows; ++r)
    for (int s = 0; s <= grid::kSteps; ++s) {
      Hit(Pattern, r, s) = pt(OldPattern, r, s);
      SV(Pattern, r, s) = vt(OldPattern, r, s);
    }
  Meter = Hit(Pattern, 0, 0);
  MeterDisplay();
  PatternDraw();
}
