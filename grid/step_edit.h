// Editing single steps of the current pattern, shared by the step cells and
// the row pads.
#pragma once

class Window1;

namespace grid {

// The line of step (row, step) at a velocity, in the row's pan colour: pen,
// position and makeline. An unknown velocity keeps the pen.
void DrawLineOfStep(Window1& w, int row, int step, int velocity);

// Step (row, step) of the current pattern on at a velocity: store, cell face,
// pen and line. An unknown velocity keeps the face and the pen.
void ShowStepOn(Window1& w, int row, int step, int velocity);

// Step (row, step) off: store, off face, line erased.
void ShowStepOff(Window1& w, int row, int step);

// A click on step cell (row, step): plain toggles on at 100 / off, contextual
// sets 50, or 10 from 50; applied to the note-repeat targets too. Redraws the
// swing gaps when swing is on and refreshes the display.
void ClickStep(Window1& w, int row, int step, bool contextual);

}  // namespace grid
