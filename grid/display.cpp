// The step-line display of the main window: its primitives, the pointer strip,
// the full redraw of the current pattern and the application of its length.
#include "app/assets.h"
#include "engine/window1.h"
#include "grid/display_draw.h"
#include "grid/step_edit.h"
#include "grid/step_look.h"
#include "platform/base/thread.h"

void Window1::PointerCanvas_Paint(fw::Control&, fw::Graphics& g) {
  // CurrentBeat 0 or -1 puts the lamp left of the strip: the pointer is hidden.
  g.DrawPicture(light(), (CurrentBeat - 1) * grid::kStepWidth, 0);
}

void Window1::makeline() { grid::DrawStepLine(*p, xline, yline, xlineMOD2, re, gre); }

void Window1::deleteline() { grid::EraseStepLine(*p, xline, yline); }

void Window1::DrawBlackLines() { grid::DrawSeparators(*p, NumBeats); }

void Window1::drawswinglines() { grid::DrawSwingGaps(*p, Swing, NumBeats); }

void Window1::ClearDisplay() {
  fw::Graphics& own = OwnGraphics();
  grid::ClearToBlack(*p, own.Width(), own.Height());
}

void Window1::ClearPattern() {
  for (int s = 1; s <= grid::kSteps; ++s) {
    for (int r = 1; r <= grid::kRows; ++r) SRCell(r, s).SetBackdrop(grid::OffFace());
    fw::YieldToNextThread();
  }
}

void Window1::PatternDraw() {
  for (int r = 1; r <= grid::kRows; ++r) {
    for (int s = 1; s <= NumBeats; ++s) {
      fw::Canvas& cell = SRCell(r, s);
      if (Hit(Pattern, r, s) == 1) {
        const int velocity = SV(Pattern, r, s);
        if (auto face = grid::FaceForVelocity(velocity)) cell.SetBackdrop(face);
        grid::DrawLineOfStep(*this, r, s, velocity);
      } else {
        cell.SetBackdrop(grid::OffFace());
      }
      fw::YieldToNextThread();
    }
    fw::YieldToNextThread();
  }
  if (SwingNumUp != 1.0) drawswinglines();
  Canvas1().Refresh(true);
}

namespace {

struct Length {
  int meter;
  int numBeats;
  const char* beatsText;
};
constexpr Length kLengths[] = {{1, 32, "8"}, {2, 28, "7"}, {3, 24, "6"}, {4, 20, "5"}};

// Cells 21..32 may be hidden; 1..20 always show.
constexpr int kFirstHideableStep = 21;

}  // namespace

void Window1::MeterDisplay() {
  grid::ClearToBlack(*p, grid::kDisplayWidth, grid::kDisplayHeight);
  for (const Length& len : kLengths) {
    if (len.meter != Meter) continue;
    NumBeats = len.numBeats;
    NumB().SetText(len.beatsText);
    grid::ShadeTail(*p, NumBeats);
    for (int s = NumBeats + 1; s <= grid::kSteps; ++s)
      for (int r = 1; r <= grid::kRows; ++r) SRCell(r, s).SetVisible(false);
    for (int s = kFirstHideableStep; s <= NumBeats; ++s)
      for (int r = 1; r <= grid::kRows; ++r) SRCell(r, s).SetVisible(true);
  }
  PatternDraw();  // refreshes the display
}
