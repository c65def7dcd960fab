// Step cells: a click switches a step on or off or changes its velocity, with
// the change written to the note-repeat targets as well.
#include "engine/window1.h"
#include "grid/step_edit.h"
#include "grid/step_look.h"
#include "platform/base/thread.h"
#include "platform/ui/events.h"

namespace grid {

namespace {
// Puts the window's line position (xline, yline, xlineMOD2) on step (row, step).
void PlaceLine(Window1& w, int row, int step) {
  w.xline = StepX(step);
  w.yline = RowY(row, w.bottompixel, w.linemodifier);
  w.xlineMOD2 = kLineLength;
}
}  // namespace

void DrawLineOfStep(Window1& w, int row, int step, int velocity) {
  if (auto pen = PenForVelocity(w.lineColor(row, 0), w.lineColor(row, 1), velocity)) {
    w.re = pen->red;
    w.gre = pen->green;
  }
  PlaceLine(w, row, step);
  w.makeline();
}

void ShowStepOn(Window1& w, int row, int step, int velocity) {
  w.Hit(w.Pattern, row, step) = 1;
  w.SV(w.Pattern, row, step) = velocity;
  if (auto face = FaceForVelocity(velocity)) w.SRCell(row, step).SetBackdrop(face);
  DrawLineOfStep(w, row, step, velocity);
}

void ShowStepOff(Window1& w, int row, int step) {
  w.Hit(w.Pattern, row, step) = 0;
  w.SRCell(row, step).SetBackdrop(OffFace());
  w.SV(w.Pattern, row, step) = 0;
  PlaceLine(w, row, step);
  w.deleteline();
}

void ClickStep(Window1& w, int row, int step, bool contextual) {
  if (row < 1 || row > kRows || step < 1 || step > kSteps) return;
  // The action is decided once, from the clicked step alone.
  enum class Action { On, Off, Velocity50, Velocity10 } action;
  if (contextual)
    action = w.SV(w.Pattern, row, step) == 50 ? Action::Velocity10 : Action::Velocity50;
  else
    action = w.Hit(w.Pattern, row, step) == 0 ? Action::On : Action::Off;

  auto apply = [&](int j) {
    switch (action) {
      case Action::On:
        ShowStepOn(w, row, j, 100);
        break;
      case Action::Velocity50:
        ShowStepOn(w, row, j, 50);
        break;
      case Action::Velocity10:
        ShowStepOn(w, row, j, 10);
        break;
      case Action::Off:
        ShowStepOff(w, row, j);
        break;
    }
  };
  if (w.NoteRepeat && w.RepeatSteps > 0) {
    for (int j = step; j <= w.NumBeats && j <= kSteps; j += w.RepeatSteps) {
      apply(j);
      fw::YieldToNextThread();
    }
  } else {
    apply(step);
  }
  if (w.SwingNumUp != 1.0) w.drawswinglines();
  w.Canvas1().Refresh(true);
}

}  // namespace grid

bool Window1::SR1_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 1, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR2_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 2, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR3_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 3, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR4_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 4, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR5_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 5, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR6_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 6, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR7_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 7, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR8_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 8, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR9_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 9, me.Index(), fw::IsContextualClick());
  return false;
}
bool Window1::SR10_MouseDown(fw::Control& me, int, int) {
  grid::ClickStep(*this, 10, me.Index(), fw::IsContextualClick());
  return false;
}
